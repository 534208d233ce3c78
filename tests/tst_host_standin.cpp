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
        received << command + (data.isEmpty() ? "" : " " + QString::fromLatin1(data));
    }
    QStringList received;
};

} // namespace

class HostStandInTest : public QObject
{
    Q_OBJECT

private slots:
    void configPathsAndClockFormat()
    {
        QVERIFY(!theCore);
        TestHost host;
        {
            Core second;
            QCOMPARE(theCore, host.core());  // the first one stays the host
        }
        QCOMPARE(host.core()->sipConfigFileName("phone_info.conf"), host.path("phone_info.conf"));
        QCOMPARE(host.core()->configFileName(eConfigSettings), host.path("settings.conf"));
        QCOMPARE(host.core()->configFileName(eConfigSystem), host.path("system.conf"));
        QVERIFY(host.core()->configFileName(ConfigFileType(42)).isEmpty());

        // The clock format is held, not written: a rewrite would reformat a shared file.
        host.writeFile("settings.conf", "; shared\n[Settings]\n24HourTime=false\n");
        QSignalSpy changed(host.core(), SIGNAL(use24HourTimeChanged(bool)));
        host.core()->setUse24HourTime(true);
        host.core()->setUse24HourTime(true);
        QCOMPARE(changed.count(), 1);
        QVERIFY(host.core()->use24HourTime());
        QCOMPARE(host.readFile("settings.conf"), QByteArray("; shared\n[Settings]\n24HourTime=false\n"));

        host.core()->setConfigDir(QString());
        QVERIFY(host.core()->sipConfigFileName("phone_info.conf").isEmpty());
        host.core()->setTimeZoneFromConfig();  // nothing to read, nothing applied
        QVERIFY(host.core()->appliedTimeZone().isEmpty());
    }

    // The zone stored for the mode is applied to the whole process; a file that is not a
    // regular one or a name that is not a zone's applies nothing, with one line.
    void appliedZone_data()
    {
        QTest::addColumn<QByteArray>("conf");      // "fifo" or a device: what stands at the path
        QTest::addColumn<QString>("applied");      // empty: the process keeps its zone
        QTest::addColumn<QString>("diagnostic");   // %1: the file's path
        const QByteArray g("[NTP_Serv]\nUser_TimeZone=Europe/Paris\nZoneInfo=Asia/Tokyo\n");
        QTest::newRow("user mode") << g + "User_Set=1\n" << "Europe/Paris" << "";
        QTest::newRow("default mode") << g + "User_Set=0\n" << "Asia/Tokyo" << "";
        QTest::newRow("no mode key") << g << "Asia/Tokyo" << "";
        QTest::newRow("user mode, no user zone") << QByteArray("[NTP_Serv]\nUser_Set=1\nZoneInfo=America/New_York\n")
                                                 << "America/New_York" << "";
        QTest::newRow("no file") << QByteArray() << "" << "";
        QTest::newRow("garbage") << QByteArray("\x01\x02garbage[[[\n=\n") << "" << "";
        QTest::newRow("FIFO") << QByteArray("fifo") << "" << "Core::setTimeZoneFromConfig unreadable: \"%1\"";
        QTest::newRow("device") << QByteArray("/dev/zero") << "" << "Core::setTimeZoneFromConfig unreadable: \"%1\"";
        for (const char* zone : {"../../../tmp/zone", "/etc/localtime", ":Europe/Paris", "Europe/../Asia", "Europe//Paris",
                                 "Europe/Paris/", "Europe/Par\x01is", "Europe/Pa\\tris", "-Europe", "Europe/ Paris", "9Asia/X"})
            QTest::newRow(zone) << QByteArray("[NTP_Serv]\nUser_Set=1\nUser_TimeZone=") + zone + "\n" << ""
                                << QString("Core::setTimeZoneFromConfig refused zone: \"%1\"")
                                       .arg(QString::fromLatin1(zone).replace("\x01", "\\u0001"));
        QTest::newRow("letters, digits, _ - +") << QByteArray("[NTP_Serv]\nUser_Set=1\nUser_TimeZone=Etc/GMT-1x_y+z\n")
                                                << "Etc/GMT-1x_y+z" << "";
    }

    void appliedZone()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QString, applied);
        QFETCH(QString, diagnostic);
        TestHost host;
        const QString path = host.path("phone_info.conf");
        QScopedPointer<FifoGuard> fifo(conf == "fifo" ? new FifoGuard(path) : 0);
        if (conf.startsWith("/dev"))
            QVERIFY(QFile::link(conf, path));
        else if (!conf.isNull() && !fifo)
            host.writeFile("phone_info.conf", conf);
        qputenv("TZ", "Asia/Seoul");
        tzset();
        QSignalSpy spy(host.core(), SIGNAL(timeZoneApplied(QString)));
        MessageCapture capture;
        host.core()->setTimeZoneFromConfig();
        QCOMPARE(capture.lines(), diagnostic.isEmpty() ? QStringList() : QStringList(diagnostic.replace("%1", path)));
        QCOMPARE(spy.count(), applied.isEmpty() ? 0 : 1);
        QCOMPARE(host.core()->appliedTimeZone(), applied);
        QCOMPARE(QString::fromLocal8Bit(qgetenv("TZ")), applied.isEmpty() ? QString("Asia/Seoul") : applied);
        QVERIFY(!fifo || !fifo->opened());
        // The process's clocks follow the zone.
        if (applied == "Europe/Paris") {
            const QDateTime utc(QDate(2026, 12, 6), QTime(1, 18), Qt::UTC);
            QCOMPARE(utc.toLocalTime().time(), QTime(2, 18));
        }
    }

    void messagesReachTheNamedApplication()
    {
        TestHost host;
        QSignalSpy sent(host.core(), SIGNAL(appMsgSent(QString,QString,QByteArray)));
        RecordingApp* gone = new RecordingApp("idle");
        RecordingApp idle("idle");  // a later one wins the name
        delete gone;                // and keeps it when the earlier one goes
        RecordingApp other("other");
        host.core()->sendAppMsg("idle", "changedTimezone()", QByteArray());
        host.core()->sendAppMsg("other", "x()", "data");
        host.core()->sendAppMsg("nobody", "y()", QByteArray());
        QCOMPARE(idle.received, QStringList("changedTimezone()"));
        QCOMPARE(other.received, QStringList("x() data"));
        QCOMPARE(sent.count(), 3);
        QCOMPARE(sent.at(2).at(0).toString(), QString("nobody"));
        QCOMPARE(host.core()->app("idle"), static_cast<BaseAppInterface*>(&idle));
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
        QSignalSpy edited(edit, SIGNAL(textEdited(QString)));
        QWSServer::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, true, false);
        QWSServer::sendKeyEvent(-1, Qt::Key_Backspace, Qt::NoModifier, false, false);
        QCOMPARE(edit->text(), QString("abc"));  // queued, as a window server's keys are
        PHONE_TRY_COMPARE(edit->text(), QString("ab"));
        QCOMPARE(edited.count(), 1);
    }
};

QTEST_MAIN(HostStandInTest)
#include "tst_host_standin.moc"
