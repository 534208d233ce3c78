// The host's pictures: every path the toolkit names resolves from the built resource file at
// the size the painter declares, and the slices of a picture fit together.
#include "TestHost.h"
#include "ThemePainter.h"

#include <QPixmap>
#include <QTest>

class SimThemeTest : public QObject
{
    Q_OBJECT

    static QImage load(const QString& path)
    {
        return QPixmap(path).toImage().convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void initTestCase() { QVERIFY(TestHost::loadPictures()); }
    void cleanupTestCase() { TestHost::unloadPictures(); }

    void everyPictureLoads()
    {
        QSet<QString> paths;
        for (const ThemePainter::Picture& picture : ThemePainter::pictures()) {
            const QImage image = load(":/" + picture.path);
            QImage clear(picture.size, QImage::Format_ARGB32);
            clear.fill(Qt::transparent);
            QVERIFY2(image.size() == picture.size && image != clear, qPrintable(picture.path));
            // The paths without a slash after the colon name the same resource.
            QCOMPARE(load(":" + picture.path), image);
            paths << picture.path;
        }
        QCOMPARE(paths.size(), ThemePainter::pictures().size());
    }

    void slicesJoin_data()
    {
        QTest::addColumn<QString>("left");  // and "mid", "right" (or "center") beside it
        QTest::newRow("input box") << ":ui/images/widget/inputbox_%1.png";
        QTest::newRow("input box, not selected") << ":ui/images/widget/inputbox_%1_sel.png";
        QTest::newRow("popup") << ":ui/images/widget/popup_01_%1.png";
        QTest::newRow("hold") << ":/ui/images/call_hold_bg_%1.png";
    }

    void slicesJoin()
    {
        QFETCH(QString, left);
        const QImage l = load(left.arg("left"));
        const QImage m = load(left.arg(left.contains("hold") ? "center" : "mid"));
        const QImage r = load(left.arg("right"));
        QVERIFY(l.height() == m.height() && r.height() == m.height());
        // Where the caps meet the middle, each row carries on in the same colour.
        for (int y = 0; y < m.height(); ++y) {
            QCOMPARE(l.pixel(l.width() - 1, y), m.pixel(0, y));
            QCOMPARE(r.pixel(0, y), m.pixel(m.width() - 1, y));
        }
    }
};

QTEST_MAIN(SimThemeTest)
#include "tst_sim_theme.moc"
