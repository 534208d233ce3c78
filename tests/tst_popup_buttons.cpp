// Image and text buttons: symbol pictures, the black band, picture mode, keys and mouse.
#include "ImageButton.h"
#include "TestHost.h"
#include "TextButton.h"
#include "WidgetImage.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kClear(Qt::transparent);
const QString kDown = QString(QChar(0x2228));

// Records the keys its children leave to it.
class KeySink : public QWidget
{
public:
    QList<int> pressed;
    QList<int> released;

protected:
    void keyPressEvent(QKeyEvent* e) { pressed << e->key(); }
    void keyReleaseEvent(QKeyEvent* e) { released << e->key(); }
};

// True when the image shows the picture at rect, drawn over the given background.
bool showsPicture(const QImage& image, const QRect& rect, const QPixmap& picture,
                  const QColor& background)
{
    QImage expected(rect.size(), QImage::Format_ARGB32);
    expected.fill(background);
    QPainter p(&expected);
    p.drawPixmap(0, 0, picture);
    p.end();
    return image.copy(rect) == expected;
}

QPixmap solid(const QSize& size, const QColor& color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

} // namespace

class PopupButtonsTest : public QObject
{
    Q_OBJECT

    // The popup's button size: 87 x 25, no gaps.
    static void popupSized(ImageButton& b)
    {
        b.resize(87, 25);
        b.setLeftGap(0);
        b.setRightGap(0);
    }

private slots:
    void cleanup()
    {
        TestHost::unloadPictures();
    }

    void symbolPicture_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("down arrow") << kDown << "softkey_ok";
        QTest::newRow("arrow erase") << "<-" << "softkey_delete";
        QTest::newRow("Erase") << "Erase" << "softkey_delete";
        QTest::newRow("Erase and blank") << "Erase " << "softkey_delete";
        QTest::newRow("upper case") << " ERASE" << "softkey_delete";
        QTest::newRow("X") << "X" << "softkey_cancel";
        QTest::newRow(">>") << ">>" << "softkey_nextpage";
        QTest::newRow(">") << ">" << "softkey_afterpage";
        QTest::newRow("<") << "<" << "softkey_prevpage";
        QTest::newRow("padded X is text") << " X" << "";
        QTest::newRow("lower x is text") << "x" << "";
        QTest::newRow("Cancel is text") << "Cancel" << "";
        QTest::newRow("empty") << "" << "";
    }

    void symbolPicture()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        if (name.isEmpty()) {
            QVERIFY(ImageButton::symbolPicture(text, false).isEmpty());
            QVERIFY(ImageButton::symbolPicture(text, true).isEmpty());
            return;
        }
        QCOMPARE(ImageButton::symbolPicture(text, false), ":/ui/images/widget/" + name + ".png");
        QCOMPARE(ImageButton::symbolPicture(text, true), ":/ui/images/widget/" + name + "_sel.png");
    }

    void symbolNormalDrawsBandAndCentredPicture()
    {
        QVERIFY(TestHost::loadPictures());
        const QPixmap okPicture(":/ui/images/widget/softkey_ok.png");
        const QSize pic = okPicture.size();
        QVERIFY(!pic.isEmpty());
        ImageButton b;
        popupSized(b);
        b.setText(kDown);
        const QImage img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 87, 3), kBlack));
        // Label area 87 x 22 from y 3: the picture is centred in it.
        const QRect expected(QPoint((87 - pic.width()) / 2, 3 + (22 - pic.height()) / 2), pic);
        QVERIFY(expected.contains(WidgetImage::boundsNot(img, QRect(0, 3, 87, 22), kWhite)));
        QVERIFY(showsPicture(img, expected, okPicture, kWhite));
    }

    void symbolHoverFillsBlackWithSelPicture()
    {
        QVERIFY(TestHost::loadPictures());
        const QPixmap deletePicture(":/ui/images/widget/softkey_delete_sel.png");
        const QSize pic = deletePicture.size();
        QVERIFY(!pic.isEmpty());
        ImageButton b;
        popupSized(b);
        b.setText("Erase ");
        b.setHover(true);
        const QImage img = WidgetImage::render(&b);
        const QRect expected(QPoint((87 - pic.width()) / 2, 3 + (22 - pic.height()) / 2), pic);
        QVERIFY(expected.contains(WidgetImage::boundsNot(img, img.rect(), kBlack)));
        QVERIFY(showsPicture(img, expected, deletePicture, kBlack));
    }

    void symbolWithoutPicturesShowsItsText()
    {
        ImageButton b;
        popupSized(b);
        b.setText("X");
        QImage img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 87, 3), kBlack));
        QVERIFY(WidgetImage::count(img, QRect(0, 3, 87, 22), kBlack) > 0);
        b.setHover(true);
        img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::count(img, QRect(0, 3, 87, 22), kWhite) > 0);
    }

    void textNormalAndHover()
    {
        ImageButton b;
        b.resize(87, 25);
        b.setText("Cancel");
        QImage img = WidgetImage::render(&b);
        // Default gaps of 3 stay untouched.
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 3, 25), kClear));
        QVERIFY(WidgetImage::allColor(img, QRect(84, 0, 3, 25), kClear));
        QVERIFY(WidgetImage::allColor(img, QRect(3, 0, 81, 3), kBlack));
        const QRect ink = WidgetImage::bounds(img, QRect(3, 3, 81, 22), kBlack);
        QVERIFY(!ink.isNull());
        // Centred text: roughly equal margins left and right.
        QVERIFY(qAbs((ink.left() - 3) - (83 - ink.right())) <= 2);

        b.setHover(true);
        img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 3, 25), kClear));
        QVERIFY(WidgetImage::allColor(img, QRect(3, 0, 81, 3), kBlack));
        QCOMPARE(WidgetImage::bounds(img, QRect(3, 3, 81, 22), kWhite), ink);
    }

    void emptyTextHasNoBand()
    {
        ImageButton b;
        popupSized(b);
        b.setBgColor(QColor(10, 20, 30));
        const QImage img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 87, 3), kClear));
        QVERIFY(WidgetImage::allColor(img, QRect(0, 3, 87, 22), QColor(10, 20, 30)));
    }

    void pictureMode()
    {
        ImageButton b;
        popupSized(b);
        b.setIcon(solid(QSize(10, 10), Qt::red));
        b.setPressIcon(solid(QSize(12, 8), Qt::blue));
        b.setText("t");
        b.setBgColor(Qt::green);
        QImage img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 87, 3), kBlack));
        // Drawn again below the band: top 3 + (22 - 10) / 2.
        QCOMPARE(WidgetImage::bounds(img, img.rect(), Qt::red), QRect(38, 9, 10, 10));
        QCOMPARE(WidgetImage::count(img, img.rect(), Qt::green), 87 * 22 - 100);

        b.setHover(true);
        img = WidgetImage::render(&b);
        QCOMPARE(WidgetImage::bounds(img, img.rect(), Qt::blue), QRect(37, 10, 12, 8));
        QCOMPARE(WidgetImage::count(img, img.rect(), kBlack), 87 * 25 - 96);

        // Without text and with only the normal picture: no band, and the hover look is black.
        ImageButton c;
        popupSized(c);
        c.setIcon(solid(QSize(10, 10), Qt::red));
        img = WidgetImage::render(&c);
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 87, 3), kClear));
        QCOMPARE(WidgetImage::bounds(img, img.rect(), Qt::red), QRect(38, 9, 10, 10));
        c.setHover(true);
        img = WidgetImage::render(&c);
        QVERIFY(WidgetImage::allColor(img, img.rect(), kBlack));
    }

    void okKeysClickOnRelease_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
    }

    void okKeysClickOnRelease()
    {
        QFETCH(int, key);
        KeySink parent;
        ImageButton* b = new ImageButton(&parent);
        QSignalSpy clicked(b, SIGNAL(clicked()));
        QSignalSpy hover(b, SIGNAL(isHover(bool)));
        QTest::keyPress(b, Qt::Key(key));
        QVERIFY(b->hover());
        QCOMPARE(clicked.count(), 0);
        QTest::keyRelease(b, Qt::Key(key));
        QVERIFY(!b->hover());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(hover.count(), 0);
        QVERIFY(parent.pressed.isEmpty());
        QVERIFY(parent.released.isEmpty());
    }

    void otherKeysReachTheParent()
    {
        KeySink parent;
        ImageButton* b = new ImageButton(&parent);
        QSignalSpy clicked(b, SIGNAL(clicked()));
        QTest::keyClick(b, Qt::Key_Space);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Context3, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Context3, Qt::NoModifier);
        QApplication::sendEvent(b, &press);
        QApplication::sendEvent(b, &release);
        QCOMPARE(parent.pressed, QList<int>({Qt::Key_Space, Qt::Key_Context3}));
        QCOMPARE(parent.released, QList<int>({Qt::Key_Space, Qt::Key_Context3}));
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!b->hover());
    }

    void mouse()
    {
        ImageButton b;
        b.resize(87, 25);
        QSignalSpy clicked(&b, SIGNAL(clicked()));
        QSignalSpy hover(&b, SIGNAL(isHover(bool)));
        QTest::mouseRelease(&b, Qt::RightButton);
        QTest::mouseRelease(&b, Qt::MiddleButton);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&b, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(hover.count(), 0);
        QVERIFY(!b.hover());
    }

    void setHoverEmits()
    {
        ImageButton b;
        QSignalSpy hover(&b, SIGNAL(isHover(bool)));
        b.setHover(true);
        b.setHover(true);
        b.setHover(false);
        QCOMPARE(hover.count(), 3);
        QCOMPARE(hover.at(0).at(0).toBool(), true);
        QCOMPARE(hover.at(2).at(0).toBool(), false);
    }

    void textButtonOutline()
    {
        TextButton b;
        b.resize(100, 100);
        QImage img = WidgetImage::render(&b);
        // Left edge at x 2, doubled right edge at 97 and 98 (width 95 and 96), bottom at 85.
        QVERIFY(WidgetImage::isColor(img, 2, 42, kBlack));
        QVERIFY(WidgetImage::isColor(img, 97, 42, kBlack));
        QVERIFY(WidgetImage::isColor(img, 98, 42, kBlack));
        QVERIFY(!WidgetImage::isColor(img, 1, 42, kBlack));
        QVERIFY(!WidgetImage::isColor(img, 99, 42, kBlack));
        QVERIFY(WidgetImage::isColor(img, 50, 0, kBlack));
        QVERIFY(WidgetImage::isColor(img, 50, 85, kBlack));
        QCOMPARE(WidgetImage::count(img, QRect(0, 86, 100, 14), kBlack), 0);
        // No background fill, rounded corners.
        QVERIFY(WidgetImage::isColor(img, 50, 42, kClear));
        QVERIFY(!WidgetImage::isColor(img, 2, 0, kBlack));

        b.setDown(true);
        img = WidgetImage::render(&b);
        QVERIFY(WidgetImage::isColor(img, 3, 42, kBlack));
        QVERIFY(WidgetImage::isColor(img, 99, 42, kBlack));
        QVERIFY(!WidgetImage::isColor(img, 2, 42, kBlack));
        QVERIFY(!WidgetImage::isColor(img, 98, 42, kBlack));
        QVERIFY(WidgetImage::isColor(img, 50, 2, kBlack));
        QVERIFY(WidgetImage::isColor(img, 50, 85, kBlack));
        QVERIFY(!WidgetImage::isColor(img, 50, 0, kBlack));
    }

    void textButtonTextMovesWithTheFace()
    {
        TextButton b;
        b.resize(120, 60);
        b.setText("Ok");
        const QRect inner(10, 10, 100, 40);
        const QRect up = WidgetImage::boundsNot(WidgetImage::render(&b), inner, kClear);
        QVERIFY(!up.isNull());
        b.setDown(true);
        const QRect down = WidgetImage::boundsNot(WidgetImage::render(&b), inner, kClear);
        QCOMPARE(down.size(), up.size());
        // Centred in (3,3)-(W-1,H-1): half of the 3-pixel shift, rounded either way.
        QVERIFY(down.left() - up.left() >= 1 && down.left() - up.left() <= 2);
        QVERIFY(down.top() - up.top() >= 1 && down.top() - up.top() <= 2);
    }

    void textButtonShortWidgetClipsTheOutline()
    {
        TextButton b;
        b.resize(60, 30);
        const QImage img = WidgetImage::render(&b);
        // The 85-pixel face runs past the bottom: sides reach the last row, no bottom edge.
        QVERIFY(WidgetImage::isColor(img, 2, 29, kBlack));
        QCOMPARE(WidgetImage::count(img, QRect(10, 29, 40, 1), kBlack), 0);
    }
};

QTEST_MAIN(PopupButtonsTest)
#include "tst_popup_buttons.moc"
