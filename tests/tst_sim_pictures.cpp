// The pictures in docs/ and docs/gallery are what "make pictures" renders today: a fresh
// rendering of every one (the gallery, then the screenshot script on the stopped clock)
// matches the committed file pixel for pixel.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifndef PHONESIM_FILE
#define PHONESIM_FILE ""
#endif
#ifndef PHONEGALLERY_FILE
#define PHONEGALLERY_FILE ""
#endif
#ifndef PHONE_PICTURES_CLOCK
#define PHONE_PICTURES_CLOCK ""
#endif

class SimPicturesTest : public QObject
{
    Q_OBJECT

    static bool run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, arguments);
        const bool done = process.waitForFinished(60000);
        if (!done)
            process.kill();
        process.waitForFinished();
        return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    static int differentPixels(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size())
            return -1;
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }

private slots:
    void committedPicturesMatchAFreshRendering()
    {
        QTemporaryDir dir;
        const QString source = QString::fromUtf8(PHONE_SOURCE_DIR);
        QVERIFY(run(QString::fromUtf8(PHONEGALLERY_FILE), QStringList() << QString::fromUtf8(PHONE_THEME_RCC)
                                                                         << dir.filePath("gallery")));
        QVERIFY(run(QString::fromUtf8(PHONESIM_FILE),
                    QStringList() << "--headless" << "--fresh" << "--config-dir" << dir.filePath("phone")
                                  << "--clock" << QString::fromUtf8(PHONE_PICTURES_CLOCK)
                                  << "--shot-dir" << dir.path() << "--script" << source + "/docs/screenshots.keys"));

        QStringList differ;
        int compared = 0;
        for (const char* sub : {"docs", "docs/gallery"}) {
            const QDir committed(source + "/" + sub);
            const QDir fresh(QString(sub) == "docs" ? dir.path() : dir.filePath("gallery"));
            for (const QString& name : committed.entryList(QStringList() << "*.png", QDir::Files)) {
                const int n = differentPixels(QImage(committed.filePath(name)).convertToFormat(QImage::Format_RGB32),
                                              QImage(fresh.filePath(name)).convertToFormat(QImage::Format_RGB32));
                ++compared;
                if (n != 0)
                    differ << QString("%1/%2 (%3)").arg(sub, name, n < 0 ? QString("size or missing") : QString::number(n));
            }
        }
        QVERIFY(compared >= 25);
        QVERIFY2(differ.isEmpty(), qPrintable("differ from a fresh rendering (make pictures): " + differ.join(", ")));
    }
};

QTEST_MAIN(SimPicturesTest)
#include "tst_sim_pictures.moc"
