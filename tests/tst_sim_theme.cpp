// The host's pictures: every path the toolkit names resolves from the built resource file at
// the size the painter declares, and the slices and corners fit together.
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

    void cornersAndCaps()
    {
        // The focus box: corners of one size (the list's edge arithmetic assumes it), the outer
        // pixel rounded off, the inner one open unless pressed, the lower ones in the shadow.
        const QImage lt = load(":ui/images/widget/focus_02_lefttop.png");
        const int w = lt.width();
        const int h = lt.height();
        QVERIFY(qAlpha(lt.pixel(0, 0)) < 255 && qAlpha(lt.pixel(w - 1, h - 1)) < 128);
        QCOMPARE(lt.pixel(w - 1, 0), qRgb(0, 0, 0));
        QCOMPARE(load(":ui/images/widget/focus_02_lefttop_sel.png").pixel(w - 1, h - 1), qRgb(0, 0, 0));
        QCOMPARE(load(":ui/images/widget/focus_02_lefbottom.png").pixel(w - 1, h - 1), qRgb(187, 187, 187));
        for (const char* corner : {"lefbottom", "righttop", "rightbottom"})
            QCOMPARE(load(QString(":ui/images/widget/focus_02_%1.png").arg(corner)).size(), lt.size());
        // The title's caps: black, 20 high, rounded outside; the right one at most 2 wide, as
        // the title leaves 3 pixels before it.
        const QImage left = load(":ui/images/title/num_bg_left.png");
        const QImage right = load(":ui/images/title/num_bg_right.png");
        QVERIFY(right.width() <= 2 && left.height() == 20 && right.height() == 20);
        QCOMPARE(left.pixel(left.width() - 1, 10), qRgb(0, 0, 0));
        QCOMPARE(right.pixel(0, 10), qRgb(0, 0, 0));
        QVERIFY(qAlpha(left.pixel(0, 0)) < 255 && qAlpha(right.pixel(right.width() - 1, 19)) < 255);
    }
};

QTEST_MAIN(SimThemeTest)
#include "tst_sim_theme.moc"
