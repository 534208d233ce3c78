// The host's pictures: every path the toolkit names resolves from the built resource file at
// the size the painter declares, and the slices and variants fit together.
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

    static int opaquePixels(const QImage& image)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += qAlpha(image.pixel(x, y)) > 0;
        return n;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestHost::loadPictures());
    }

    void cleanupTestCase()
    {
        TestHost::unloadPictures();
    }

    void everyPictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const ThemePainter::Picture& picture : ThemePainter::pictures())
            QTest::newRow(qPrintable(picture.path)) << picture.path << picture.size;
    }

    void everyPictureLoads()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image = load(":/" + path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
        QVERIFY(opaquePixels(image) > 0);
        // The paths without a slash after the colon name the same resource.
        QCOMPARE(load(":" + path), image);
    }

    void pathsAreUnique()
    {
        QSet<QString> seen;
        for (const ThemePainter::Picture& picture : ThemePainter::pictures()) {
            QVERIFY2(!seen.contains(picture.path), qPrintable(picture.path));
            seen.insert(picture.path);
        }
    }

    void paintingIsDeterministic()
    {
        ThemePainter painter;
        for (const ThemePainter::Picture& picture : ThemePainter::pictures())
            QVERIFY2(painter.paint(picture) == painter.paint(picture), qPrintable(picture.path));
    }

    void focusCornersFrameTheBox()
    {
        // Outer corner pixel rounded off, inner pixel open (white fill shows) unless pressed.
        const QImage lt = load(":ui/images/widget/focus_02_lefttop.png");
        const QImage ltSel = load(":ui/images/widget/focus_02_lefttop_sel.png");
        const int w = lt.width();
        const int h = lt.height();
        QVERIFY(w >= 2 && h >= 2);
        QVERIFY(qAlpha(lt.pixel(0, 0)) < 255);
        QVERIFY(qAlpha(lt.pixel(w - 1, h - 1)) < 128);
        QCOMPARE(lt.pixel(w - 1, 0), qRgb(0, 0, 0));
        QCOMPARE(ltSel.pixel(w - 1, h - 1), qRgb(0, 0, 0));
        // The lower corners end in the list's grey shadow.
        const QImage lb = load(":ui/images/widget/focus_02_lefbottom.png");
        QCOMPARE(lb.pixel(w - 1, h - 1), qRgb(187, 187, 187));
        QCOMPARE(lb.pixel(0, 0), qRgb(0, 0, 0));
        // All four corners share one size, as the list's edge arithmetic assumes.
        for (const char* corner : {"lefbottom", "righttop", "rightbottom"})
            QCOMPARE(load(QString(":ui/images/widget/focus_02_%1.png").arg(corner)).size(), lt.size());
    }

    void titleCapsLeaveRoomForTheTitle()
    {
        // The title box is the text width plus 6 and the text is cut 3 pixels before the
        // right cap, with a pixel to spare for rounding: wider caps would cut titles.
        const QImage left = load(":ui/images/title/num_bg_left.png");
        const QImage right = load(":ui/images/title/num_bg_right.png");
        QVERIFY(right.width() <= 2);
        QCOMPARE(left.height(), 20);
        QCOMPARE(right.height(), 20);
        // Black, rounded on the outer side only.
        QCOMPARE(left.pixel(left.width() - 1, 10), qRgb(0, 0, 0));
        QCOMPARE(right.pixel(0, 10), qRgb(0, 0, 0));
        QVERIFY(qAlpha(left.pixel(0, 0)) < 255);
        QVERIFY(qAlpha(right.pixel(right.width() - 1, 19)) < 255);
    }

    void slicesJoin_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("mid");
        QTest::addColumn<QString>("right");
        QTest::newRow("input box") << ":ui/images/widget/inputbox_left.png"
                                   << ":ui/images/widget/inputbox_mid.png"
                                   << ":ui/images/widget/inputbox_right.png";
        QTest::newRow("input box, not selected") << ":ui/images/widget/inputbox_left_sel.png"
                                                 << ":ui/images/widget/inputbox_mid_sel.png"
                                                 << ":ui/images/widget/inputbox_right_sel.png";
        QTest::newRow("popup") << ":ui/images/widget/popup_01_left.png"
                               << ":ui/images/widget/popup_01_mid.png"
                               << ":ui/images/widget/popup_01_right.png";
        QTest::newRow("hold") << ":/ui/images/call_hold_bg_left.png"
                              << ":/ui/images/call_hold_bg_center.png"
                              << ":/ui/images/call_hold_bg_right.png";
    }

    void slicesJoin()
    {
        QFETCH(QString, left);
        QFETCH(QString, mid);
        QFETCH(QString, right);
        const QImage l = load(left);
        const QImage m = load(mid);
        const QImage r = load(right);
        QCOMPARE(l.height(), m.height());
        QCOMPARE(r.height(), m.height());
        // Where the caps meet the middle, each row carries on in the same colour.
        for (int y = 0; y < m.height(); ++y) {
            QCOMPARE(l.pixel(l.width() - 1, y), m.pixel(0, y));
            QCOMPARE(r.pixel(0, y), m.pixel(m.width() - 1, y));
        }
    }
};

QTEST_MAIN(SimThemeTest)
#include "tst_sim_theme.moc"
