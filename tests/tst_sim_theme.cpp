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

    // Average grey level of the clearly visible pixels: tells black ink from white ink.
    static int inkLevel(const QImage& image)
    {
        qint64 sum = 0;
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (qAlpha(c) > 200) {
                    sum += qGray(c);
                    ++n;
                }
            }
        return n ? int(sum / n) : -1;
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

    void popupFrameIsWhiteInside()
    {
        const QImage m = load(":ui/images/widget/popup_01_mid.png");
        QCOMPARE(m.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(m.pixel(0, m.height() - 1), qRgb(0, 0, 0));
        QCOMPARE(m.pixel(0, m.height() / 2), qRgb(255, 255, 255));
    }

    void selectedInputBoxIsTheStrongerFrame()
    {
        // The "_sel" slices are the look of a field that is not selected: a lighter frame.
        const QImage selected = load(":ui/images/widget/inputbox_mid.png");
        const QImage other = load(":ui/images/widget/inputbox_mid_sel.png");
        QCOMPARE(selected.pixel(0, 1), qRgb(0, 0, 0));
        QVERIFY(qGray(other.pixel(0, 1)) > 0);
    }

    void pressedVariantsUseWhiteInk_data()
    {
        QTest::addColumn<QString>("normal");
        QTest::addColumn<QString>("pressed");
        for (const char* key : {"ok", "delete", "cancel", "nextpage", "afterpage", "prevpage"})
            QTest::newRow(key) << QString(":/ui/images/widget/softkey_%1.png").arg(key)
                               << QString(":/ui/images/widget/softkey_%1_sel.png").arg(key);
        QTest::newRow("arrow") << ":/ui/images/widget/list_focus.png" << ":/ui/images/widget/list_focus_sel.png";
        QTest::newRow("call") << ":/call/images/call/icon_call_incoming_nor.png"
                              << ":/call/images/call/icon_call_incoming_press.png";
        QTest::newRow("held call") << ":/ui/images/call/holdcall.png" << ":/ui/images/call/holdcall_sel.png";
    }

    void pressedVariantsUseWhiteInk()
    {
        QFETCH(QString, normal);
        QFETCH(QString, pressed);
        QVERIFY(inkLevel(load(normal)) <= 85);
        QCOMPARE(inkLevel(load(pressed)), 255);
    }

    void wifiLevelsFillUp()
    {
        // Each level shows more black than the one below it.
        int previous = -1;
        for (int level = 0; level <= 4; ++level) {
            const QImage icon = load(QString(":/ui/images/title/status_wifi_%1.png").arg(level));
            int black = 0;
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x)
                    black += icon.pixel(x, y) == qRgb(0, 0, 0);
            QVERIFY2(black > previous, qPrintable(QString::number(level)));
            previous = black;
        }
    }
};

QTEST_MAIN(SimThemeTest)
#include "tst_sim_theme.moc"
