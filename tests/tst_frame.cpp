// The page frame: the status bar (title, icons, clock on the stopped wall clock) and the soft-key
// bar against reference pictures; the icons' setters and signals, the input-method indicator,
// the repaints; soft keys by real key events with the 500 ms long press timed against the timer
// queue; the page base widget's keys, hooks and settings.
#include "BaseWidget.h"
#include "Core.h"
#include "IME.h"
#include "KeyDriver.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "Reference.h"
#include "SignalOrder.h"
#include "SimClock.h"
#include "Status.h"
#include "Tail.h"
#include "TailButton.h"
#include "TestHost.h"
#include "TestWait.h"
#include "TimeLabel.h"
#include "TimerMark.h"
#include "WidgetImage.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

const struct BoolSetter {
    void (Status::*set)(bool);
    const char* icon;
    bool honoursCallMode;
    const char* debugLabel;
} kBoolSetters[] = {
    { &Status::setUIStatusLock, "statusLock", true, 0 },
    { &Status::setUIStatusCallLock, "statusCallLock", true, 0 },
    { &Status::setUIStatusCallForward, "statusForward", true, 0 },
    { &Status::setUIStatusDND, "statusDND", true, 0 },
    { &Status::setUIStatusAutoAnswer, "statusAutoAnswer", true, 0 },
    { &Status::setUIStatusCallHold, "statusCallHold", true, 0 },
    { &Status::setUIStatusConnectMobile, "statusConnectMobile", true, 0 },
    { &Status::setUIStatusConnectAOM, "statusConnectAOM", true, "Status::setUIStatusConnectAOM value:" },
    { &Status::setUIStatusConnectHVR, "statusConnectHVR", false, "Status::setUIStatusConnectHVR value:" },
    { &Status::setUIStatusUpgrade, "statusUpgrade", false, 0 },
};

const struct EnumSetter {
    const char* slot;   // called by name with the unqualified type, as the host connects
    const char* type;
    const char* signal;
    const char* icon;
    const char* pictures;   // by value from 1
    const char* refusal;    // null: refused silently
} kEnumSetters[] = {
    { "setUIStatusHeadSet", "UIStatusHeadset", SIGNAL(changeHeadset(UIStatusHeadset)), "statusHeadset",
      "status_headset status_headset_ehs", "Status::setUIStatusHeadSet invaild value! noupdate!" },
    { "setUIStatusBluetoothHeadset", "UIStatusBluetoothHeadset", SIGNAL(changeBluetoothHeadset(UIStatusBluetoothHeadset)),
      "statusBlutoothHeadset", "status_headset_bt status_headset_bt_off", "Status::setUIStatusBluetoothHeadset invaild value! noupdate!" },
    { "setUIStatusWifi", "UIStatusWifi", SIGNAL(changeWifi(UIStatusWifi)), "statusWifi",
      "status_wifi_-1 status_wifi_0 status_wifi_1 status_wifi_2 status_wifi_3 status_wifi_4", "Status::setUIStatusWifi invaild value! noupdate!" },
    { "setUIStatusAGMode", "UIStatusAG", SIGNAL(changeAGMode(UIStatusAG)), "statusAGMode",
      "status_bluetooth_acc status_bluetooth_acc_off", "Status::setUIStatusAG invalid value! noupdate!" },
    { "setUIStatusBTHeadsetPairing", "UIStatusBTHeadsetPairing", SIGNAL(changeBTHsetPairing(UIStatusBTHeadsetPairing)),
      "statusBTHSetPairing", "status_bluetooth status_bluetooth_off", 0 },
};

QLabel* child(QWidget* bar, const char* name) { return bar->findChild<QLabel*>(QString::fromLatin1(name)); }
bool shown(Status* bar, const char* name) { return child(bar, name)->isVisibleTo(bar); }

// Same file: the pixmap cache hands out one shared copy per file.
bool showsPicture(QLabel* label, const QString& name)
{
    const QPixmap expected(":/ui/images/title/" + name + ".png");
    return label->pixmap() && !expected.isNull() && label->pixmap()->cacheKey() == expected.cacheKey();
}

// Delivered as the host delivers keys; an ignored key travels on to the parent widgets.
bool send(QWidget* target, QEvent::Type type, int key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(target, &event);
    return event.isAccepted();
}

void tap(QWidget* target, int key)
{
    send(target, QEvent::KeyPress, key);
    send(target, QEvent::KeyRelease, key);
}

void label(Tail* tail, const QStringList& texts = { "A", "B", "C", "D" })
{
    for (int i = 0; i < 4; ++i)
        tail->setFuncButtonText(i, texts[i]);
}

// The soft-key bar's three signals in the order they come: "down 1", "long 1", "up 1", "click 1".
struct SignalLog : SignalOrder {
    explicit SignalLog(Tail* tail)
    {
        watch(tail, SIGNAL(pressed(int,bool)), [](const QList<QVariant>& a) { return QString(a.at(1).toBool() ? "down %1" : "up %1").arg(a.at(0).toInt()); });
        watch(tail, SIGNAL(longPress(int)), [](const QList<QVariant>& a) { return QString("long %1").arg(a.at(0).toInt()); });
        watch(tail, SIGNAL(clicked(int)), [](const QList<QVariant>& a) { return QString("click %1").arg(a.at(0).toInt()); });
    }
};

// A page that puts its title up whenever it comes to the front.
struct TitledPage : BaseWidget {
    int setups = 0;
    void setupStatus() override
    {
        ++setups;
        if (m_status)
            m_status->setTitle("Settings | Time Zone");
    }
};

} // namespace

class FrameTest : public QObject
{
    Q_OBJECT
    TestHost* m_host = 0;
    Status* m_bar = 0;

private slots:
    void initTestCase()
    {
        // The clock reads five past two in the afternoon (local time), whatever the day.
        SimClock::freeze(QDateTime(QDate(2024, 3, 5), QTime(14, 5, 30)).toMSecsSinceEpoch());
        QVERIFY(TestHost::loadPictures() && phoneUseScreenFont());
        m_host = new TestHost;
        m_bar = new Status;
    }
    void cleanupTestCase()
    {
        m_host->core()->setStatusWidget(0);
        delete m_bar;
        delete m_host;
        SimClock::freeze(-1);
    }

    void init()
    {
        Core* core = m_host->core();
        core->setStatusWidget(m_bar);
        core->setDesignType(0);
        core->setLanguage(Core::LangEnglish);
        core->setUse24HourTime(false);
        core->setIme(core->findChild<IME*>());
        core->ime()->setImeStatus(0);
        m_host->removeFile("settings.conf");
        m_host->removeFile("system.conf");
    }

    // The bar: title box and breadcrumb, icons right-aligned before the clock (or the input-method
    // indicator), the two underlines; in its colours, with design 1's clock colour.
    void statusBarLooks()
    {
        Core* core = m_host->core();
        QList<QImage> bands;
        for (int band = 0; band < 6; ++band) {
            core->setDesignType(band == 2);
            core->setUse24HourTime(band == 1);
            Status bar;
            const char* titles[] = { "Settings | Time Zone", "Phone", "Settings|Time Zone | Europe", "   ",
                                     "A title far too long for the bar, elided at its end", "Settings" };
            bar.setTitle(titles[band]);
            bar.setTime24Hour(band == 1);   // as the page frame passes the setting on
            if (band == 1) {
                bar.setUIStatusLock(true);
                bar.setUIStatusDND(true);
                bar.setUIStatusHeadSet(Status::HeadsetEHS);
                bar.setUIStatusWifi(Status::WifiLevel3);
            } else if (band == 2) {
                bar.setUIStatusBTHeadsetPairing(Status::BTPairingOn);
                bar.setUIStatusAGMode(Status::AGOff);
                bar.setUIStatusUpgrade(true);
            } else if (band == 3) {
                bar.setIMEStatus(IMEStatusCapital);
                bar.setUIStatusCallForward(true);
            } else if (band == 4) {
                bar.setBgColor(QColor(10, 20, 90));
                bar.setUnderlineColor(QColor(200, 0, 0), QColor(0, 200, 0));
                bar.setTitleColor(QColor(255, 220, 0));
            } else if (band == 5) {
                bar.setStatusIcon_isCall(true);   // the call screen: no clock, icons held
                bar.setUIStatusLock(true);
                bar.setUIStatusConnectHVR(true);
            }
            bar.layout()->activate();
            bands << WidgetImage::render(&bar);
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(bands), "frame_statusbar");
        QVERIFY(m_bar->titleLabelWidgetWidth() <= 300);
    }

    void title()
    {
        Status bar;
        QSignalSpy spy(&bar, SIGNAL(titleChanged(QString)));
        bar.setTitle("Settings | Time Zone");
        bar.setDisabledUpdateTitle(true);
        MessageCapture capture;
        bar.setTitle("Other");
        QCOMPARE(capture.lines(), QStringList("Status::setTitle m_disabledUpdateTitle: true"));
        QCOMPARE(bar.title(), "Settings | Time Zone" + QString(42, ' '));
        bar.setTitleFromSignal("Mirrored");
        QVERIFY(bar.title() == "Mirrored" + QString(42, ' ') && spy.count() == 1 && spy.at(0).at(0) == "Settings | Time Zone");
    }

    // What a user sees change is repainted at once.
    void repaints()
    {
        Status bar;
        bar.show();
        QVERIFY(phoneWaitForPainted(&bar));
        QLabel* title = child(&bar, "titleLabel");
        QLabel* clock = child(&bar, "timeLabel");
        QVERIFY(WidgetImage::paints(&bar, [&] { bar.setBgColor(Qt::red); }) > 0);
        QVERIFY(WidgetImage::paints(&bar, [&] { bar.setUnderlineColor(Qt::red, Qt::blue); }) > 0);
        QVERIFY(WidgetImage::paints(title, [&] { bar.setTitle("T"); }) > 0);
        QVERIFY(WidgetImage::paints(title, [&] { bar.setTitleFromSignal("U"); }) > 0);
        QVERIFY(WidgetImage::paints(title, [&] { bar.setTitleColor(Qt::red); }) > 0);
        QVERIFY(WidgetImage::paints(clock, [&] { bar.setTime24Hour(true); }) > 0);
        QVERIFY(WidgetImage::paints(clock, [&] { bar.timeout(); }) > 0);
        Tail tail;
        tail.show();
        QVERIFY(phoneWaitForPainted(&tail));
        QVERIFY(WidgetImage::paints(tail.button(1), [&] { tail.setFuncButtonText(1, "B"); }) > 0);
        QVERIFY(WidgetImage::paints(tail.button(1), [&] { send(&tail, QEvent::KeyPress, Qt::Key_Context2); }) > 0);
        QVERIFY(WidgetImage::paints(tail.button(1), [&] { send(&tail, QEvent::KeyRelease, Qt::Key_Context2); }) > 0);
    }

    // Call-icon mode records the value but holds the icon and signals (HVR and upgrade excepted).
    void boolSetters()
    {
        for (const BoolSetter& s : kBoolSetters) {
            Status bar;
            QSignalSpy changed(&bar, SIGNAL(statusInfoChanged()));
            MessageCapture capture;
            for (bool on : { true, true, false }) {
                (bar.*s.set)(on);
                QVERIFY2(shown(&bar, s.icon) == on, s.icon);
            }
            QCOMPARE(changed.count(), 2);
            bar.setStatusIcon_isCall(true);
            (bar.*s.set)(true);
            bar.setStatusIcon_isCall(false);
            QVERIFY2(shown(&bar, s.icon) == !s.honoursCallMode, s.icon);
            (bar.*s.set)(true);
            QVERIFY2(shown(&bar, s.icon) && changed.count() == (s.honoursCallMode ? 2 : 3), s.icon);
            const QString on = QString(s.debugLabel) + " true", off = QString(s.debugLabel) + " false";
            QCOMPARE(capture.lines(), s.debugLabel ? QStringList({ on, on, off, on, on }) : QStringList());
        }
        MessageCapture capture;   // a fresh bar: every icon off, the clock on
        Status bar;
        QCOMPARE(capture.lines(), QStringList({ "Status::setUIStatusConnectAOM value: false", "Status::setUIStatusConnectHVR value: false" }));
        for (QLabel* icon : bar.findChildren<QLabel*>())
            QVERIFY2(icon->isVisibleTo(&bar) == (icon->objectName() == "timeLabel" || icon->objectName() == "titleLabel"),
                     qPrintable(icon->objectName()));
    }

    // Every value shows its picture (call-icon mode does not hold these back) and is announced even
    // when unchanged; refused values write one line (none for pairing) and change nothing.
    void enumSetters()
    {
        for (const EnumSetter& s : kEnumSetters) {
            Status bar;
            bar.setStatusIcon_isCall(true);
            QSignalSpy change(&bar, s.signal), info(&bar, SIGNAL(statusInfoChanged()));
            const QStringList pictures = QString(s.pictures).split(' ');
            auto set = [&](int value) { QMetaObject::invokeMethod(&bar, s.slot, QGenericArgument(s.type, &value)); };
            for (int v = 1; v <= pictures.size(); ++v) {
                set(v);
                set(v);
                QVERIFY2(shown(&bar, s.icon) && showsPicture(child(&bar, s.icon), pictures[v - 1]), qPrintable(pictures[v - 1]));
                QCOMPARE(change.at(2 * v - 1).at(0).toInt(), v);
            }
            QVERIFY2(change.count() == 2 * pictures.size() && info.count() == pictures.size(), s.slot);
            for (int bad : { int(pictures.size()) + 1, -1 }) {
                MessageCapture capture;
                set(bad);
                QCOMPARE(capture.lines(), s.refusal ? QStringList(s.refusal) : QStringList());
            }
            QVERIFY2(change.count() == 2 * pictures.size() && showsPicture(child(&bar, s.icon), pictures.last()), s.slot);
            set(0);
            QVERIFY2(!shown(&bar, s.icon) && info.count() == pictures.size() + 1, s.slot);
        }
        Status bar;
        bar.setUIStatusHeadSet(Status::HeadsetOn);
        bar.setUIStatusBluetoothHeadset(Status::BluetoothHeadsetOff);
        bar.setUIStatusBTHeadsetPairing(Status::BTPairingOn);
        QVERIFY(bar.statusHeadset() == 1 && bar.statusBluetoothHeadset() == 2 && bar.statusBTHeadsetPairing() == 1);
    }

    // 0, 5, 6, 7 hide the indicator; 1 is Korean only with language 0, else small letters (and
    // announced as 2); unknown values keep the last picture.
    void imeIndicator()
    {
        const struct { int language, status; const char* picture; int announced; } cases[] = {
            { 1, 0, 0, 0 }, { 1, 5, 0, 5 }, { 1, 6, 0, 6 }, { 1, 7, 0, 7 }, { 0, 1, "status_type_korean", 1 },
            { 1, 1, "status_type_smallletter", 2 }, { 0, 2, "status_type_smallletter", 2 },
            { 1, 3, "status_type_capital", 3 }, { 1, 4, "status_type_num", 4 }, { 1, 9, "status_type_capital", 9 } };
        for (const auto& c : cases) {
            m_host->core()->setLanguage(c.language);
            Status bar;
            bar.setIMEStatus(IMEStatusCapital);
            QSignalSpy spy(&bar, SIGNAL(changeIMEStatus(IMEStatus)));
            bar.setIMEStatus(static_cast<IMEStatus>(c.status));
            const QByteArray tag = "status " + QByteArray::number(c.status);
            QVERIFY2(spy.count() == 1 && spy.at(0).at(0).toInt() == c.announced, tag);
            QVERIFY2(shown(&bar, "specialCharLabel") == bool(c.picture) && shown(&bar, "charLabel") == bool(c.picture), tag);
            QVERIFY2(shown(&bar, "timeLabel") == !c.picture, tag);
            QVERIFY2(!c.picture || showsPicture(child(&bar, "charLabel"), c.picture), tag);
        }
    }

    // Keys up and held, labelled, unlabelled and reserved; a second key takes the pressed look from
    // the first; design 1 swaps the colours; the page in its colour with the keys along its bottom.
    void softKeyLooks()
    {
        QList<QImage> keys, pages;
        for (int design : { 0, 1 }) {
            m_host->core()->setDesignType(design);
            BaseWidget page;
            label(page.tail(), { "OK", QString(QChar(0x2228)), "", " MSG_MeMSG_nu " });
            keys << WidgetImage::render(page.tail());
            send(&page, QEvent::KeyPress, Qt::Key_Context1);
            keys << WidgetImage::render(page.tail());
            send(&page, QEvent::KeyPress, Qt::Key_Context2);
            keys << WidgetImage::render(page.tail());
            label(page.tail(), { "<-", "X", ">>", "Erase" });
            keys << WidgetImage::render(page.tail());
            send(&page, QEvent::KeyRelease, Qt::Key_Context2);
            label(page.tail(), { "eRaSe", "Phonebook", "<", ">" });
            keys << WidgetImage::render(page.tail());
            page.setBgColor(QColor(0, 0, 128));
            pages << WidgetImage::render(&page);
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(QList<QImage>() << WidgetImage::stack(keys.mid(0, 5)) << WidgetImage::stack(keys.mid(5)), 2),
                               "frame_softkeys");
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(pages, 2), "frame_page");
    }

    void softKeys_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<int>("hold");   // 0: tap, 1: hold, 2: hold with auto-repeat
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QString("tap %1").arg(i))) << i << 0;
        QTest::newRow("hold 1") << 1 << 1;
        QTest::newRow("hold 3, auto-repeating") << 3 << 2;
    }

    // A context key reaches the bar through the page exactly once. Held 500 ms it long-presses
    // while held (not sooner; auto-repeat does not restart the time), and clicks on release.
    void softKeys()
    {
        QFETCH(int, idx);
        QFETCH(int, hold);
        m_host->core()->setIme(0);   // without an input-method engine the third key just clicks
        BaseWidget page;
        label(page.tail());
        SignalLog log(page.tail());
        const int key = Qt::Key_Context1 + idx;
        const QString down = QString("down %1").arg(idx), up = QString("up %1").arg(idx);
        QStringList early, late;
        TimerMark before(TimerMark::before(500), [&] { early = log.events; });
        QVERIFY(send(&page, QEvent::KeyPress, key) && page.tail()->button(idx)->isDown());
        TimerMark after(TimerMark::after(500), [&] { late = log.events; });
        if (hold == 2) {
            send(&page, QEvent::KeyRelease, key, true);
            send(&page, QEvent::KeyPress, key, true);
        }
        if (hold) {
            QVERIFY(before.wait() && after.wait());
            QCOMPARE(early, QStringList(down));
            QCOMPARE(late, QStringList({ down, QString("long %1").arg(idx) }));
            QVERIFY(!page.tail()->button(idx)->isDown());
        }
        QVERIFY(send(&page, QEvent::KeyRelease, key) && !page.tail()->button(idx)->isDown());
        if (idx == 0)
            QVERIFY(after.wait());   // nothing fires later
        QStringList expected(down);
        if (hold)
            expected << QString("long %1").arg(idx);
        QCOMPARE(log.events, expected << up << QString("click %1").arg(idx));
        // A second key takes the press over: its release ends it, the first one's release says nothing.
        log.events.clear();
        send(&page, QEvent::KeyPress, Qt::Key_Context1);
        send(&page, QEvent::KeyPress, Qt::Key_Context2);
        QVERIFY(!page.tail()->button(0)->isDown() && page.tail()->button(1)->isDown());
        send(&page, QEvent::KeyRelease, Qt::Key_Context2);
        send(&page, QEvent::KeyRelease, Qt::Key_Context1);
        QCOMPARE(log.events, QStringList({ "down 0", "down 1", "up 1", "click 1" }));
    }

    // Unlabelled soft keys, even held, and other keys are silent; touch clicks.
    void silentKeys()
    {
        BaseWidget page;
        label(page.tail(), { "A", "", "C", "" });
        SignalLog log(page.tail());
        for (int key : { Qt::Key_Context2, Qt::Key_Context4, Qt::Key_Return, Qt::Key_F1 }) {
            send(&page, QEvent::KeyPress, key);
            if (key == Qt::Key_Context2)
                QVERIFY(TimerMark(TimerMark::after(500)).wait());   // held past the long-press time
            send(&page, QEvent::KeyRelease, key);
        }
        QVERIFY(log.events.isEmpty());
        m_host->core()->ime()->setImeStatus(1);
        QTest::mouseClick(page.tail()->button(2), Qt::LeftButton);   // touch clicks, even as erase key
        QTest::mouseClick(page.tail()->button(3), Qt::LeftButton);
        QCOMPARE(log.events, QStringList({ "click 2", "click 3" }));
    }

    // While text input is on, the third key sends Backspace to the focused editor instead of
    // clicking; its text follows the input method, except while a modal dialog blocks the page.
    void eraseKey()
    {
        BaseWidget page;
        QLineEdit* edit = new QLineEdit("abc", &page);
        label(page.tail(), { "A", "B", "Own", "D" });
        SignalLog log(page.tail());
        page.show();
        page.activateWindow();
        QVERIFY(phoneWaitForActive(&page));
        edit->setFocus();
        IME* ime = m_host->core()->ime();
        ime->setImeStatus(1);
        tap(edit, Qt::Key_Context3);   // the editor leaves it to the page
        QCOMPARE(edit->text(), QString("abc"));   // posted: arrives with the event loop
        PHONE_TRY_COMPARE(edit->text(), QString("ab"));
        ime->setImeStatus(0);
        tap(edit, Qt::Key_Context3);
        QCOMPARE(log.events, QStringList({ "down 2", "up 2", "down 2", "up 2", "click 2" }));
        QStringList shown;
        auto status = [&](int s) { ime->setImeStatus(s); shown << page.tail()->funcButtonText(2); };
        status(2);
        page.tail()->setFuncButtonText(2, "New");
        status(3);
        status(0);
        page.tail()->setUseEraseStr(true);
        page.tail()->setEraseStr("Del");
        status(1);
        QEvent blocked(QEvent::WindowBlocked), unblocked(QEvent::WindowUnblocked);
        QCoreApplication::sendEvent(page.tail(), &blocked);
        status(0);
        QCoreApplication::sendEvent(page.tail(), &unblocked);
        status(0);
        QCOMPARE(shown, QStringList({ "Erase", "Erase", "New", "Del", "Del", "New" }));
        QCoreApplication::processEvents();
        QCOMPARE(edit->text(), QString("ab"));
    }

    void softKeyIndices()
    {
        Tail tail;
        label(&tail, { "OK", "Back", "OK", "Save" });
        const struct { const char* text; int from, to, found; } cases[] = {
            { "OK", 0, 3, 0 }, { "OK", 1, 3, 2 }, { "OK", 2, 0, 0 }, { "OK", 5, 0, 0 }, { "Back", -1, 0, 1 },
            { "OK", 3, 7, -1 }, { "Sav", 3, 7, 3 }, { "Back", 2, -5, 1 }, { "ok", 0, 3, -1 }, { "ac", 0, 3, 1 } };
        for (const auto& c : cases)
            QVERIFY2(tail.findButtonIndex(c.text, c.from, c.to) == c.found, qPrintable(QString("%1 %2 %3").arg(c.text).arg(c.from).arg(c.to)));
        MessageCapture capture;
        tail.setFuncButtonText(4, "x");
        tail.setFuncButtonText(-1, "x");
        tail.setButtonTextColor(4, Qt::red);
        QCOMPARE(tail.funcButtonText(7), QString());
        QCOMPARE(capture.lines(), QStringList({ "Tail::setFuncButtonText invalid idx: 4", "Tail::setFuncButtonText invalid idx: -1",
                                                "Tail::funcButtonText invalid idx: 7" }));
        QVERIFY(!tail.button(4) && !tail.button(-1) && tail.buttonGeometry(-2).isNull() && tail.buttonWidth(9) == 92);
        QVERIFY(tail.buttonGeometry(3) == QRect(276, 0, 92, 27) && tail.buttonWidth(2) == 92);
        QCOMPARE(tail.funcButtonText(0) + tail.funcButtonText(1) + tail.funcButtonText(2) + tail.funcButtonText(3), QString("OKBackOKSave"));
    }

    // Escape from a focused child closes the page on release, not on press, and ends its modal
    // run without rejecting it.
    void escape()
    {
        BaseWidget page;
        QLineEdit* edit = new QLineEdit(&page);
        QSignalSpy rejected(&page, SIGNAL(rejected())), finished(&page, SIGNAL(finished(int)));
        bool openAfterPress = false;
        KeyDriver keys;
        keys.call([&] {
            QTest::keyPress(edit, Qt::Key_Escape);
            openAfterPress = page.isVisible();
            QTest::keyRelease(edit, Qt::Key_Escape);
        });
        keys.start();
        ModalTimeout timeout(&page, 42);
        QCOMPARE(page.exec(), int(QDialog::Rejected));
        QVERIFY(openAfterPress && !page.isVisible() && rejected.isEmpty() && finished.isEmpty());
        QCOMPARE(page.geometry(), QRect(0, 26, 384, 134));
    }

    // Every activation runs setupStatus; with no status bar nothing is read or said, no crash.
    void statusBarHooks()
    {
        TitledPage page;
        m_bar->setTitle("Idle");
        QEvent activate(QEvent::WindowActivate), deactivate(QEvent::WindowDeactivate);
        for (QEvent* e : { &activate, &deactivate, &activate })
            QCoreApplication::sendEvent(&page, e);
        QVERIFY(page.setups == 2 && m_bar->title().trimmed() == "Settings | Time Zone");
        m_host->core()->setStatusWidget(0);
        m_host->setValue("system.conf", "Menu_Password/enable", true);
        TitledPage orphan;
        MessageCapture capture;
        orphan.updateStatus();
        QCoreApplication::sendEvent(&orphan, &activate);
        QVERIFY(!orphan.status() && orphan.setups == 1 && capture.lines().isEmpty());
    }

    // The clock format and the lock icon follow the two settings files; absent reads as false.
    void updateStatus()
    {
        // 24-hour key, password key (0 absent, 1 false, 2 true)
        for (const auto& c : { QList<int>{ 2, 2 }, QList<int>{ 0, 0 }, QList<int>{ 2, 1 }, QList<int>{ 1, 2 } }) {
            m_host->removeFile("settings.conf");
            m_host->removeFile("system.conf");
            if (c[0])
                m_host->setValue("settings.conf", "Settings/24HourTime", c[0] == 2);
            if (c[1])
                m_host->setValue("system.conf", "Menu_Password/enable", c[1] == 2);
            m_bar->setTime24Hour(c[0] != 2);
            m_bar->setUIStatusLock(c[1] != 2);
            BaseWidget page;
            page.updateStatus();
            QCOMPARE(static_cast<TimeLabel*>(child(m_bar, "timeLabel"))->time24Hour(), c[0] == 2);
            QCOMPARE(shown(m_bar, "statusLock"), c[1] == 2);
        }
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
