// The phonesim program as a user starts it: a headless scripted run of the traced selection
// (User mode, region Europe, its first city) with screenshots, and the command line.
#include "TestHost.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
            "ok shot page.png "              // the idle screen opens the page
            "ok down ok "                    // the mode popup: User
            "down ok "                       // row 1: the region popup, Asia checked
            "shot regions.png "
            "down*%1 ok "                    // Europe
            "shot europe.png "
            "back shot after.png").arg(downs);
        const Run r = run(QStringList() << "--headless" << "--fresh" << "--timing"
                                        << "--config-dir" << dir.path() << "--shot-dir" << dir.path()
                                        << "--keys" << script);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("phonesim: idle screen first frame "));
        QVERIFY(r.out.contains("phonesim: page first frame "));

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

    // Every mistake on the command line is named before anything runs.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << (QStringList() << "--help") << 0 << "soft keys 1 to 4";
        QTest::newRow("bad port") << (QStringList() << "--port" << "http") << 2 << "--port: bad value \"http\"";
        QTest::newRow("missing page") << (QStringList() << "--plugin" << "/nonexistent/page.so") << 1
                                      << "cannot load the page: no plug-in at /nonexistent/page.so";
        QTest::newRow("wait without time") << (QStringList() << "--keys" << "ok wait") << 2
                                           << "\"wait\" needs a time in milliseconds (word 2)";
        QTest::newRow("unknown script word") << (QStringList() << "--keys" << "ok frobnicate") << 2
                                             << "unknown word \"frobnicate\" (word 2)";
        QTest::newRow("shot without file") << (QStringList() << "--keys" << "shot") << 2
                                           << "\"shot\" needs a file name (word 1)";
        QTest::newRow("unknown font") << (QStringList() << "--font" << "No Such Face") << 2
                                      << "no font family \"No Such Face\"";
        QTest::newRow("bad clock") << (QStringList() << "--clock" << "teatime") << 2
                                   << "--clock: \"teatime\" is not \"YYYY-MM-DD HH:MM\"";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const Run r = run(QStringList() << "--headless" << "--config-dir" << dir.path() << arguments);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    }

    void headlessWithoutScriptSaysSo()
    {
        QTemporaryDir dir;
        QProcess process;
        process.start(QString::fromUtf8(PHONESIM_FILE), QStringList() << "--headless" << "--config-dir" << dir.path());
        QString out;
        while (!out.contains("headless with no script") && process.waitForReadyRead(20000))
            out += QString::fromLocal8Bit(process.readAllStandardOutput());
        process.terminate();
        QVERIFY(process.waitForFinished(10000));
        QVERIFY2(out.contains("runs unseen until Ctrl+C"), qPrintable(out));
    }
};

QTEST_MAIN(SimRunTest)
#include "tst_sim_run.moc"
