// The phonesim program as a user runs it: "make pictures" renders the committed pictures again
// (the gallery, then the screenshot script's traced selection on the stopped clock), the
// choice is in the phone's file, and every mistake on the command line is named before anything
// runs.
#include "PhoneFace.h"
#include "SimData.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SimRunTest : public QObject
{
    Q_OBJECT

    // Exit code (-1: crashed or still running at the limit), with what it wrote.
    static int run(const QString& program, const QStringList& arguments, QString* output = 0)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        const bool done = process.waitForFinished(60000);
        if (!done)
            process.kill();
        process.waitForFinished();
        if (output)
            *output = QString::fromLocal8Bit(process.readAll());
        return done && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void committedPicturesMatchAFreshRendering()
    {
        QTemporaryDir dir;
        const QString source = QString::fromUtf8(PHONE_SOURCE_DIR);
        QCOMPARE(run(PHONEGALLERY_FILE, {PHONE_THEME_RCC, dir.filePath("gallery")}), 0);
        QCOMPARE(run(PHONESIM_FILE, {"--headless", "--fresh", "--config-dir", dir.filePath("phone"), "--clock", PHONE_PICTURES_CLOCK,
                                     "--shot-dir", dir.path(), "--script", source + "/docs/screenshots.keys"}), 0);
        QStringList differ;
        int compared = 0;
        for (const QString sub : {"docs", "docs/gallery"}) {
            const QDir committed(source + "/" + sub);
            const QDir fresh(sub == "docs" ? dir.path() : dir.filePath("gallery"));
            for (const QString& name : committed.entryList({"*.png"}, QDir::Files)) {
                ++compared;
                if (QImage(committed.filePath(name)).convertToFormat(QImage::Format_RGB32)
                    != QImage(fresh.filePath(name)).convertToFormat(QImage::Format_RGB32))
                    differ << sub + "/" + name;
            }
        }
        QVERIFY(compared >= 25);
        QVERIFY2(differ.isEmpty(), qPrintable("differ from a fresh rendering (make pictures): " + differ.join(", ")));
        // Paris, stored in the phone's file, every other byte as shipped.
        QFile info(dir.filePath("phone/phone_info.conf"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QCOMPARE(info.readAll(), SimData::shipped("phone_info.conf").replace("User_Set=0\n", "User_Set=1\nUser_TimeZone=Europe/Paris\n"));
    }

    // Each line in the order things happened; the face at the zoom asked for.
    void headlessRunSaysWhatItDid()
    {
        for (const int zoom : {1, 4}) {
            QTemporaryDir dir;
            const QString face = dir.filePath("face.png");
            QString output;
            QCOMPARE(run(PHONESIM_FILE, {"--headless", "--fresh", "--config-dir", dir.filePath("phone"), "--zoom",
                                         QString::number(zoom), "--keys", "face " + face + " closepopups"}, &output), 0);
            QCOMPARE(output.split('\n').mid(0, 3),
                     QStringList({"phonesim: wrote timezone.tab, phone_info.conf, settings.conf, system.conf to "
                                      + dir.filePath("phone"),
                                  "phonesim: screenshot " + face, "phonesim: closeSelectPopup() sent to the pages"}));
            QCOMPARE(QImage(face).size(), PhoneFace(zoom).size());
        }
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("help") << QStringList("--help") << 0 << "soft keys 1 to 4";
        QTest::newRow("bad port") << QStringList({"--port", "http"}) << 2 << "--port: bad value \"http\"";
        QTest::newRow("missing page") << QStringList({"--plugin", "/nonexistent/page.so"}) << 1
                                      << "cannot load the page: no plug-in at /nonexistent/page.so";
        QTest::newRow("bad script") << QStringList({"--keys", "ok wait"}) << 2 << "\"wait\" needs a time in milliseconds (word 2)";
        QTest::newRow("unknown script word") << QStringList({"--keys", "ok f11"}) << 2 << "unknown word \"f11\" (word 2)";
        QTest::newRow("unknown font") << QStringList({"--font", "No Such Face"}) << 2 << "no font family \"No Such Face\"";
        QTest::newRow("bad clock") << QStringList({"--clock", "teatime"}) << 2 << "--clock: \"teatime\" is not \"YYYY-MM-DD HH:MM\"";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QString output;
        QCOMPARE(run(PHONESIM_FILE, QStringList({"--headless", "--config-dir", dir.path()}) + arguments, &output), exitCode);
        QVERIFY2(output.contains(says), qPrintable(output));
    }

    void headlessWithoutScriptSaysSo()
    {
        QTemporaryDir dir;
        QProcess process;
        process.start(PHONESIM_FILE, {"--headless", "--config-dir", dir.path()});
        QString out;
        while (!out.contains("runs unseen until Ctrl+C") && process.waitForReadyRead(20000))
            out += QString::fromLocal8Bit(process.readAllStandardOutput());
        process.terminate();
        QVERIFY(process.waitForFinished(10000));
        QVERIFY2(out.contains("headless with no script: the phone runs unseen until Ctrl+C"), qPrintable(out));
    }
};

QTEST_MAIN(SimRunTest)
#include "tst_sim_run.moc"
