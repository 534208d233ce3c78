// The status bar: its designer form, the icon setters with their range checks, call-icon mode
// and signals, the input-method indicator, the title, the clock and the painted underline.
#include "Core.h"
#include "MessageCapture.h"
#include "Status.h"
#include "TestHost.h"
#include "TimeLabel.h"
#include "TitleLabel.h"
#include "WidgetImage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QSpacerItem>
#include <QTest>

#include <functional>

namespace {

const QString kTitle = ":/ui/images/title/";

const char* const kIconOrder[] = {
    "statusCallHold", "statusUpgrade", "statusForward", "statusDND", "statusAutoAnswer",
    "statusLock", "statusCallLock", "statusConnectHVR", "statusConnectAOM",
    "statusConnectMobile", "statusBTHSetPairing", "statusAGMode", "statusBlutoothHeadset",
    "statusHeadset", "statusWifi"
};
const char* const kInitialPictures[] = {
    "status_hold.png", "status_updatecom.png", "status_callforward.png", "status_dnd.png",
    "status_autoanswer.png", "status_lock.png", "status_call_lock.png", "status_pcconnected.png",
    "status_aomlink.png", "status_phonemode.png", "status_bluetooth.png",
    "status_bluetooth_acc.png", "status_headset_bt.png", "status_headset.png", "status_wifi_0.png"
};

struct BoolSetter {
    const char* name;
    void (Status::*set)(bool);
    const char* icon;
    bool honoursCallMode;
    const char* debugLabel;   // "Class::method label:" or 0
};

const BoolSetter kBoolSetters[] = {
    { "lock", &Status::setUIStatusLock, "statusLock", true, 0 },
    { "call lock", &Status::setUIStatusCallLock, "statusCallLock", true, 0 },
    { "call forward", &Status::setUIStatusCallForward, "statusForward", true, 0 },
    { "dnd", &Status::setUIStatusDND, "statusDND", true, 0 },
    { "auto answer", &Status::setUIStatusAutoAnswer, "statusAutoAnswer", true, 0 },
    { "call hold", &Status::setUIStatusCallHold, "statusCallHold", true, 0 },
    { "mobile", &Status::setUIStatusConnectMobile, "statusConnectMobile", true, 0 },
    { "aom", &Status::setUIStatusConnectAOM, "statusConnectAOM", true, "Status::setUIStatusConnectAOM value:" },
    { "hvr", &Status::setUIStatusConnectHVR, "statusConnectHVR", false, "Status::setUIStatusConnectHVR value:" },
    { "upgrade", &Status::setUIStatusUpgrade, "statusUpgrade", false, 0 },
};

struct EnumSetter {
    const char* name;
    std::function<void(Status*, int)> set;
    std::function<int(Status*)> get;   // empty where the bar has no getter
    const char* signal;
    const char* icon;
    QStringList pictures;              // by value; [0] unused
    const char* refusal;               // 0: refused silently
};

QList<EnumSetter> allEnumSetters()
{
    QList<EnumSetter> list;
    list << EnumSetter{ "headset",
                        [](Status* s, int v) { s->setUIStatusHeadSet(Status::UIStatusHeadset(v)); },
                        [](Status* s) { return int(s->statusHeadset()); },
                        SIGNAL(changeHeadset(UIStatusHeadset)), "statusHeadset",
                        { "", "status_headset.png", "status_headset_ehs.png" },
                        "Status::setUIStatusHeadSet invaild value! noupdate!" };
    list << EnumSetter{ "bluetooth headset",
                        [](Status* s, int v) { s->setUIStatusBluetoothHeadset(Status::UIStatusBluetoothHeadset(v)); },
                        [](Status* s) { return int(s->statusBluetoothHeadset()); },
                        SIGNAL(changeBluetoothHeadset(UIStatusBluetoothHeadset)), "statusBlutoothHeadset",
                        { "", "status_headset_bt.png", "status_headset_bt_off.png" },
                        "Status::setUIStatusBluetoothHeadset invaild value! noupdate!" };
    list << EnumSetter{ "wifi",
                        [](Status* s, int v) { s->setUIStatusWifi(Status::UIStatusWifi(v)); },
                        std::function<int(Status*)>(),
                        SIGNAL(changeWifi(UIStatusWifi)), "statusWifi",
                        { "", "status_wifi_-1.png", "status_wifi_0.png", "status_wifi_1.png",
                          "status_wifi_2.png", "status_wifi_3.png", "status_wifi_4.png" },
                        "Status::setUIStatusWifi invaild value! noupdate!" };
    list << EnumSetter{ "audio gateway",
                        [](Status* s, int v) { s->setUIStatusAGMode(Status::UIStatusAG(v)); },
                        std::function<int(Status*)>(),
                        SIGNAL(changeAGMode(UIStatusAG)), "statusAGMode",
                        { "", "status_bluetooth_acc.png", "status_bluetooth_acc_off.png" },
                        "Status::setUIStatusAG invalid value! noupdate!" };
    list << EnumSetter{ "pairing",
                        [](Status* s, int v) { s->setUIStatusBTHeadsetPairing(Status::UIStatusBTHeadsetPairing(v)); },
                        [](Status* s) { return int(s->statusBTHeadsetPairing()); },
                        SIGNAL(changeBTHsetPairing(UIStatusBTHeadsetPairing)), "statusBTHSetPairing",
                        { "", "status_bluetooth.png", "status_bluetooth_off.png" },
                        0 };
    return list;
}

QLabel* child(Status* bar, const char* name)
{
    QLabel* label = bar->findChild<QLabel*>(QString::fromLatin1(name));
    Q_ASSERT(label);
    return label;
}

// Same picture file: the pixmap cache hands out one shared copy per file.
bool showsPicture(QLabel* label, const QString& file)
{
    const QPixmap* shown = label->pixmap();
    const QPixmap expected(kTitle + file);
    return shown && !expected.isNull() && shown->cacheKey() == expected.cacheKey();
}

bool shown(Status* bar, const char* name)
{
    return child(bar, name)->isVisibleTo(bar);
}

int signalValue(const QSignalSpy& spy, int i)
{
    return spy.at(i).at(0).toInt();
}

} // namespace

class FrameStatusTest : public QObject
{
    Q_OBJECT

    TestHost* m_host;

private slots:
    void initTestCase()
    {
        m_host = new TestHost;
    }

    void cleanupTestCase()
    {
        TestHost::unloadPictures();
        delete m_host;
    }

    void init()
    {
        TestHost::unloadPictures();
        m_host->core()->setLanguage(Core::LangEnglish);
        m_host->core()->setUse24HourTime(false);
        m_host->core()->setDesignType(0);
    }

    void form()
    {
        Status bar;
        QCOMPARE(bar.objectName(), QString("Status"));
        QCOMPARE(bar.size(), QSize(384, 26));
        QCOMPARE(bar.minimumSize(), QSize(384, 26));
        QCOMPARE(bar.maximumSize(), QSize(384, 26));
        QCOMPARE(bar.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(bar.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QVERIFY(!bar.autoFillBackground());
        QCOMPARE(bar.alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(bar.windowTitle(), QString("MainWindow"));
        QCOMPARE(bar.focusPolicy(), Qt::NoFocus);
        QVERIFY(bar.windowFlags() & Qt::FramelessWindowHint);
        QAction* action = bar.findChild<QAction*>("actionIdle_Screen");
        QVERIFY(action);
        QCOMPARE(action->text(), QString("Idle Screen"));

        QHBoxLayout* outer = qobject_cast<QHBoxLayout*>(bar.layout());
        QVERIFY(outer);
        QCOMPARE(outer->objectName(), QString("horizontalLayout_2"));
        QCOMPARE(outer->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(outer->count(), 8);

        auto spacer = [&](int i, QSize size, QSizePolicy::Policy policy) {
            QSpacerItem* s = outer->itemAt(i)->spacerItem();
            QVERIFY2(s, qPrintable(QString("item %1").arg(i)));
            QCOMPARE(s->sizeHint(), size);
            QCOMPARE(s->sizePolicy().horizontalPolicy(), policy);
            QCOMPARE(s->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
        };
        spacer(0, QSize(5, 26), QSizePolicy::Fixed);
        spacer(2, QSize(1, 26), QSizePolicy::MinimumExpanding);
        spacer(4, QSize(1, 26), QSizePolicy::Fixed);
        spacer(7, QSize(5, 26), QSizePolicy::Fixed);

        TitleLabel* title = dynamic_cast<TitleLabel*>(outer->itemAt(1)->widget());
        QVERIFY(title);
        QCOMPARE(title->objectName(), QString("titleLabel"));
        QCOMPARE(title->minimumSize(), QSize(50, 22));
        QCOMPARE(title->maximumSize(), QSize(280, 22));
        QCOMPARE(title->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
        QCOMPARE(title->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(title->styleSheet(), QString("color: rgb(255, 255, 255);"));
        QCOMPARE(title->lineWidth(), 0);
        QCOMPARE(title->indent(), 3);
        QCOMPARE(title->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(title->font().pointSize(), 18);

        QHBoxLayout* icons = qobject_cast<QHBoxLayout*>(outer->itemAt(3)->layout());
        QVERIFY(icons);
        QCOMPARE(icons->objectName(), QString("horizontalLayout"));
        QCOMPARE(icons->spacing(), 0);
        QCOMPARE(icons->sizeConstraint(), QLayout::SetDefaultConstraint);
        QCOMPARE(icons->count(), 15);
        for (int i = 0; i < 15; ++i) {
            QLabel* icon = qobject_cast<QLabel*>(icons->itemAt(i)->widget());
            QVERIFY(icon);
            QCOMPARE(icon->objectName(), QString(kIconOrder[i]));
            QCOMPARE(icon->parentWidget(), &bar);
            QCOMPARE(icon->minimumSize(), QSize(19, 19));
            QCOMPARE(icon->maximumSize(), QSize(19, 19));
            QCOMPARE(icon->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(icon->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(icon->text(), QString());
            if (QString(kIconOrder[i]) == "statusAutoAnswer")
                QCOMPARE(icon->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
            else
                QCOMPARE(icon->alignment(), Qt::AlignCenter);
        }

        QHBoxLayout* indicator = qobject_cast<QHBoxLayout*>(outer->itemAt(5)->layout());
        QVERIFY(indicator);
        QCOMPARE(indicator->objectName(), QString("horizontalLayout_3"));
        QCOMPARE(indicator->spacing(), 0);
        QCOMPARE(indicator->count(), 2);
        const char* const indicatorNames[] = { "specialCharLabel", "charLabel" };
        for (int i = 0; i < 2; ++i) {
            QLabel* label = qobject_cast<QLabel*>(indicator->itemAt(i)->widget());
            QVERIFY(label);
            QCOMPARE(label->objectName(), QString(indicatorNames[i]));
            QCOMPARE(label->minimumSize(), QSize(19, 19));
            QCOMPARE(label->maximumSize(), QSize(19, 19));
            QCOMPARE(label->lineWidth(), 0);
            QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        }

        TimeLabel* clock = dynamic_cast<TimeLabel*>(outer->itemAt(6)->widget());
        QVERIFY(clock);
        QCOMPARE(clock->objectName(), QString("timeLabel"));
        QCOMPARE(clock->maximumSize(), QSize(72, 22));
        QCOMPARE(clock->font().pointSize(), 18);
        QCOMPARE(static_cast<QLabel*>(clock)->text(), QString());
    }

    void initialState()
    {
        qputenv("DISPLAY_RSSI", "-70dBm");
        MessageCapture capture;
        Status bar;
        qunsetenv("DISPLAY_RSSI");
        QCOMPARE(capture.lines(), QStringList({ "Status::setUIStatusConnectAOM value: false",
                                                "Status::setUIStatusConnectHVR value: false" }));
        for (const char* name : kIconOrder)
            QVERIFY2(!shown(&bar, name), name);
        QVERIFY(!shown(&bar, "specialCharLabel"));
        QVERIFY(!shown(&bar, "charLabel"));
        QVERIFY(shown(&bar, "timeLabel"));
        QCOMPARE(bar.statusHeadset(), Status::HeadsetNone);
        QCOMPARE(bar.statusBluetoothHeadset(), Status::BluetoothHeadsetNone);
        QCOMPARE(bar.statusBTHeadsetPairing(), Status::BTPairingNone);
        QVERIFY(!bar.statusIcon_isCall());
        QVERIFY(!bar.presenceIconVisible());
        QCOMPARE(bar.displayRssi(), QString("-70dBm"));
        QCOMPARE(bar.bgColor(), QColor(255, 255, 255));
        QVERIFY(!bar.titleColor().isValid());
        QCOMPARE(bar.title(), QString(42, ' '));

        Status plain;
        QCOMPARE(plain.displayRssi(), QString());
        plain.setDisplayRssi("x");
        QCOMPARE(plain.displayRssi(), QString("x"));
    }

    void initialPictures_data()
    {
        QTest::addColumn<bool>("pictures");
        QTest::newRow("absent") << false;
        QTest::newRow("present") << true;
    }

    void initialPictures()
    {
        QFETCH(bool, pictures);
        if (pictures)
            QVERIFY(TestHost::loadPictures());
        Status bar;
        for (int i = 0; i < 15; ++i) {
            QLabel* icon = child(&bar, kIconOrder[i]);
            if (pictures)
                QVERIFY2(showsPicture(icon, kInitialPictures[i]), kIconOrder[i]);
            else
                QVERIFY(!icon->pixmap() || icon->pixmap()->isNull());
        }
        if (pictures) {
            QVERIFY(showsPicture(child(&bar, "specialCharLabel"), "status_type_mark.png"));
            QVERIFY(showsPicture(child(&bar, "charLabel"), "status_type_korean.png"));
        }
    }

    void boolSetters_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(sizeof(kBoolSetters) / sizeof(kBoolSetters[0])); ++i)
            QTest::newRow(kBoolSetters[i].name) << i;
    }

    void boolSetters()
    {
        QFETCH(int, row);
        const BoolSetter& s = kBoolSetters[row];
        Status bar;
        QSignalSpy changed(&bar, SIGNAL(statusInfoChanged()));
        MessageCapture capture;
        auto debugLines = [&](const char* value) {
            return s.debugLabel ? QStringList(QString("%1 %2").arg(s.debugLabel, value)) : QStringList();
        };

        (bar.*s.set)(true);
        QVERIFY(shown(&bar, s.icon));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(capture.lines(), debugLines("true"));
        (bar.*s.set)(true);
        QCOMPARE(changed.count(), 1);
        (bar.*s.set)(false);
        QVERIFY(!shown(&bar, s.icon));
        QCOMPARE(changed.count(), 2);

        // Call-icon mode: the value is recorded, the icon and signals stay put.
        capture.clear();
        bar.setStatusIcon_isCall(true);
        (bar.*s.set)(true);
        QCOMPARE(capture.lines(), debugLines("true"));
        if (s.honoursCallMode) {
            QVERIFY(!shown(&bar, s.icon));
            QCOMPARE(changed.count(), 2);
            bar.setStatusIcon_isCall(false);
            QVERIFY(!shown(&bar, s.icon));
            (bar.*s.set)(true);
            QVERIFY(shown(&bar, s.icon));
            QCOMPARE(changed.count(), 2);
        } else {
            QVERIFY(shown(&bar, s.icon));
            QCOMPARE(changed.count(), 3);
        }
        // No other icon moved.
        for (const char* name : kIconOrder)
            if (QString(name) != s.icon)
                QVERIFY2(!shown(&bar, name), name);
    }

    void callFlagIsOnlyStored()
    {
        Status bar;
        QSignalSpy changed(&bar, SIGNAL(statusInfoChanged()));
        bar.setUIStatusCall(true);
        QCOMPARE(changed.count(), 0);
        for (const char* name : kIconOrder)
            QVERIFY(!shown(&bar, name));
        QVERIFY(shown(&bar, "timeLabel"));
    }

    void enumSetters_data()
    {
        QTest::addColumn<int>("row");
        const QList<EnumSetter> setters = allEnumSetters();
        for (int i = 0; i < setters.size(); ++i)
            QTest::newRow(setters[i].name) << i;
    }

    void enumSetters()
    {
        QFETCH(int, row);
        const EnumSetter s = allEnumSetters().at(row);
        QVERIFY(TestHost::loadPictures());
        Status bar;
        QSignalSpy change(&bar, s.signal);
        QVERIFY(change.isValid());
        QSignalSpy info(&bar, SIGNAL(statusInfoChanged()));

        for (int v = 1; v < s.pictures.size(); ++v) {
            change.clear();
            info.clear();
            s.set(&bar, v);
            QCOMPARE(change.count(), 1);
            QCOMPARE(signalValue(change, 0), v);
            QCOMPARE(info.count(), 1);
            QVERIFY(shown(&bar, s.icon));
            QVERIFY2(showsPicture(child(&bar, s.icon), s.pictures[v]), qPrintable(s.pictures[v]));
            if (s.get)
                QCOMPARE(s.get(&bar), v);
            // The same value again: announced again, but nothing changed.
            s.set(&bar, v);
            QCOMPARE(change.count(), 2);
            QCOMPARE(info.count(), 1);
        }

        // Call-icon mode does not hold these back.
        bar.setStatusIcon_isCall(true);
        s.set(&bar, 1);
        QVERIFY(showsPicture(child(&bar, s.icon), s.pictures[1]));
        bar.setStatusIcon_isCall(false);

        change.clear();
        info.clear();
        s.set(&bar, 0);
        QCOMPARE(change.count(), 1);
        QCOMPARE(signalValue(change, 0), 0);
        QCOMPARE(info.count(), 1);
        QVERIFY(!shown(&bar, s.icon));
    }

    void enumSettersRefuseOutOfRange_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        const QList<EnumSetter> setters = allEnumSetters();
        for (int i = 0; i < setters.size(); ++i) {
            const int max = setters[i].pictures.size() - 1;
            for (int bad : { max + 1, 7, -1, 1000 })
                QTest::newRow(qPrintable(QString("%1 %2").arg(setters[i].name).arg(bad))) << i << bad;
        }
    }

    void enumSettersRefuseOutOfRange()
    {
        QFETCH(int, row);
        QFETCH(int, value);
        const EnumSetter s = allEnumSetters().at(row);
        QVERIFY(TestHost::loadPictures());
        Status bar;
        s.set(&bar, 1);
        QSignalSpy change(&bar, s.signal);
        QSignalSpy info(&bar, SIGNAL(statusInfoChanged()));
        MessageCapture capture;
        s.set(&bar, value);
        QCOMPARE(capture.lines(), s.refusal ? QStringList(s.refusal) : QStringList());
        QCOMPARE(change.count(), 0);
        QCOMPARE(info.count(), 0);
        QVERIFY(shown(&bar, s.icon));
        QVERIFY(showsPicture(child(&bar, s.icon), s.pictures[1]));
        if (s.get)
            QCOMPARE(s.get(&bar), 1);
    }

    void imeIndicator_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("picture");   // empty: indicator hidden
        QTest::addColumn<int>("announced");
        QTest::newRow("0") << 1 << 0 << "" << 0;
        QTest::newRow("5") << 1 << 5 << "" << 5;
        QTest::newRow("6") << 1 << 6 << "" << 6;
        QTest::newRow("7") << 1 << 7 << "" << 7;
        QTest::newRow("1 korean") << 0 << 1 << "status_type_korean.png" << 1;
        QTest::newRow("1 english") << 1 << 1 << "status_type_smallletter.png" << 2;
        QTest::newRow("1 german") << 2 << 1 << "status_type_smallletter.png" << 2;
        QTest::newRow("2") << 0 << 2 << "status_type_smallletter.png" << 2;
        QTest::newRow("3") << 1 << 3 << "status_type_capital.png" << 3;
        QTest::newRow("4") << 1 << 4 << "status_type_num.png" << 4;
        // Unknown value: shown with the picture it had (here the capital one set first).
        QTest::newRow("9") << 1 << 9 << "status_type_capital.png" << 9;
        QTest::newRow("-3") << 1 << -3 << "status_type_capital.png" << -3;
    }

    void imeIndicator()
    {
        QFETCH(int, language);
        QFETCH(int, status);
        QFETCH(QString, picture);
        QFETCH(int, announced);
        QVERIFY(TestHost::loadPictures());
        m_host->core()->setLanguage(language);
        Status bar;
        bar.setIMEStatus(IMEStatusCapital);
        QSignalSpy spy(&bar, SIGNAL(changeIMEStatus(IMEStatus)));
        QVERIFY(spy.isValid());
        bar.setIMEStatus(static_cast<IMEStatus>(status));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(signalValue(spy, 0), announced);
        if (picture.isEmpty()) {
            QVERIFY(!shown(&bar, "specialCharLabel"));
            QVERIFY(!shown(&bar, "charLabel"));
            QVERIFY(shown(&bar, "timeLabel"));
        } else {
            QVERIFY(shown(&bar, "specialCharLabel"));
            QVERIFY(shown(&bar, "charLabel"));
            QVERIFY(!shown(&bar, "timeLabel"));
            QVERIFY(showsPicture(child(&bar, "charLabel"), picture));
            QVERIFY(showsPicture(child(&bar, "specialCharLabel"), "status_type_mark.png"));
        }
    }

    void title()
    {
        Status bar;
        QSignalSpy spy(&bar, SIGNAL(titleChanged(QString)));
        bar.setTitle("Settings | Time Zone");
        QCOMPARE(bar.title(), QString("Settings | Time Zone") + QString(42, ' '));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("Settings | Time Zone"));

        bar.setDisabledUpdateTitle(true);
        MessageCapture capture;
        bar.setTitle("Other");
        QCOMPARE(capture.lines(), QStringList("Status::setTitle m_disabledUpdateTitle: true"));
        QCOMPARE(bar.title(), QString("Settings | Time Zone") + QString(42, ' '));
        QCOMPARE(spy.count(), 1);

        bar.setTitleFromSignal("Mirrored");
        QCOMPARE(bar.title(), QString("Mirrored") + QString(42, ' '));
        QCOMPARE(spy.count(), 1);
        QVERIFY(capture.lines().size() == 1);

        bar.setDisabledUpdateTitle(false);
        bar.setTitle("Again");
        QCOMPARE(spy.count(), 2);
    }

    // Two bars linked by name, as the host links its bars, with the enum types unqualified.
    void connectionsByName_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("direct") << int(Qt::DirectConnection);
        QTest::newRow("queued") << int(Qt::QueuedConnection);
    }

    void connectionsByName()
    {
        QFETCH(int, type);
        const Qt::ConnectionType how = Qt::ConnectionType(type);
        Status a, b;
        QVERIFY(connect(&a, SIGNAL(titleChanged(QString)), &b, SLOT(setTitleFromSignal(QString)), how));
        QVERIFY(connect(&a, SIGNAL(changeHeadset(UIStatusHeadset)), &b, SLOT(setUIStatusHeadSet(UIStatusHeadset)), how));
        QVERIFY(connect(&a, SIGNAL(changeBluetoothHeadset(UIStatusBluetoothHeadset)),
                        &b, SLOT(setUIStatusBluetoothHeadset(UIStatusBluetoothHeadset)), how));
        QVERIFY(connect(&a, SIGNAL(changeWifi(UIStatusWifi)), &b, SLOT(setUIStatusWifi(UIStatusWifi)), how));
        QVERIFY(connect(&a, SIGNAL(changeAGMode(UIStatusAG)), &b, SLOT(setUIStatusAGMode(UIStatusAG)), how));
        QVERIFY(connect(&a, SIGNAL(changeBTHsetPairing(UIStatusBTHeadsetPairing)),
                        &b, SLOT(setUIStatusBTHeadsetPairing(UIStatusBTHeadsetPairing)), how));
        QVERIFY(connect(&a, SIGNAL(changeIMEStatus(IMEStatus)), &b, SLOT(setIMEStatus(IMEStatus)), how));
        QVERIFY(a.metaObject()->indexOfSignal("changeCamOff(bool)") >= 0);
        QVERIFY(a.metaObject()->indexOfSlot("timeout()") >= 0);
        QVERIFY(a.metaObject()->indexOfSlot("callTimeout()") >= 0);

        a.setTitle("Linked");
        a.setUIStatusHeadSet(Status::HeadsetEHS);
        a.setUIStatusBluetoothHeadset(Status::BluetoothHeadsetOff);
        a.setUIStatusWifi(Status::WifiLevel3);
        a.setUIStatusAGMode(Status::AGOn);
        a.setUIStatusBTHeadsetPairing(Status::BTPairingOn);
        a.setIMEStatus(IMEStatusNumber);
        QCoreApplication::processEvents();

        QCOMPARE(b.title(), QString("Linked") + QString(42, ' '));
        QCOMPARE(b.statusHeadset(), Status::HeadsetEHS);
        QCOMPARE(b.statusBluetoothHeadset(), Status::BluetoothHeadsetOff);
        QVERIFY(shown(&b, "statusWifi"));
        QVERIFY(shown(&b, "statusAGMode"));
        QCOMPARE(b.statusBTHeadsetPairing(), Status::BTPairingOn);
        QVERIFY(shown(&b, "charLabel"));
        QVERIFY(!shown(&b, "timeLabel"));
    }

    void titleWidth()
    {
        Status bar;
        QCOMPARE(bar.titleLabelWidgetWidth(), 300);
        bar.setUIStatusLock(true);
        bar.setUIStatusDND(true);
        bar.setUIStatusWifi(Status::WifiLevel1);
        bar.setUIStatusHeadSet(Status::HeadsetOn);
        // 384 - 4 icons - the clock = 236
        QCOMPARE(bar.titleLabelWidgetWidth(), 384 - 4 * 19 - 72);
        bar.setIMEStatus(IMEStatusCapital);   // clock gives way to two indicator labels
        QCOMPARE(bar.titleLabelWidgetWidth(), 384 - 6 * 19);
        bar.setIMEStatus(IMEStatusNone);
        QCOMPARE(bar.titleLabelWidgetWidth(), 384 - 4 * 19 - 72);
        bar.setStatusIcon_isCall(true);   // hides the clock: 308, capped
        QCOMPARE(bar.titleLabelWidgetWidth(), 300);

        bar.setUIStatusWifi(Status::WifiNone);
        bar.setUIStatusHeadSet(Status::HeadsetNone);
        bar.setStatusIcon_isCall(false);
        bar.setUIStatusLock(false);
        bar.setUIStatusDND(false);
        bar.setTime24Hour(true);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QCOMPARE(bar.titleLabelWidgetWidth(), 300);
        for (auto s : kBoolSetters)
            (bar.*s.set)(true);
        bar.setUIStatusWifi(Status::WifiLevel1);
        QCOMPARE(bar.titleLabelWidgetWidth(), 384 - 11 * 19 - child(&bar, "timeLabel")->width());
        QVERIFY(bar.titleLabelWidgetWidth() <= 300);
    }

    void clock()
    {
        Status bar;
        TimeLabel* clock = dynamic_cast<TimeLabel*>(child(&bar, "timeLabel"));
        bar.setTime24Hour(true);
        QVERIFY(clock->time24Hour());
        QCOMPARE(clock->minimumWidth(), 43);
        bar.setTime24Hour(false);
        QVERIFY(!clock->time24Hour());
        QCOMPARE(clock->minimumWidth(), 72);

        // The tick follows the host's format.
        bar.setTime24Hour(true);
        bar.timeout();
        QVERIFY(!clock->time24Hour());
        m_host->core()->setUse24HourTime(true);
        QTRY_VERIFY_WITH_TIMEOUT(clock->time24Hour(), 2500);

        // The clock draws the current time in the bar.
        WidgetImage::render(&bar);
        QCOMPARE(clock->text(), QTime::currentTime().toString("hh:mm"));
        bar.callTimeout();
    }

    void underline_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("upper");
        QTest::addColumn<QColor>("lower");
        QTest::newRow("defaults") << QColor() << QColor() << QColor();
        QTest::newRow("custom") << QColor(10, 20, 200) << QColor(200, 0, 0) << QColor(0, 200, 0);
    }

    void underline()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, upper);
        QFETCH(QColor, lower);
        Status bar;
        if (background.isValid()) {
            bar.setBgColor(background);
            bar.setUnderlineColor(upper, lower);
            QCOMPARE(bar.bgColor(), background);
        } else {
            background = QColor(255, 255, 255);
            upper = QColor(85, 85, 85);
            lower = QColor(187, 187, 187);
        }
        bar.layout()->activate();
        const QImage image = WidgetImage::render(&bar);
        QVERIFY(WidgetImage::allColor(image, QRect(5, 24, 374, 1), upper));
        QVERIFY(WidgetImage::allColor(image, QRect(5, 25, 374, 1), lower));
        for (int y : { 24, 25 })
            for (int x : { 0, 4, 379, 383 })
                QVERIFY(WidgetImage::isColor(image, x, y, background));
        // Above the line only the clock draws.
        const QRect clock = child(&bar, "timeLabel")->geometry();
        QVERIFY(!clock.isEmpty());
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, clock.left(), 24), background));
        QVERIFY(WidgetImage::allColor(image, QRect(clock.right() + 1, 0, 384 - clock.right() - 1, 24), background));
        QVERIFY(WidgetImage::boundsNot(image, QRect(0, 0, 384, 24), background).intersects(clock));
        QCOMPARE(clock.right(), 378);
    }

    // The title as the bar shows it, with the host's pictures: box, caps and breadcrumb in bar
    // coordinates.
    void titleInBar()
    {
        QVERIFY(TestHost::loadPictures());
        Status bar;
        bar.setTitle("Settings | Time Zone");
        bar.layout()->activate();
        const QImage image = WidgetImage::render(&bar);
        QLabel* title = child(&bar, "titleLabel");
        const QRect area = title->geometry();
        QVERIFY(area.left() >= 5);
        QCOMPARE(area.height(), 22);
        QCOMPARE(area.top(), 2);

        const QPixmap left(":ui/images/title/num_bg_left.png"), right(":ui/images/title/num_bg_right.png");
        const QPixmap crumb(":ui/images/title/breadcrumb.png");
        const QFontMetrics metrics = title->fontMetrics();
        const int top = area.top() + (22 - left.height()) / 2 - 1;
        const int boxWidth = qMin(metrics.horizontalAdvance("Settings  Time Zone") + 6, area.width());
        const QRect box(QPoint(area.left() + left.width(), top),
                        QPoint(area.left() + boxWidth - right.width() - 1, top + 19));
        QCOMPARE(WidgetImage::bounds(image, box, Qt::black), box);
        QCOMPARE(WidgetImage::boundsNot(image, QRect(0, 0, 384, 24), Qt::white).left(), area.left());

        const QPoint at(area.left() + 3 + metrics.horizontalAdvance("Settings") + 3,
                        area.top() + (22 - crumb.height()) / 2 - 1);
        const QImage picture = crumb.toImage().convertToFormat(QImage::Format_ARGB32);
        int opaque = 0;
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px)
                if (qAlpha(picture.pixel(px, py)) == 255) {
                    ++opaque;
                    QCOMPARE(image.pixel(at.x() + px, at.y() + py), picture.pixel(px, py));
                }
        QVERIFY(opaque > 0);
    }

    // Icons shown with pictures sit side by side, vertically centred, between title and clock.
    void iconRow()
    {
        QVERIFY(TestHost::loadPictures());
        Status bar;
        bar.setTitle("Phone");
        bar.setUIStatusDND(true);
        bar.setUIStatusLock(true);
        bar.setUIStatusWifi(Status::WifiLevel4);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const QRect dnd = child(&bar, "statusDND")->geometry();
        const QRect lock = child(&bar, "statusLock")->geometry();
        const QRect wifi = child(&bar, "statusWifi")->geometry();
        QCOMPARE(dnd.size(), QSize(19, 19));
        QCOMPARE(lock.left(), dnd.right() + 1);
        QCOMPARE(wifi.left(), lock.right() + 1);
        QCOMPARE(dnd.top(), (26 - 19) / 2);
        QVERIFY(dnd.left() > child(&bar, "titleLabel")->geometry().right());
        QVERIFY(wifi.right() < child(&bar, "timeLabel")->geometry().left());

        const QImage image = WidgetImage::render(&bar);
        const QImage picture = QPixmap(kTitle + "status_wifi_4.png").toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint at = wifi.topLeft() + QPoint((19 - picture.width()) / 2, (19 - picture.height()) / 2);
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px)
                if (qAlpha(picture.pixel(px, py)) == 255)
                    QCOMPARE(image.pixel(at.x() + px, at.y() + py), picture.pixel(px, py));
    }

    void titleColour()
    {
        Status bar;
        bar.setTitleColor(QColor(250, 0, 0));
        QCOMPARE(bar.titleColor(), QColor(250, 0, 0));
        TitleLabel* title = dynamic_cast<TitleLabel*>(child(&bar, "titleLabel"));
        QCOMPARE(title->titleColor(), QColor(250, 0, 0));
        bar.setTitle("Red");
        bar.layout()->activate();
        const QImage image = WidgetImage::render(&bar);
        QVERIFY(WidgetImage::count(image, title->geometry(), QColor(250, 0, 0)) > 10);
    }
};

QTEST_MAIN(FrameStatusTest)
#include "tst_frame_status.moc"
