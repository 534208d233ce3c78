// The simulator's host in process: its phone files, the page plug-ins and their menu, the PC
// keyboard turned into the phone's keys, the host's own keys and their messages.
#include "Core.h"
#include "IME.h"
#include "IdleScreen.h"
#include "KeyDriver.h"
#include "ListView.h"
#include "MessageCapture.h"
#include "PageMenu.h"
#include "PagePlugin.h"
#include "PhoneHost.h"
#include "SimData.h"
#include "Status.h"
#include "TestDir.h"
#include "TestHost.h"
#include "TestWait.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <time.h>

// The keys that reach a widget after the host's translation, with their texts.
class KeyRecorder : public QObject
{
public:
    QStringList keys;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            QKeyEvent* key = static_cast<QKeyEvent*>(event);
            keys << QString("%1%2%3").arg(event->type() == QEvent::KeyPress ? "+" : "-").arg(key->key(), 0, 16).arg(key->text());
        }
        return false;
    }
};

class SimHostTest : public QObject
{
    Q_OBJECT

    TestDir* m_dir;
    PhoneHost* m_host;
    const QString m_plugin = QString::fromUtf8(PHONE_PLUGIN_FILE);

    QString file(const QString& name) const { return m_dir->filePath(name); }
    QByteArray bytes(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QVERIFY(TestHost::loadPictures()); }
    void cleanupTestCase() { TestHost::unloadPictures(); }

    void init()
    {
        m_dir = new TestDir;
        QVERIFY(SimData::prepare(m_dir->path(), false));
        qputenv("PHONE_TIMEZONE_TAB", file("timezone.tab").toLocal8Bit());
        m_host = new PhoneHost(m_dir->path());
    }

    void cleanup()
    {
        delete m_host;
        delete m_dir;
        qunsetenv("PHONE_TIMEZONE_TAB");
        // The host applies zones to the whole process.
        qunsetenv("TZ");
        tzset();
    }

    // Files are created once, kept over later starts, and replaced on a fresh one.
    void phoneFiles()
    {
        QStringList written;
        QFile::remove(file("system.conf"));
        QFile info(file("phone_info.conf"));
        QVERIFY(info.open(QIODevice::Append) && info.write("[Mine]\nk=1\n") > 0);
        info.close();
        QVERIFY(SimData::prepare(m_dir->path(), false, &written));
        QCOMPARE(written, QStringList("system.conf"));
        QVERIFY(bytes("phone_info.conf").endsWith("[Mine]\nk=1\n"));
        QVERIFY(SimData::prepare(m_dir->path(), true, &written));
        QCOMPARE(written, QStringList("system.conf") + SimData::fileNames());
        for (const QString& name : SimData::fileNames())
            QVERIFY2(!bytes(name).isEmpty() && bytes(name) == SimData::shipped(name), qPrintable(name));
        MessageCapture capture;
        QVERIFY(!SimData::prepare(file("timezone.tab") + "/below", false));
        QCOMPARE(capture.lines(), QStringList(QString("SimData::prepare cannot create: \"%1/below\"").arg(file("timezone.tab"))));
    }

    // Pages come from plug-ins: a second copy of the page is a second page, the same one
    // twice is refused. OK on the idle screen opens the menu of them on its release; OK on one
    // runs it; back returns to the menu, then to the idle screen.
    void pagesAndTheirMenu()
    {
        PagePlugin missing;
        QVERIFY(!missing.load(file("nothing.so")) && !missing.instance() && !missing.app());
        QCOMPARE(missing.errorString(), "no plug-in at " + file("nothing.so"));
        QVERIFY(!missing.load(QString::fromUtf8(PHONE_BASE_FILE)));
        QVERIFY2(missing.errorString().contains("qt_plugin_instance"), qPrintable(missing.errorString()));
        QVERIFY(QFile::copy(m_plugin, file("libsecond.so")));
        QVERIFY2(m_host->loadPage(m_plugin) && m_host->loadPage(file("libsecond.so")), qPrintable(m_host->errorString()));
        QVERIFY(!m_host->loadPage(m_plugin) && m_host->errorString().contains("loaded already"));
        QVERIFY(m_host->pageCount() == 2 && m_host->pageWidget(0) != m_host->pageWidget(1));
        QCOMPARE(m_host->core()->app("settings_datetime"), m_host->page(1));
        QVERIFY(missing.load(m_plugin) && missing.verificationData().contains("version=4.8.4"));
        QCOMPARE(missing.instance(), static_cast<QObject*>(m_host->pageWidget(0)));

        m_host->start();
        m_host->idle()->activateWindow();  // as the window server does with the one window on top
        QVERIFY(phoneWaitFor([&] { return QApplication::focusWidget() == m_host->idle(); }));
        QSignalSpy closed(m_host, SIGNAL(pageClosed()));
        QSignalSpy ok(m_host->idle(), SIGNAL(openSettings()));
        QStringList seen;
        const auto look = [&] {
            seen << QString("menu %1 page %2%3").arg(m_host->menu()->isVisible()).arg(m_host->pageWidget(0)->isVisible())
                        .arg(m_host->pageWidget(1)->isVisible());
        };
        connect(m_host, &PhoneHost::pageFirstFrame, look);
        // Keys once the keyboard is in the window they are meant for (windows come and go
        // asynchronously); those of a page go on inside its modal loop.
        const auto keysIn = [&](QWidget* window, const QList<int>& codes) {
            QVERIFY(phoneWaitFor([&] { return QApplication::focusWidget() && QApplication::focusWidget()->window() == window; }));
            look();
            KeyDriver keys;
            for (int code : codes)
                code ? keys.key(code) : keys.release(Qt::Key_Return);  // 0: a lone release
            keys.start();
            PHONE_TRY_VERIFY(keys.finished());
        };
        keysIn(m_host->idle(), {0, Qt::Key_Return});
        keysIn(m_host->menu(), {Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape});
        keysIn(m_host->menu(), {Qt::Key_Escape});
        keysIn(m_host->idle(), {});
        QCOMPARE(seen, QStringList({"menu 0 page 00", "menu 1 page 00", "menu 1 page 01", "menu 1 page 00", "menu 0 page 00"}));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(ok.count(), 1);
        // The menu offers the pages by title, in the host's language too.
        QCOMPARE(m_host->menu()->titles(), QStringList({"Time Zone", "Time Zone"}));
        m_host->switchLanguage(Core::LangGerman);
        QCOMPARE(m_host->menu()->titles(), QStringList({"Zeitzone", "Zeitzone"}));
    }

    // The phone's keys pass, the soft and hot keys sit on letters and digits without text;
    // a held key repeats only where the phone's does; the host's own keys go no further.
    void pcKeysBecomePhoneKeys()
    {
        QVERIFY(m_host->loadPage(m_plugin));
        m_host->start();
        KeyRecorder recorder;
        m_host->idle()->installEventFilter(&recorder);
        QSignalSpy broadcasts(m_host->core(), SIGNAL(signalBroadcast(QString,QByteArray)));
        MessageCapture capture;
        for (int key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_1, Qt::Key_0, Qt::Key_F5, Qt::Key_Up})
            QTest::keyClick(m_host->idle(), Qt::Key(key));
        QTest::keyClick(m_host->idle(), Qt::Key_Z, Qt::ShiftModifier);
        QTest::keyClick(m_host->idle(), Qt::Key_Z, Qt::AltModifier);
        for (int key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Z, Qt::Key_Down}) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(m_host->idle(), &repeat);
        }
        QCOMPARE(recorder.keys.join(" "), QString("+1100000 -1100000 +1100001 -1100001 +1100002 -1100002 +1100003 -1100003 "
                                                  "+1000030 -1000030 +1000039 -1000039 +1000034 -1000034 +1000013 -1000013 "
                                                  "+1000020 +1100000 -1100000 -1000020 +1000023 +5az -5az -1000023 +1000015"));
        recorder.keys.clear();
        // Typed into a text field, the host's keys are characters; a key without text (a click
        // on the face) still acts.
        m_host->setScreenshotDir(m_dir->path());
        QLineEdit name;
        name.installEventFilter(&recorder);
        QTest::keyClicks(&name, "zl1s");
        QCOMPARE(name.text(), QString("zl1s"));
        QVERIFY(QDir(m_dir->path()).entryList({"*.png"}).isEmpty());
        QKeyEvent faceKey(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier);
        QApplication::sendEvent(&name, &faceKey);
        QCOMPARE(recorder.keys.last(), QString("+1100000"));
        recorder.keys.clear();

        QTest::keyClick(m_host->idle(), Qt::Key_L);
        QCOMPARE(m_host->core()->language(), int(Core::LangGerman));
        QTest::keyClick(m_host->idle(), Qt::Key_T);
        QVERIFY(m_host->core()->use24HourTime());
        QCOMPARE(bytes("settings.conf"), SimData::shipped("settings.conf").replace("=false\nLanguage=1", "=true\nLanguage=2"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(m_host->idle(), Qt::Key_I);
        QCOMPARE(m_host->core()->ime()->imeStatus(), 0);
        QTest::keyClick(m_host->idle(), Qt::Key_P);
        QCOMPARE(broadcasts.count(), 1);
        QCOMPARE(broadcasts.at(0).at(0).toString(), QString("closeSelectPopup()"));
        QCOMPARE(capture.linesStartingWith("SettingsDateTime::receiveMsg") + capture.linesStartingWith("IdleScreen::receiveMsg"),
                 QStringList({"SettingsDateTime::receiveMsg command: \"changedLanguage()\"",
                              "SettingsDateTime::receiveMsg command: \"changedStatus()\"",
                              "IdleScreen::receiveMsg command: \"changedLanguage()\"",
                              "IdleScreen::receiveMsg command: \"changedStatus()\""}));
        QVERIFY(recorder.keys.isEmpty());
    }
};

QTEST_MAIN(SimHostTest)
#include "tst_sim_host.moc"
