// Date-select, alarm and time-edit rows: day state, the default labels and their paints.
#include "ListViewAlarmItem.h"
#include "ListViewDateSelectItem.h"
#include "ListViewTimeEditItem.h"
#include "TestHost.h"
#include "WidgetImage.h"

#include <QPainter>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGrey(85, 85, 85);
const QColor kRed(224, 28, 0);
const QColor kMagenta(255, 0, 255);

// The list's row size on the page: 384 wide, a third of 134.
const QRect kRow(0, 0, 384, 44);

QImage paintRow(ListViewItem& row, const QRect& r = kRow, const QSize& size = QSize(384, 44),
                const QColor& background = kWhite)
{
    QImage image = WidgetImage::blank(size, background);
    QPainter p(&image);
    QFont font = p.font();
    font.setPointSize(20);
    p.setFont(font);
    QRect rect = r;
    row.paint(&p, rect);
    return image;
}

// What one day label looks like when drawn alone in its box.
QImage expectedDay(const QImage& base, const QRect& box, const QString& label, int pt,
                   bool underline, const QColor& pen)
{
    QImage image = base;
    QPainter p(&image);
    p.fillRect(box, kWhite);
    QFont font;
    font.setPointSize(pt);
    font.setUnderline(underline);
    p.setFont(font);
    p.setPen(pen);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, label);
    return image;
}

QImage crop(const QImage& image, const QRect& box)
{
    return image.copy(box);
}

// True when the picture appears at its natural size with its top-left corner at `at`, over
// the given background (pictures may be partly transparent).
bool drawnAt(const QImage& image, const QPixmap& picture, const QPoint& at,
             const QColor& background)
{
    QImage expected = WidgetImage::blank(picture.size(), background);
    QPainter p(&expected);
    p.drawPixmap(0, 0, picture);
    p.end();
    return !picture.isNull() && image.copy(QRect(at, picture.size())) == expected;
}

} // namespace

class Rows2DayRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        TestHost::unloadPictures();
    }

    void typeIdsStayFixed()
    {
        ListViewDateSelectItem date("Repeat");
        ListViewAlarmItem alarm("07:00", "Wake", true);
        ListViewTimeEditItem time("Time", "07:30", "AM");
        date.setDateSelection(1, true);
        alarm.setChecked(false);
        time.setUse_ampmSelection(false);
        QCOMPARE(date.type(), 12);
        QCOMPARE(alarm.type(), 10);
        QCOMPARE(time.type(), 11);
    }

    void defaultWeekListIsSecondLetters()
    {
        const QStringList expected = QStringList() << "o" << "u" << "e" << "h" << "r" << "a" << "u";
        QCOMPARE(ListViewDateSelectItem("x").weekList(), expected);
        QCOMPARE(ListViewAlarmItem("x", "y", false).weekList(), expected);
    }

    void daySelectionTable()
    {
        ListViewDateSelectItem date("Repeat");
        ListViewAlarmItem alarm("t", "n", false);
        QVERIFY(!date.isDataSelected(5));
        QVERIFY(!alarm.isDataSelected(5));
        date.setDateSelection(5, true);
        alarm.setDateSelection(5, true);
        QVERIFY(date.isDataSelected(5));
        QVERIFY(alarm.isDataSelected(5));
        date.setDateSelection(5, false);
        QVERIFY(!date.isDataSelected(5));
        // Out-of-week days are stored and reported, never drawn.
        date.setDateSelection(9, true);
        QVERIFY(date.isDataSelected(9));
        const QImage withNine = paintRow(date);
        ListViewDateSelectItem plain("Repeat");
        QCOMPARE(withNine, paintRow(plain));
    }

    void dateSelectUnderlinesChosenDay()
    {
        ListViewDateSelectItem row("Repeat");
        const QImage fresh = paintRow(row);
        row.setDateSelection(2, true);
        const QImage chosen = paintRow(row);

        for (int i = 0; i < 7; ++i) {
            const QRect box(192 + 22 * i, 0, 22, 44);
            if (i == 2) {
                QCOMPARE(crop(chosen, box), crop(expectedDay(chosen, box, "e", 20, true, kBlack), box));
                QVERIFY(crop(chosen, box) != crop(fresh, box));
            } else {
                QCOMPARE(crop(chosen, box), crop(fresh, box));
                QCOMPARE(crop(fresh, box),
                         crop(expectedDay(fresh, box, row.weekList().at(i), 18, false, kBlack), box));
            }
        }
        // Unchoosing keeps the entry with false: back to the 18 pt look.
        row.setDateSelection(2, false);
        QCOMPARE(paintRow(row), fresh);
    }

    void dateSelectLabelsWhiteWhenSelected()
    {
        ListViewDateSelectItem row("Repeat");
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(true);
        const QImage image = paintRow(row);
        // Inverse style: black fill, white day labels.
        const QRect days(192, 0, 7 * 22, 44);
        QVERIFY(WidgetImage::count(image, days, kWhite) > 0);
        QCOMPARE(WidgetImage::count(image, days, kBlack) + WidgetImage::count(image, days, kWhite)
                     + WidgetImage::count(image, days, QColor(0, 0, 0, 0)) > 0, true);
        QVERIFY(WidgetImage::count(image, QRect(192, 0, 22, 44), kWhite) > 0);
    }

    void dateSelectTitleAndArrow()
    {
        QVERIFY(TestHost::loadPictures());
        const QPixmap arrow(":/ui/images/widget/list_focus.png");
        QVERIFY(!arrow.isNull());
        ListViewDateSelectItem row("");
        row.setBackGroundColor(kMagenta);
        row.setWeekList(QStringList() << "" << "" << "" << "" << "" << "" << "");
        const QImage image = paintRow(row, kRow, kRow.size(), kWhite);
        const QPoint at(383 - arrow.width() - 9, (44 - arrow.height()) / 2);
        QVERIFY(drawnAt(image, arrow, at, kMagenta));
        // Nothing else: the rest of the row is the plain fill.
        QImage rest = image;
        QPainter(&rest).fillRect(QRect(at, arrow.size()), kMagenta);
        QVERIFY(WidgetImage::allColor(rest, kRow, kMagenta));
        // Pressed: the pressed arrow in the same place.
        row.setIsPressed(true);
        row.setFocusType(eFocusTypeInverse);
        row.setBackGroundSelectColor(kMagenta);
        row.setSelected(true);
        row.setFocusType(eFocusTypeFloating);
        QVERIFY(drawnAt(paintRow(row), QPixmap(":/ui/images/widget/list_focus_sel.png"), at,
                        kMagenta));
    }

    void alarmChosenDaysInRed_data()
    {
        QTest::addColumn<bool>("rowSelected");
        QTest::newRow("normal") << false;
        QTest::newRow("selected") << true;
    }

    void alarmChosenDaysInRed()
    {
        QFETCH(bool, rowSelected);
        ListViewAlarmItem row("", "", false);
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(rowSelected);
        row.setDateSelection(0, true);
        row.setDateSelection(6, true);
        // The list keeps room right of its rows for the check box: paint into a wider image.
        const QRect r(0, 0, 300, 44);
        const QImage image = paintRow(row, r, QSize(400, 44));
        const QColor plain = rowSelected ? kWhite : kBlack;
        for (int i = 0; i < 7; ++i) {
            const QRect box(299 - 77 + 18 * i, 0, 18, 44);
            const bool chosen = i == 0 || i == 6;
            QVERIFY2((WidgetImage::count(image, box, kRed) > 0) == chosen, qPrintable(QString::number(i)));
            if (!chosen)
                QVERIFY(WidgetImage::count(image, box.adjusted(2, 0, -2, 0), plain) > 0);
        }
    }

    void alarmCheckBoxRightOfRow()
    {
        QVERIFY(TestHost::loadPictures());
        const QPixmap left(":/ui/images/checkbox_bg_left.png");
        const QPixmap right(":/ui/images/checkbox_bg_right.png");
        const QPixmap mark(":/ui/images/checkbox_check_icon.png");
        ListViewAlarmItem row("", "", false);
        row.setWeekList(QStringList());
        const QRect r(0, 0, 300, 44);
        const QPixmap center(":/ui/images/checkbox_bg_center.png");
        const QSize size(420, 44);
        const QImage off = paintRow(row, r, size, kMagenta);

        QImage expected = WidgetImage::blank(size, kMagenta);
        QPainter p(&expected);
        p.fillRect(r, kWhite);
        p.drawPixmap(299 + 59, 8, left);
        p.drawPixmap(QRect(299 + 61, 8, 20, 24), center);
        p.drawPixmap(299 + 81, 8, right);
        QCOMPARE(off, expected);
        p.drawPixmap(299 + 62, 8, mark);
        p.end();
        row.setChecked(true);
        QCOMPARE(paintRow(row, r, size, kMagenta), expected);
    }

    void alarmNameElidedTo205()
    {
        ListViewAlarmItem row("", QString(80, QLatin1Char('W')), false);
        row.setWeekList(QStringList());
        const QImage image = paintRow(row, QRect(0, 0, 384, 44), QSize(384, 44));
        const QRect ink = WidgetImage::boundsNot(image, QRect(0, 0, 384, 44), kWhite);
        QVERIFY(ink.left() >= 95);
        QVERIFY2(ink.right() <= 95 + 205, qPrintable(QString::number(ink.right())));
        QVERIFY(ink.right() > 95 + 150);
    }

    void shortWeekListDrawsOnlyWhatExists()
    {
        ListViewDateSelectItem date("Repeat");
        date.setWeekList(QStringList() << "M" << "T");
        date.setDateSelection(4, true);
        ListViewAlarmItem alarm("07:00", "Wake", true);
        alarm.setWeekList(QStringList());
        alarm.setDateSelection(6, true);
        const QImage d = paintRow(date);
        paintRow(alarm, QRect(0, 0, 300, 44), QSize(400, 44));
        // Days without a label stay blank.
        QVERIFY(WidgetImage::allColor(d, QRect(192 + 44, 0, 5 * 22, 44), kWhite));
        QVERIFY(!WidgetImage::allColor(d, QRect(192, 0, 44, 44), kWhite));
    }

    void timeEditBoxMovesWithoutAmPm_data()
    {
        QTest::addColumn<bool>("ampm");
        QTest::addColumn<int>("frameLeft");
        QTest::addColumn<int>("boxRight");
        // BoxL = 192 + a, BoxR = BoxL + (384 - 192 - a - b - 4).
        QTest::newRow("with am/pm") << true << 192 - 4 << 384 - 94;
        QTest::newRow("without") << false << 192 + 96 - 4 << 384 - 4;
    }

    void timeEditBoxMovesWithoutAmPm()
    {
        QFETCH(bool, ampm);
        QFETCH(int, frameLeft);
        QFETCH(int, boxRight);
        QVERIFY(TestHost::loadPictures());
        const QPixmap rightSlice(":ui/images/widget/inputbox_right_sel.png");
        const QPixmap arrow(":/ui/images/widget/list_focus.png");
        ListViewTimeEditItem row("", "", "");
        row.setUse_ampmSelection(ampm);
        row.setBackGroundColor(kMagenta);
        const QPixmap leftSlice(":ui/images/widget/inputbox_left_sel.png");
        const QImage image = paintRow(row, kRow, QSize(420, 44), kMagenta);
        // Unselected: the "_sel" slices, left at BoxL - 4, right at BoxR - Rw + 5, one below top.
        QVERIFY(drawnAt(image, leftSlice, QPoint(frameLeft, 1), kMagenta));
        QVERIFY(drawnAt(image, rightSlice, QPoint(boxRight - rightSlice.width() + 5, 1), kMagenta));
        // Nothing of the frame left of it.
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, frameLeft, 44), kMagenta));
        QCOMPARE(drawnAt(image, arrow, QPoint(383 - arrow.width() - 9, (44 - arrow.height()) / 2),
                         kMagenta),
                 ampm);
    }

    void timeEditAmPmRightAligned()
    {
        ListViewTimeEditItem row("", "", "PM");
        const QImage image = paintRow(row);
        const QRect ink = WidgetImage::boundsNot(image, QRect(300, 0, 84, 44), kWhite);
        QVERIFY(!ink.isNull());
        QVERIFY2(ink.right() <= 383 - 25 && ink.right() >= 383 - 25 - 3,
                 qPrintable(QString::number(ink.right())));
        row.setUse_ampmSelection(false);
        QVERIFY(WidgetImage::allColor(paintRow(row), QRect(300, 0, 84, 44), kWhite));
    }

    void timeEditDisabledIsFixedGrey_data()
    {
        QTest::addColumn<int>("focusType");
        QTest::addColumn<bool>("rowSelected");
        QTest::newRow("floating") << int(eFocusTypeFloating) << false;
        QTest::newRow("floating pressed") << int(eFocusTypeFloating) << true;
        QTest::newRow("inverse") << int(eFocusTypeInverse) << false;
        QTest::newRow("inverse selected") << int(eFocusTypeInverse) << true;
    }

    void timeEditDisabledIsFixedGrey()
    {
        QFETCH(int, focusType);
        QFETCH(bool, rowSelected);
        ListViewTimeEditItem row("Alarm time", "12:45", "AM");
        row.setFocusType(eListViewItemFocusType(focusType));
        if (focusType == eFocusTypeFloating)
            row.setIsPressed(rowSelected);
        else
            row.setSelected(rowSelected);
        row.setTextDisableColor(QColor(0, 0, 255));
        row.setTextSelectColor(QColor(0, 200, 0));
        row.setTextColor(QColor(0, 200, 0));
        row.setItemSelectEnable(false);
        const QImage disabled = paintRow(row);
        QVERIFY(WidgetImage::count(disabled, kRow, kGrey) > 20);
        QCOMPARE(WidgetImage::count(disabled, kRow, QColor(0, 0, 255)), 0);
        QCOMPARE(WidgetImage::count(disabled, kRow, QColor(0, 200, 0)), 0);
        // The probe leaves the row as it was.
        QCOMPARE(row.selected(), rowSelected);
        QCOMPARE(row.textDisableColor(), rowSelected ? QColor(0, 200, 0) : QColor(0, 0, 255));

        row.setItemSelectEnable(true);
        const QImage enabled = paintRow(row);
        QCOMPARE(WidgetImage::count(enabled, kRow, kGrey), 0);
        QVERIFY(WidgetImage::count(enabled, kRow, QColor(0, 200, 0)) > 20);
    }

    void timeEditTimeLeftInBox()
    {
        ListViewTimeEditItem row("", "88:88", "");
        const QImage image = paintRow(row);
        const QRect ink = WidgetImage::boundsNot(image, QRect(0, 0, 300, 44), kWhite);
        // Time box starts at BoxL + 3 = 195.
        QVERIFY2(ink.left() >= 195 && ink.left() <= 198, qPrintable(QString::number(ink.left())));
        QCOMPARE(row.getTime(), QString("88:88"));
        row.setTime("07:15");
        row.setAMPM("PM");
        QCOMPARE(row.getTime(), QString("07:15"));
        QCOMPARE(row.getAMPM(), QString("PM"));
    }
};

QTEST_MAIN(Rows2DayRowsTest)
#include "tst_rows2_dayrows.moc"
