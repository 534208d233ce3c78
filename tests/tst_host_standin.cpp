// The host-library stand-in: configuration paths, the applied time zone, messages between
// applications, and the window server's key injection.
#include "BaseAppInterface.h"
#include "Core.h"
#include "FifoGuard.h"
#include "MessageCapture.h"
#include "TestHost.h"
#include "TestWait.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWSServer>

#include <time.h>

namespace {

class RecordingApp : public BaseAppInterface
{
public:
    explicit RecordingApp(const QString& name) : BaseAppInterface(name, 0) {}
    bool start(QWidget*, void*) override { return true; }
    bool end() override { return true; }
    void receiveMsg(const QString& command, const QByteArray& data) override
    {
        received.append(command);
        payloads.append(data);
    }
    QStringList received;
    QList<QByteArray> payloads;
};

} // namespace

class HostStandInTest : public QObject
{
    Q_OBJECT

    QByteArray m_savedTz;

private slots:
    void initTestCase() { m_savedTz = qgetenv("TZ"); }
    void cleanupTestCase()
    {
        if (m_savedTz.isEmpty())
            phoneUnsetEnv("TZ");
        else
            qputenv("TZ", m_savedTz);
    }

    void theCoreFollowsTheFirstCore()
    {
        QVERIFY(!theCore);
        {
            Core first;
            Core second;
            QCOMPARE(theCore, &first);
        }
        QVERIFY(!theCore);
    }

    void configPaths()
    {
        TestHost host;
        QCOMPARE(host.core()->sipConfigFileName("phone_info.conf"), host.path("phone_info.conf"));
        QCOMPARE(host.core()->configFileName(eConfigSettings), host.path("settings.conf"));
        QCOMPARE(host.core()->configFileName(eConfigSystem), host.path("system.conf"));
        QVERIFY(host.core()->configFileName(ConfigFileType(42)).isEmpty());
        host.core()->setConfigDir(QString());
        QVERIFY(host.core()->sipConfigFileName("phone_info.conf").isEmpty());
        // No directory: nothing is written anywhere, nothing crashes.
        host.core()->setUse24HourTime(true);
        host.core()->setTimeZoneFromConfig();
        QVERIFY(host.core()->use24HourTime());
    }

    void use24HourTimeIsHeldNotWritten()
    {
        TestHost host;
        host.writeFile("settings.conf", "; shared\n[Settings]\n24HourTime=false\n");
        QSignalSpy spy(host.core(), SIGNAL(use24HourTimeChanged(bool)));
        host.core()->setUse24HourTime(true);
        host.core()->setUse24HourTime(true);
        QCOMPARE(spy.count(), 1);
        QVERIFY(host.core()->use24HourTime());
        QCOMPARE(host.readFile("settings.conf"), QByteArray("; shared\n[Settings]\n24HourTime=false\n"));
    }

    void appliedZone_data()
    {
        QTest::addColumn<QVariant>("userSet");
        QTest::addColumn<QString>("userZone");
        QTest::addColumn<QString>("zoneInfo");
        QTest::addColumn<QString>("expected");
        QTest::newRow("user mode") << QVariant(1) << "Europe/Paris" << "Asia/Tokyo" << "Europe/Paris";
        QTest::newRow("default mode") << QVariant(0) << "Europe/Paris" << "Asia/Tokyo" << "Asia/Tokyo";
        QTest::newRow("user mode, no user zone") << QVariant(1) << "" << "America/New_York" << "America/New_York";
        QTest::newRow("no mode key") << QVariant() << "Europe/Paris" << "Asia/Seoul" << "Asia/Seoul";
    }

    void appliedZone()
    {
        QFETCH(QVariant, userSet);
        QFETCH(QString, userZone);
        QFETCH(QString, zoneInfo);
        QFETCH(QString, expected);
        TestHost host;
        if (userSet.isValid())
            host.setValue("phone_info.conf", "NTP_Serv/User_Set", userSet);
        host.setValue("phone_info.conf", "NTP_Serv/User_TimeZone", userZone);
        host.setValue("phone_info.conf", "NTP_Serv/ZoneInfo", zoneInfo);
        QSignalSpy spy(host.core(), SIGNAL(timeZoneApplied(QString)));
        host.core()->setTimeZoneFromConfig();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), expected);
        QCOMPARE(QString::fromLocal8Bit(qgetenv("TZ")), expected);
        // The process's clock follows the zone.
        const time_t now = time(0);
        struct tm local;
        localtime_r(&now, &local);
        QVERIFY2(!expected.startsWith("Asia/") || local.tm_gmtoff == 9 * 3600, qPrintable(expected));
        const QDateTime qtLocal = QDateTime::currentDateTime();
        QDateTime asUtc = qtLocal.toUTC();
        asUtc.setTimeSpec(Qt::LocalTime);
        QCOMPARE(int(asUtc.secsTo(qtLocal)), int(local.tm_gmtoff));
    }

    void nothingAppliedFromBadFilesOrNames_data()
    {
        QTest::addColumn<QByteArray>("zone");     // stored as User_TimeZone in the User mode
        QTest::addColumn<QString>("special");     // what stands at the path instead of a file
        QTest::addColumn<QString>("diagnostic");  // %1: the file's path
        QTest::newRow("no file") << QByteArray() << "" << "";
        QTest::newRow("garbage") << QByteArray("\x01\x02garbage[[[\n=\n") << "" << "";
        QTest::newRow("FIFO") << QByteArray() << "fifo" << "Core::setTimeZoneFromConfig unreadable: \"%1\"";
        QTest::newRow("device") << QByteArray() << "/dev/zero" << "Core::setTimeZoneFromConfig unreadable: \"%1\"";
        const char* const refused[] = {"../../../tmp/zone", "/etc/localtime", ":Europe/Paris", "Europe/../Asia",
                                       "Europe//Paris", "Europe/Paris/", "Europe/Par\x01is", "Europe/Pa\\tris",
                                       "-Europe", "Europe/ Paris"};
        for (const char* zone : refused)
            QTest::newRow(zone) << QByteArray("[NTP_Serv]\nUser_Set=1\nUser_TimeZone=") + zone + "\n" << ""
                                << QString("Core::setTimeZoneFromConfig refused zone: \"%1\"")
                                       .arg(QString::fromLatin1(zone).replace("\x01", "\\u0001"));
    }

    void nothingAppliedFromBadFilesOrNames()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, special);
        QFETCH(QString, diagnostic);
        TestHost host;
        const QString path = host.path("phone_info.conf");
        QScopedPointer<FifoGuard> fifo(special == "fifo" ? new FifoGuard(path) : 0);
        if (special.startsWith('/'))
            QVERIFY(QFile::link(special, path));
        else if (!zone.isNull())
            host.writeFile("phone_info.conf", zone);
        qputenv("TZ", "Asia/Seoul");
        QSignalSpy spy(host.core(), SIGNAL(timeZoneApplied(QString)));
        MessageCapture capture;
        host.core()->setTimeZoneFromConfig();
        QCOMPARE(capture.lines(), diagnostic.isEmpty() ? QStringList()
                                  : QStringList(diagnostic.contains("%1") ? diagnostic.arg(path) : diagnostic));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(qgetenv("TZ"), QByteArray("Asia/Seoul"));
        QVERIFY(!fifo || !fifo->opened());
    }

    void messagesReachTheNamedApplication()
    {
        TestHost host;
        QSignalSpy spy(host.core(), SIGNAL(appMsgSent(QString,QString,QByteArray)));
        {
            RecordingApp idle("idle");
            QCOMPARE(host.core()->app("idle"), static_cast<BaseAppInterface*>(&idle));
            host.core()->sendAppMsg("idle", "changedTimezone()", QByteArray());
            host.core()->sendAppMsg("other", "changedTimezone()", "x");
            QCOMPARE(idle.received, QStringList({"changedTimezone()"}));
            QCOMPARE(idle.payloads.at(0), QByteArray());
        }
        QVERIFY(!host.core()->app("idle"));
        host.core()->sendAppMsg("idle", "changedTimezone()", QByteArray());  // gone: only the signal
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(1).at(0).toString(), QString("other"));
    }

    void laterRegistrationWinsAndEarlierLeavingKeepsIt()
    {
        TestHost host;
        RecordingApp* first = new RecordingApp("idle");
        RecordingApp second("idle");
        delete first;  // must not unregister the second one
        host.core()->sendAppMsg("idle", "x()", QByteArray());
        QCOMPARE(second.received, QStringList({"x()"}));
    }

    void languageNumbers()
    {
        QCOMPARE(Core::languageCode(Core::LangKorean), QString("kr"));
        QCOMPARE(Core::languageCode(Core::LangEnglish), QString(""));
        QCOMPARE(Core::languageCode(Core::LangTurkish), QString("tr_TR"));
        QVERIFY(Core::languageCode(99).isNull());
        TestHost host;
        host.core()->setLanguage(Core::LangGerman);
        host.core()->setLanguage(99);  // refused
        QCOMPARE(host.core()->language(), int(Core::LangGerman));
        RecordingApp app("no_such_page");
        app.reloadLanguage();  // no file for it: nothing installed, no crash
        host.core()->setLanguage(Core::LangEnglish);
    }

    void injectedBackspaceReachesTheFocusedEditor()
    {
        QWidget window;
        QLineEdit* edit = new QLineEdit("abc", &window);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QVERIFY(phoneWaitForActive(&window));
        PHONE_TRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));
        edit->setCursorPosition(3);
        QSignalSpy edited(edit, SIGNAL(textEdited(QString)));
        QWSServer::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, true, false);
        QWSServer::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, false, false);
        QCOMPARE(edit->text(), QString("abc"));  // queued, not delivered at once
        PHONE_TRY_COMPARE(edit->text(), QString("ab"));
        QCOMPARE(edited.count(), 1);
    }
};

QTEST_MAIN(HostStandInTest)
#include "tst_host_standin.moc"
