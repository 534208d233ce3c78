// The basic row types: type ids, value and text rules, and what their paint puts where.
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewInfoItem.h"
#include "ListViewLineEditCheckItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewNetworkItem.h"
#include "ListViewProgressItem.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "MessageCapture.h"
#include "TestHost.h"
#include "WidgetImage.h"

#include <QPainter>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kDark(85, 85, 85);
const QColor kLight(187, 187, 187);
const QColor kBar(34, 34, 34);
const QColor kOutside(0, 255, 0);

QImage paintRow(ListViewItem& row, QRect r, const QSize& size = QSize(480, 60))
{
    QImage image = WidgetImage::blank(size, kOutside);
    QPainter p(&image);
    QFont f = p.font();
    f.setPixelSize(20);
    p.setFont(f);
    row.paint(&p, r);
    return image;
}

QSize pictureSize(const char* path)
{
    return QPixmap(QString::fromLatin1(path)).size();
}

// True when the image shows the pictures, drawn one over the other with their top-left corner
// at pos over the background colour, exactly there. Fails for missing or blank pictures.
bool drawnAt(const QImage& image, const QStringList& paths, const QPoint& pos, const QColor& background)
{
    const QPixmap first(paths.first());
    if (first.isNull())
        return false;
    QImage expected(first.size(), QImage::Format_ARGB32);
    expected.fill(background);
    {
        QPainter p(&expected);
        for (const QString& path : paths)
            p.drawPixmap(0, 0, QPixmap(path));
    }
    const QImage blank = WidgetImage::blank(first.size(), background);
    return expected != blank && image.copy(QRect(pos, first.size())) == expected;
}

bool drawnAt(const QImage& image, const char* path, const QPoint& pos, const QColor& background = kWhite)
{
    return drawnAt(image, QStringList(QString::fromLatin1(path)), pos, background);
}

// Bounding box of the pixels that differ between two images of one size.
QRect difference(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class ItemsBasicTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        TestHost::unloadPictures();
    }

    void typeIds()
    {
        ListViewSelectItem select("a", "b");
        ListViewRadioItem radio("a", true);
        ListViewCheckItem check("a", false);
        ListViewInfoItem info("a", "b");
        ListViewNetworkItem network("a", "b");
        ListViewProgressItem progress("a", 5);
        ListViewLineEditItem lineEdit("a", "b");
        ListViewCheckLineEditItem checkLineEdit("a", true, "b");
        ListViewLineEditCheckItem lineEditCheck("a", true, true, "b");
        QCOMPARE(select.type(), 2);
        QCOMPARE(radio.type(), 4);
        QCOMPARE(check.type(), 3);
        QCOMPARE(info.type(), 6);
        QCOMPARE(network.type(), 7);
        QCOMPARE(progress.type(), 1);
        QCOMPARE(lineEdit.type(), 5);
        QCOMPARE(checkLineEdit.type(), 15);
        QCOMPARE(lineEditCheck.type(), 16);

        checkLineEdit.setUseEditText(false);
        QCOMPARE(checkLineEdit.type(), 3);
        checkLineEdit.setUseEditText(true);
        QCOMPARE(checkLineEdit.type(), 15);
        ListViewCheckLineEditItem off("a", true, false, "b");
        QCOMPARE(off.type(), 3);
        QVERIFY(off.useTitleText());
        QVERIFY(!checkLineEdit.useTitleText());

        // Deleting through the base runs the row's own destructor (leak-checked builds).
        ListViewItem* owned = new ListViewProgressItem("x", 3);
        delete owned;
    }

    void rowDefaults()
    {
        ListViewSelectItem select("Title", "Value");
        QCOMPARE(select.selectedText(), QString("Value"));
        QCOMPARE(select.textWidth(), 192);
        QCOMPARE(select.selectTextFontPt(), -1);
        QVERIFY(!select.pixmap(0));
        ListViewRadioItem radio("Title", true);
        QVERIFY(radio.isChecked());
        QVERIFY(radio.useImage());
        ListViewCheckItem check("Title", true);
        QVERIFY(check.isChecked());
        QVERIFY(!check.isNoValueChange());
        ListViewInfoItem info("Title", "Info");
        QCOMPARE(info.infoText(), QString("Info"));
        ListViewNetworkItem network("Title", "Info");
        QCOMPARE(network.infoTextFontPt(), 19);
        QCOMPARE(network.signalStep(), 0);
        ListViewProgressItem progress("Title", 20); // the constructor takes any maximum
        QCOMPARE(progress.maxValue(), 20);
        QCOMPARE(progress.value(), 0);
        QCOMPARE(progress.minValue(), 0);
        QCOMPARE(progress.step(), 1);
        QVERIFY(!progress.useSlider());
        ListViewLineEditItem lineEdit("Title", "Text");
        QCOMPARE(lineEdit.editText(), QString("Text"));
        QCOMPARE(lineEdit.getMaxLength(), 0);
        QCOMPARE(lineEdit.labelColor(), kBlack);
        QVERIFY(!lineEdit.echoPasswordMode() && !lineEdit.editTextDisabled());
        QVERIFY(!lineEdit.isIPValidate() && !lineEdit.isSipPortValidate());
    }

    void progressValueRules_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("inside") << 0 << 5 << 5;
        QTest::newRow("above max") << 0 << 12 << 8;
        QTest::newRow("below min") << 0 << -4 << 0;
        QTest::newRow("raised min") << 3 << 1 << 3;
        QTest::newRow("min above max clamps to max") << 9 << 1 << 8;
    }

    void progressValueRules()
    {
        QFETCH(int, min);
        QFETCH(int, value);
        QFETCH(int, stored);
        ListViewProgressItem row("Volume", 8);
        row.setMinValue(min);
        row.setValue(value);
        QCOMPARE(row.value(), stored);
    }

    void progressMaxValue()
    {
        ListViewProgressItem row("Volume", 8);
        row.setValue(6);
        MessageCapture capture;
        row.setMaxValue(16);
        QCOMPARE(capture.lines(),
                 QStringList("ListViewProgressItem::setMaxValue maxValue is over! check code! value: 16"));
        QCOMPARE(row.maxValue(), 8);
        row.setMaxValue(15);
        QCOMPARE(row.maxValue(), 15);
        row.setMaxValue(2); // no re-clamp of the value
        QCOMPARE(row.value(), 6);
        QCOMPARE(capture.lines().size(), 1);
    }

    void editTextRules()
    {
        ListViewLineEditItem row("Address", "");
        row.setMaxLength(4);
        row.setEditText("192.168.0.1");
        QCOMPARE(row.editText(), QString("192."));
        row.setMaxLength(0);
        QCOMPARE(row.editText(), QString("192."));
        row.setEditText("0123456789");
        row.setMaxLength(3);
        QCOMPARE(row.editText(), QString("012"));
        row.setMaxLength(-1);
        row.setEditText("0123456789");
        QCOMPARE(row.editText(), QString("0123456789"));

        ListViewCheckLineEditItem check("t", false, "0123456789");
        check.setMaxLength(2);
        QCOMPARE(check.editText(), QString("01"));
        ListViewLineEditCheckItem check2("t", false, true, "0123456789");
        check2.setMaxLength(5);
        check2.setEditText("abcdefgh");
        QCOMPARE(check2.editText(), QString("abcde"));
    }

    void selectLayout()
    {
        TestHost::loadPictures();
        const QSize arrow = pictureSize(":/ui/images/widget/list_focus.png");
        QVERIFY(!arrow.isEmpty());
        const QRect r(0, 0, 384, 40);

        ListViewSelectItem row("HHHH", "");
        QImage image = paintRow(row, r);
        // Arrow at r.right - width - 9, vertically centred; the pressed one from "_sel".
        QVERIFY(drawnAt(image, ":/ui/images/widget/list_focus.png",
                        QPoint(383 - arrow.width() - 9, (40 - arrow.height()) / 2)));
        row.setIsPressed(true);
        row.setBackGroundSelectColor(Qt::blue);
        QVERIFY(drawnAt(paintRow(row, r), QStringList(":/ui/images/widget/list_focus_sel.png"),
                        QPoint(383 - arrow.width() - 9, (40 - arrow.height()) / 2), QColor(Qt::blue)));
        row.setIsPressed(false);
        const QRect title = WidgetImage::boundsNot(image, QRect(0, 0, 300, 40), kWhite);
        QVERIFY(title.left() >= 10 && title.left() <= 13);

        // The value is grey, right-aligned against the arrow.
        row.setSelectedText("HHH");
        image = paintRow(row, r);
        const QRect value = WidgetImage::bounds(image, QRect(192, 0, 383 - arrow.width() - 9 - 192, 40), kDark);
        QVERIFY(!value.isNull());
        const int valueRight = 383 - arrow.width() - 15;
        QVERIFY2(value.right() <= valueRight && value.right() >= valueRight - 3,
                 qPrintable(QString::number(value.right())));

        // A picture moves the title to 35, not the value box.
        row.setPixmap(QPixmap(":/ui/images/widget/radio.png"), QPixmap());
        row.setSelectedText(QString());
        image = paintRow(row, r);
        QVERIFY(drawnAt(image, ":/ui/images/widget/radio.png",
                        QPoint(10, (40 - pictureSize(":/ui/images/widget/radio.png").height()) / 2)));
        const QRect moved = WidgetImage::boundsNot(image, QRect(31, 0, 250, 40), kWhite);
        QVERIFY2(moved.left() >= 35 && moved.left() <= 38, qPrintable(QString::number(moved.left())));

        // The stored font size does not change the drawing.
        ListViewSelectItem a("T", "Value"), b("T", "Value");
        b.setSelectTextFontPt(30);
        QCOMPARE(b.selectTextFontPt(), 30);
        QCOMPARE(paintRow(a, r), paintRow(b, r));
    }

    void selectTitleColour()
    {
        // Selected in the inverse style the title keeps the base colour; pressed it switches.
        ListViewSelectItem row("HHHH", "");
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(true);
        row.setBaseTextColor(Qt::red);
        row.setTextSelectColor(Qt::blue);
        QImage image = paintRow(row, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(Qt::red)) > 0);
        QCOMPARE(WidgetImage::count(image, image.rect(), QColor(Qt::blue)), 0);
        row.setIsPressed(true);
        image = paintRow(row, QRect(0, 0, 384, 40));
        QCOMPARE(WidgetImage::count(image, image.rect(), QColor(Qt::red)), 0);
        QVERIFY(WidgetImage::count(image, image.rect(), QColor(Qt::blue)) > 0);
    }

    void radioCircles()
    {
        const QRect r(0, 0, 384, 40);
        ListViewRadioItem row("", false);
        row.setUseImage(false);
        QImage image = paintRow(row, r);
        // Outer circle (r.right - 26, 10, 20, 20): centre (367, 20).
        QVERIFY(WidgetImage::isColor(image, 367, 20, kLight));
        QRect outer = WidgetImage::boundsNot(image, QRect(340, 0, 44, 40), kWhite);
        QVERIFY2(qAbs(outer.left() - 357) <= 1 && qAbs(outer.right() - 377) <= 1
                     && qAbs(outer.top() - 10) <= 1 && qAbs(outer.bottom() - 30) <= 1,
                 qPrintable(QString("%1,%2 %3x%4").arg(outer.x()).arg(outer.y()).arg(outer.width()).arg(outer.height())));
        QCOMPARE(WidgetImage::count(image, QRect(340, 0, 44, 40), kBlack), 0);

        row.setChecked(true);
        image = paintRow(row, r);
        const QRect dot = WidgetImage::bounds(image, QRect(340, 0, 44, 40), kBlack);
        QVERIFY(!dot.isNull());
        QVERIFY(qAbs(dot.center().x() - 367) <= 1 && qAbs(dot.center().y() - 20) <= 1);
        QVERIFY(dot.width() >= 8 && dot.width() <= 11);
        QVERIFY(WidgetImage::isColor(image, 360, 20, kLight)); // ring left of the dot

        // Image mode: the picture at r.right - 26, vertically centred.
        TestHost::loadPictures();
        const QSize mark = pictureSize(":ui/images/widget/radio.png");
        row.setUseImage(true);
        image = paintRow(row, r);
        QVERIFY(drawnAt(image, ":ui/images/widget/radio_sel.png", QPoint(357, (40 - mark.height()) / 2)));
        row.setChecked(false);
        QVERIFY(drawnAt(paintRow(row, r), ":ui/images/widget/radio.png", QPoint(357, (40 - mark.height()) / 2)));
    }

    void radioTitleElided()
    {
        ListViewRadioItem row(QString(80, QLatin1Char('W')), false);
        row.setUseImage(false);
        const QImage image = paintRow(row, QRect(0, 0, 384, 40));
        const QRect title = WidgetImage::boundsNot(image, QRect(0, 0, 356, 40), kWhite);
        QVERIFY(title.right() <= 10 + 344);
    }

    void checkBox()
    {
        TestHost::loadPictures();
        const QSize box = pictureSize(":/ui/images/widget/checkbox.png");
        const QRect r(0, 0, 384, 40);
        const QPoint at(383 - box.width() - 6, (40 - box.height()) / 2 - 1);
        const QString boxPath(":/ui/images/widget/checkbox.png");

        ListViewCheckItem row("", false);
        QVERIFY(drawnAt(paintRow(row, r), QStringList(boxPath), at, kWhite));
        row.setChecked(true);
        QVERIFY(drawnAt(paintRow(row, r), QStringList{boxPath, ":/ui/images/widget/checkbox_check.png"}, at, kWhite));
        // Pressed: the mark comes from the "_sel" picture, the box stays.
        row.setIsPressed(true);
        row.setBackGroundSelectColor(kWhite);
        QVERIFY(drawnAt(paintRow(row, r), QStringList{boxPath, ":/ui/images/widget/checkbox_check_sel.png"}, at,
                        kWhite));
    }

    void infoRow()
    {
        ListViewInfoItem row("", QString(200, QLatin1Char('I')));
        row.setTextColor(Qt::red);
        QImage image = paintRow(row, QRect(0, 0, 384, 40));
        QRect info = WidgetImage::bounds(image, image.rect(), QColor(Qt::red));
        QVERIFY(info.left() >= 167 && info.right() <= 374);

        row.setInfoLeftMargin(0);
        row.setInfoRightMargin(0);
        image = paintRow(row, QRect(0, 0, 384, 40));
        info = WidgetImage::bounds(image, image.rect(), QColor(Qt::red));
        QVERIFY(info.left() < 150 && info.right() >= 370);

        // Invalid select colours fall back to the plain background.
        ListViewInfoItem fallback("", "");
        fallback.setFocusType(eFocusTypeInverse);
        fallback.setSelected(true);
        fallback.setBackGroundSelectColor(QColor());
        fallback.setBackGroundNoFocusSelectColor(QColor());
        fallback.setBackGroundColor(QColor(1, 2, 3));
        image = paintRow(fallback, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 384, 40), QColor(1, 2, 3)));
    }

    void networkRow()
    {
        const QRect r(0, 0, 384, 40);
        ListViewNetworkItem row("", "HHH");
        row.setTextColor(Qt::red);
        // Without pictures the icon counts 19 pixels wide: text ends by r.right - 38.
        QImage image = paintRow(row, r);
        QRect text = WidgetImage::bounds(image, image.rect(), QColor(Qt::red));
        QVERIFY2(text.right() <= 383 - 38 && text.right() >= 383 - 42, qPrintable(QString::number(text.right())));

        TestHost::loadPictures();
        const QSize icon = pictureSize(":/ui/images/icon_wifi_step0_hold_press.png");
        image = paintRow(row, r);
        text = WidgetImage::bounds(image, image.rect(), QColor(Qt::red));
        QVERIFY(text.right() <= 383 - 2 * icon.width() && text.right() >= 383 - 2 * icon.width() - 4);
        // Step 0 shows the unknown icon, steps 1..5 the step pictures 0..4.
        const QPoint at(383 - icon.width() - 10, (40 - icon.height()) / 2);
        QVERIFY(drawnAt(image, ":/ui/images/icon_wifi_unknown_normal.png", at));
        row.setSignalStep(5);
        QVERIFY(drawnAt(paintRow(row, r), ":/ui/images/icon_wifi_step4.png", at));
        row.setHold(true);
        QVERIFY(drawnAt(paintRow(row, r), ":/ui/images/icon_wifi_step4_hold.png", at));
        row.setIsPressed(true);
        row.setBackGroundSelectColor(Qt::blue);
        QVERIFY(drawnAt(paintRow(row, r), QStringList(":/ui/images/icon_wifi_step4_hold_press.png"), at, QColor(Qt::blue)));
        row.setSignalStep(6);
        QVERIFY(drawnAt(paintRow(row, r), QStringList(":/ui/images/icon_wifi_unknown.png"), at, QColor(Qt::blue)));
    }

    void progressBar_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << 0;
        QTest::newRow("three") << 3;
        QTest::newRow("full") << 8;
    }

    void progressBar()
    {
        QFETCH(int, value);
        ListViewProgressItem row("", 8);
        row.setValue(value);
        const QImage image = paintRow(row, QRect(0, 0, 384, 40));
        // Segment k (0 rightmost) spans x 369 - 13k .. 377 - 13k; the bar fills from the left.
        for (int k = 0; k < 8; ++k) {
            const int x = 369 - 13 * k;
            QVERIFY(WidgetImage::isColor(image, x, 15, kBar));     // outline
            QVERIFY(WidgetImage::isColor(image, x + 4, 5, kBar));  // top edge
            const bool filled = k >= 8 - value;
            QCOMPARE(WidgetImage::isColor(image, x + 4, 15, kBar), filled);
        }
        QCOMPARE(WidgetImage::count(image, QRect(0, 0, 369 - 13 * 8 + 10, 40), kBar), 0);
    }

    void progressBarStates()
    {
        // Selected outside the floating style the bar turns white; with the slider only the title.
        ListViewProgressItem row("", 4);
        row.setValue(4);
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(true);
        QImage image = paintRow(row, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::isColor(image, 373, 15, kWhite));
        QVERIFY(WidgetImage::isColor(image, 370, 2, kBlack));
        row.setUseSlider(true);
        row.setSelected(false);
        image = paintRow(row, QRect(0, 0, 384, 40));
        QVERIFY(WidgetImage::allColor(image, QRect(192, 0, 192, 40), kWhite));
        // The bar's x comes from the row width alone, not from its left edge.
        ListViewProgressItem shifted("", 1);
        shifted.setValue(1);
        image = paintRow(shifted, QRect(20, 0, 384, 40));
        QVERIFY(WidgetImage::isColor(image, 373, 15, kBar));
    }

    void lineEditShownText()
    {
        const QRect r(0, 0, 384, 40);
        ListViewLineEditItem secret("T", "abc123");
        secret.setEchoPasswordMode(true);
        ListViewLineEditItem stars("T", "******");
        QCOMPARE(paintRow(secret, r), paintRow(stars, r));
        ListViewLineEditItem empty("T", "");
        empty.setEchoPasswordMode(true);
        ListViewLineEditItem plain("T", "");
        QCOMPARE(paintRow(empty, r), paintRow(plain, r));
        QVERIFY(paintRow(secret, r) != paintRow(plain, r));
    }

    void lineEditBox_data()
    {
        QTest::addColumn<int>("margin");
        QTest::newRow("standard") << 0;
        QTest::newRow("margin 40") << 40;
        QTest::newRow("margin -20") << -20;
    }

    void lineEditBox()
    {
        QFETCH(int, margin);
        TestHost::loadPictures();
        const QSize left = pictureSize(":ui/images/widget/inputbox_left_sel.png");
        const QSize right = pictureSize(":ui/images/widget/inputbox_right_sel.png");
        QVERIFY(!left.isEmpty() && !right.isEmpty());
        const QRect r(0, 0, 384, 40);
        ListViewLineEditItem row("", "");
        row.setEditTextLeftMargin(margin);
        const QImage image = paintRow(row, r);
        // Unselected: the "_sel" slices, the left one at boxLeft - 4, the right one at
        // boxRight - Rw + 5, middle columns between them.
        const int boxLeft = 192 + margin;
        const int boxRight = boxLeft + 384 - 192 - margin - 6;
        QVERIFY(drawnAt(image, ":ui/images/widget/inputbox_left_sel.png", QPoint(boxLeft - 4, 1)));
        QVERIFY(drawnAt(image, ":ui/images/widget/inputbox_right_sel.png", QPoint(boxRight - right.width() + 5, 1)));
        QVERIFY(drawnAt(image, ":ui/images/widget/inputbox_mid_sel.png", QPoint(boxLeft + left.width() - 4, 1)));
        QVERIFY(drawnAt(image, ":ui/images/widget/inputbox_mid_sel.png", QPoint(boxRight - right.width() + 4, 1)));
        QVERIFY(WidgetImage::allColor(image, QRect(100, 0, boxLeft - 4 - 100, 40), kWhite));

        // The title box ends at r.left + 383 - boxWidth: right-aligned titles move with the box.
        ListViewLineEditItem titled("HH", "");
        titled.setEditTextLeftMargin(margin);
        titled.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        titled.setLabelColor(Qt::red);
        const QImage withTitle = paintRow(titled, r);
        const QRect title = WidgetImage::bounds(withTitle, withTitle.rect(), QColor(Qt::red));
        const int titleRight = 383 - (384 - 192 - margin - 6);
        QVERIFY2(title.right() <= titleRight && title.right() >= titleRight - 3,
                 qPrintable(QString::number(title.right())));
    }

    void lineEditFrameBySelection()
    {
        // The selected row draws the plain slices (white inside), the others the "_sel" ones.
        TestHost::loadPictures();
        const QRect r(0, 0, 384, 40);
        ListViewLineEditItem row("", "");
        QImage image = paintRow(row, r);
        QVERIFY(drawnAt(image, ":ui/images/widget/inputbox_left_sel.png", QPoint(188, 1)));
        row.setIsPressed(true);
        row.setBackGroundSelectColor(QColor(0, 0, 255));
        image = paintRow(row, r);
        QVERIFY(drawnAt(image, ":ui/images/widget/inputbox_left.png", QPoint(188, 1), QColor(0, 0, 255)));

        // Selected without focus: no fill, the list's drawing stays below.
        row.setFocus(false);
        image = paintRow(row, r);
        QVERIFY(WidgetImage::isColor(image, 50, 20, kOutside));
    }

    void checkLineEditLayout()
    {
        TestHost::loadPictures();
        const QSize box = pictureSize(":/ui/images/widget/checkbox.png");
        const QRect r(0, 0, 384, 40);

        // Three-argument form: no title, a positive margin is ignored, a negative one counts.
        const char* slice = ":ui/images/widget/inputbox_left_sel.png";
        ListViewCheckLineEditItem row("HH", true, "");
        row.setTextColor(Qt::red);
        QImage image = paintRow(row, r);
        QVERIFY(drawnAt(image, QStringList{":/ui/images/widget/checkbox.png", ":/ui/images/widget/checkbox_check.png"},
                        QPoint(10, (40 - box.height()) / 2 - 1), kWhite));
        QCOMPARE(WidgetImage::count(image, image.rect(), QColor(Qt::red)), 0);
        QVERIFY(drawnAt(image, slice, QPoint(188, 1)));
        row.setEditTextLeftMargin(40);
        QVERIFY(drawnAt(paintRow(row, r), slice, QPoint(188, 1)));
        row.setEditTextLeftMargin(-20);
        QVERIFY(drawnAt(paintRow(row, r), slice, QPoint(168, 1)));

        // With the title the margin counts; with edit text off there is no box.
        ListViewCheckLineEditItem titled("HH", false, true, "");
        titled.setTextColor(Qt::red);
        titled.setEditTextLeftMargin(40);
        image = paintRow(titled, r);
        QVERIFY(drawnAt(image, slice, QPoint(228, 1)));
        const QRect title = WidgetImage::bounds(image, image.rect(), QColor(Qt::red));
        QVERIFY2(title.left() >= box.width() + 20 && title.left() <= box.width() + 23,
                 qPrintable(QString::number(title.left())));
        titled.setUseEditText(false);
        image = paintRow(titled, r);
        QVERIFY(WidgetImage::allColor(image, QRect(150, 0, 234, 40), kWhite));
    }

    void lineEditCheckLayout()
    {
        TestHost::loadPictures();
        const QSize left = pictureSize(":/ui/images/checkbox_bg_left.png");
        const QSize check = pictureSize(":/ui/images/checkbox_check_icon.png");
        QVERIFY(!left.isEmpty() && !check.isEmpty());
        ListViewLineEditCheckItem row("Title", false, true, "HH");
        row.setTextColor(Qt::red);
        // The check box lives right of the row, in the list's right margin: checking changes
        // nothing outside the check icon's place.
        const QRect r(0, 0, 300, 40);
        const QImage unchecked = paintRow(row, r);
        row.setChecked(true);
        const QImage checked = paintRow(row, r);
        const QRect changed = difference(unchecked, checked);
        QVERIFY(QRect(299 + 62, 8, check.width(), check.height()).contains(changed) || changed.isNull());
        // The field background is stretched over 418 pixels from r.left + 7.
        QVERIFY(WidgetImage::isColor(unchecked, 6, 20, kWhite));
        QVERIFY(!WidgetImage::isColor(unchecked, 7, 20, kWhite));
        QVERIFY(!WidgetImage::isColor(unchecked, 7 + 417, 20, kOutside));
        QVERIFY(WidgetImage::isColor(unchecked, 7 + 418, 20, kOutside));
        // The text starts 14 pixels in; no title.
        const QRect text = WidgetImage::bounds(unchecked, unchecked.rect(), QColor(Qt::red));
        QVERIFY(text.left() >= 14 && text.left() <= 17);
        QVERIFY(text.right() < 60);
    }
};

QTEST_MAIN(ItemsBasicTest)
#include "tst_items_basic.moc"
