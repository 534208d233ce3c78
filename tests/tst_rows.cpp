// The fourteen row types as a list paints them, compared with reference pictures (one sheet per
// type, one band per state), and the rows' value and text rules.
#include "ListView.h"
#include "ListViewAlarmItem.h"
#include "ListViewCallItem.h"
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewDateSelectItem.h"
#include "ListViewInfoItem.h"
#include "ListViewLineEditCheckItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewNetworkItem.h"
#include "ListViewProgressItem.h"
#include "ListViewRadioItem.h"
#include "ListViewSelectItem.h"
#include "ListViewSubTitleItem.h"
#include "ListViewTimeEditItem.h"
#include "MessageCapture.h"
#include "Reference.h"
#include "TestDir.h"
#include "TestHost.h"
#include "TestWait.h"
#include "WidgetImage.h"
#include "textClass.h"

#include <QPainter>
#include <QTest>
#include <functional>

namespace {

// Band states: selected with the list focused (the floating box), OK held on it, selected while
// the list has no focus, disabled, selected in the inverse or flat focus style. The variant of the
// row (its factory's argument) sits above them.
enum { Focus = 1, Pressed = 2, Away = 4, Off = 8, Inverse = 16, Flat = 32, V1 = 1 << 8, V2 = 2 << 8, V3 = 3 << 8, V4 = 4 << 8 };
typedef std::function<ListViewItem*(int variant)> Make;

const QString kHold(":/ui/images/call/holdcall.png"), kHoldSel(":/ui/images/call/holdcall_sel.png");

template <class Row> Row* pictured(Row* row)
{
    row->setPixmap(QPixmap(kHold), QPixmap(kHoldSel));
    return row;
}

template <class Row> Row* days(Row* row)
{
    row->setDateSelection(0, true);
    row->setDateSelection(2, true);
    row->setDateSelection(6, true);
    row->setDateSelection(2, false);
    return row;
}

const struct RowSheet {
    const char* name;
    int margin;   // room the list keeps right of its rows (rows that draw there)
    QList<int> bands;
    Make make;
} kSheets[] = {
    { "plain", 0, { 0, Focus, Pressed, Away, Off, Inverse, Inverse | Off, Flat, V1, V1 | Focus, V1 | Pressed, V1 | Inverse },
      [](int v) {
          ListViewItem* row = new ListViewItem(v ? "A plain row with a picture, a shadow and a text too long for it" : "Plain row",
                                               v ? QPixmap(kHold) : QPixmap(), v ? QPixmap(kHoldSel) : QPixmap());
          row->setUseShadow(v);
          return row;
      } },
    { "select", 0, { 0, Focus, Pressed, Away, Off, Inverse, V1, V1 | Pressed, V1 | Inverse, V2 | Focus },
      [](int v) -> ListViewItem* {
          if (v == 1)
              return pictured(new ListViewSelectItem("Time Area", "America/Argentina/Buenos_Aires"));
          return new ListViewSelectItem("Time Update", v ? "" : "Default");
      } },
    { "radio", 0, { 0, Focus, V1, V1 | Focus, V1 | Pressed, V1 | Inverse, V1 | Off, V2, V3, V3 | Inverse },
      [](int v) {
          ListViewRadioItem* row = new ListViewRadioItem(v < 2 ? "Europe" : QString(40, QLatin1Char('W')), v % 2);
          row->setUseImage(v < 2);
          return row;
      } },
    { "check", 0, { 0, Focus, Pressed, V1, V1 | Focus, V1 | Pressed, V1 | Away, V1 | Inverse, V1 | Off },
      [](int v) { return new ListViewCheckItem("Auto Answer", v); } },
    { "progress", 0, { 0, Focus, Pressed, Inverse, Off, V1, V2 | Inverse },
      [](int v) {
          ListViewProgressItem* row = new ListViewProgressItem("Volume", v == 2 ? 20 : 8);
          row->setValue(v == 2 ? 20 : 3);
          row->setUseSlider(v == 1);
          return row;
      } },
    { "info", 0, { 0, Focus, Inverse, Off, V1 },
      [](int v) {
          ListViewInfoItem* row = new ListViewInfoItem("MAC", "00:11:22:33:44:55:66:77:88:99:aa:bb");
          if (v) {
              row->setInfoLeftMargin(0);
              row->setInfoRightMargin(0);
              row->setInfoAlignment(Qt::AlignLeft | Qt::AlignVCenter);
          }
          return row;
      } },
    { "network", 0, { 0, Inverse, V1, V1 | Inverse, V2, V2 | Inverse },
      [](int v) {
          ListViewNetworkItem* row = new ListViewNetworkItem("Office", "WPA2");
          row->setSignalStep(v == 1 ? 3 : v == 2 ? 5 : 0);
          row->setHold(v == 1);
          return row;
      } },
    { "lineedit", 0, { 0, Away, Off, Inverse, V1, V1 | Inverse, V2 },
      [](int v) {
          ListViewLineEditItem* row = new ListViewLineEditItem("Server", v == 1 ? "secret" : "192.168.0.10");
          row->setEchoPasswordMode(v == 1);
          row->setEditTextLeftMargin(v == 1 ? 40 : v == 2 ? -20 : 0);
          row->setLabelColor(v == 1 ? QColor(200, 0, 0) : QColor(0, 0, 0));
          return row;
      } },
    { "checklineedit", 0, { 0, Away, Inverse, V1, V1 | Inverse, V2, V2 | Focus, V3 },
      [](int v) {
          ListViewCheckLineEditItem* row = v == 0 || v == 3 ? new ListViewCheckLineEditItem("No title", true, QString("10.0.0.1"))
                                                             : new ListViewCheckLineEditItem("Proxy", v == 2, v == 1, "10.0.0.1");
          row->setEditTextLeftMargin(v == 3 ? -20 : 30);
          row->setEchoPasswordMode(v == 3);
          return row;
      } },
    { "lineeditcheck", 110, { 0, Inverse, V1, V1 | Focus },
      [](int v) {
          ListViewLineEditCheckItem* row = new ListViewLineEditCheckItem("Title", v, true, "Text");
          row->setEchoPasswordMode(v);
          return row;
      } },
    { "dateselect", 0, { 0, Focus, Pressed, Inverse, Off, V1, V1 | Pressed },
      [](int v) {
          ListViewDateSelectItem* row = days(new ListViewDateSelectItem("Repeat"));
          return v ? pictured(row) : row;
      } },
    { "alarm", 110, { 0, Pressed, Inverse, V1, V1 | Inverse },
      [](int v) { return days(new ListViewAlarmItem("07:30", "Wake up", v)); } },
    { "timeedit", 0, { 0, Away, Inverse, Off, V1, V1 | Inverse },
      [](int v) {
          ListViewTimeEditItem* row = new ListViewTimeEditItem("Start", "08:15", "AM");
          row->setUse_ampmSelection(!v);
          return row;
      } },
    { "call", 0, { 0, Inverse, V1, V1 | Inverse, V2, V2 | Inverse, V3, V4 },
      [](int v) {
          ListViewCallItem* row = new ListViewCallItem(v, 0);
          row->setLabelText(v == 3 ? "A caller whose name is far too long for the row" : "Alice");
          row->setHistoryTimeText("10:42");
          row->setThumbnail(v == 1 ? 4 : 20);
          row->setPressThumbnail(v == 1 ? 5 : 21);
          row->setStartTime(3725);
          row->startTime();   // painted at once: 01:02:05
          return row;
      } },
    { "subtitle", 0, { 0, Inverse, V1, V2, V2 | Inverse, V3, V4 },
      [](int v) {
          ListViewSubTitleItem* row = new ListViewSubTitleItem("Title");
          row->addSubTitle("Ab", v == 1 ? 250 : -1, -1, Qt::red, Qt::blue);
          row->addSubTitle("Cd", v == 3 ? 200 : -1, v == 1 ? 14 : -1, Qt::red, Qt::blue);
          row->setGroupNameItem(v == 2);
          if (v == 3)
              row->setSubtitleAlignment(Qt::AlignRight | Qt::AlignVCenter);
          if (v == 4) {
              row->setTextWidth(60);
              pictured(row);
          }
          return row;
      } },
};

// The length rule every edit-text row shares.
template <class Row> QStringList cuts(Row& row)
{
    QStringList out;
    row.setMaxLength(4);
    row.setEditText("192.168.0.1");
    out << row.editText();
    row.setMaxLength(0);   // no limit: the text is kept whole
    row.setEditText(row.editText() + "0123456789");
    row.setMaxLength(3);   // a new limit cuts the stored text at once
    out << row.editText();
    row.setMaxLength(-1);  // a negative limit keeps the whole text
    row.setEditText("0123456789");
    return out << row.editText();
}

} // namespace

class RowsTest : public QObject
{
    Q_OBJECT
    QWidget m_screen;

    // The row alone in a one-row list as a page shows it, with room below for the focus box.
    QImage band(ListViewItem* row, int state, int margin)
    {
        ListView list(&m_screen);
        list.setGeometry(0, 0, 384 + margin, 46);
        list.setPageCount(1);
        list.setListBottomMargin(-6);
        list.setLineRightMargin(margin);
        list.addItem(row);
        const eListViewItemFocusType style = state & Inverse ? eFocusTypeInverse : state & Flat ? eFocusTypeFlat : eFocusTypeFloating;
        list.setFocusType(style);
        row->setFocusType(style);
        list.setSelectedIdx(state & (Focus | Pressed | Away | Inverse | Flat) ? 0 : -1);
        row->setItemSelectEnable(!(state & Off));
        if (!(state & Away)) {
            list.show();
            list.setFocus();
        }
        list.setSelectAndPressed(state & Pressed);
        return WidgetImage::render(&list, Qt::white, false);   // without the editor over edit rows
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestHost::loadPictures() && phoneUseScreenFont());
        m_screen.resize(494, 46);
        m_screen.show();
        m_screen.activateWindow();
        QVERIFY(phoneWaitForActive(&m_screen));
    }

    void paint_data()
    {
        QTest::addColumn<int>("sheet");
        for (int i = 0; i < int(sizeof kSheets / sizeof *kSheets); ++i)
            QTest::newRow(kSheets[i].name) << i;
    }

    void paint()
    {
        QFETCH(int, sheet);
        const RowSheet& s = kSheets[sheet];
        QList<QImage> bands;
        for (int b : s.bands)
            bands << band(s.make(b >> 8), b & 0xff, s.margin);
        if (QByteArray(s.name) == "call") {   // the hold background, which pages draw under a selected call
            ListViewCallItem row("");
            QImage image(384, 40, QImage::Format_ARGB32);
            image.fill(qRgb(255, 255, 255));
            QPainter p(&image);
            QRect r(0, 0, 384, 40);
            row.drawBg(&p, r);   // not selected: nothing
            row.setIsPressed(true);
            r.translate(0, 2);
            row.drawBg(&p, r);
            p.end();
            bands << image;
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(bands), QString("row_") + s.name);
    }

    void typeIds()
    {
        ListViewCheckLineEditItem checkLine("a", true, "0123456789"), titled("a", true, false, "b");
        QList<ListViewItem*> rows{ new ListViewItem, new ListViewProgressItem("a", 5), new ListViewSelectItem("a", "b"),
                                   new ListViewCheckItem("a", false), new ListViewRadioItem("a", true),
                                   new ListViewLineEditItem("a", "b"), new ListViewInfoItem("a", "b"),
                                   new ListViewNetworkItem("a", "b"), new ListViewSubTitleItem("a"),
                                   new ListViewAlarmItem("a", "b", true), new ListViewTimeEditItem("a", "b", "c"),
                                   new ListViewDateSelectItem("a"), new ListViewCallItem("a"),
                                   new ListViewLineEditCheckItem("a", true, true, "b"), &checkLine, &titled };
        QList<int> ids;
        for (ListViewItem* row : rows)
            ids << row->type();
        QCOMPARE(ids, QList<int>({ 0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 16, 15, 3 }));
        qDeleteAll(rows.mid(0, 14));   // through the base: the rows' own destructors
        // A check line-edit row is a check row while its edit text is off.
        titled.setUseEditText(true);
        checkLine.setUseEditText(false);
        QCOMPARE(QList<int>({ titled.type(), checkLine.type() }), QList<int>({ 15, 3 }));
    }

    void baseRules()
    {
        QPixmap blue(4, 4);
        blue.fill(Qt::blue);
        ListViewItem row("t", QPixmap(), blue);
        QVERIFY(!row.pixmap(0) && row.pixmap(1) && !row.pixmap(2) && !row.pixmap(-1));
        row.setPixmap(QPixmap(kHold), QPixmap());   // without a select picture both are the normal one
        QCOMPARE(row.pixmap(1)->toImage(), QPixmap(kHold).toImage());
        row.setPixmap(QPixmap(), blue);   // without a normal one picture 0 stays
        QVERIFY(row.pixmap(0)->toImage() == QPixmap(kHold).toImage() && row.pixmap(1)->toImage() == blue.toImage());
        QCOMPARE(row.scrollBarAreaWidth(), 9);
        row.setScrollBarAreaWidth(0);
        QCOMPARE(row.scrollBarAreaWidth(), 3);
        row.setSelected(true);   // floating: selected() is the pressed state
        QVERIFY(!row.selected());
        row.setIsPressed(true);
        row.setTextDisableColor(Qt::red);
        QVERIFY(row.selected() && row.textDisableColor() == Qt::white);   // the select colour while selected
        row.setFocusType(eFocusTypeInverse);
        row.setSelected(false);
        QVERIFY(!row.selected() && row.textDisableColor() == Qt::red);
    }

    void valueRules()
    {
        // min, value -> stored value, with maximum 8.
        const int cases[][3] = { { 0, 5, 5 }, { 0, 12, 8 }, { 0, -4, 0 }, { 3, 1, 3 }, { 9, 1, 8 } };
        for (const auto& c : cases) {
            ListViewProgressItem row("Volume", 8);
            row.setMinValue(c[0]);
            row.setValue(c[1]);
            QCOMPARE(row.value(), c[2]);
        }
        ListViewProgressItem row("Volume", 20);   // the constructor takes any maximum
        row.setValue(16);
        MessageCapture capture;
        row.setMaxValue(16);
        QCOMPARE(capture.lines(), QStringList("ListViewProgressItem::setMaxValue maxValue is over! check code! value: 16"));
        const int refused = row.maxValue();
        row.setMaxValue(15);
        row.setMaxValue(2);   // no re-clamp of the value
        QCOMPARE(QList<int>({ refused, row.maxValue(), row.value(), capture.lines().size() }), QList<int>({ 20, 2, 16, 1 }));

        ListViewLineEditItem lineEdit("t", "");
        ListViewCheckLineEditItem checkLine("t", false, QString());
        ListViewLineEditCheckItem lineEditCheck("t", false, true, "");
        const QStringList want{ "192.", "192", "0123456789" };
        QVERIFY(cuts(lineEdit) == want && cuts(checkLine) == want && cuts(lineEditCheck) == want);

        ListViewDateSelectItem date("Repeat");
        ListViewAlarmItem alarm("a", "b", false);
        QCOMPARE(date.weekList(), QStringList({ "o", "u", "e", "h", "r", "a", "u" }));   // second letters, untranslated
        QCOMPARE(alarm.weekList(), date.weekList());
        date.setDateSelection(9, true);   // kept, never drawn
        alarm.setDateSelection(5, true);
        QVERIFY(!date.isDataSelected(5) && date.isDataSelected(9) && alarm.isDataSelected(5) && !alarm.isDataSelected(9));
    }

    void subTitleRuns()
    {
        ListViewSubTitleItem row("Title");
        row.addSubTitle("one", -1, 19, Qt::red, Qt::blue);
        MessageCapture capture;
        QVERIFY(!row.subTitle(-1) && !row.subTitle(1));
        QCOMPARE(capture.lines(), QStringList({ "ListViewSubTitleItem::subTitle index err", "ListViewSubTitleItem::subTitle index err" }));
        const textClass* run = row.subTitle(0);
        QVERIFY(run->text() == "one" && run->textColor() == Qt::red && run->textSelectColor() == Qt::blue);
        QCOMPARE(QList<int>({ run->textX(), run->textWidth(), run->textPt(), run->alignment() }), QList<int>({ -1, 384, 19, 129 }));
    }

    void callRow()
    {
        // The timer text just after startTime(); the hours are not limited to two digits.
        ListViewCallItem row(2, 0);
        row.setThumbnail(99);   // an unknown icon in mode 2 still shows the timer
        MessageCapture capture;
        row.setStartTime(100 * 3600 + 58);
        row.startTime();
        QImage image(384, 40, QImage::Format_ARGB32);
        QPainter p(&image);
        QRect r(0, 0, 384, 40);
        row.paint(&p, r);
        QCOMPARE(row.timeText(), QString("100:00:58"));
        QCOMPARE(capture.lines(), QStringList({ "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::setStartTime(int startTime) :  360058",
                                                "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::startTime() ---------------------------" }));
        // It counts on as the list repaints.
        QVERIFY(phoneWaitFor([&] { row.paint(&p, r); return row.timeText() == "100:00:59"; }));
        // An icon absent from the mode's table leaves the picture; a path that does not load gives the default.
        ListViewCallItem history(1, 0);
        history.setThumbnail(5);
        history.setThumbnail(12);
        QCOMPARE(history.thumbnail().toImage(), QPixmap(":/call/images/call/icon_call_missed_press.png").toImage());
        TestDir dir;
        history.setThumbnailPath(dir.filePath("missing.png"));
        QCOMPARE(history.thumbnail().toImage(), QPixmap(":/call/images/call/call_thumbnail_img.png").toImage());
        // A long label stays shortened after a paint until it is set again.
        history.setLabelText(QString(60, QLatin1Char('W')));
        history.paint(&p, r);
        QVERIFY(history.labelText().size() < 60 && history.labelText().endsWith(QChar(0x2026)));
    }
};

QTEST_MAIN(RowsTest)
#include "tst_rows.moc"
