// The simulator's host, in process: phone files, plug-in loading, the keyboard map, the host's
// messages and actions, the traced selection from the idle screen, and the composed screen.
#include "Core.h"
#include "IME.h"
#include "IdleScreen.h"
#include "KeyDriver.h"
#include "KeyMap.h"
#include "KeyScript.h"
#include "MessageCapture.h"
#include "ListView.h"
#include "PageMenu.h"
#include "PagePlugin.h"
#include "PhoneHost.h"
#include "ScreenComposer.h"
#include "SimData.h"
#include "Status.h"
#include "TestHost.h"
#include "TimeLabel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <time.h>

#ifndef PHONE_PLUGIN_FILE
#define PHONE_PLUGIN_FILE ""
#endif
#ifndef PHONE_BASE_FILE
#define PHONE_BASE_FILE ""
#endif

// Records the keys that reach a widget after the host's translation.
class KeyRecorder : public QObject
{
public:
    QList<int> presses;
    QList<int> releases;
    QStringList texts;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            QKeyEvent* key = static_cast<QKeyEvent*>(event);
            (event->type() == QEvent::KeyPress ? presses : releases) << key->key();
            texts << key->text();
        }
        return false;
    }
};

class SimHostTest : public QObject
{
    Q_OBJECT

    QTemporaryDir* m_dir;
    PhoneHost* m_host;
    QByteArray m_oldTz;
    bool m_hadTz;

    QString file(const QString& name) const { return QDir(m_dir->path()).filePath(name); }

    QVariant stored(const QString& name, const QString& key) const
    {
        QSettings settings(file(name), QSettings::IniFormat);
        return settings.value(key);
    }

    // The regions of the shipped table, sorted as the page sorts them.
    static QStringList regions()
    {
        QStringList list;
        for (const QString& line : QString::fromUtf8(SimData::shipped("timezone.tab")).split('\n')) {
            const QStringList fields = line.split("  ");
            QStringList nonEmpty;
            for (const QString& f : fields)
                if (!f.trimmed().isEmpty())
                    nonEmpty << f.trimmed();
            if (nonEmpty.size() >= 3) {
                const QString region = nonEmpty.at(2).section('/', 0, 0);
                if (!list.contains(region))
                    list << region;
            }
        }
        std::sort(list.begin(), list.end());
        return list;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestHost::loadPictures());
        m_hadTz = qEnvironmentVariableIsSet("TZ");
        m_oldTz = qgetenv("TZ");
    }

    void cleanupTestCase()
    {
        TestHost::unloadPictures();
    }

    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(SimData::prepare(m_dir->path(), false));
        qputenv("PHONE_TIMEZONE_TAB", file("timezone.tab").toLocal8Bit());
        m_host = new PhoneHost(m_dir->path());
    }

    void cleanup()
    {
        delete m_host;
        m_host = 0;
        delete m_dir;
        m_dir = 0;
        qunsetenv("PHONE_TIMEZONE_TAB");
        // The host applies zones to the whole process; give the next test its own again.
        if (m_hadTz)
            qputenv("TZ", m_oldTz);
        else
            qunsetenv("TZ");
        tzset();
    }

    void phoneFilesAreCreatedOnceAndRefreshedOnRequest()
    {
        QStringList written;
        QVERIFY(SimData::prepare(m_dir->path(), false, &written));
        QVERIFY(written.isEmpty());
        for (const QString& name : SimData::fileNames())
            QVERIFY2(QFile::exists(file(name)), qPrintable(name));

        // A user's change survives the next start and goes with a fresh one.
        {
            QSettings settings(file("phone_info.conf"), QSettings::IniFormat);
            settings.setValue("NTP_Serv/User_Set", 1);
        }
        QVERIFY(SimData::prepare(m_dir->path(), false, &written));
        QCOMPARE(stored("phone_info.conf", "NTP_Serv/User_Set").toInt(), 1);
        QVERIFY(SimData::prepare(m_dir->path(), true, &written));
        QCOMPARE(written, SimData::fileNames());
        // The bytes, not QSettings: its cache may miss a rewrite of the same size within a
        // millisecond.
        QFile info(file("phone_info.conf"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QCOMPARE(info.readAll(), SimData::shipped("phone_info.conf"));

        // A realistic phone file: many groups beside the time settings.
        QSettings settings(file("phone_info.conf"), QSettings::IniFormat);
        QVERIFY(settings.childGroups().size() >= 8);
        QCOMPARE(settings.value("NTP_Serv/ZoneInfo").toString(), QString("Asia/Seoul"));
        QVERIFY(SimData::shipped("timezone.tab").count('\n') > 300);
    }

    void unwritableDirectoryIsReported()
    {
        MessageCapture capture;
        QVERIFY(!SimData::prepare(file("timezone.tab") + "/below", false));
        QCOMPARE(capture.linesStartingWith("SimData::prepare cannot create:").size(), 1);
    }

    void pluginLoadingFailsCleanly()
    {
        PagePlugin missing;
        QVERIFY(!missing.load(file("nothing.so")));
        QVERIFY(missing.errorString().contains("no plug-in"));
        QVERIFY(!missing.instance());
        QVERIFY(!missing.app());

        // A library that is no page plug-in.
        PagePlugin notAPage;
        QVERIFY(!notAPage.load(QString::fromUtf8(PHONE_BASE_FILE)));
        QVERIFY(notAPage.errorString().contains("qt_plugin_instance"));
        QVERIFY(!m_host->loadPage(file("nothing.so")));
        QVERIFY(!m_host->errorString().isEmpty());
        QVERIFY(!m_host->page());
    }

    void pageComesThroughTheEntryPoint()
    {
        QVERIFY2(m_host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)), qPrintable(m_host->errorString()));
        QVERIFY(m_host->page());
        QCOMPARE(m_host->page()->appName(), QString("settings_datetime"));
        QCOMPARE(m_host->core()->app("settings_datetime"), m_host->page());
        QCOMPARE(m_host->core()->app("idle"), static_cast<BaseAppInterface*>(m_host->idle()));
        QVERIFY(m_host->pageWidget());
        QVERIFY(m_host->core()->statusWidget() == m_host->status());

        PagePlugin plugin;
        QVERIFY(plugin.load(QString::fromUtf8(PHONE_PLUGIN_FILE)));
        QCOMPARE(plugin.instance(), static_cast<QObject*>(m_host->pageWidget()));
        QVERIFY(plugin.verificationData().contains("version=4.8.4"));
    }

    void startShowsTheStoredState()
    {
        {
            QSettings settings(file("settings.conf"), QSettings::IniFormat);
            settings.setValue("Settings/24HourTime", true);
            settings.setValue("Settings/Language", int(Core::LangGerman));
        }
        QVERIFY(m_host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
        MessageCapture capture;
        m_host->start();
        QCOMPARE(m_host->status()->geometry(), QRect(0, 0, 384, 26));
        QCOMPARE(m_host->idle()->geometry(), QRect(0, 26, 384, 134));
        QVERIFY(m_host->status()->isVisible());
        QVERIFY(m_host->idle()->isVisible());
        QVERIFY(m_host->core()->use24HourTime());
        QCOMPARE(m_host->core()->language(), int(Core::LangGerman));
        QVERIFY(capture.contains("SettingsDateTime::receiveMsg command: \"changedLanguage()\""));
        // Default mode: the provisioned zone.
        QCOMPARE(m_host->core()->appliedTimeZone(), QString("Asia/Seoul"));
        QCOMPARE(m_host->idle()->zone(), QString("Asia/Seoul"));
        QCOMPARE(m_host->idle()->mode(), QString("Default"));
        // The idle screen puts its line into the bar once it is active.
        QTRY_COMPARE(m_host->status()->title().trimmed(), QString("1001 | Front Desk"));
    }

    void pcKeysBecomePhoneKeys_data()
    {
        QTest::addColumn<int>("pcKey");
        QTest::addColumn<int>("phoneKey");
        QTest::newRow("Z") << int(Qt::Key_Z) << int(Qt::Key_Context1);
        QTest::newRow("X") << int(Qt::Key_X) << int(Qt::Key_Context2);
        QTest::newRow("C") << int(Qt::Key_C) << int(Qt::Key_Context3);
        QTest::newRow("V") << int(Qt::Key_V) << int(Qt::Key_Context4);
        QTest::newRow("Up") << int(Qt::Key_Up) << int(Qt::Key_Up);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::Key_Escape);
        QTest::newRow("8 for F8") << int(Qt::Key_8) << int(Qt::Key_F8);
        QTest::newRow("0 for F10") << int(Qt::Key_0) << int(Qt::Key_F10);
        for (int f = 1; f <= 10; ++f)
            QTest::newRow(qPrintable(QString("F%1").arg(f))) << int(Qt::Key_F1 + f - 1) << int(Qt::Key_F1 + f - 1);
    }

    void pcKeysBecomePhoneKeys()
    {
        QFETCH(int, pcKey);
        QFETCH(int, phoneKey);
        m_host->start();
        KeyRecorder recorder;
        m_host->idle()->installEventFilter(&recorder);
        QTest::keyClick(m_host->idle(), Qt::Key(pcKey));
        QCOMPARE(recorder.presses, QList<int>() << phoneKey);
        QCOMPARE(recorder.releases, QList<int>() << phoneKey);
        if (phoneKey >= Qt::Key_Context1 && phoneKey <= Qt::Key_Context4)
            QCOMPARE(recorder.texts, QStringList() << QString() << QString());
    }

    void heldKeysRepeatOnlyWhereThePhoneRepeats()
    {
        m_host->start();
        KeyRecorder recorder;
        m_host->idle()->installEventFilter(&recorder);
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), int(Qt::Key_Z), int(Qt::Key_Down)}) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(m_host->idle(), &repeat);
        }
        QCOMPARE(recorder.presses, QList<int>() << int(Qt::Key_Down));
    }

    void keyMapLeavesOtherKeysAlone()
    {
        QVERIFY(!KeyMap::find(Qt::Key_Q, false));
        QCOMPARE(KeyMap::find(Qt::Key_Q, true)->action, KeyMap::Quit);
        QKeyEvent alt(QEvent::KeyPress, Qt::Key_Z, Qt::AltModifier);
        QVERIFY(!KeyMap::find(&alt));
        QKeyEvent shifted(QEvent::KeyPress, Qt::Key_Z, Qt::ShiftModifier, "Z");
        QCOMPARE(KeyMap::find(&shifted)->phoneKey, int(Qt::Key_Context1));
        for (int f = Qt::Key_F1; f <= Qt::Key_F10; ++f)
            QVERIFY(!KeyMap::find(f, false));
        QVERIFY(KeyMap::helpText().contains("soft keys 1 to 4"));
    }

    void hostActionsSendTheirMessages()
    {
        QVERIFY(m_host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
        m_host->start();
        KeyRecorder recorder;
        m_host->idle()->installEventFilter(&recorder);
        QSignalSpy broadcasts(m_host->core(), SIGNAL(signalBroadcast(QString,QByteArray)));
        MessageCapture capture;

        QTest::keyClick(m_host->idle(), Qt::Key_L);
        QCOMPARE(m_host->core()->language(), int(Core::LangGerman));
        QCOMPARE(stored("settings.conf", "Settings/Language").toInt(), int(Core::LangGerman));
        QVERIFY(capture.contains("SettingsDateTime::receiveMsg command: \"changedLanguage()\""));
        QVERIFY(capture.contains("IdleScreen::receiveMsg command: \"changedLanguage()\""));
        // From the last language round to the first.
        m_host->switchLanguage(Core::LangTurkish);
        m_host->switchLanguage();
        QCOMPARE(m_host->core()->language(), int(Core::LangKorean));

        QTest::keyClick(m_host->idle(), Qt::Key_T);
        QVERIFY(m_host->core()->use24HourTime());
        QCOMPARE(stored("settings.conf", "Settings/24HourTime").toBool(), true);
        QCOMPARE(m_host->status()->findChild<TimeLabel*>("timeLabel")->minimumWidth(), 43);
        QVERIFY(capture.contains("SettingsDateTime::receiveMsg command: \"changedStatus()\""));
        QVERIFY(capture.contains("IdleScreen::receiveMsg command: \"changedStatus()\""));

        QLabel* indicator = m_host->status()->findChild<QLabel*>("charLabel");
        QVERIFY(indicator);
        QVERIFY(!indicator->isVisible());
        QTest::keyClick(m_host->idle(), Qt::Key_I);
        QCOMPARE(m_host->core()->ime()->imeStatus(), 1);
        QVERIFY(indicator->isVisible());
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(m_host->idle(), Qt::Key_I);
        QCOMPARE(m_host->core()->ime()->imeStatus(), 0);
        QVERIFY(!indicator->isVisible());

        QTest::keyClick(m_host->idle(), Qt::Key_P);
        QCOMPARE(broadcasts.size(), 1);
        QCOMPARE(broadcasts.at(0).at(0).toString(), QString("closeSelectPopup()"));

        // The host's keys never reach the screen below.
        QVERIFY(recorder.presses.isEmpty());
        QVERIFY(recorder.releases.isEmpty());
    }

    void textFieldsTakeTheCharactersOfHostKeys()
    {
        // Typed into a name field, Z L 1 S are characters; a key without text (a click on the
        // face) still acts.
        m_host->start();
        m_host->setScreenshotDir(m_dir->path());
        QLineEdit name;
        KeyRecorder recorder;
        name.installEventFilter(&recorder);
        QTest::keyClicks(&name, "zl1s");
        QCOMPARE(name.text(), QString("zl1s"));
        QCOMPARE(m_host->core()->language(), int(Core::LangEnglish));
        QVERIFY(QDir(m_dir->path()).entryList(QStringList() << "*.png").isEmpty());
        QKeyEvent faceKey(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier);
        QApplication::sendEvent(&name, &faceKey);
        QCOMPARE(recorder.presses.last(), int(Qt::Key_Context1));
    }

    void screenshotKeyWritesTheScreen()
    {
        m_host->start();
        m_host->setScreenshotDir(m_dir->path());
        const QString path = m_host->saveScreenshot("shot.png");
        QCOMPARE(path, file("shot.png"));
        const QImage shot(path);
        QCOMPARE(shot.size(), QSize(384, 160));
        // The status bar on top, the idle screen's white below it.
        QCOMPARE(QColor(shot.pixel(2, 2)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(2, 100)), QColor(Qt::white));
        QCOMPARE(m_host->screen()->stack(), QList<QWidget*>() << m_host->status() << m_host->idle());
        QVERIFY(m_host->saveScreenshot(file("missing/dir/shot.png")).isEmpty());
    }

    void okOnTheIdleScreenOpensThePageOnRelease()
    {
        QVERIFY(m_host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
        m_host->start();
        QSignalSpy opened(m_host, SIGNAL(pageOpened()));
        QSignalSpy closed(m_host, SIGNAL(pageClosed()));
        QSignalSpy frame(m_host, SIGNAL(pageFirstFrame(qint64)));

        // A release without its press (the key that closed a page) opens nothing.
        QTest::keyRelease(m_host->idle(), Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(opened.size(), 0);

        bool pageShown = false;
        KeyDriver driver;
        driver.call([&] { pageShown = m_host->pageWidget()->isVisible() && m_host->isPageOpen(); })
            .key(Qt::Key_Escape);
        QTest::keyPress(m_host->idle(), Qt::Key_Return);
        QCOMPARE(opened.size(), 0);
        QTest::keyRelease(m_host->idle(), Qt::Key_Return);
        driver.start();
        QTRY_COMPARE_WITH_TIMEOUT(closed.size(), 1, 5000);
        QVERIFY(pageShown);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(frame.size(), 1);
        QVERIFY(m_host->lastOpenTime() >= 0);
        QVERIFY(!m_host->isPageOpen());
        QTRY_VERIFY(m_host->idle()->isActiveWindow());
    }

    void severalPagesAreOfferedInAMenu()
    {
        // A second copy of the page is a second plug-in, with its own page object.
        QVERIFY(QFile::copy(QString::fromUtf8(PHONE_PLUGIN_FILE), file("libsecond.so")));
        QVERIFY(m_host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
        QVERIFY(m_host->loadPage(file("libsecond.so")));
        QVERIFY(!m_host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
        QVERIFY(m_host->errorString().contains("loaded already"));
        QCOMPARE(m_host->pageCount(), 2);
        QVERIFY(m_host->pageWidget(0) != m_host->pageWidget(1));
        QCOMPARE(m_host->pageTitles(), QStringList() << "Settings | Time Zone" << "Settings | Time Zone");
        m_host->start();

        // OK shows the menu, Down and OK open the second page; back to the menu, then idle.
        QList<int> opened;   // the page on screen at each opening
        connect(m_host, &PhoneHost::pageFirstFrame, [&] {
            opened << (m_host->pageWidget(1)->isVisible() ? 1 : 0) - (m_host->pageWidget(0)->isVisible() ? 1 : 0);
        });
        KeyScript script(m_host);
        QVERIFY(script.parse("ok down ok back back"));
        QSignalSpy finished(&script, SIGNAL(finished()));
        bool menuShown = false;
        connect(m_host, &PhoneHost::pageOpened, [&] { menuShown = m_host->menu()->isVisible(); });
        script.start();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QVERIFY(menuShown);
        QCOMPARE(opened, QList<int>() << 1);
        QCOMPARE(m_host->menu()->list()->itemSize(), 2);
        QTRY_VERIFY(!m_host->menu()->isVisible());
        QTRY_VERIFY(m_host->idle()->isActiveWindow());

        // The pages retitle themselves in another language, and the menu follows.
        m_host->switchLanguage(Core::LangGerman);
        QCOMPARE(m_host->pageTitles(), QStringList() << "Einst | Zeitzone" << "Einst | Zeitzone");
        QCOMPARE(m_host->menu()->titles(), m_host->pageTitles());
    }

    void tracedSelectionMovesTheClock()
    {
        QVERIFY(m_host->loadPage(QString::fromUtf8(PHONE_PLUGIN_FILE)));
        m_host->start();
        const QStringList list = regions();
        const int downs = list.indexOf("Europe") - list.indexOf("Asia");
        QVERIFY(downs > 0);

        // Keys that open a popup run its modal loop inside their own handling: the script
        // schedules each step before playing it, so it goes on inside those loops, and plays
        // it once the page or popup has the keyboard, with no pauses.
        m_host->setScreenshotDir(m_dir->path());
        KeyScript script(m_host);
        QVERIFY(script.parse(QString("ok "         // the idle screen opens the page
                                     "ok "         // row 0: the mode popup
                                     "down ok "    // User
                                     "down ok "    // row 1: the region popup
                                     "shot popup.png "
                                     "down*%1 ok " // Europe
                                     "back").arg(downs)));
        QSignalSpy closed(m_host, SIGNAL(pageClosed()));
        QSignalSpy finished(&script, SIGNAL(finished()));
        script.start();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QTRY_COMPARE(closed.size(), 1);
        const QImage withPopup(file("popup.png"));

        QCOMPARE(stored("phone_info.conf", "NTP_Serv/User_Set").toInt(), 1);
        QCOMPARE(stored("phone_info.conf", "NTP_Serv/User_TimeZone").toString(), QString("Europe/Amsterdam"));
        // The rest of the phone file is kept.
        QCOMPARE(stored("phone_info.conf", "SIP_Account1/User_ID").toString(), QString("1001"));
        QCOMPARE(m_host->core()->appliedTimeZone(), QString("Europe/Amsterdam"));
        QCOMPARE(m_host->idle()->zone(), QString("Europe/Amsterdam"));
        QCOMPARE(m_host->idle()->mode(), QString("User"));

        // Both clocks show Amsterdam's time (read again if the minute turned meanwhile).
        const QLocale english(QLocale::English);
        TimeLabel* clock = m_host->status()->findChild<TimeLabel*>("timeLabel");
        QString expected;
        for (int attempt = 0; attempt < 2; ++attempt) {
            m_host->idle()->grab();
            clock->grab();
            const QTime there = QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone("Europe/Amsterdam")).time();
            expected = english.toString(there, "hh:mm AP");
            if (m_host->idle()->clockText() == expected)
                break;
        }
        QCOMPARE(m_host->idle()->clockText(), expected);
        QCOMPARE(clock->text(), expected);

        // While the popup was open: the whole screen, the popup over the status bar's right
        // part, and what lies below its transparent top rows, not black.
        QCOMPARE(withPopup.size(), QSize(384, 160));
        QCOMPARE(QColor(withPopup.pixel(330, 80)), QColor(Qt::white));
        QCOMPARE(QColor(withPopup.pixel(250, 0)), QColor(Qt::white));
        QCOMPARE(QColor(withPopup.pixel(250, 2)), QColor(Qt::black));
    }

    void translucentWindowsGetWhatLiesBelow()
    {
        // A window drawing only a frame, over a black one: without compositing its clear
        // parts would be black on the VNC screen, so the host paints the screen below first.
        QWidget below(0, Qt::FramelessWindowHint);
        below.setGeometry(0, 0, 384, 160);
        below.setStyleSheet("background: rgb(0, 128, 0);");
        below.show();
        QWidget popup(0, Qt::FramelessWindowHint);
        popup.setAttribute(Qt::WA_TranslucentBackground);
        popup.setGeometry(190, 0, 194, 160);
        popup.show();
        QCOMPARE(m_host->screen()->stack().mid(0, 2), QList<QWidget*>() << &below << &popup);

        QImage alone(popup.size(), QImage::Format_ARGB32_Premultiplied);
        alone.fill(Qt::transparent);
        popup.render(&alone);
        QCOMPARE(QColor(alone.pixel(10, 10)), QColor(0, 128, 0));
        QCOMPARE(QColor(m_host->screen()->compose().pixel(200, 10)), QColor(0, 128, 0));

        // Raised by showing it again; the last shown is on top.
        below.hide();
        below.show();
        QCOMPARE(m_host->screen()->stack().mid(0, 2), QList<QWidget*>() << &popup << &below);
    }

    void scriptWordsBecomeSteps_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("steps");
        QTest::newRow("keys") << "ok down, up;back" << 8;
        QTest::newRow("repeat") << "down*3" << 6;
        QTest::newRow("soft and hot keys") << "soft1 SOFT4 f1 f10" << 8;
        QTest::newRow("hold") << "hold ok 1200" << 2;
        QTest::newRow("press and release") << "press soft2 wait 600 release soft2" << 2;
        QTest::newRow("comments") << "ok # down down\n# all of this\nback" << 4;
        QTest::newRow("host actions") << "lang lang 3 clock24 ime ime 4 closepopups shot a.png quit" << 8;
        QTest::newRow("trailing wait") << "ok wait 500" << 3;
        QTest::newRow("empty") << "  \n # nothing\n" << 0;
    }

    void scriptWordsBecomeSteps()
    {
        QFETCH(QString, script);
        QFETCH(int, steps);
        KeyScript keys(m_host);
        QVERIFY2(keys.parse(script), qPrintable(keys.errorString()));
        QCOMPARE(keys.stepCount(), steps);
    }

    void badScriptWordsAreRefused_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("word");
        QTest::newRow("unknown") << "ok frobnicate" << "frobnicate";
        QTest::newRow("hot key beyond F10") << "f11" << "f11";
        QTest::newRow("wait without time") << "wait soon" << "wait";
        QTest::newRow("hold without time") << "hold ok" << "hold";
        QTest::newRow("shot without file") << "shot" << "shot";
    }

    void badScriptWordsAreRefused()
    {
        QFETCH(QString, script);
        QFETCH(QString, word);
        KeyScript keys(m_host);
        QVERIFY(!keys.parse(script));
        QVERIFY2(keys.errorString().contains("\"" + word + "\""), qPrintable(keys.errorString()));
        QCOMPARE(keys.stepCount(), 0);
    }

    void scriptPlaysKeysAndActions()
    {
        m_host->start();
        m_host->setScreenshotDir(m_dir->path());
        KeyRecorder recorder;
        m_host->idle()->installEventFilter(&recorder);
        KeyScript keys(m_host);
        QVERIFY(keys.parse("down soft3 lang 2 shot s.png quit"));
        QSignalSpy finished(&keys, SIGNAL(finished()));
        QSignalSpy quit(&keys, SIGNAL(quitRequested()));
        keys.start();
        QVERIFY(keys.isRunning());
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(!keys.isRunning());
        QCOMPARE(quit.size(), 1);
        QCOMPARE(recorder.presses, QList<int>() << int(Qt::Key_Down) << int(Qt::Key_Context3));
        QCOMPARE(recorder.releases, recorder.presses);
        QCOMPARE(m_host->core()->language(), int(Core::LangGerman));
        QCOMPARE(keys.screenshots(), QStringList() << file("s.png"));
    }
};

QTEST_MAIN(SimHostTest)
#include "tst_sim_host.moc"
