// The phonesim program as a user starts it: a headless scripted run of the traced selection
// (User mode, region Europe, its first city) with screenshots, the command line, and the VNC
// server kept on the loopback interface.
#include "TestHost.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#ifndef PHONESIM_FILE
#define PHONESIM_FILE ""
#endif

class SimRunTest : public QObject
{
    Q_OBJECT

    struct Run {
        int exitCode;
        QString out;
        QString err;
    };

    static Run run(const QStringList& arguments, int timeoutMs = 20000)
    {
        QProcess process;
        process.start(QString::fromUtf8(PHONESIM_FILE), arguments);
        Run result;
        result.exitCode = -1;
        if (!process.waitForFinished(timeoutMs)) {
            process.kill();
            process.waitForFinished();
        } else if (process.exitStatus() == QProcess::NormalExit) {
            result.exitCode = process.exitCode();
        }
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }

    // Regions and the cities of one region, sorted as the page sorts them, from the table.
    static QStringList zones()
    {
        QFile file(QString::fromUtf8(PHONE_IANA_TABLE));
        if (!file.open(QIODevice::ReadOnly))
            return QStringList();
        QStringList list;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            QStringList fields;
            for (const QString& f : line.split("  "))
                if (!f.trimmed().isEmpty())
                    fields << f.trimmed();
            if (fields.size() >= 3)
                list << fields.at(2);
        }
        return list;
    }

    static QStringList regions()
    {
        QStringList list;
        for (const QString& zone : zones())
            if (!list.contains(zone.section('/', 0, 0)))
                list << zone.section('/', 0, 0);
        std::sort(list.begin(), list.end());
        return list;
    }

    static QString firstCity(const QString& region)
    {
        QStringList cities;
        for (const QString& zone : zones())
            if (zone.section('/', 0, 0) == region)
                cities << zone.section('/', 1);
        std::sort(cities.begin(), cities.end());
        return cities.value(0);
    }

    // Distinct colours in the image: a blank or failed screenshot has one or two.
    static int colours(const QImage& image)
    {
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(image.pixel(x, y));
        return seen.size();
    }

    // Listening sockets on the port, as "address" strings of /proc/net/tcp{,6}.
    static QStringList listeners(int port)
    {
        QStringList found;
        for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
            QFile file(QString::fromLatin1(table));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QList<QByteArray> lines = file.readAll().split('\n');
            for (int i = 1; i < lines.size(); ++i) {
                const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
                if (fields.size() < 4 || fields.at(3) != "0A")
                    continue;
                const QList<QByteArray> local = fields.at(1).split(':');
                if (local.size() == 2 && local.at(1).toInt(0, 16) == port)
                    found << QString::fromLatin1(local.at(0));
            }
        }
        return found;
    }

    static int freePort()
    {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address;
        memset(&address, 0, sizeof address);
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        int port = 0;
        if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
            && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port = ntohs(address.sin_port);
        close(fd);
        return port;
    }

private slots:
    void tracedSelectionFromAScript()
    {
        QTemporaryDir dir;
        const QStringList list = regions();
        const int downs = list.indexOf("Europe") - list.indexOf("Asia");
        QVERIFY(downs > 0);
        const QString city = firstCity("Europe");
        QVERIFY(!city.isEmpty());

        const QString script = QString(
            "shot idle.png "
            "ok wait 100 shot page.png "     // the idle screen opens the page
            "ok down ok "                    // the mode popup: User
            "wait 100 down ok "              // row 1: the region popup, Asia checked
            "wait 100 shot regions.png "
            "down*%1 ok "                    // Europe
            "wait 100 shot europe.png "
            "back wait 100 shot after.png").arg(downs);
        const Run r = run(QStringList() << "--headless" << "--fresh" << "--quiet"
                                        << "--config-dir" << dir.path() << "--shot-dir" << dir.path()
                                        << "--key-delay" << "60" << "--keys" << script);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));

        QSettings info(dir.filePath("phone_info.conf"), QSettings::IniFormat);
        QCOMPARE(info.value("NTP_Serv/User_Set").toInt(), 1);
        QCOMPARE(info.value("NTP_Serv/User_TimeZone").toString(), "Europe/" + city);
        QCOMPARE(info.value("NTP_Serv/ZoneInfo").toString(), QString("Asia/Seoul"));

        QStringList shots;
        for (const char* name : {"idle.png", "page.png", "regions.png", "europe.png", "after.png"}) {
            const QImage shot(dir.filePath(QString::fromLatin1(name)));
            QVERIFY2(!shot.isNull(), name);
            QCOMPARE(shot.size(), QSize(384, 160));
            QVERIFY2(colours(shot) > 8, name);
            QVERIFY(r.out.contains(dir.filePath(QString::fromLatin1(name))));
        }
        // Each step shows something else: page over idle, popup over page, the new rows.
        const QImage idle(dir.filePath("idle.png"));
        const QImage page(dir.filePath("page.png"));
        const QImage regionsShot(dir.filePath("regions.png"));
        const QImage europe(dir.filePath("europe.png"));
        QVERIFY(idle != page);
        QVERIFY(page != regionsShot);
        QVERIFY(regionsShot != europe);
        // The popup takes the right part of the screen only; the status bar's title stays.
        QVERIFY(page.copy(0, 0, 180, 26) == regionsShot.copy(0, 0, 180, 26));
        QVERIFY(page.copy(200, 30, 180, 100) != regionsShot.copy(200, 30, 180, 100));
    }

    void badScriptIsRefusedBeforeAnythingRuns()
    {
        QTemporaryDir dir;
        const Run r = run(QStringList() << "--headless" << "--quiet" << "--config-dir" << dir.path()
                                        << "--keys" << "ok frobnicate");
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("unknown word \"frobnicate\""), qPrintable(r.err));
    }

    void commandLine()
    {
        const Run help = run(QStringList() << "--help");
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--headless"));
        QVERIFY(help.out.contains("soft key 1"));

        const Run bad = run(QStringList() << "--port" << "http");
        QCOMPARE(bad.exitCode, 2);
        QVERIFY(bad.err.contains("--port"));

        QTemporaryDir dir;
        const Run noPage = run(QStringList() << "--headless" << "--config-dir" << dir.path()
                                             << "--plugin" << dir.filePath("missing.so"));
        QCOMPARE(noPage.exitCode, 1);
        QVERIFY(noPage.err.contains("cannot load the page"));
    }

    void vncServerListensOnLoopbackOnly()
    {
        const int port = freePort();
        QVERIFY(port > 0);
        QTemporaryDir dir;
        QProcess process;
        process.start(QString::fromUtf8(PHONESIM_FILE),
                      QStringList() << "--vnc" << "--port" << QString::number(port) << "--quiet"
                                    << "--config-dir" << dir.path());
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!listeners(port).isEmpty(), 10000);
        const QStringList addresses = listeners(port);
        // 127.0.0.1 in the IPv4 table, or IPv4-mapped 127.0.0.1 / ::1 in the IPv6 one.
        for (const QString& address : addresses)
            QVERIFY2(address == "0100007F" || address == "0000000000000000FFFF00000100007F"
                         || address == "00000000000000000000000001000000",
                     qPrintable(address));

        // A viewer on the loopback address meets the VNC greeting.
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address;
        memset(&address, 0, sizeof address);
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        QCOMPARE(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        char greeting[12] = {0};
        QCOMPARE(int(recv(fd, greeting, sizeof greeting, MSG_WAITALL)), 12);
        QCOMPARE(QByteArray(greeting, 4), QByteArray("RFB "));
        close(fd);

        process.terminate();
        QVERIFY(process.waitForFinished(10000));
        QVERIFY(QString::fromLocal8Bit(process.readAllStandardOutput()).contains(
            QString("127.0.0.1:%1 (loopback only").arg(port)));
    }
};

QTEST_MAIN(SimRunTest)
#include "tst_sim_run.moc"
