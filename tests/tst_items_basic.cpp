// The row base and the basic row types: type ids, quirks, value and text rules, and what
// their paint puts where.
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewLineEditCheckItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewProgressItem.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "MessageCapture.h"
#include "TestHost.h"
#include "WidgetImage.h"

#include <QPainter>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kDark(85, 85, 85), kLight(187, 187, 187);
const QColor kBar(34, 34, 34), kOutside(0, 255, 0), kRed(255, 0, 0), kBlue(0, 0, 255);
const QRect kRow(0, 0, 384, 40);
const QString kWidget(":/ui/images/widget/"), kBox(":ui/images/widget/inputbox_");

QImage paintRow(ListViewItem& row, QRect r = kRow)
{
    QImage image = WidgetImage::blank(QSize(480, 60), kOutside);
    QPainter p(&image);
    QFont f = p.font();
    f.setPixelSize(20);
    p.setFont(f);
    row.paint(&p, r);
    return image;
}

// The pictures, drawn one over the other at their natural size over the background, show
// exactly at pos. False for missing pictures.
bool drawnAt(const QImage& image, const QStringList& paths, const QPoint& pos, const QColor& background = kWhite)
{
    const QPixmap first(paths.first());
    QImage expected = WidgetImage::blank(first.size(), background);
    {
        QPainter p(&expected);
        for (const QString& path : paths)
            p.drawPixmap(0, 0, QPixmap(path));
    }
    return !first.isNull() && image.copy(QRect(pos, first.size())) == expected;
}

int leftOf(const QImage& image, const QColor& c) { return WidgetImage::bounds(image, image.rect(), c).left(); }
int rightOf(const QImage& image, const QColor& c) { return WidgetImage::bounds(image, image.rect(), c).right(); }
#define QVERIFY_NEAR(value, lo, hi) QVERIFY2((value) >= (lo) && (value) <= (hi), qPrintable(QString::number(value)))

// The length rule every edit-text row shares.
template <class Row> void checkTextRules(Row& row)
{
    row.setMaxLength(4);
    row.setEditText("192.168.0.1");
    const QString cut = row.editText();
    row.setMaxLength(0); // no limit: the text is kept whole
    row.setEditText(row.editText() + "0123456789");
    row.setMaxLength(3); // a new limit cuts the stored text at once
    const QString recut = row.editText();
    row.setMaxLength(-1); // a negative limit keeps the whole text
    row.setEditText("0123456789");
    QCOMPARE(QStringList({cut, recut, row.editText()}), QStringList({"192.", "192", "0123456789"}));
}

} // namespace

class ItemsBasicTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestHost::unloadPictures(); }

    void baseRow()
    {
        typedef ListViewItem I;
        QCOMPARE(QList<int>({I::TypeItem, I::TypeProgress, I::TypeSelect, I::TypeCheck, I::TypeRadio, I::TypeLineEdit,
                             I::TypeInfo, I::TypeNetwork, I::TypeSubTitle, I::TypeAlarm, I::TypeTimeEdit,
                             I::TypeDateSelect, I::TypeCall, I::TypeCheckLineEdit, I::TypeLineEditCheck,
                             I::TypeSingleLineEdit, eFocusTypeInverse, eFocusTypeFloating, eFocusTypeFlat,
                             I::UnderLineSolid, I::UnderLineDot}),
                 QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 15, 16, 17, 0, 1, 2, 0, 1}));
        QPixmap blue(16, 16), magenta(16, 16);
        blue.fill(kBlue);
        magenta.fill(Qt::magenta);
        ListViewItem row("HHHH", QPixmap(), magenta);
        row.setEditTextLeftMargin(40);
        QCOMPARE(QList<int>({row.scrollBarAreaWidth(), row.editTextLeftMargin()}), QList<int>({9, 0}));
        row.setScrollBarAreaWidth(0); // reported as the stored width plus 3
        QVERIFY(row.scrollBarAreaWidth() == 3 && !row.pixmap(0) && row.pixmap(1) && !row.pixmap(2) && !row.pixmap(-1));
        // State fill; in the floating style selected() follows the pressed state, not the raw flag.
        row.setTextColor(kRed);
        row.setBackGroundSelectColor(QColor(1, 1, 1));
        row.setBackGroundNoFocusSelectColor(QColor(2, 2, 2));
        row.setSelected(true);
        QImage image = paintRow(row);
        QVERIFY(!row.selected() && WidgetImage::isColor(image, 0, 0, kWhite) && WidgetImage::isColor(image, 0, 40, kOutside));
        QVERIFY_NEAR(leftOf(image, kRed), 10, 13); // no picture: the label at 10
        row.setIsPressed(true);
        QVERIFY(row.selected() && WidgetImage::isColor(paintRow(row), 0, 0, QColor(1, 1, 1)));
        row.setFocus(false);
        QVERIFY(WidgetImage::isColor(paintRow(row), 0, 0, QColor(2, 2, 2)));
        row.setFocus(true);
        // The picture at 10, centred, the label at 35; picture 1 while pressed. setPixmap without a
        // select picture copies the normal one; without a normal one keeps picture 0.
        row.setIsPressed(false);
        row.setPixmap(blue, QPixmap());
        image = paintRow(row);
        QVERIFY(WidgetImage::bounds(image, kRow, kBlue) == QRect(10, 12, 16, 16) && row.pixmap(1)->toImage() == blue.toImage());
        QVERIFY_NEAR(leftOf(image, kRed), 35, 38);
        row.setPixmap(QPixmap(), magenta);
        row.setIsPressed(true);
        QCOMPARE(WidgetImage::bounds(paintRow(row), kRow, Qt::magenta), QRect(10, 12, 16, 16));
        row.setIsPressed(false); // inverse style: picture 1 needs focus and the raw selected flag
        row.setFocusType(eFocusTypeInverse);
        QCOMPARE(WidgetImage::bounds(paintRow(row), kRow, Qt::magenta), QRect(10, 12, 16, 16));
        row.setFocus(false);
        QCOMPARE(WidgetImage::bounds(paintRow(row), kRow, kBlue), QRect(10, 12, 16, 16));
        // Disabled: the disable colour, which reads as the select colour while selected.
        row.setItemSelectEnable(false);
        row.setTextDisableColor(QColor(3, 3, 3));
        QVERIFY(row.textDisableColor() == kWhite && WidgetImage::count(paintRow(row), kRow, kWhite) > 0);
        row.setSelected(false);
        QVERIFY(row.textDisableColor() == QColor(3, 3, 3) && WidgetImage::count(paintRow(row), kRow, QColor(3, 3, 3)) > 0);
    }

    void typeIdsAndRules()
    {
        ListViewCheckLineEditItem checkLine("a", true, "0123456789"), titled("a", true, false, "b");
        QList<ListViewItem*> rows{new ListViewSelectItem("a", "b"), new ListViewRadioItem("a", true),
                                  new ListViewCheckItem("a", false), new ListViewProgressItem("a", 5),
                                  new ListViewLineEditItem("a", "b"), new ListViewLineEditCheckItem("a", true, true, "b"), &checkLine, &titled};
        QList<int> ids;
        for (ListViewItem* row : rows)
            ids.append(row->type());
        QCOMPARE(ids, QList<int>({2, 4, 3, 1, 5, 16, 15, 3}));
        qDeleteAll(rows.mid(0, 6)); // through the base: the rows' own destructors
        // The check line-edit row is a check row while its edit text is off.
        QVERIFY(titled.useTitleText() && !checkLine.useTitleText());
        titled.setUseEditText(true);
        checkLine.setUseEditText(false);
        QCOMPARE(QList<int>({titled.type(), checkLine.type()}), QList<int>({15, 3}));

        ListViewLineEditItem lineEdit("t", "");
        ListViewLineEditCheckItem lineEditCheck("t", false, true, "");
        checkTextRules(lineEdit);
        checkTextRules(checkLine);
        checkTextRules(lineEditCheck);
    }

    void progressValueRules()
    {
        // min, value -> stored value, with maximum 8 (the constructor takes any maximum).
        const QList<QList<int>> cases{{0, 5, 5}, {0, 12, 8}, {0, -4, 0}, {3, 1, 3}, {9, 1, 8}};
        for (const QList<int>& c : cases) {
            ListViewProgressItem row("Volume", 8);
            row.setMinValue(c[0]);
            row.setValue(c[1]);
            QCOMPARE(row.value(), c[2]);
        }
        ListViewProgressItem row("Volume", 20);
        row.setValue(16);
        MessageCapture capture;
        row.setMaxValue(16);
        QCOMPARE(capture.lines(), QStringList("ListViewProgressItem::setMaxValue maxValue is over! check code! value: 16"));
        const int refused = row.maxValue();
        row.setMaxValue(15);
        row.setMaxValue(2); // no re-clamp of the value
        QCOMPARE(QList<int>({refused, row.maxValue(), row.value(), capture.lines().size()}), QList<int>({20, 2, 16, 1}));
    }

    void selectRow()
    {
        QVERIFY(TestHost::loadPictures());
        const QSize arrow = QPixmap(kWidget + "list_focus.png").size();
        const QPoint arrowAt(383 - arrow.width() - 9, (40 - arrow.height()) / 2);
        ListViewSelectItem row("HHHH", "HHH");
        row.setBaseTextColor(kRed);
        QImage image = paintRow(row);
        QVERIFY(drawnAt(image, {kWidget + "list_focus.png"}, arrowAt));
        QVERIFY_NEAR(leftOf(image, kRed), 10, 13);
        // The value is grey, right-aligned against the arrow, at 19 pt whatever the stored size.
        const int valueRight = WidgetImage::bounds(image, QRect(192, 0, 182 - arrow.width(), 40), kDark).right();
        QVERIFY_NEAR(valueRight, 383 - arrow.width() - 18, 383 - arrow.width() - 15);
        row.setSelectTextFontPt(30);
        QCOMPARE(paintRow(row), image);
        // Selected in the inverse style the title keeps the base colour; pressed it takes the select
        // colour and the arrow its "_sel" picture.
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(true);
        row.setTextSelectColor(kBlue);
        row.setBackGroundSelectColor(kWhite);
        QVERIFY(WidgetImage::count(paintRow(row), kRow, kRed) > 0 && WidgetImage::count(paintRow(row), kRow, kBlue) == 0);
        row.setIsPressed(true);
        image = paintRow(row);
        QVERIFY(WidgetImage::count(image, kRow, kRed) == 0 && WidgetImage::count(image, kRow, kBlue) > 0);
        QVERIFY(drawnAt(image, {kWidget + "list_focus_sel.png"}, arrowAt));
        const QString radio(":ui/images/widget/radio.png"); // a picture at 10 moves the title to 35, not the value box
        row.setPixmap(QPixmap(radio), QPixmap());
        row.setSelectedText(QString());
        row.setIsPressed(false);
        image = paintRow(row);
        QVERIFY(drawnAt(image, {radio}, QPoint(10, (40 - QPixmap(radio).height()) / 2)));
        QVERIFY_NEAR(leftOf(image, kRed), 35, 38);
    }

    void radioRow()
    {
        ListViewRadioItem row(QString(80, QLatin1Char('W')), false);
        row.setUseImage(false);
        QImage image = paintRow(row);
        // Title elided to 344 pixels; outer circle F(r.right - 26, 10, 20, 20) around (367, 20).
        QVERIFY(WidgetImage::boundsNot(image, QRect(0, 0, 356, 40), kWhite).right() <= 10 + 344);
        const QRect outer = WidgetImage::boundsNot(image, QRect(355, 0, 29, 40), kWhite);
        QVERIFY(QRect(356, 9, 23, 23).contains(outer) && outer.contains(QRect(358, 11, 19, 19)));
        QVERIFY(WidgetImage::isColor(image, 367, 20, kLight) && WidgetImage::count(image, outer, kBlack) == 0);
        row.setChecked(true); // the black 10 x 10 dot at the same centre
        image = paintRow(row);
        const QRect dot = WidgetImage::bounds(image, QRect(355, 0, 29, 40), kBlack);
        QVERIFY(qAbs(dot.center().x() - 367) <= 1 && qAbs(dot.center().y() - 20) <= 1 && dot.width() >= 8 && dot.width() <= 11);
        QVERIFY(WidgetImage::isColor(image, 360, 20, kLight)); // the ring around it
        QVERIFY(TestHost::loadPictures()); // image mode: the picture at r.right - 26, vertically centred
        const int y = (40 - QPixmap(":ui/images/widget/radio.png").height()) / 2;
        row.setUseImage(true);
        QVERIFY(drawnAt(paintRow(row), {":ui/images/widget/radio_sel.png"}, QPoint(357, y)));
    }

    void progressBar()
    {
        for (int value : {0, 3, 8}) {
            ListViewProgressItem row("", 8);
            row.setValue(value);
            const QImage image = paintRow(row);
            // Segment k (0 rightmost) spans x 369 - 13k .. 377 - 13k, y 5..25; filled from the left.
            for (int k = 0; k < 8; ++k) {
                const int x = 369 - 13 * k;
                QVERIFY(WidgetImage::isColor(image, x, 15, kBar) && WidgetImage::isColor(image, x + 4, 5, kBar));
                QCOMPARE(WidgetImage::isColor(image, x + 4, 15, kBar), k >= 8 - value);
            }
            QCOMPARE(WidgetImage::count(image, QRect(0, 0, 275, 40), kBar), 0);
        }
        // Selected outside the floating style the bar turns white; with the slider only the title.
        ListViewProgressItem row("", 4);
        row.setValue(4);
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(true);
        QImage image = paintRow(row);
        QVERIFY(WidgetImage::isColor(image, 373, 15, kWhite) && WidgetImage::isColor(image, 370, 2, kBlack));
        QVERIFY(WidgetImage::isColor(paintRow(row, QRect(20, 0, 384, 40)), 373, 15, kWhite)); // x from the width alone
    }

    void lineEditRow()
    {
        ListViewLineEditItem secret("T", "abc123"), stars("T", "******"), empty("T", ""), plain("T", "");
        secret.setEchoPasswordMode(true);
        empty.setEchoPasswordMode(true);
        QCOMPARE(paintRow(secret), paintRow(stars));
        QCOMPARE(paintRow(empty), paintRow(plain));
        QVERIFY(TestHost::loadPictures());
        const int lw = QPixmap(kBox + "left_sel.png").width(), rw = QPixmap(kBox + "right_sel.png").width();
        for (int margin : {0, 40, -20}) {
            // Box left 192 + m, width 384 - 192 - m - 6: left slice at boxLeft - 4, middle columns,
            // right slice at boxRight - Rw + 5; the title box ends at 383 - boxWidth.
            ListViewLineEditItem row("", "");
            row.setEditTextLeftMargin(margin);
            row.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row.setLabelColor(kRed);
            const QImage image = paintRow(row);
            const int boxLeft = 192 + margin, boxWidth = 384 - 192 - margin - 6, boxRight = boxLeft + boxWidth;
            QVERIFY(drawnAt(image, {kBox + "left_sel.png"}, QPoint(boxLeft - 4, 1)) && drawnAt(image, {kBox + "mid_sel.png"}, QPoint(boxLeft + lw - 4, 1)));
            QVERIFY(drawnAt(image, {kBox + "right_sel.png"}, QPoint(boxRight - rw + 5, 1)) && drawnAt(image, {kBox + "mid_sel.png"}, QPoint(boxRight - rw + 4, 1)));
            row.setText("HH");
            QVERIFY_NEAR(rightOf(paintRow(row), kRed), 383 - boxWidth - 3, 383 - boxWidth);
        }
        // Selected: the plain slices; selected without focus no fill, the list's drawing stays.
        plain.setIsPressed(true);
        plain.setBackGroundSelectColor(kBlue);
        QVERIFY(drawnAt(paintRow(plain), {kBox + "left.png"}, QPoint(188, 1), kBlue));
        plain.setFocus(false);
        QVERIFY(WidgetImage::isColor(paintRow(plain), 50, 20, kOutside));
    }

    void checkLineEditRows()
    {
        QVERIFY(TestHost::loadPictures());
        const QSize box = QPixmap(kWidget + "checkbox.png").size();
        const QString slice = kBox + "left_sel.png";
        // Three-argument form: no title, a positive margin is ignored, a negative one counts.
        ListViewCheckLineEditItem row("HH", true, "");
        row.setTextColor(kRed);
        QImage image = paintRow(row);
        QVERIFY(drawnAt(image, {kWidget + "checkbox.png", kWidget + "checkbox_check.png"}, QPoint(10, (40 - box.height()) / 2 - 1)));
        QVERIFY(WidgetImage::count(image, kRow, kRed) == 0 && drawnAt(image, {slice}, QPoint(188, 1)));
        row.setEditTextLeftMargin(40);
        QVERIFY(drawnAt(paintRow(row), {slice}, QPoint(188, 1)));
        row.setEditTextLeftMargin(-20);
        QVERIFY(drawnAt(paintRow(row), {slice}, QPoint(168, 1)));
        // With the title at Bw + 20 the margin counts; with the edit text off there is no box.
        ListViewCheckLineEditItem titled("HH", false, true, "");
        titled.setTextColor(kRed);
        titled.setEditTextLeftMargin(40);
        image = paintRow(titled);
        QVERIFY(drawnAt(image, {slice}, QPoint(228, 1)));
        QVERIFY_NEAR(leftOf(image, kRed), box.width() + 20, box.width() + 23);
        titled.setUseEditText(false);
        QVERIFY(WidgetImage::allColor(paintRow(titled), QRect(150, 0, 234, 40), kWhite));

    }
};

QTEST_MAIN(ItemsBasicTest)
#include "tst_items_basic.moc"
