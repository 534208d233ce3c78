// The page frame and the popups. Against reference pictures: the status bar (title, icons, clock on
// the stopped wall clock), the soft-key bar and the page, the selection popup with its list, the
// image and text buttons. The icons' setters and signals, the repaints; soft keys by real key
// events with the 500 ms long press timed against the timer queue; the page's keys, hooks and
// settings; the popup run for real (exec() with the key driver, hot keys, host broadcasts, fast
// close, key tones); the buttons' keys and mouse.
#include "BaseWidget.h"
#include "Core.h"
#include "IME.h"
#include "ImageButton.h"
#include "KeyDriver.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "Reference.h"
#include "SelectPopup.h"
#include "SelectPopupListView.h"
#include "SignalOrder.h"
#include "SimClock.h"
#include "SoundManager.h"
#include "SoundSelectPopup.h"
#include "Status.h"
#include "Tail.h"
#include "TailButton.h"
#include "TestHost.h"
#include "TestMain.h"
#include "TestMetaTypes.h"
#include "TestWait.h"
#include "TextButton.h"
#include "TimeLabel.h"
#include "TimerMark.h"
#include "WidgetImage.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QPair>
#include <QTest>

namespace {

// Boolean icon setters: the setter, its icon, whether call-icon mode holds it, its debug label.
const struct BoolSetter {
    void (Status::*set)(bool);
    const char* icon;
    bool honoursCallMode;
    const char* debugLabel;
} kBoolSetters[] = {
    { &Status::setUIStatusLock, "statusLock", true, 0 }, { &Status::setUIStatusCallLock, "statusCallLock", true, 0 },
    { &Status::setUIStatusCallForward, "statusForward", true, 0 }, { &Status::setUIStatusDND, "statusDND", true, 0 },
    { &Status::setUIStatusAutoAnswer, "statusAutoAnswer", true, 0 }, { &Status::setUIStatusCallHold, "statusCallHold", true, 0 },
    { &Status::setUIStatusConnectMobile, "statusConnectMobile", true, 0 },
    { &Status::setUIStatusConnectAOM, "statusConnectAOM", true, "Status::setUIStatusConnectAOM value:" },
    { &Status::setUIStatusConnectHVR, "statusConnectHVR", false, "Status::setUIStatusConnectHVR value:" },
    { &Status::setUIStatusUpgrade, "statusUpgrade", false, 0 } };

// Enum icon setters, called by name with the unqualified type as the host connects them: the
// slot, the type, the change signal, the icon, the highest value, the refusal line (null: none).
const struct EnumSetter {
    const char *slot, *type, *signal, *icon;
    int last;
    const char* refusal;
} kEnumSetters[] = {
    { "setUIStatusHeadSet", "UIStatusHeadset", SIGNAL(changeHeadset(UIStatusHeadset)), "statusHeadset", 2,
      "Status::setUIStatusHeadSet invaild value! noupdate!" },
    { "setUIStatusBluetoothHeadset", "UIStatusBluetoothHeadset", SIGNAL(changeBluetoothHeadset(UIStatusBluetoothHeadset)),
      "statusBlutoothHeadset", 2, "Status::setUIStatusBluetoothHeadset invaild value! noupdate!" },
    { "setUIStatusWifi", "UIStatusWifi", SIGNAL(changeWifi(UIStatusWifi)), "statusWifi", 6, "Status::setUIStatusWifi invaild value! noupdate!" },
    { "setUIStatusAGMode", "UIStatusAG", SIGNAL(changeAGMode(UIStatusAG)), "statusAGMode", 2, "Status::setUIStatusAG invalid value! noupdate!" },
    { "setUIStatusBTHeadsetPairing", "UIStatusBTHeadsetPairing", SIGNAL(changeBTHsetPairing(UIStatusBTHeadsetPairing)),
      "statusBTHSetPairing", 2, 0 } };

QLabel* child(QWidget* bar, const char* name) { return bar->findChild<QLabel*>(QString::fromLatin1(name)); }
bool shown(Status* bar, const char* name) { return child(bar, name)->isVisibleTo(bar); }

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

void label(Tail* tail, const QStringList& texts)
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

void fill(SelectPopup& popup, int rows)
{
    for (int i = 0; i < rows; ++i)
        popup.addListViewItem(QString("Row %1").arg(i));
}

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
        // The clock reads five past two in the afternoon (local time).
        SimClock::freeze(QDateTime(QDate(2024, 3, 5), QTime(14, 5, 30)).toMSecsSinceEpoch());
        QVERIFY(phoneReferenceSetup());
        SoundSelectPopup orphan;   // without a host nothing is heard and nothing muted
        orphan.show();
        orphan.reject();
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
    }

    // The bar: title box and breadcrumb (two levels at most, elided, in its colour), icons before
    // the clock or the input-method indicator, the underlines; design 1's clock colour; the
    // call screen without clock.
    void statusBarLooks()
    {
        Core* core = m_host->core();
        QList<QImage> bands;
        const char* titles[] = { "Settings | Time Zone", "Phone", "Settings|Time Zone | Europe", "   ",
                                 "A title far too long for the bar, elided at its end", "Settings" };
        for (int band = 0; band < 6; ++band) {
            core->setDesignType(band == 2);
            core->setUse24HourTime(band == 1);
            Status bar;
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
                bar.setUnderlineColor(QColor(200, 0, 0), QColor(0, 200, 0, 128));
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
        QVERIFY(m_bar->titleLabelWidgetWidth() <= 300 && !TimeLabel().time24Hour());
    }

    // The clock's form on every tick. What a user sees change is repainted at once (status bar, soft keys, popup); the title as set,
    // frozen against setTitle.
    void titleAndRepaints()
    {
        m_host->core()->setUse24HourTime(true);   // the clock takes the host's form from the start
        Status bar;
        TimeLabel* clock = static_cast<TimeLabel*>(child(&bar, "timeLabel"));
        QVERIFY(clock->time24Hour());
        // and on each tick, one every 1000 ms: set otherwise, it has it again only after the next.
        QList<bool> forms;
        const auto look = [&] { forms << clock->time24Hour(); bar.setTime24Hour(false); };
        bar.setTime24Hour(false);
        TimerMark tick1(TimerMark::before(1000), look), tick2(TimerMark::after(1000), look), tick3(TimerMark::before(2000), look),
            tick4(TimerMark::after(2000), look);
        bar.show();
        QVERIFY(phoneWaitForPainted(&bar) && tick1.wait() && tick2.wait() && tick3.wait() && tick4.wait());
        QCOMPARE(forms, QList<bool>({ false, true, false, true }));
        QLabel* title = child(&bar, "titleLabel");
        QSignalSpy titles(&bar, SIGNAL(titleChanged(QString)));
        QVERIFY(phonePaintsDuring(&bar, [&] { bar.setBgColor(Qt::red); }) > 0);
        QVERIFY(phonePaintsDuring(&bar, [&] { bar.setUnderlineColor(Qt::red, Qt::blue); }) > 0);
        QVERIFY(phonePaintsDuring(title, [&] { bar.setTitle("Settings | Time Zone"); }) > 0);
        QVERIFY(phonePaintsDuring(title, [&] { bar.setTitleColor(Qt::red); }) > 0 && bar.titleColor() == QColor(Qt::red));
        QVERIFY(phonePaintsDuring(clock, [&] { bar.setTime24Hour(true); }) > 0);
        QVERIFY(phonePaintsDuring(clock, [&] { bar.timeout(); }) > 0);
        bar.setDisabledUpdateTitle(true);
        MessageCapture capture;
        bar.setTitle("Other");
        QVERIFY(bar.title() == "Settings | Time Zone" + QString(42, ' ') && capture.lines() == QStringList("Status::setTitle m_disabledUpdateTitle: true"));
        QVERIFY(phonePaintsDuring(title, [&] { bar.setTitleFromSignal("Mirrored"); }) > 0);
        QVERIFY(bar.title() == "Mirrored" + QString(42, ' ') && titles.count() == 1 && titles.at(0).at(0) == "Settings | Time Zone");
        Tail tail;
        tail.show();
        QVERIFY(phoneWaitForPainted(&tail));
        QVERIFY(phonePaintsDuring(tail.button(1), [&] { tail.setFuncButtonText(1, "B"); }) > 0);
        QVERIFY(phonePaintsDuring(tail.button(1), [&] { send(&tail, QEvent::KeyPress, Qt::Key_Context2); }) > 0);
        QVERIFY(phonePaintsDuring(tail.button(1), [&] { send(&tail, QEvent::KeyRelease, Qt::Key_Context2); }) > 0);        SelectPopup popup;   // the popup's title, its buttons' hover, its list's selection
        popup.show();
        QVERIFY(phoneWaitForPainted(&popup));
        QVERIFY(phonePaintsDuring(&popup, [&] { popup.setContentsTitle("T"); }) > 0);
        QVERIFY(phonePaintsDuring(&popup, [&] { popup.setContentsTitlePos(1, 2); }) > 0);
        QVERIFY(phonePaintsDuring(&popup, [&] { popup.setContentsTitleFont(QFont()); }) > 0);
        QVERIFY(phonePaintsDuring(popup.cancelButton(), [&] { popup.cancelButton()->setHover(true); }) > 0);
        QVERIFY(phonePaintsDuring(popup.listView(), [&] { popup.listView()->setSelectedIdx(-1); }) > 0);
    }

    // A fresh bar shows the clock only. Call-icon mode records a value but holds the icon and
    // the signal (HVR and upgrade excepted). Enum values are announced even unchanged, shown in
    // call-icon mode too; refused ones write one line (none for pairing) and change nothing.
    void iconSetters()
    {
        MessageCapture fresh;
        Status bar;
        QCOMPARE(fresh.lines(), QStringList({ "Status::setUIStatusConnectAOM value: false", "Status::setUIStatusConnectHVR value: false" }));
        for (QLabel* icon : bar.findChildren<QLabel*>())
            QVERIFY2(icon->isVisibleTo(&bar) == (icon->objectName() == "timeLabel" || icon->objectName() == "titleLabel"), qPrintable(icon->objectName()));
        QSignalSpy changed(&bar, SIGNAL(statusInfoChanged()));
        for (const BoolSetter& s : kBoolSetters) {
            MessageCapture capture;
            changed.clear();
            for (bool on : { true, true, false }) {
                (bar.*s.set)(on);
                QVERIFY2(shown(&bar, s.icon) == on, s.icon);
            }
            bar.setStatusIcon_isCall(true);
            (bar.*s.set)(true);
            bar.setStatusIcon_isCall(false);
            QVERIFY2(shown(&bar, s.icon) == !s.honoursCallMode && changed.count() == (s.honoursCallMode ? 2 : 3), s.icon);
            (bar.*s.set)(true);
            QVERIFY2(shown(&bar, s.icon) && changed.count() == (s.honoursCallMode ? 2 : 3), s.icon);
            const QString on = QString(s.debugLabel) + " true", off = QString(s.debugLabel) + " false";
            QCOMPARE(capture.lines(), s.debugLabel ? QStringList({ on, on, off, on, on }) : QStringList());
        }
        bar.setStatusIcon_isCall(true);
        QList<QImage> icons;   // every picture of the enum icons, then of the input-method indicator
        for (const EnumSetter& s : kEnumSetters) {
            QSignalSpy change(&bar, s.signal);
            changed.clear();
            auto set = [&](int value) { QMetaObject::invokeMethod(&bar, s.slot, QGenericArgument(s.type, &value)); };
            for (int v = 1; v <= s.last; ++v) {
                set(v);
                set(v);
                QVERIFY2(shown(&bar, s.icon) && SignalOrder::intOf(change.at(2 * v - 1).at(0)) == v, s.slot);
                icons << child(&bar, s.icon)->pixmap()->toImage();
            }
            const QImage last = child(&bar, s.icon)->pixmap()->toImage();
            MessageCapture capture;
            set(s.last + 1);
            set(-1);
            QCOMPARE(capture.lines(), s.refusal ? QStringList({ s.refusal, s.refusal }) : QStringList());
            QVERIFY2(change.count() == 2 * s.last && changed.count() == s.last && child(&bar, s.icon)->pixmap()->toImage() == last, s.slot);
            set(0);
            QVERIFY2(!shown(&bar, s.icon) && changed.count() == s.last + 1, s.slot);
        }
        QVERIFY(bar.statusHeadset() == 0 && bar.statusBluetoothHeadset() == 0 && bar.statusBTHeadsetPairing() == 0);
        bar.setUIStatusBluetoothHeadset(Status::BluetoothHeadsetOff);
        bar.setUIStatusBTHeadsetPairing(Status::BTPairingOn);
        QVERIFY(bar.statusBluetoothHeadset() == 2 && bar.statusBTHeadsetPairing() == 1);
        // The input-method indicator: 1 is Korean only in language 0, else small letters announced as
        // 2; unknown values keep the last picture; 0, 5, 6 and 7 hide it and show the clock again.
        QSignalSpy announced(&bar, SIGNAL(changeIMEStatus(IMEStatus)));
        for (int language : { 0, 1 })
            for (int ime : { 1, 3, 4, 9, 0, 5, 6, 7 }) {
                m_host->core()->setLanguage(language);
                (&bar)->setIMEStatus(IMEStatus(ime));
                const bool indicator = ime != 0 && (ime < 5 || ime > 7);
                QVERIFY(shown((&bar), "specialCharLabel") == indicator && shown((&bar), "charLabel") == indicator && shown((&bar), "timeLabel") != indicator);
                if (indicator)
                    icons << child((&bar), "charLabel")->pixmap()->toImage();
            }
        QCOMPARE(SignalOrder::ints(announced), QList<int>({ 1, 3, 4, 9, 0, 5, 6, 7, 2, 3, 4, 9, 0, 5, 6, 7 }));
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(icons, 14), "frame_icons");
    }

    // Keys up and held, labelled, unlabelled and reserved; a second key takes the pressed look from
    // the first; design 1 swaps the colours; the page in its colour with the keys along its bottom.
    void softKeyLooks()
    {
        QList<QImage> keys, pages;
        for (int design : { 0, 1 }) {
            m_host->core()->setDesignType(design);
            BaseWidget page;
            pages << WidgetImage::render(&page);
            label(page.tail(), { "OK", QString(QChar(0x2228)), "", " MSG_MeMSG_nu " });
            keys << WidgetImage::render(page.tail());
            send(&page, QEvent::KeyPress, Qt::Key_Context1);
            keys << WidgetImage::render(page.tail());
            send(&page, QEvent::KeyPress, Qt::Key_Context2);
            keys << WidgetImage::render(page.tail());
            label(page.tail(), { "<-", "X", ">>", "Erase" });
            keys << WidgetImage::render(page.tail());
            send(&page, QEvent::KeyRelease, Qt::Key_Context2);
            label(page.tail(), { "eRaSe", "Hot Desking", "Applications", ">" });   // 89 and 88 pixels at 20 points
            keys << WidgetImage::render(page.tail());
            page.setBgColor(QColor(0, 0, 128));
            pages << WidgetImage::render(&page);
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(QList<QImage>() << WidgetImage::stack(keys.mid(0, 5)) << WidgetImage::stack(keys.mid(5)), 2),
                               "frame_softkeys");
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(pages, 2), "frame_page");
    }

    // A context key reaches the bar through the page exactly once. Held 500 ms it long-presses
    // while held (not sooner; auto-repeat does not restart the time), and clicks on release;
    // tapped, it only clicks. Unlabelled keys and other keys are silent, even held. Five pages at
    // once: key 0 held, keys 1 and 2 tapped, key 3 held with auto-repeat, an unlabelled key held.
    void softKeys()
    {
        m_host->core()->setIme(0);   // without an input-method engine the third key just clicks
        QList<BaseWidget*> pages;
        QList<SignalLog*> logs;
        for (int i = 0; i < 5; ++i) {
            pages << new BaseWidget;
            label(pages[i]->tail(), i < 4 ? QStringList({ "A", "B", "C", "D" }) : QStringList({ "A", "", "C", "" }));
            logs << new SignalLog(pages[i]->tail());
        }
        QList<QStringList> early, late;
        TimerMark before(TimerMark::before(500), [&] { for (SignalLog* log : logs) early << log->events; });
        for (int i = 0; i < 5; ++i)
            QVERIFY(send(pages[i], QEvent::KeyPress, i < 4 ? Qt::Key_Context1 + i : Qt::Key_Context2) && pages[i]->tail()->button(i < 4 ? i : 1)->isDown() == (i < 4));
        for (int i : { 1, 2 })
            QVERIFY(send(pages[i], QEvent::KeyRelease, Qt::Key_Context1 + i) && !pages[i]->tail()->button(i)->isDown());
        send(pages[3], QEvent::KeyRelease, Qt::Key_Context4, true);
        send(pages[3], QEvent::KeyPress, Qt::Key_Context4, true);
        TimerMark after(TimerMark::after(500), [&] { for (SignalLog* log : logs) late << log->events; }), later(TimerMark::after(1000));
        QVERIFY(before.wait() && after.wait());
        const QStringList tap1{ "down 1", "up 1", "click 1" }, tap2{ "down 2", "up 2", "click 2" };
        QCOMPARE(early, QList<QStringList>({ { "down 0" }, tap1, tap2, { "down 3" }, {} }));
        QCOMPARE(late, QList<QStringList>({ { "down 0", "long 0" }, tap1, tap2, { "down 3", "long 3" }, {} }));
        QVERIFY(!pages[0]->tail()->button(0)->isDown() && !pages[3]->tail()->button(3)->isDown());
        QVERIFY(send(pages[0], QEvent::KeyRelease, Qt::Key_Context1) && later.wait());   // key 3 held on past 1000 ms
        QVERIFY(send(pages[3], QEvent::KeyRelease, Qt::Key_Context4));
        send(pages[4], QEvent::KeyRelease, Qt::Key_Context2);
        for (int key : { Qt::Key_Context4, Qt::Key_Return, Qt::Key_F1 }) {
            tap(pages[4], key);
            tap(pages[4]->tail(), key);   // other keys reach no soft key, also sent to the bar itself
        }
        QVERIFY(logs[0]->events == QStringList({ "down 0", "long 0", "up 0", "click 0" }) && logs[4]->events.isEmpty());
        QCOMPARE(logs[3]->events, QStringList({ "down 3", "long 3", "up 3", "click 3" }));
        // A second key takes the press over: its release ends it, the first one's release says nothing.
        logs[0]->events.clear();
        send(pages[0], QEvent::KeyPress, Qt::Key_Context1);
        send(pages[0], QEvent::KeyPress, Qt::Key_Context2);
        QVERIFY(!pages[0]->tail()->button(0)->isDown() && pages[0]->tail()->button(1)->isDown());
        send(pages[0], QEvent::KeyRelease, Qt::Key_Context2);
        send(pages[0], QEvent::KeyRelease, Qt::Key_Context1);
        QCOMPARE(logs[0]->events, QStringList({ "down 0", "down 1", "up 1", "click 1" }));
        m_host->core()->setIme(m_host->core()->findChild<IME*>());   // touch clicks, even on the erase key
        m_host->core()->ime()->setImeStatus(1);
        QTest::mouseClick(pages[4]->tail()->button(2), Qt::LeftButton);
        QTest::mouseClick(pages[4]->tail()->button(3), Qt::LeftButton);
        QCOMPARE(logs[4]->events, QStringList({ "click 2", "click 3" }));
        qDeleteAll(logs);
        qDeleteAll(pages);
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
        QCoreApplication::processEvents();
        QVERIFY(log.events == QStringList({ "down 2", "up 2", "down 2", "up 2", "click 2" }) && edit->text() == "ab");
        QStringList shown;
        QEvent blocked(QEvent::WindowBlocked), unblocked(QEvent::WindowUnblocked);
        for (int step = 0; step < 6; ++step) {
            if (step == 1)
                page.tail()->setFuncButtonText(2, "New");
            if (step == 3) {
                page.tail()->setUseEraseStr(true);
                page.tail()->setEraseStr("Del");
            }
            if (step >= 4)
                QCoreApplication::sendEvent(page.tail(), step == 4 ? &blocked : &unblocked);
            ime->setImeStatus(QList<int>({ 2, 3, 0, 1, 0, 0 }).at(step));
            shown << page.tail()->funcButtonText(2);
        }
        QCOMPARE(shown, QStringList({ "Erase", "Erase", "New", "Del", "Del", "New" }));
    }

    // findButtonIndex from the smaller of from and to (from 0 when from is outside 0..3); indices
    // outside 0..3 change nothing and say so.
    void softKeyIndices()
    {
        Tail tail;
        label(&tail, { "OK", "Back", "OK", "Save" });
        const struct { const char* text; int from, to, found; } cases[] = {
            { "OK", 1, 3, 2 }, { "OK", 2, 0, 0 }, { "Save", 5, 7, 3 }, { "OK", -1, 3, 0 }, { "OK", 3, 7, -1 }, { "Sav", 3, 7, 3 }, { "ok", 0, 3, -1 } };
        for (const auto& c : cases)
            QVERIFY2(tail.findButtonIndex(c.text, c.from, c.to) == c.found, qPrintable(QString("%1 %2 %3").arg(c.text).arg(c.from).arg(c.to)));
        MessageCapture capture;
        tail.setFuncButtonText(4, "x");
        tail.setFuncButtonText(-1, "x");
        tail.setButtonTextColor(4, Qt::red);
        QCOMPARE(tail.funcButtonText(4), QString());
        QCOMPARE(capture.lines(), QStringList({ "Tail::setFuncButtonText invalid idx: 4", "Tail::setFuncButtonText invalid idx: -1",
                                                "Tail::funcButtonText invalid idx: 4" }));
        QVERIFY(!tail.button(4) && !tail.button(-1) && tail.buttonGeometry(-2).isNull() && tail.buttonWidth(9) == 92 && tail.buttonWidth(2) == 92);
        QVERIFY(tail.geometry() == QRect(8, 133, 369, 27) && tail.buttonGeometry(3) == QRect(276, 0, 92, 27) && tail.funcButtonText(3) == "Save");
    }

    // Escape from a focused child closes the page on release, not on press, without rejecting it.
    void escape()
    {
        BaseWidget page;
        QLineEdit* edit = new QLineEdit(&page);
        QSignalSpy rejected(&page, SIGNAL(rejected())), finished(&page, SIGNAL(finished(int)));
        page.show();
        QTest::keyPress(edit, Qt::Key_Escape);
        QVERIFY(page.isVisible());
        QTest::keyRelease(edit, Qt::Key_Escape);
        QVERIFY(!page.isVisible() && rejected.isEmpty() && finished.isEmpty() && page.geometry() == QRect(0, 26, 384, 134));
    }

    // Every activation runs setupStatus. The clock format and the lock icon follow the two
    // settings files, absent keys reading as false; with no status bar nothing is read or said.
    void statusHooks()
    {
        TitledPage page;
        m_bar->setTitle("Idle");
        QEvent activate(QEvent::WindowActivate), deactivate(QEvent::WindowDeactivate);
        for (QEvent* e : { &activate, &deactivate, &activate })
            QCoreApplication::sendEvent(&page, e);
        QVERIFY(page.setups == 2 && m_bar->title().trimmed() == "Settings | Time Zone");
        // 24-hour key, password key: 0 absent, 1 false, 2 true
        for (const auto& c : { QList<int>{ 2, 2 }, QList<int>{ 0, 0 }, QList<int>{ 1, 2 } }) {
            m_host->removeFile("settings.conf");
            m_host->removeFile("system.conf");
            if (c[0])
                m_host->setValue("settings.conf", "Settings/24HourTime", c[0] == 2);
            if (c[1])
                m_host->setValue("system.conf", "Menu_Password/enable", c[1] == 2);
            m_bar->setTime24Hour(c[0] != 2);
            m_bar->setUIStatusLock(c[1] != 2);
            page.updateStatus();
            QVERIFY(static_cast<TimeLabel*>(child(m_bar, "timeLabel"))->time24Hour() == (c[0] == 2) && shown(m_bar, "statusLock") == (c[1] == 2));
        }
        m_host->core()->setStatusWidget(0);
        TitledPage orphan;
        MessageCapture capture;
        orphan.updateStatus();
        QCoreApplication::sendEvent(&orphan, &activate);
        QVERIFY(!orphan.status() && orphan.setups == 1 && capture.lines().isEmpty());
    }

    // The frame, the list with its scroll bar (the thumb 40 high at s × ((H - 40) / (n - 1)), at
    // the bottom for the last row) and focus box (pressed while a key is held), the buttons, the
    // contents title; an empty list shows its text alone.
    void popupLooks()
    {
        QList<QImage> bands;
        // rows, selected, start; the pressed look, the OK button for the next one with a title,
        // a title elsewhere in a larger font
        const int cases[][3] = { { 10, 0, 0 }, { 10, 1, 0 }, { 10, 9, 8 }, { 10, -1, 4 }, { 4, 3, 0 }, { 3, 0, 0 }, { 0, -1, 0 }, { 10, 0, 0 } };
        for (const auto& c : cases) {
            SoundSelectPopup popup;
            fill(popup, c[0]);
            SelectPopupListView* list = popup.listView();
            list->setSelectedIdx(c[1]);
            list->setStartIdx(c[2]);
            list->setShowEmptyString(true);
            list->setEmptyString("Nothing here");
            list->setUseDotLine(false);   // the popup's list dots its lines all the same
            if (&c == &cases[7]) {   // OK held down on the focused list
                popup.show();
                popup.activateWindow();
                QVERIFY(phoneWaitForActive(&popup) && list->hasFocus());
                QTest::keyPress(list, Qt::Key_Return);
            }
            if (c[0] == 3) {
                popup.nextButton()->hide();
                popup.okButton()->show();
                popup.setContentsTitle("Zone");
            }
            if (c[0] == 4) {
                QFont font = popup.font();
                font.setPointSize(20);
                popup.setContentsTitleFont(font);
                popup.setContentsTitlePos(60, -20);
                popup.setContentsTitle("Region");
            }
            bands << WidgetImage::render(&popup);
            // Rows keep where they were drawn; the pressed focus row is pressed.
            QVERIFY(!c[0] || c[1] < 0 || (list->item(c[1])->geometry() == list->item(c[1])->itemRect()
                                         && list->item(c[1])->textNoFocusSelectColor() == Qt::black && list->item(c[1])->isPressed() == (&c == &cases[7])));
        }
        SelectPopupListView bare;
        QVERIFY(SelectPopupListView::thumbTop(160, 10, 1) == 13 && bare.testAttribute(Qt::WA_TranslucentBackground) && bare.lineLeftMargin() == 2);
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(bands, 4), "popup");
    }

    // Symbols as pictures (normal and pressed), other texts as text, pictures given, the empty
    // button, the gaps; the text button up and down.
    void buttonLooks()
    {
        QPixmap icon(10, 10), pressIcon(12, 8);
        icon.fill(Qt::red);
        pressIcon.fill(Qt::blue);
        QList<QImage> bands;
        const QStringList labels{ QString(QChar(0x2228)), "<-", "Erase ", " ERASE", "X", ">>", ">", "<", " X", "Cancel", "", "pic", "gaps" };
        for (int i = 0; i < 2 * labels.size(); ++i) {
            ImageButton button;
            button.resize(87, 25);
            button.setText(labels[i / 2]);
            if (labels[i / 2] != "gaps") {   // those keep the default gaps
                button.setLeftGap(0);
                button.setRightGap(0);
            }
            if (button.text() == "pic") {
                button.setIcon(icon);
                button.setPressIcon(pressIcon);
            }
            button.setBgColor(button.text().isEmpty() ? QColor(10, 20, 30) : QColor(button.text() == "pic" ? Qt::green : Qt::white));
            button.setHover(i % 2);
            bands << WidgetImage::render(&button);
        }
        QList<QImage> texts;
        for (bool down : { false, true }) {
            TextButton button;
            button.resize(100, 100);
            button.setText("Text");
            button.setDown(down);
            texts << WidgetImage::render(&button);
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(QList<QImage>() << WidgetImage::stack(bands, 2) << WidgetImage::stack(texts, 2)),
                               "popup_buttons");
    }

    // Keys played through exec(); a negative key is a release alone (its press went elsewhere).
    // Hover lists the buttons' isHover(bool): n(ext), c(ancel), o(k).
    void popupKeys_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<int> >("keys");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int> >("clicked");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("hover");
        QTest::addColumn<QStringList>("log");
        const int R = QDialog::Rejected, A = QDialog::Accepted, Down = Qt::Key_Down, Ok = Qt::Key_Enter;
        const int Esc = Qt::Key_Escape, C3 = Qt::Key_Context3, C4 = Qt::Key_Context4;
        QTest::newRow("Escape") << "" << QList<int>{ Down, Esc } << R << QList<int>{ -1 } << 0 << QStringList{ "c1", "c0" } << QStringList();
        QTest::newRow("Context4") << "" << QList<int>{ Down, C4 } << R << QList<int>{ -1 } << 0 << QStringList{ "c1", "c0" } << QStringList();
        QTest::newRow("Context3 pages") << "" << QList<int>{ C3, C3, Esc } << R << QList<int>{ -1 } << 8
                                        << QStringList{ "n1", "n0", "n1", "n0", "c1", "c0" } << QStringList();
        QTest::newRow("OK on a row") << "" << QList<int>{ Down, Down, Ok } << A << QList<int>{ 2 } << 0 << QStringList()
                                     << QStringList{ "SelectPopup::clickedListView idx: 2 itemSize: 10" };
        // F6 onward pick the page's rows (the fourth key starts over); the list's own hot keys are on.
        QTest::newRow("hot keys") << "hot" << QList<int>{ Qt::Key_F5, C3, Qt::Key_F7 } << A << QList<int>{ 5 } << 4 << QStringList{ "n1", "n0" }
                                  << QStringList{ "SelectPopup::clickedListView idx: 5 itemSize: 10" };
        QTest::newRow("hot key, fourth") << "hot" << QList<int>{ Qt::Key_F10 } << A << QList<int>{ 1 } << 0 << QStringList()
                                         << QStringList{ "SelectPopup::clickedListView idx: 1 itemSize: 10" };
        QTest::newRow("opening release") << "" << QList<int>{ -Qt::Key_Return, -C4, -Esc, -C3, Esc } << R << QList<int>{ -1 }
                                         << 0 << QStringList{ "c1", "c0" } << QStringList();
        QTest::newRow("row beyond the list") << "stale" << QList<int>{ Ok } << R << QList<int>{ 3 } << 0 << QStringList()
                                             << QStringList{ "SelectPopup::clickedListView idx: 3 itemSize: 3" };
        QTest::newRow("multiple check") << "multiple" << QList<int>{ Ok, Down, Ok, C3 } << A << QList<int>{ 0, 1 } << 0
                                        << QStringList{ "n1", "n0" } << QStringList();
        QTest::newRow("OK button for next") << "ok" << QList<int>{ C3 } << A << QList<int>() << 0 << QStringList{ "o1", "o0" } << QStringList();
        QTest::newRow("keys moved") << "moved" << QList<int>{ C3, Qt::Key_F1, Qt::Key_F2 } << A << QList<int>() << 4
                                    << QStringList{ "n1", "n0", "o1", "o0" } << QStringList();
        QTest::newRow("cancel moved") << "moved" << QList<int>{ C4, Qt::Key_F3 } << R << QList<int>{ -1 } << 0 << QStringList{ "c1", "c0" } << QStringList();
        // Only "closeSelectPopup()" closes, as a cancel without clicked(-1).
        QTest::newRow("broadcasts") << "broadcast" << QList<int>{ Down } << R << QList<int>() << 0 << QStringList()
                                    << QStringList{ "signalReciever \"closeSelectPopup\"", "signalReciever \"changedLanguage()\"",
                                                    "signalReciever \"closeSelectPopup()\"" };
    }

    void popupKeys()
    {
        QFETCH(QString, mode);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, clicked);
        QFETCH(QStringList, hover);
        QFETCH(int, result);
        QFETCH(int, start);
        QFETCH(QStringList, log);
        theCore->soundManager()->setEnableKeytone(true);
        QSignalSpy tones(theCore->soundManager(), SIGNAL(keytoneEnabled(bool)));
        SoundSelectPopup popup;
        fill(popup, mode == "stale" ? 4 : 10);
        if (mode == "stale") {   // the list still points at a row that has gone
            popup.listView()->setSelectedIdx(3);
            popup.listView()->itemClear();
            fill(popup, 3);
        }
        popup.listView()->setEnableFuncKey(mode == "hot");
        popup.setMultipleCheck(mode == "multiple");
        popup.nextButton()->setVisible(mode != "ok");
        popup.okButton()->setVisible(mode == "ok" || mode == "moved");
        if (mode == "moved") {   // cancel, next and OK on other keys
            popup.setCancelKey(Qt::Key_F3);
            popup.setNextKey(Qt::Key_F1);
            popup.setOkKey(Qt::Key_F2);
        }
        QSignalSpy clicks(&popup, SIGNAL(clicked(int)));
        SignalOrder hovers;
        for (auto b : QList<QPair<QString, ImageButton*> >{ { "n", popup.nextButton() }, { "c", popup.cancelButton() }, { "o", popup.okButton() } })
            hovers.watch(b.second, SIGNAL(isHover(bool)), [b](const QList<QVariant>& a) { return b.first + QString::number(a.at(0).toBool()); });
        MessageCapture capture;
        KeyDriver driver;
        for (int key : keys)
            key < 0 ? driver.release(-key) : driver.key(key);
        if (mode == "broadcast")
            for (const char* command : { "closeSelectPopup", "changedLanguage()", "closeSelectPopup()" })
                driver.call([command] { theCore->broadcast(command, "x"); });
        QSignalSpy finished(&popup, SIGNAL(finished(int)));
        ModalTimeout timeout(&popup, 99);
        driver.start();
        QCOMPARE(popup.exec(), result);
        QCOMPARE(SignalOrder::ints(clicks), clicked);
        QVERIFY(finished.count() == 1 && popup.selectedIdx() == (clicked.isEmpty() ? -1 : clicked.last()) && popup.listView()->startIdx() == start);
        QCOMPARE(hovers.events, hover);
        QCOMPARE(capture.linesStartingWith("SelectPopup::") + capture.linesStartingWith("signalReciever"), log);
        QCOMPARE(SignalOrder::ints(tones), QList<int>({ 0, 1 }));   // key tones muted while open
        QVERIFY(mode != "moved" || (popup.CancelKey() == Qt::Key_F3 && popup.NextKey() == Qt::Key_F1 && popup.OkKey() == Qt::Key_F2));
    }

    // The popup by mouse: next pages, OK does nothing outside multiple-check mode (there it and next
    // accept), cancel rejects without clicked(-1); indices that name no row reject; fast close
    // parks the popup off screen and finishes twice.
    void withoutKeys()
    {
        SelectPopup popup;
        fill(popup, 10);
        QCOMPARE(popup.geometry(), QRect(190, 0, 194, 161));
        QSignalSpy clicked(&popup, SIGNAL(clicked(int))), finished(&popup, SIGNAL(finished(int)));
        popup.show();
        // Next pages, OK does nothing outside multiple-check mode, cancel rejects without clicked(-1).
        for (ImageButton* b : { popup.nextButton(), popup.okButton(), popup.cancelButton() })
            QTest::mouseRelease(b, Qt::LeftButton);
        QVERIFY(popup.listView()->startIdx() == 4 && SignalOrder::ints(finished) == QList<int>({ QDialog::Rejected }) && clicked.isEmpty() && popup.isHiding());
        // Moving the popup moves the ends of its slide in and out.
        popup.setGeometry(100, 0, 194, 120);
        QVERIFY(popup.geometry() == QRect(100, 0, 194, 120) && popup.showAnimation()->endValue() == QRect(100, 0, 194, 160));
        popup.setGeometry(QRect(190, 0, 194, 161));
        QVERIFY(popup.showAnimation()->endValue() == QRect(0, 0, 194, 160) && popup.hideAnimation()->startValue() == QRect(0, 0, 194, 161));
        // Indices that name no row reject.
        for (int idx : { 10, 1000, -2 }) {
            popup.show();
            QVERIFY(QMetaObject::invokeMethod(popup.listView(), "clicked", Q_ARG(int, idx)));
        }
        popup.setMultipleCheck(true);
        popup.show();
        QTest::mouseRelease(popup.okButton(), Qt::LeftButton);
        popup.show();
        QTest::mouseRelease(popup.nextButton(), Qt::LeftButton);
        QCOMPARE(SignalOrder::ints(finished), QList<int>({ 0, 0, 0, 0, QDialog::Accepted, QDialog::Accepted }));
        // Fast close parks the popup off screen and finishes twice.
        for (bool accept : { true, false }) {
            SelectPopup fast;
            fast.setUseFastClose(true);
            QSignalSpy done(&fast, SIGNAL(finished(int)));
            fast.show();
            accept ? fast.accept() : fast.reject();
            QVERIFY(!fast.isVisible() && fast.pos() == QPoint(384, 0) && SignalOrder::ints(done) == QList<int>({ accept, accept }));
        }
        // The image button: OK presses it and clicks on the release; other keys travel on; only the
        // left mouse button clicks; isHover(bool) comes from setHover() alone.
        QWidget parent;
        ImageButton* b = new ImageButton(&parent);
        QSignalSpy buttonClicked(b, SIGNAL(clicked())), hover(b, SIGNAL(isHover(bool)));
        for (Qt::Key key : { Qt::Key_Enter, Qt::Key_Return }) {
            QTest::keyPress(b, key);
            QVERIFY(b->hover() && buttonClicked.count() == (key == Qt::Key_Return));
            QTest::keyRelease(b, key);
            QVERIFY(!b->hover() && buttonClicked.count() == 1 + (key == Qt::Key_Return));
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Context3, Qt::NoModifier), release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(b, &press);
        QApplication::sendEvent(b, &release);
        for (Qt::MouseButton button : { Qt::RightButton, Qt::MiddleButton, Qt::LeftButton })
            QTest::mouseRelease(b, button);
        b->setHover(true);
        b->setHover(false);
        QVERIFY(!press.isAccepted() && !release.isAccepted() && buttonClicked.count() == 3 && SignalOrder::ints(hover) == QList<int>({ 1, 0 }));
    }


};

PHONE_TEST_MAIN(FrameTest)
#include "tst_frame.moc"
