// The page frame (status bar, title and clock, soft-key bar, page base widget): pixels of the
// underline, title box, breadcrumb, clock, key faces and page background; soft keys driven by real
// key events (press, hold past 500 ms, release) with the signals in order; exact diagnostic lines.
#include "BaseWidget.h"
#include "Core.h"
#include "IME.h"
#include "KeyDriver.h"
#include "MessageCapture.h"
#include "ModalTimeout.h"
#include "PhoneQt.h"
#include "SignalOrder.h"
#include "Status.h"
#include "Tail.h"
#include "TailButton.h"
#include "TestHost.h"
#include "TestWait.h"
#include "TimeLabel.h"
#include "TimerMark.h"
#include "TitleLabel.h"
#include "WidgetImage.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <time.h>

namespace {

// Moves the local time (through TZ, as the host does) so that the wall clock reads hh:mm:30 now.
struct LocalTimeAt {
    bool had = !qgetenv("TZ").isNull();
    QByteArray old = qgetenv("TZ");
    LocalTimeAt(int hour, int minute)
    {
        int offset = hour * 3600 + minute * 60 + 30 - QTime(0, 0).secsTo(QDateTime::currentDateTimeUtc().time());
        offset = (offset % 86400 + 86400 + 43200) % 86400 - 43200;
        const int west = -offset, a = qAbs(west);   // POSIX zones count westward
        const QChar zero('0');
        qputenv("TZ", QString("XXX%1%2:%3:%4").arg(QChar(west < 0 ? '-' : '+')).arg(a / 3600, 2, 10, zero)
                          .arg(a / 60 % 60, 2, 10, zero).arg(a % 60, 2, 10, zero).toLatin1());
        tzset();
    }
    ~LocalTimeAt()
    {
        if (had)
            qputenv("TZ", old);
        else
            phoneUnsetEnv("TZ");
        tzset();
    }
};

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
    const char* slot;       // called by name with the unqualified type, as the host connects
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
      "statusBTHSetPairing", "status_bluetooth status_bluetooth_off", nullptr },
};

QLabel* child(Status* bar, const char* name) { return bar->findChild<QLabel*>(QString::fromLatin1(name)); }
bool shown(Status* bar, const char* name) { return child(bar, name)->isVisibleTo(bar); }

QStringList shownIcons(Status* bar)
{
    QStringList names;
    for (QLabel* icon : bar->findChildren<QLabel*>())
        if (icon->objectName().startsWith("status") && icon->isVisibleTo(bar))
            names << icon->objectName();
    return names;
}

// Same file: the pixmap cache hands out one shared copy per file.
bool showsPicture(QLabel* label, const QString& name)
{
    const QPixmap expected(":/ui/images/title/" + name + ".png");
    return label->pixmap() && !expected.isNull() && label->pixmap()->cacheKey() == expected.cacheKey();
}

// The title label as the status bar sets it up: 18 points, indent 3, 22 rows.
struct Title : TitleLabel {
    explicit Title(const QString& title, int width = 280)
    {
        QFont font;
        font.setPointSize(18);
        setFont(font);
        resize(width, 22);
        setIndent(3);
        setText(title);
    }
    QImage image() { return WidgetImage::render(this); }
};

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGrey(187, 187, 187);
const QRect kKeyArea(2, 0, 88, 27), kFace(4, 3, 84, 24);   // of a 92 x 27 key

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

// The soft-key bar's three signals in the order they come: "down 1", "long 1", "up 1", "click 1".
struct SignalLog : SignalOrder {
    explicit SignalLog(Tail* tail)
    {
        watch(tail, SIGNAL(pressed(int,bool)), [](const QList<QVariant>& a) { return QString(a.at(1).toBool() ? "down %1" : "up %1").arg(a.at(0).toInt()); });
        watch(tail, SIGNAL(longPress(int)), [](const QList<QVariant>& a) { return QString("long %1").arg(a.at(0).toInt()); });
        watch(tail, SIGNAL(clicked(int)), [](const QList<QVariant>& a) { return QString("click %1").arg(a.at(0).toInt()); });
    }
};

// Backspace presses and releases that reach a widget.
struct BackspaceCounter : QObject {
    int events = 0;
    explicit BackspaceCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if ((e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)
            && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Backspace)
            ++events;
        return false;
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

void label(Tail* tail, const QStringList& texts = { "A", "B", "C", "D" })
{
    for (int i = 0; i < 4; ++i)
        tail->setFuncButtonText(i, texts[i]);
}

QImage renderKey(const QString& text, bool down = false)
{
    TailButton key;
    key.resize(92, 27);
    key.setText(text);
    key.setDown(down);
    return WidgetImage::render(&key);
}

} // namespace

class FrameWidgetsTest : public QObject
{
    Q_OBJECT
    TestHost* m_host = new TestHost;
    Status* m_bar = new Status;

private slots:
    void cleanupTestCase() { m_host->core()->setStatusWidget(0); delete m_bar; delete m_host; }

    void init()
    {
        TestHost::unloadPictures();
        Core* core = m_host->core();
        core->setStatusWidget(m_bar);
        core->setDesignType(0);
        core->setLanguage(Core::LangEnglish);
        core->setUse24HourTime(false);
        core->setConfigDir(m_host->dir());
        core->setIme(core->findChild<IME*>());
        core->ime()->setImeStatus(0);
        m_host->removeFile("settings.conf");
        m_host->removeFile("system.conf");
    }

    // 14:05 in either form and 12 AM at midnight, right-aligned in the pen colour of the design.
    void clock()
    {
        const struct { bool hour24; int hour, design; const char* text; } cases[] = {
            { true, 14, 0, "14:05" }, { false, 14, 1, "02:05 PM" }, { false, 0, 2, "12:05 AM" } };
        for (const auto& c : cases) {
            m_host->core()->setDesignType(c.design);
            LocalTimeAt at(c.hour, 5);
            TimeLabel label;
            label.setFont(Title(QString()).font());   // the bar's 18 points
            label.resize(120, 22);
            label.setTime24Hour(c.hour24);
            const QImage image = WidgetImage::render(&label, Qt::white);
            QCOMPARE(label.text(), QString(c.text));
            int darkest = 255;   // solid glyph pixels carry the pen colour
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < 120; ++x)
                    darkest = qMin(darkest, qRed(image.pixel(x, y)));
            QCOMPARE(darkest, c.design == 1 ? 34 : 85);
            const QRect drawn = WidgetImage::boundsNot(image, image.rect(), Qt::white);
            QVERIFY(drawn.right() >= 117 && drawn.left() > 117 - phoneTextWidth(label.fontMetrics(), c.text));
            label.changeTimeBlinkFlag();   // the bar's one-second tick: the host's 12-hour clock wins
            QVERIFY(!label.time24Hour());
        }
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
        QCOMPARE(bar.title(), "Mirrored" + QString(42, ' '));
        QCOMPARE(static_cast<QList<QVariantList>&>(spy), QList<QVariantList>({ { "Settings | Time Zone" } }));
    }

    void titleBox_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");   // empty: nothing drawn
        QTest::addColumn<int>("width");
        QTest::newRow("spaces") << false << "     " << "" << 280;
        QTest::newRow("empty, pictures") << true << "" << "" << 280;
        QTest::newRow("plain") << false << "Settings" << "Settings" << 280;
        QTest::newRow("padded, pictures") << true << "  Phone  " << "Phone" << 280;
        QTest::newRow("two levels, pictures") << true << "Settings | Time Zone" << "Settings  Time Zone" << 280;
        QTest::newRow("three levels, pictures") << true << " Settings|Time Zone | Europe" << "Settings  Time Zone" << 280;
        QTest::newRow("too wide") << false << "Network Settings Advanced" << "Network Settings Advanced" << 200;
        QTest::newRow("too wide, pictures") << true << "Network Settings Advanced" << "Network Settings Advanced" << 200;
    }

    // Black box from the left cap to the text width + 6 (at most the label's), 20 rows centred on
    // the left cap, white text inside, nothing else; a wide title elided; the breadcrumb 3 pixels
    // after the first level, in the two-space gap.
    void titleBox()
    {
        QFETCH(bool, pictures);
        QFETCH(QString, title);
        QFETCH(QString, shown);
        QFETCH(int, width);
        QVERIFY(!pictures || TestHost::loadPictures());
        const QPixmap left(":ui/images/title/num_bg_left.png"), right(":ui/images/title/num_bg_right.png");
        const QPixmap crumb(":ui/images/title/breadcrumb.png");
        QCOMPARE(left.isNull(), !pictures);
        const QImage image = Title(title, width).image();
        QCOMPARE(WidgetImage::allColor(image, image.rect(), Qt::transparent), shown.isEmpty());
        if (shown.isEmpty())
            return;
        const QFontMetrics metrics = Title(title).fontMetrics();
        const int top = (22 - left.height()) / 2 - 1, boxWidth = qMin(phoneTextWidth(metrics, shown) + 6, width);
        const QRect box = QRect(QPoint(left.width(), top), QPoint(boxWidth - right.width() - 1, top + 19)) & image.rect();
        const QRect frame = box | QRect(QPoint(0, top), left.size()) | QRect(QPoint(boxWidth - right.width(), top), right.size());
        QCOMPARE(WidgetImage::bounds(image, box, Qt::black), box);
        QVERIFY(WidgetImage::count(image, box, Qt::white) > 20);
        // With the caps the text fits inside; without them the box sits lower and the text rises above.
        const QRect drawn = WidgetImage::boundsNot(image, image.rect(), Qt::transparent), expected = frame & image.rect();
        QCOMPARE(drawn, pictures ? expected : expected.adjusted(0, drawn.top() - expected.top(), 0, 0));
        const QString elided = metrics.elidedText(shown, Qt::ElideRight, width - right.width() - 3);
        QCOMPARE(elided.endsWith(QChar(0x2026)), width < 280);
        QImage reference = Title(elided, width).image();
        if (title.contains('|'))
            QPainter(&reference).drawPixmap(3 + phoneTextWidth(metrics, "Settings") + 3, (22 - crumb.height()) / 2 - 1, crumb);
        // (the shorter box of an elided reference ends earlier)
        const int common = width < 280 ? phoneTextWidth(metrics, elided) + 6 - right.width() : width;
        QCOMPARE(image.copy(0, 0, common, 22), reference.copy(0, 0, common, 22));
    }

    // The title as the bar shows it, over the bar's background, in its colour.
    void titleInBar()
    {
        QVERIFY(TestHost::loadPictures());
        Status bar;
        bar.setTitle("Settings | Time Zone");
        bar.layout()->activate();
        const QRect area = child(&bar, "titleLabel")->geometry();
        QCOMPARE(area.topLeft(), QPoint(5, 2));
        QImage expected = WidgetImage::blank(area.size(), Qt::white);
        QPainter(&expected).drawImage(0, 0, Title("Settings | Time Zone", area.width()).image());
        QCOMPARE(WidgetImage::render(&bar).copy(area), expected);
        bar.setTitleColor(QColor(250, 0, 0));
        QVERIFY(WidgetImage::count(WidgetImage::render(&bar), area, QColor(250, 0, 0)) > 10);
    }

    // Two lines from x 5 to 378 on the last two rows (default or given colours); above them only
    // the clock draws.
    void underline()
    {
        const QColor colours[][3] = { { Qt::white, QColor(85, 85, 85), QColor(187, 187, 187) },
                                      { QColor(10, 20, 200), QColor(200, 0, 0), QColor(0, 200, 0) } };
        for (const auto& c : colours) {
            Status bar;
            if (c[0] != QColor(Qt::white)) {
                bar.setBgColor(c[0]);
                bar.setUnderlineColor(c[1], c[2]);
            }
            bar.layout()->activate();
            const QImage image = WidgetImage::render(&bar);
            QCOMPARE(WidgetImage::bounds(image, QRect(0, 24, 384, 2), c[1]), QRect(5, 24, 374, 1));
            QCOMPARE(WidgetImage::bounds(image, QRect(0, 24, 384, 2), c[2]), QRect(5, 25, 374, 1));
            QCOMPARE(WidgetImage::count(image, QRect(0, 24, 384, 2), c[0]), 2 * 10);
            const QRect clock = child(&bar, "timeLabel")->geometry();
            QVERIFY(clock.right() == 378 && clock.contains(WidgetImage::boundsNot(image, QRect(0, 0, 384, 24), c[0])));
        }
    }

    void initialState()
    {
        MessageCapture capture;
        Status bar;
        QCOMPARE(capture.lines(), QStringList({ "Status::setUIStatusConnectAOM value: false",
                                                "Status::setUIStatusConnectHVR value: false" }));
        QCOMPARE(shownIcons(&bar), QStringList());
        QVERIFY(!shown(&bar, "specialCharLabel") && !shown(&bar, "charLabel") && shown(&bar, "timeLabel"));
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
                QCOMPARE(shownIcons(&bar), on ? QStringList(s.icon) : QStringList());
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
    }

    // Every value shows its picture (call-icon mode does not hold these back) and is announced
    // even when unchanged; refused values write one line (none for pairing) and change nothing.
    void enumSetters()
    {
        QVERIFY(TestHost::loadPictures());
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
    }

    // 0, 5, 6, 7 hide the indicator; 1 is Korean only with language 0, else small letters (and
    // announced as 2); unknown values keep the last picture.
    void imeIndicator()
    {
        QVERIFY(TestHost::loadPictures());
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

    // Indices outside 0..3: one line from each text accessor, nothing changed.
    void badIndices()
    {
        Tail tail;
        label(&tail);
        MessageCapture capture;
        tail.setFuncButtonText(4, "x");
        tail.setFuncButtonText(-1, "x");
        tail.setButtonTextColor(4, Qt::red);
        QCOMPARE(tail.funcButtonText(7), QString());
        QCOMPARE(capture.lines(), QStringList({ "Tail::setFuncButtonText invalid idx: 4", "Tail::setFuncButtonText invalid idx: -1",
                                                "Tail::funcButtonText invalid idx: 7" }));
        QVERIFY(!tail.button(4) && !tail.button(-1) && tail.buttonGeometry(-2).isNull() && tail.buttonWidth(9) == 92);
        QCOMPARE(tail.funcButtonText(0) + tail.funcButtonText(1) + tail.funcButtonText(2) + tail.funcButtonText(3), QString("ABCD"));
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

    // A context key reaches the bar through the page exactly once; held past 500 ms it long-presses
    // while held (auto-repeat does not restart the time) and clicks on release. After that the
    // press is over: an unlabelled key says nothing.
    void softKeys()
    {
        QFETCH(int, idx);
        QFETCH(int, hold);
        if (idx == 2)
            m_host->core()->setIme(0);   // without an input-method engine the third key just clicks
        BaseWidget page;
        label(page.tail());
        SignalLog log(page.tail());
        const int key = Qt::Key_Context1 + idx;
        QElapsedTimer held;
        held.start();
        QVERIFY(send(&page, QEvent::KeyPress, key) && page.tail()->button(idx)->isDown());
        QStringList expected(QString("down %1").arg(idx));
        if (hold) {
            // Due no earlier than the bar's 500 ms timer, which started with the press.
            TimerMark longPressDue(500);
            if (hold == 2) {   // auto-repeat while held does not start the time again
                send(&page, QEvent::KeyRelease, key, true);
                send(&page, QEvent::KeyPress, key, true);
            }
            QCOMPARE(log.events, expected);
            QVERIFY(longPressDue.wait());
            expected << QString("long %1").arg(idx);
            QCOMPARE(log.events, expected);
            // (Qt 5's coarse timers may run up to 5 % early)
            QVERIFY(held.elapsed() >= 475 && !page.tail()->button(idx)->isDown());
        }
        QVERIFY(send(&page, QEvent::KeyRelease, key) && !page.tail()->button(idx)->isDown());
        if (idx == 0)
            QVERIFY(TimerMark(600).wait());   // nothing fires later
        QCOMPARE(log.events, expected << QString("up %1").arg(idx) << QString("click %1").arg(idx));
        page.tail()->setFuncButtonText(2, QString());
        tap(&page, Qt::Key_Context3);
        QCOMPARE(log.events, expected);
    }

    // Unlabelled soft keys, even held, and other keys are silent; no default button takes them.
    // Touch clicks.
    void silentKeys()
    {
        BaseWidget page;
        label(page.tail(), { "A", "", "C", "" });
        QPushButton* ok = new QPushButton("OK", &page);
        ok->setDefault(true);
        QSignalSpy okClicked(ok, SIGNAL(clicked()));
        SignalLog log(page.tail());
        for (int key : { Qt::Key_Context2, Qt::Key_Context4, Qt::Key_Return, Qt::Key_F1 }) {
            send(&page, QEvent::KeyPress, key);
            if (key == Qt::Key_Context2)
                QVERIFY(TimerMark(550).wait());   // held past the long-press time
            send(&page, QEvent::KeyRelease, key);
        }
        QVERIFY(log.events.isEmpty() && okClicked.isEmpty());
        m_host->core()->ime()->setImeStatus(1);
        QTest::mouseClick(page.tail()->button(2), Qt::LeftButton);   // touch clicks, even as erase key
        QCOMPARE(log.events, QStringList("click 2"));
    }

    // While text input is on, the third key sends Backspace to the focused editor instead of clicking.
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
        m_host->core()->ime()->setImeStatus(1);
        BackspaceCounter backspaces(edit);
        for (const QString left : { "ab", "a" }) {
            tap(edit, Qt::Key_Context3);   // the editor leaves it to the page
            QCOMPARE(edit->text().size(), left.size() + 1);   // posted: arrives with the event loop
            PHONE_TRY_COMPARE(edit->text(), left);
        }
        QCOMPARE(backspaces.events, 4);
        m_host->core()->ime()->setImeStatus(0);
        tap(edit, Qt::Key_Context3);
        QCOMPARE(log.events, QStringList({ "down 2", "up 2", "down 2", "up 2", "down 2", "up 2", "click 2" }));
        QCoreApplication::processEvents();
        QCOMPARE(edit->text(), QString("a"));
    }

    // Key 2's text follows the input method, except while a modal dialog blocks the page.
    void eraseText()
    {
        Tail tail;
        label(&tail, { "A", "B", "Own", "D" });
        IME* ime = m_host->core()->ime();
        QStringList shown;
        auto imeStatus = [&](int status) { ime->setImeStatus(status); shown << tail.funcButtonText(2); };
        imeStatus(2);
        tail.setFuncButtonText(2, "New");
        imeStatus(3);
        imeStatus(0);
        tail.setUseEraseStr(true);
        tail.setEraseStr("Del");
        imeStatus(1);
        QEvent blocked(QEvent::WindowBlocked), unblocked(QEvent::WindowUnblocked);
        QCoreApplication::sendEvent(&tail, &blocked);
        imeStatus(0);
        QCoreApplication::sendEvent(&tail, &unblocked);
        imeStatus(0);
        QCOMPARE(shown, QStringList({ "Erase", "Erase", "New", "Del", "Del", "New" }));
        QCOMPARE(tail.funcButtonText(0) + tail.funcButtonText(3), QString("AD"));
    }

    void findButtonIndex()
    {
        Tail tail;
        label(&tail, { "OK", "Back", "OK", "Save" });
        const struct { const char* text; int from, to, found; } cases[] = {
            { "OK", 0, 3, 0 }, { "OK", 1, 3, 2 }, { "OK", 2, 0, 0 }, { "OK", 5, 0, 0 }, { "Back", -1, 0, 1 },
            { "OK", 3, 7, -1 }, { "Sav", 3, 7, 3 }, { "Back", 2, -5, 1 }, { "ok", 0, 3, -1 }, { "ac", 0, 3, 1 },
        };
        for (const auto& c : cases)
            QVERIFY2(tail.findButtonIndex(c.text, c.from, c.to) == c.found,
                     qPrintable(QString("%1 from %2 to %3").arg(c.text).arg(c.from).arg(c.to)));
    }

    // Key area x 2..89 of a 92 x 27 key: grey while up and unlabelled, else black with a white face
    // (4, 3)..(87, 26) in design 0; when down black (design 0) or grey (design 1). Reserved texts show
    // their picture centred (design 1 swaps which file is the pressed one), with or without the
    // pictures loaded; other text is centred in the other colour, "MSG_" dropped and trimmed.
    void keyFaces()
    {
        const char* const keys[][2] = { { "\xe2\x88\xa8", "ok" }, { "<-", "delete" }, { "Erase", "delete" },
                                        { "eRaSe", "delete" }, { "X", "cancel" }, { ">>", "nextpage" },
                                        { "", "" }, { "MSG_", "" }, { " MSG_MeMSG_nu ", "" } };
        for (bool pictures : { false, true })
            for (const auto& k : keys)
                for (int design : { 0, 1 })
                    for (bool down : { false, true }) {
                        QVERIFY(!pictures || TestHost::loadPictures());
                        m_host->core()->setDesignType(design);
                        const QString text = QString::fromUtf8(k[0]), tag = QString("'%1' design %2 down %3").arg(text).arg(design).arg(down);
                        const bool empty = QString(text).remove("MSG_").isEmpty(), labelled = !empty && !*k[1];
                        QImage expected = WidgetImage::blank(QSize(92, 27), Qt::transparent);
                        QPainter painter(&expected);
                        painter.fillRect(kKeyArea, down ? (design == 1 ? kGrey : kBlack) : empty ? kGrey : kBlack);
                        if (design == 0 && !down && !empty)
                            painter.fillRect(kFace, kWhite);
                        const QPixmap pixmap(QString(":/ui/images/widget/softkey_%1%2.png").arg(k[1], down != (design == 1) ? "_sel" : ""));
                        painter.drawPixmap((92 - pixmap.width()) / 2, 3 + (24 - pixmap.height()) / 2, pixmap);
                        const QImage image = renderKey(text, down);
                        if (labelled) {
                            const QRect drawn = WidgetImage::boundsNot(image, kFace, expected.pixelColor(46, 14));
                            QVERIFY2(WidgetImage::count(image, drawn, (design == 1) == down ? kBlack : kWhite) > 10, qPrintable(tag));
                            QVERIFY2(qAbs(drawn.left() + drawn.right() - 91) <= 4 && qAbs(drawn.top() + drawn.bottom() - 29) <= 6, qPrintable(tag));
                            QVERIFY2(image == renderKey("Menu", down), qPrintable(tag));
                            painter.drawImage(drawn, image, drawn);
                        }
                        painter.end();
                        QVERIFY2(image == expected, qPrintable(tag));
                    }
    }

    // The page in its colour with the four idle keys grey along its bottom; the bar itself paints
    // nothing. A labelled key pressed through the page shows its pressed look until released.
    void background()
    {
        for (int design : { 0, 1 }) {
            m_host->core()->setDesignType(design);
            BaseWidget page;
            QCOMPARE(page.geometry(), QRect(0, 26, 384, 134));
            QImage image = WidgetImage::render(&page);
            for (int i = 0; i < 4; ++i)
                QVERIFY(WidgetImage::allColor(image, kKeyArea.translated(8 + i * 92, 107), kGrey));
            QCOMPARE(WidgetImage::count(image, image.rect(), kWhite), 384 * 134 - 4 * 88 * 27);
            page.setBgColor(QColor(0, 0, 128));
            page.tail()->setFuncButtonText(1, "Menu");
            send(&page, QEvent::KeyPress, Qt::Key_Context2);
            image = WidgetImage::render(&page);
            QCOMPARE(WidgetImage::count(image, image.rect(), QColor(0, 0, 128)), 384 * 134 - 4 * 88 * 27);
            QVERIFY(WidgetImage::allColor(image, QRect(102, 107, 88, 3), design == 0 ? kBlack : kGrey));
            QVERIFY(WidgetImage::allColor(image, kKeyArea.translated(8, 107), kGrey));
            send(&page, QEvent::KeyRelease, Qt::Key_Context2);
            QVERIFY(WidgetImage::allColor(WidgetImage::render(&page), QRect(102, 107, 88, 3), kBlack));
        }
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
    }

    // Every activation runs setupStatus; with no status bar nothing is read or said, no crash.
    void statusBarHooks()
    {
        TitledPage page;
        m_bar->setTitle("Idle");
        QEvent activate(QEvent::WindowActivate), deactivate(QEvent::WindowDeactivate);
        for (QEvent* e : { &activate, &deactivate, &activate })
            QCoreApplication::sendEvent(&page, e);
        QCOMPARE(page.setups, 2);
        QCOMPARE(m_bar->title().trimmed(), QString("Settings | Time Zone"));
        m_host->core()->setStatusWidget(0);
        m_host->setValue("system.conf", "Menu_Password/enable", true);
        TitledPage orphan;
        MessageCapture capture;
        orphan.updateStatus();
        QCoreApplication::sendEvent(&orphan, &activate);
        QVERIFY(!orphan.status() && orphan.setups == 1 && capture.lines().isEmpty());
    }

    void updateStatus_data()
    {
        QTest::addColumn<QVariant>("hour24");   // invalid: key absent
        QTest::addColumn<QVariant>("password");
        QTest::addColumn<bool>("configDir");
        QTest::newRow("both on") << QVariant(true) << QVariant(true) << true;
        QTest::newRow("files absent") << QVariant() << QVariant() << true;
        QTest::newRow("24h only, numbers") << QVariant(1) << QVariant(0) << true;
        QTest::newRow("no config dir") << QVariant(true) << QVariant(true) << false;
    }

    // The clock format and the lock icon follow the two settings files; absent reads as false.
    void updateStatus()
    {
        QFETCH(QVariant, hour24);
        QFETCH(QVariant, password);
        QFETCH(bool, configDir);
        if (hour24.isValid())
            m_host->setValue("settings.conf", "Settings/24HourTime", hour24);
        if (password.isValid())
            m_host->setValue("system.conf", "Menu_Password/enable", password);
        if (!configDir)
            m_host->core()->setConfigDir(QString());
        const bool clock24 = configDir && hour24.toBool(), lock = configDir && password.toBool();
        m_bar->setTime24Hour(!clock24);
        m_bar->setUIStatusLock(!lock);
        BaseWidget page;
        MessageCapture capture;
        page.updateStatus();
        QCOMPARE(static_cast<TimeLabel*>(m_bar->findChild<QLabel*>("timeLabel"))->time24Hour(), clock24);
        QCOMPARE(m_bar->findChild<QLabel*>("statusLock")->isVisibleTo(m_bar), lock);
        QVERIFY(capture.lines().isEmpty());
    }
};

QTEST_MAIN(FrameWidgetsTest)
#include "tst_frame_widgets.moc"
