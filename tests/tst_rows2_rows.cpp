// The call, subtitle, date-select, alarm and time-edit rows: the call timer, pictures per mode,
// where subtitle runs and day labels land, and the time box.
#include "ListViewAlarmItem.h"
#include "ListViewCallItem.h"
#include "ListViewDateSelectItem.h"
#include "ListViewSubTitleItem.h"
#include "ListViewTimeEditItem.h"
#include "MessageCapture.h"
#include "PhoneQt.h"
#include "TestDir.h"
#include "TestHost.h"
#include "TestWait.h"
#include "textClass.h"
#include "WidgetImage.h"

#include <QPainter>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kGrey(85, 85, 85), kRed(224, 28, 0), kMagenta(255, 0, 255);
const QRect kRow(0, 0, 384, 44);

QFont rowFont()
{
    QFont font;
    font.setPointSize(20);
    return font;
}

QImage paintRow(ListViewItem& row, QRect r = kRow, const QColor& background = kWhite)
{
    QImage image = WidgetImage::blank(QSize(420, 64), background);
    QPainter p(&image);
    p.setFont(rowFont());
    row.paint(&p, r);
    return image;
}

QRect ink(const QImage& image, const QRect& area = kRow) { return WidgetImage::boundsNot(image, area, kWhite); }
#define QVERIFY_NEAR(value, lo, hi) QVERIFY2((value) >= (lo) && (value) <= (hi), qPrintable(QString::number(value)))

} // namespace

class Rows2RowsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestHost::unloadPictures(); }

    void callTimer()
    {
        // start offset -> timer text just after startTime(); the hour field has no two-digit limit.
        for (const QPair<int, QString>& c : QList<QPair<int, QString>>{{3725, "01:02:05"}, {100 * 3600 + 59, "100:00:59"}}) {
            ListViewCallItem row(2, 0);
            row.setThumbnail(20);
            QVERIFY(row.type() == 13 && row.isTimerShown() && row.setStartTime(c.first));
            row.startTime();
            paintRow(row);
            QCOMPARE(row.timeText(), c.second);
        }
        ListViewCallItem row(2, 0);
        MessageCapture capture;
        row.setThumbnail(99); // an unknown icon number shows the timer too
        row.setStartTime(58);
        row.startTime();
        QCOMPARE(capture.lines(), QStringList({"<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::setStartTime(int startTime) :  58",
                                               "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::startTime() ---------------------------"}));
        // The row's one-second timer counts on from 58.
        QVERIFY(phoneWaitFor([&] { paintRow(row); return row.timeText() >= "00:01:00"; }));
        QVERIFY2(row.timeText() == "00:01:00" || row.timeText() == "00:01:01", qPrintable(row.timeText()));
        ListViewCallItem history(1, 0); // outside mode 2 no timer: the right side stays empty
        history.setThumbnail(4);
        history.setStartTime(10);
        QVERIFY(!history.isTimerShown() && WidgetImage::allColor(paintRow(history), QRect(200, 0, 184, 44), kWhite));
    }

    void callPictures()
    {
        TestDir dir;
        // mode, picture size -> picture box and label start: 27 x 27 in mode 0, one lower in mode 1,
        // none in mode 3 (label at 10), natural size otherwise; the label at width + 10.
        const QList<QPair<QList<int>, QRect>> cases{{{0, 60, 50, 37}, QRect(10, 8, 27, 27)},
            {{1, 20, 20, 30}, QRect(10, 13, 20, 20)}, {{2, 20, 20, 30}, QRect(10, 12, 20, 20)},
            {{3, 20, 20, 10}, QRect()}, {{9, 20, 20, 30}, QRect(10, 12, 20, 20)}};
        for (const auto& c : cases) {
            QImage picture(c.first[1], c.first[2], QImage::Format_ARGB32);
            picture.fill(Qt::red);
            picture.save(dir.filePath(QString("%1x%2.png").arg(c.first[1]).arg(c.first[2])));
            ListViewCallItem row(c.first[0], 0);
            row.setThumbnailPath(dir.filePath(QString("%1x%2.png").arg(c.first[1]).arg(c.first[2])));
            row.setLabelText("HHH");
            const QImage image = paintRow(row);
            QCOMPARE(WidgetImage::bounds(image, kRow, Qt::red), c.second);
            const int from = c.second.isNull() ? 0 : c.second.right() + 1;
            QVERIFY_NEAR(ink(image, QRect(from, 0, 384 - from, 44)).left(), c.first[3], c.first[3] + 3);
        }
        // An icon number from the mode's table, one absent from it leaves the picture; a path that does
        // not load gives the default.
        QVERIFY(TestHost::loadPictures());
        ListViewCallItem history(1, 0);
        history.setThumbnail(5);
        history.setThumbnail(12);
        QCOMPARE(history.thumbnail().toImage(), QPixmap(":/call/images/call/icon_call_missed_press.png").toImage());
        history.setThumbnailPath(dir.filePath("missing.png"));
        QCOMPARE(history.thumbnail().toImage(), QPixmap(":/call/images/call/call_thumbnail_img.png").toImage());
    }

    void subTitleRuns()
    {
        ListViewSubTitleItem bad("Title");
        bad.addSubTitle("one", -1, 19, Qt::red, Qt::blue);
        MessageCapture capture;
        QVERIFY(bad.type() == 9 && !bad.subTitle(-1) && !bad.subTitle(1) && bad.subTitle(0)->text() == "one");
        QCOMPARE(capture.lines(), QStringList({"ListViewSubTitleItem::subTitle index err", "ListViewSubTitleItem::subTitle index err"}));
        QCOMPARE(QList<int>({bad.subTitle(0)->textX(), bad.subTitle(0)->textWidth(), bad.subTitle(0)->alignment()}),
                 QList<int>({-1, 384, 129}));
        // Runs in the painter's font (point size -1): a run at -1 starts 10 after the end of the
        // title or of the previous flowing run, a run at x at x; boxes 384 - 9 wide.
        for (const QList<int>& xs : QList<QList<int>>{{-1, -1}, {250, -1}, {-1, 300}}) {
            const QStringList texts{"Ab", "Cd"};
            ListViewSubTitleItem row("Title");
            for (int i = 0; i < 2; ++i)
                row.addSubTitle(texts[i], xs[i], -1, Qt::red, Qt::blue);
            const QFontMetrics fm(rowFont());
            QImage expected = WidgetImage::blank(QSize(420, 64), kWhite);
            QPainter p(&expected);
            p.setFont(rowFont());
            p.drawText(QRect(QPoint(10, 0), QPoint(378, 43)), Qt::AlignVCenter, "Title");
            int pos = 10 + phoneTextWidth(fm, "Title");
            for (int i = 0; i < 2; ++i) {
                pos = xs[i] == -1 ? pos + 10 : xs[i];
                const QRect box(QPoint(pos, 0), QPoint(pos + 384 - 9 - 1, 43));
                p.drawText(box, 129, fm.elidedText(texts[i], Qt::ElideRight, box.width()));
                pos += xs[i] < 0 ? phoneTextWidth(fm, texts[i]) : 0;
            }
            p.end();
            QCOMPARE(paintRow(row), expected);
        }
        // With a subtitle alignment the last run is drawn in (r.left + x)..+141 with it.
        ListViewSubTitleItem aligned("");
        aligned.addSubTitle("12:00", 200, -1, Qt::red, Qt::blue);
        QCOMPARE(aligned.setSubtitleAlignment(Qt::AlignRight | Qt::AlignVCenter), 0);
        QVERIFY_NEAR(ink(paintRow(aligned)).right(), 338, 341);
    }

    void dayRows()
    {
        ListViewDateSelectItem date("Repeat");
        ListViewAlarmItem alarm("", "", false);
        QVERIFY(date.type() == 12 && alarm.type() == 10 && !date.isDataSelected(5));
        // Untranslated, the labels are the second letters of the English day names.
        QCOMPARE(date.weekList(), QStringList({"o", "u", "e", "h", "r", "a", "u"}));
        QCOMPARE(alarm.weekList(), date.weekList());
        const QImage fresh = paintRow(date);
        date.setDateSelection(9, true); // stored and reported, never drawn
        QVERIFY(date.isDataSelected(9) && paintRow(date) == fresh);
        // Date select: day i in (192 + 22i)..+21, the chosen one underlined at 20 pt, others at 18 pt.
        date.setDateSelection(2, true);
        const QImage chosen = paintRow(date);
        for (int i = 0; i < 7; ++i) {
            const QRect box(192 + 22 * i, 0, 22, 44);
            QImage expected = chosen;
            QPainter p(&expected);
            p.fillRect(box, kWhite);
            QFont font;
            font.setPointSize(i == 2 ? 20 : 18);
            font.setUnderline(i == 2);
            p.setFont(font);
            p.drawText(box, Qt::AlignCenter, date.weekList().at(i));
            p.end();
            QVERIFY(chosen.copy(box) == expected.copy(box) && (chosen.copy(box) == fresh.copy(box)) == (i != 2));
        }
        date.setDateSelection(2, false);
        QCOMPARE(paintRow(date), fresh);
        // Alarm: chosen days in "#e01c00", the others white while selected; day i at r.right - 77 + 18i.
        alarm.setIsPressed(true);
        alarm.setDateSelection(6, true);
        const QImage days = paintRow(alarm, QRect(0, 0, 300, 44));
        QVERIFY(WidgetImage::bounds(days, kRow, kRed).left() >= 299 - 77 + 18 * 6);
        QVERIFY(WidgetImage::count(days, QRect(222, 0, 108, 44), kWhite) > 0);
        date.setWeekList({"M", "T"}); // a short week list draws the labels it has and leaves the other days blank
        date.setDateSelection(4, true);
        alarm.setWeekList(QStringList());
        paintRow(alarm, QRect(0, 0, 300, 44));
        const QImage image = paintRow(date);
        QVERIFY(!WidgetImage::allColor(image, QRect(192, 0, 44, 44), kWhite) && WidgetImage::allColor(image, QRect(236, 0, 110, 44), kWhite));
    }

    void timeEditRow()
    {
        // The input box frame from 192 - 4, or 96 further right without AM/PM, when it also reaches the
        // right edge; with AM/PM the arrow is the rightmost, 9 pixels in.
        QVERIFY(TestHost::loadPictures());
        for (bool ampm : {true, false}) {
            ListViewTimeEditItem row("", "", "");
            row.setUse_ampmSelection(ampm);
            row.setBackGroundColor(kMagenta);
            const QRect frame = WidgetImage::boundsNot(paintRow(row, kRow, kMagenta), kRow, kMagenta);
            QVERIFY(row.type() == 11 && frame.left() >= (ampm ? 188 : 284) && frame.left() <= (ampm ? 190 : 286));
            QCOMPARE(frame.right() >= 380, !ampm);
        }
        TestHost::unloadPictures();
        // The time from BoxL + 3, the AM/PM text right-aligned to r.right - 25 (only with the switch on).
        ListViewTimeEditItem row("", "88:88", "PM");
        QVERIFY_NEAR(ink(paintRow(row), QRect(0, 0, 300, 44)).left(), 195, 198);
        row.setTime(QString());
        QVERIFY_NEAR(ink(paintRow(row)).right(), 383 - 28, 383 - 25);
        row.setUse_ampmSelection(false);
        QVERIFY(WidgetImage::allColor(paintRow(row), kRow, kWhite));
        ListViewTimeEditItem grey("Alarm time", "12:45", "AM"); // disabled: the fixed grey, not the disable colour
        grey.setTextDisableColor(Qt::blue);
        grey.setItemSelectEnable(false);
        const QImage image = paintRow(grey);
        QVERIFY(WidgetImage::count(image, kRow, kGrey) > 20 && WidgetImage::count(image, kRow, Qt::blue) == 0);
    }
};

QTEST_MAIN(Rows2RowsTest)
#include "tst_rows2_rows.moc"
