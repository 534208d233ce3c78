// The list view and its fourteen row types. Painting against reference pictures: every row type in
// its states as a list shows it, the list's scroll bars, separators and focus box. The keypad end
// to end (arrows, OK, Left/Right, hot keys, the 1000 ms long press timed against the timer queue),
// the repaints a user sees, the embedded editors, the sliding list; the rows' value rules.
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
#include "SignalOrder.h"
#include "SlideListView.h"
#include "TestDir.h"
#include "TestHost.h"
#include "TestMain.h"
#include "TestWait.h"
#include "TextSprites.h"
#include "TimerMark.h"
#include "WidgetImage.h"
#include "textClass.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <QPainter>
#include <QSignalSpy>
#include <QPair>
#include <QTest>

namespace {

// Band states of a row: selected with the list focused (the floating box), OK held on it, selected
// while the list has no focus, disabled, selected in the inverse or flat focus style. The variant
// of the row (its factory's argument) sits above them.
enum { Focus = 1, Pressed = 2, Away = 4, Off = 8, Inverse = 16, Flat = 32, V1 = 1 << 8, V2 = 2 << 8, V3 = 3 << 8, V4 = 4 << 8, V5 = 5 << 8 };
const QString kHold(":/ui/images/call/holdcall.png"), kHoldSel(":/ui/images/call/holdcall_sel.png");

template <class Row> Row* pictured(Row* row)
{
    row->setPixmap(QPixmap(kHold), QPixmap(kHoldSel));
    return row;
}

// Counts its deletions: the list owns its rows.
struct CountedRow : ListViewItem {
    static int gone;
    ~CountedRow() override { ++gone; }
};
int CountedRow::gone = 0;

// A page's call row with the hold background over it while selected.
struct HoldRow : ListViewCallItem {
    HoldRow() : ListViewCallItem(3, 0) {}
    void paint(QPainter* p, QRect& r) override { ListViewCallItem::paint(p, r); drawBg(p, r); }
};

template <class Row> Row* days(Row* row)
{
    for (int day : { 0, 2, 6 })
        row->setDateSelection(day, true);
    row->setDateSelection(2, false);
    return row;
}

const struct RowSheet {
    const char* name;
    int margin;   // room the list keeps right of its rows (for rows that draw there)
    QList<int> bands;
    std::function<ListViewItem*(int variant)> make;
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
          row->setAlignment(v == 3 ? int(Qt::AlignRight | Qt::AlignVCenter) : row->alignment());
          return row;
      } },
    { "check", 0, { 0, Focus, Pressed, V1, V1 | Focus, V1 | Pressed, V1 | Away, V1 | Inverse, V1 | Off },
      [](int v) { return new ListViewCheckItem("Auto Answer", v); } },
    { "progress", 0, { 0, Focus, Pressed, Inverse, Off, V1, V2 | Inverse, V3 },
      [](int v) {
          ListViewProgressItem* row = new ListViewProgressItem("Volume", v == 2 ? 20 : 8);
          row->setValue(v == 2 ? 20 : v == 3 ? 0 : 3);
          row->setUseSlider(v == 1);
          return row;
      } },
    { "info", 0, { 0, Focus, Inverse, Off, V1, V2 },
      [](int v) {
          ListViewInfoItem* row = new ListViewInfoItem("MAC", "00:11:22:33:44:55:66:77:88:99:aa:bb");
          if (v < 2)
              row->setInfoLeftMargin(v ? 0 : 167);   // variant 1: the info over the whole row
          row->setInfoRightMargin(v ? 0 : 10);
          row->setInfoAlignment(v ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter));
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
      [](int v) {
          ListViewAlarmItem* row = days(new ListViewAlarmItem("07:30", "Wake up", v));
          row->setAlignment(v ? int(Qt::AlignRight | Qt::AlignVCenter) : row->alignment());
          return row;
      } },
    { "timeedit", 0, { 0, Away, Inverse, Off, V1, V1 | Inverse },
      [](int v) {
          ListViewTimeEditItem* row = new ListViewTimeEditItem("Start", "08:15", "AM");
          row->setUse_ampmSelection(!v);
          return row;
      } },
    { "call", 0, { 0, Inverse, V1, V1 | Inverse, V2, V2 | Inverse, V3, V4, V5, V5 | Inverse },
      [](int v) {
          ListViewCallItem* row = v == 5 ? new HoldRow : new ListViewCallItem(v, 0);
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
          if (v == 4)
              row->setTextWidth(60);
          return v == 4 ? pictured(row) : row;
      } },
};

// The length rule every edit-text row shares: cut to the limit, none for 0, a new limit cuts at
// once, a negative one keeps the whole text.
template <class Row> QStringList cuts(Row& row)
{
    QStringList out;
    const QList<QPair<int, QString> > steps{ { 4, "192.168.0.1" }, { 0, "1920123456789" }, { 3, "" }, { -1, "0123456789" } };
    for (const auto& step : steps) {
        row.setMaxLength(step.first);
        if (!step.second.isEmpty())
            row.setEditText(step.second);
        out << row.editText();
    }
    return out;
}

// The page behind the list: records the keys that travel on to it.
class Page : public QWidget
{
public:
    QList<int> released;

protected:
    void keyReleaseEvent(QKeyEvent* e) override { released << e->key(); }
};

// A page's own single-line edit row: the list treats id 17 like a line-edit row.
class SingleLineRow : public ListViewLineEditItem
{
public:
    SingleLineRow() : ListViewLineEditItem("Name", "10.0.0.1") {}
    int type() override { return 17; }
};


} // namespace

class ListTest : public QObject
{
    Q_OBJECT
    Page* m_page;
    ListView* m_list;

    // A fresh list of plain rows, three to a page, 384 x 120, focused on a page on screen.
    ListView* fresh(int rows)
    {
        delete m_list;
        m_list = new ListView(m_page);
        m_list->setObjectName("list");
        m_list->setGeometry(0, 0, 384, 120);
        for (int i = 0; i < rows; ++i)
            m_list->addItem(new ListViewItem(QString("Row %1").arg(i), QPixmap(), QPixmap()));
        m_list->show();
        m_list->setFocus();
        return m_list;
    }
    void key(int key) { QTest::keyClick(m_list, Qt::Key(key)); }
    // Puts the row in place of row i and selects it.
    template <class Row> Row* put(int i, Row* row)
    {
        m_list->removeItem(i);
        m_list->addItem(row);
        m_list->moveItem(m_list->itemSize() - 1, i);
        m_list->setSelectedIdx(i);
        return row;
    }
    // The editors are the list's QLineEdit children; the time editor has an input mask. Before,
    // the rows get their places (a paint) and the list's 1 ms editor check runs.
    QLineEdit* editor(bool time = false)
    {
        m_list->repaint();
        if (!TimerMark(5).wait())
            return 0;
        for (QLineEdit* e : m_list->findChildren<QLineEdit*>())
            if (e->inputMask().isEmpty() != time)
                return e;
        return 0;
    }

    // The row alone in a one-row list as a page shows it, with room below for the focus box.
    QImage band(ListViewItem* row, int state, int margin)
    {
        fresh(0)->setGeometry(0, 0, 384 + margin, 46);
        m_list->setPageCount(1);
        m_list->setListBottomMargin(-6);
        m_list->setLineRightMargin(margin);
        m_list->addItem(row);
        const eListViewItemFocusType style = state & Inverse ? eFocusTypeInverse : state & Flat ? eFocusTypeFlat : eFocusTypeFloating;
        m_list->setFocusType(style);
        row->setFocusType(style);
        m_list->setSelectedIdx(state & (Focus | Pressed | Away | Inverse | Flat) ? 0 : -1);
        row->setItemSelectEnable(!(state & Off));
        if (state & Away)
            m_list->clearFocus();
        m_list->setSelectAndPressed(state & Pressed);
        return WidgetImage::render(m_list, Qt::white, false);   // without the editor over edit rows
    }

private slots:
    void initTestCase()
    {
        QVERIFY(phoneReferenceSetup());
        m_page = new Page;
        m_page->resize(384, 134);
        m_list = 0;
        fresh(0);
        m_page->show();
        m_page->activateWindow();
        QVERIFY(phoneWaitForActive(m_page) && phoneWaitForPainted(m_page));
    }
    void cleanupTestCase() { delete m_page; }

    void rows_data()
    {
        QTest::addColumn<int>("sheet");
        for (int i = 0; i < int(sizeof kSheets / sizeof *kSheets); ++i)
            QTest::newRow(kSheets[i].name) << i;
    }

    void rows()
    {
        QFETCH(int, sheet);
        const RowSheet& s = kSheets[sheet];
        QList<QImage> bands;
        for (int b : s.bands)
            bands << band(s.make(b >> 8), b & 0xff, s.margin);
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(bands), QString("row_") + s.name);
    }

    // In a taller row everything sits as much lower as the middle does; a picture as tall as
    // its row, or taller, 9 pixels from its top.
    void tallRows()
    {
        const auto painted = [](ListViewItem* row, int height) {
            QImage image(384, height, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            QRect r(0, 0, 384, height);
            row->paint(&p, r);
            delete row;
            return image;
        };
        // Boxes of edit and progress rows keep their places from the top: only their labels count.
        for (const RowSheet& s : kSheets) {
            const int width = QString("progress lineedit checklineedit timeedit").split(' ').contains(s.name) ? 160 : 384;
            for (int v = 0; v < 2 && QString(s.name) != "lineeditcheck"; ++v)
                QVERIFY2(painted(s.make(v), 100).copy(0, 20, width, 60) == painted(s.make(v), 60).copy(0, 0, width, 60), s.name);
        }
        QPixmap tall(20, 40);
        tall.fill(Qt::red);
        for (int height : { 40, 30 })
            for (ListViewItem* row : QList<ListViewItem*>{ new ListViewItem("t", tall, tall), new ListViewSubTitleItem("t") }) {
                row->setPixmap(tall, tall);
                const QImage image = painted(row, height);
                QVERIFY(image.pixel(15, 8) != qRgb(255, 0, 0) && image.pixel(15, 9) == qRgb(255, 0, 0));
            }
    }

    // A kept copy of a label or picture shows what drawing it afresh shows, whatever changed
    // under it (a dot where the copy is not looked up by) or in the pen since it was kept.
    void sprites()
    {
        const QPixmap mark = ListViewItem::picture(QLatin1String(":ui/images/widget/radio_sel.png"));
        QVERIFY(!mark.isNull());
        const auto draw = [&](QImage::Format format, const QColor& dot, const QColor& pen, bool fresh) {
            if (fresh)
                TextSprites::clear();
            QImage image(200, 40, format);
            image.fill(Qt::white);
            QPainter p(&image);
            for (const QPoint& at : { QPoint(30, 13), QPoint(100, 27), QPoint(163, 13) })
                p.fillRect(QRect(at, QSize(2, 2)), dot);
            p.setPen(pen);
            ListViewItem::drawLabel(&p, QRect(10, 0, 150, 40), Qt::AlignLeft | Qt::AlignVCenter, "Time City Select");
            TextSprites::drawPixmap(&p, QPoint(160, 10), mark);
            return image;
        };
        for (QImage::Format format : { QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB16 }) {
            // Kept copies first, each against a fresh drawing made after it.
            const QImage first = draw(format, Qt::white, Qt::black, true);
            QCOMPARE(draw(format, Qt::white, Qt::black, false), first);
            const QImage dotted = draw(format, Qt::red, Qt::black, false);
            QVERIFY(dotted == draw(format, Qt::red, Qt::black, true));
            draw(format, Qt::white, Qt::black, true);
            const QImage red = draw(format, Qt::white, Qt::red, false);
            QVERIFY(red == draw(format, Qt::white, Qt::red, true) && red != first);
        }
    }

    // The edit-text length rule, the base row's pictures and selected(), the progress row's value
    // rules, subtitle runs; the call row's timer and its picture for every icon number per mode.
    void rowRules()
    {
        ListViewCheckLineEditItem checkLine("a", true, "0123456789"), titled("a", true, false, "b");
        titled.setUseEditText(true);   // a check line-edit row is a check row while its edit text is off
        checkLine.setUseEditText(false);
        ListViewLineEditItem lineEdit("t", "");
        ListViewLineEditCheckItem lineEditCheck("t", false, true, "");
        const QStringList cut{ "192.", "1920123456789", "192", "0123456789" };
        QVERIFY(titled.type() == 15 && checkLine.type() == 3 && cuts(lineEdit) == cut && cuts(checkLine) == cut && cuts(lineEditCheck) == cut);
        ListViewItem row("t", QPixmap(), QPixmap(kHoldSel));
        QVERIFY(!row.pixmap(0) && row.pixmap(1) && !row.pixmap(2) && !row.pixmap(-1) && row.scrollBarAreaWidth() == 9
                && row.backGroundColor() == QColor(Qt::white));
        row.setPixmap(QPixmap(kHold), QPixmap());   // without a select picture both are the normal one
        const QImage hold = QPixmap(kHold).toImage();
        QVERIFY(row.pixmap(0)->toImage() == hold && row.pixmap(1)->toImage() == hold);
        row.setPixmap(QPixmap(), QPixmap(kHoldSel));   // without a normal one picture 0 stays
        QVERIFY(row.pixmap(0)->toImage() == hold && row.pixmap(1)->toImage() == QPixmap(kHoldSel).toImage());
        row.setScrollBarAreaWidth(0);
        row.setSelected(true);   // floating: selected() is the pressed state
        row.setTextDisableColor(Qt::red);
        QVERIFY(row.scrollBarAreaWidth() == 3 && !row.selected() && row.textDisableColor() == Qt::red);
        row.setIsPressed(true);   // the select colour while selected
        QVERIFY(row.selected() && row.textDisableColor() == Qt::white);
        // min, value -> stored value, with maximum 8; the constructor takes any maximum.
        for (const auto& c : { QList<int>{ 0, 12, 8 }, QList<int>{ 0, -4, 0 }, QList<int>{ 3, 1, 3 }, QList<int>{ 9, 1, 8 } }) {
            ListViewProgressItem progress("Volume", 8);
            progress.setMinValue(c[0]);
            progress.setValue(c[1]);
            QCOMPARE(progress.value(), c[2]);
        }
        ListViewProgressItem progress("Volume", 20);
        progress.setValue(16);
        MessageCapture capture;
        progress.setMaxValue(16);
        const int refused = progress.maxValue();
        progress.setMaxValue(15);
        progress.setMaxValue(2);   // no re-clamp of the value
        ListViewSubTitleItem subtitle("Title");
        subtitle.addSubTitle("one", -1, 19, Qt::red, Qt::blue);
        QVERIFY(!subtitle.subTitle(-1) && !subtitle.subTitle(1) && subtitle.subTitle(0)->textSelectColor() == Qt::blue);
        const textClass* run = subtitle.subTitle(0);
        QCOMPARE(QList<int>({ refused, progress.maxValue(), progress.value(), progress.step(), run->textX(), run->textWidth(), run->textPt(),
                             run->alignment(), textClass("x").textPt() }),
                 QList<int>({ 20, 2, 16, 1, -1, 384, 19, 129, 19 }));
        QCOMPARE(capture.lines(), QStringList({ "ListViewProgressItem::setMaxValue maxValue is over! check code! value: 16",
                                                "ListViewSubTitleItem::subTitle index err", "ListViewSubTitleItem::subTitle index err" }));
        ListViewCallItem call(2, 0);
        call.setThumbnail(99);   // an unknown icon in mode 2 still shows the timer
        capture.clear();
        call.setStartTime(100 * 3600 - 1);   // a second before the hundredth hour
        QImage image(384, 40, QImage::Format_ARGB32);
        QPainter p(&image);
        QRect r(0, 0, 384, 40);
        // Whole seconds from startTime(), against the timer queue (a mark that came late sees
        // nothing: the timer runs on the monotonic clock, not on the queue).
        QStringList times;
        QElapsedTimer since;   // started before the row's: never behind it
        TimerMark early(TimerMark::before(1000), [&] { call.paint(&p, r); times << (since.elapsed() < 1000 ? call.timeText() : "late"); });
        since.start();
        call.startTime();
        TimerMark late(TimerMark::after(1000), [&] { call.paint(&p, r); times << call.timeText(); });
        QVERIFY(early.wait() && late.wait());
        QCOMPARE(times, QStringList({ times.at(0) == "late" ? "late" : "99:59:59", "100:00:00" }));
        QCOMPARE(capture.lines(), QStringList({ "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::setStartTime(int startTime) :  359999",
                                                "<<<<<<<<<<<>>>>>>>>>>>>>>>>ListViewCallItem::startTime() ---------------------------" }));
        call.setLabelText(QString(60, QLatin1Char('W')));   // a long label stays shortened after a paint
        call.paint(&p, r);
        QVERIFY(call.labelText().size() < 60 && call.labelText().endsWith(QChar(0x2026)));
        call.setThumbnailPath(kHold);
        QVERIFY(call.thumbnail().toImage() == QPixmap(kHold).toImage());
        // A row painted alone fills its own background and leaves the painter as it found it.
        ListViewInfoItem info("MAC", "x");
        ListViewNetworkItem network("Office", "WPA2");
        p.fillRect(r, Qt::red);
        info.paint(&p, r);
        const QRgb filled = image.pixel(383, 0);
        network.paint(&p, r);
        QVERIFY(filled == qRgb(255, 255, 255) && p.font() == QFont() && p.pen() == QPen());
        // Pictures missing before the host's resources come show once they are there.
        TestHost::unloadPictures();
        QVERIFY(ListViewItem::picture(kHold).isNull());
        QVERIFY(TestHost::loadPictures() && !ListViewItem::picture(kHold).isNull());
        // Icons 0 to 31 in modes 0 to 2 (known numbers only in modes 1 and 2), then a path that does not load.
        QList<QImage> icons;
        for (int i = 0; i < 97; ++i) {
            ListViewCallItem row(i / 32, 0);
            if (i < 96) {
                row.setThumbnail(i % 32);
                row.setPressThumbnail(i % 32);
            } else {
                row.setThumbnailPath(TestDir().filePath("missing.png"));
            }
            icons << row.thumbnail().toImage() << row.pressThumbnail().toImage();
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(icons, 16), "row_call_icons");
    }


    // Rows, bad indices and their lines; the row search; paging, wrapping both ways, also when the
    // pages fill exactly; showing and focusing.
    void model()
    {
        fresh(5);
        QVERIFY(m_list->lineColor() == QColor(0, 0, 0) && m_list->scrollTopMargin() == 0 && m_list->scrollBottomMargin() == 0);
        QSignalSpy focus(m_list, SIGNAL(focusChanged(int)));
        m_list->removeItem(1);
        m_list->moveItem(0, 3);
        m_list->addItem(0);
        QVERIFY(m_list->item(QString("Row 2")) == m_list->item(0) && m_list->item(3)->text() == "Row 0" && !m_list->item(QString("x")));
        MessageCapture capture;
        m_list->removeItem(-1);
        m_list->moveItem(0, 9);
        m_list->item(1)->setItemSelectEnable(false);
        for (int i : { 5, 4, 1 })
            m_list->setSelectedIdx(i);
        m_list->setPageCount(0);
        QCOMPARE(capture.lines(), QStringList({ "ListView::removeItem invalid idx: -1", "ListView::moveItem invalid idx: 0 9", "ListView::setSelectedIdx invalid idx: 5",
                                                "ListView::setSelectedIdx currItem is null! idx: 4", "ListView::setSelectedIdx curr item is disale! idx: 1",
                                                "ListView::setPageCount pageCount: 0" }));
        QVERIFY(capture.lines(QtWarningMsg).size() == 1 && m_list->itemSize() == 5 && m_list->pageCount() == 3 && focus.isEmpty());
        m_list->setStartIdx(3);   // the null row ends the paint's row loop
        WidgetImage::render(m_list);
        m_list->setSelectedIdx(-7);   // any negative index is no selection
        m_list->setSelectedIdx(2);
        m_list->addItem(new CountedRow);
        m_list->itemClear();   // keeps the index
        QVERIFY(m_list->itemSize() == 0 && CountedRow::gone == 1 && m_list->selectedIdx() == 2 && SignalOrder::ints(focus) == QList<int>({ -1, 2 }));
        // The row search and its complaints; showing aligns the page to the selected row and disarms
        // the keys, focusing says so.
        fresh(7);
        for (int i : { 0, 3, 4, 6 })
            m_list->item(i)->setItemSelectEnable(false);
        m_list->addItem(0);
        capture.clear();
        QList<int> found;
        for (const QPair<int, bool>& c : QList<QPair<int, bool> >{ { 0, false }, { 3, false }, { 4, true }, { 0, true }, { -2, false }, { 9, true }, { 6, false } })
            found << m_list->searchNextItemIndex(c.first, c.second);
        QVERIFY(found == QList<int>({ 1, 5, 2, -1, 0, 7, 6 }) && capture.lines().size() == 3);
        QVERIFY(capture.lines().contains("ListView::searchNextItemIndex currItem is null! === ERRROR idx: 7  startIndexValue: 6  isInverseOrder: false"));
        m_list->setSelectedIdx(5);
        m_list->setKeyPressFlag(true);
        m_list->setSelectAndPressed(true);
        m_list->hide();
        m_list->show();
        m_list->clearFocus();
        capture.clear();
        m_list->setFocus();
        QVERIFY(m_list->startIdx() == 3 && !m_list->isKeyPressFlag() && !m_list->selectAndPressed());
        QCOMPARE(capture.lines(), QStringList("ListView::focusInEvent m_selectedidx: 5"));
        // rows, (next or prev)... -> startIdx, page and selection after each: wraps both ways, also
        // when the pages fill exactly.
        const struct { int rows; QList<int> steps, seen; } cases[] = {
            { 7, { 1, 1, 1, 0, 0 }, { 3, 1, 3, 6, 2, 6, 0, 0, 0, 6, 2, 6, 3, 1, 3 } },
            { 6, { 1, 1, 0 }, { 3, 1, 3, 0, 0, 0, 3, 1, 3 } },
            { 0, { 0, 1 }, { 0, 0, -1, 0, 0, -1 } } };
        for (const auto& c : cases) {
            fresh(c.rows)->setSelectedIdx(c.rows ? 0 : -1);
            QList<int> seen;
            for (int next : c.steps) {
                next ? m_list->nextPage() : m_list->prevPage();
                seen << m_list->startIdx() << m_list->page() << m_list->selectedIdx();
            }
            QCOMPARE(seen, c.seen);
        }
        fresh(7);
        capture.clear();
        m_list->setPage(2);
        for (int page : { 3, -1 })
            m_list->setPage(page);
        m_list->nextPage();
        QVERIFY(m_list->maxPage() == 1 && m_list->page() == 3);
        QCOMPARE(capture.lines(), QStringList({ "ListView::setPage overValue: 3", "ListView::setPage value: -1",
                                                "ListView::nextPage m_startIdx: 3  m_selectedIdx: 3  m_page: 3" }));
    }


    // Changes a user sees repaint the list: selection, paging, the top and bottom lines, the
    // removal of the selected last row, keys.
    void repaints()
    {
        fresh(7);
        const std::function<void()> changes[] = {
            [this] { m_list->setSelectedIdx(1); }, [this] { m_list->setSelectedIdx(-1); }, [this] { m_list->nextPage(); },
            [this] { m_list->prevPage(); }, [this] { m_list->setDrawTopBottomLine(true, false); }, [this] { m_list->setSelectedIdx(6); },
            [this] { m_list->removeItem(6); }, [this] { key(Qt::Key_Down); }, [this] { QTest::keyPress(m_list, Qt::Key_Return); },
            [this] { QTest::keyRelease(m_list, Qt::Key_Return); } };
        for (const auto& change : changes)
            QVERIFY(phonePaintsDuring(m_list, change) > 0);
    }

    // Scroll bars in the fill, none and line styles (thumb at 20 at least, clipped at the bottom);
    // separators dotted or solid, none under the last slot; the top and bottom lines erased (the
    // bottom one only from three rows); margins, background, the empty list; the focus box, a pixel
    // deeper under the last slot, pressed while OK is held, none without focus or on edit rows.
    void listLooks()
    {
        // Each: rows, rows per page, start, selected, width, height, scroll-bar style, thumb margins
        // (top, bottom, right), top and bottom lines, dotted, margins (left, right, list bottom),
        // focus style, OK held, list focus.
        const QList<QList<int> > looks[] = {
            { { 10, 3, 0, 0 }, { 10, 3, 0, 4 }, { 10, 3, 0, 9 }, { 10, 3, 0, -1 }, { 40, 3, 0, 20 }, { 40, 3, 0, 39 }, { 10, 3, 0, 5, 60, 120, 0, 10, 30, 3 },
              { 10, 3, 0, 0, 60, 120, 1 }, { 10, 3, 0, 9, 60, 120, 1 }, { 40, 3, 0, 39, 60, 120, 1 }, { 10, 3, 0, 5, 60, 120, 1, 10, 30, 3 },
              { 10, 3, 0, 0, 60, 120, 2 }, { 10, 3, 0, 9, 60, 120, 2 }, { 40, 3, 0, 39, 60, 120, 2 }, { 10, 3, 0, 5, 60, 120, 2, 10, 30, 3 } },
            { { 3, 3, 0, -1, 384, 120, 0, 0, 0, 0, 1, 1, 1 }, { 2, 2, 0, -1, 384, 120, 0, 0, 0, 0, 0, 1, 1 },
              { 3, 2, 0, -1, 384, 120, 0, 0, 0, 0, 1, 1, 1 }, { 4, 3, 3, -1, 384, 120, 0, 0, 0, 0, 0, 0, 1 },
              { 3, 3, 0, -1, 384, 120, 0, 0, 0, 0, 0, 0, 0 }, { 3, 3, 0, -1, 384, 120, 0, 0, 0, 0, 0, 0, 1, 5, 10, 6 },
              { 0, 3, 0, -1, 384, 120, 0, 0, 0, 0, 0, 0, 1 }, { 0, 3, 0, -1, 384, 120, 0, 0, 0, 0, 0, 0, 0 } },
            { { 3, 3, 0, 0, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 1, 0, 1 }, { 3, 3, 0, 1, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 1, 0, 1 },
              { 3, 3, 0, 2, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 1, 0, 1 }, { 4, 3, 0, 2, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 1, 0, 1 },
              { 4, 3, 3, 3, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 1, 1, 1 }, { 3, 3, 0, 1, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 1, 0, 0 },
              { 3, 3, 0, 1, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 2, 0, 1 }, { 3, 3, 0, 1, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 0, 0, 1 },
              { -3, 3, 0, 1, 384, 130, 0, 0, 0, 0, 0, 0, 1, 0, 0, -10, 1, 0, 0 } } };
        const char* names[] = { "list_scrollbars", "list_lines", "list_focus" };
        for (int sheet = 0; sheet < 3; ++sheet) {
            QList<QImage> images;
            for (QList<int> c : looks[sheet]) {
                c += QList<int>({ 60, 120, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1 }).mid(c.size() - 4);
                fresh(qAbs(c[0]))->setGeometry(0, 0, c[4], c[5]);
                if (c[0] < 0)   // edit rows: no box; without the focus the selected one is painted pressed
                    for (int i = 0; i < 3; ++i)
                        put(i, new ListViewLineEditItem("Edit", "text"))->setFocusType(eListViewItemFocusType(c[16]));
                m_list->setPageCount(c[1]);
                m_list->setStartIdx(c[2]);
                m_list->setSelectedIdx(c[3]);
                m_list->setScrollbarBorderType(ListView::eListViewScrollBarType(c[6]));
                m_list->setScrollTopMargin(c[7]);
                m_list->setScrollBottomMargin(c[8]);
                m_list->setScrollRightMargin(c[9]);
                m_list->setDrawTopBottomLine(c[10], c[11]);
                m_list->setUseDotLine(c[12]);
                m_list->setLineLeftMargin(c[13]);
                m_list->setLineRightMargin(c[14]);
                m_list->setListBottomMargin(c[15]);
                m_list->setFocusType(eListViewItemFocusType(c[16]));
                for (int i = 0; i < m_list->itemSize(); ++i)
                    m_list->item(i)->setFocusType(eListViewItemFocusType(c[16]));
                m_list->setSelectAndPressed(c[17]);
                if (!c[18])
                    m_list->clearFocus();
                if (sheet < 2)
                    m_list->setBackgroundColor(QColor(200, 220, 255));
                if (sheet == 1) {
                    m_list->setShowEmptyString(c[12]);
                    if (c[0] == 3 && !c[12])   // a solid line asked for by the row, dots off for the rest
                        m_list->item(0)->setUnderLineType(ListViewItem::UnderLineSolid);
                    if (c[0] == 0 && !c[12]) {
                        QPixmap corner(20, 20);
                        corner.fill(Qt::darkGreen);
                        m_list->setBackgroundPixmap(corner);
                    }
                }
                images << WidgetImage::render(m_list, Qt::transparent, false);
            }
            PHONE_VERIFY_REFERENCE(WidgetImage::stack(images, sheet ? 1 : 4), names[sheet]);
        }
    }

    void arrows()
    {
        const int up = Qt::Key_Up, down = Qt::Key_Down;
        // rows, disabled rows, selected and startIdx before, keys, selected and startIdx after, focusChanged
        const struct { int rows; QList<int> disabled, before, keys, after, focus; } cases[] = {
            { 7, {}, { 2, 0 }, { down }, { 3, 1 }, { 3 } },         // the page follows
            { 7, {}, { 0, 0 }, { up }, { 6, 4 }, { 6 } },           // up on row 0 wraps to the last page
            { 7, {}, { 6, 4 }, { down }, { 0, 0 }, { 0 } },         // down on the last row wraps to the top
            { 7, {}, { 3, 3 }, { up }, { 2, 2 }, { 2 } },           // up off the page
            { 7, { 1, 2 }, { 3, 0 }, { up }, { 0, 0 }, { 0 } },     // up skips disabled rows
            { 7, { 0 }, { 1, 0 }, { up }, { 1, 0 }, {} },          // up from 1 over a disabled row 0 stays
            { 7, { 3, 4 }, { 2, 0 }, { down }, { 5, 3 }, { 5 } },   // down across disabled rows moves the page
            { 7, { 6 }, { 0, 0 }, { up }, { 5, 3 }, { 5 } },        // the wrap skips a disabled last row
            { 4, { 0 }, { 3, 1 }, { down }, { 1, 0 }, { 1 } },     // and a disabled first row
            { 5, { 0 }, { -1, 0 }, { up }, { 1, 0 }, { 1 } },      // no selection: the first enabled row
            { 0, {}, { -1, 0 }, { up, down }, { -1, 0 }, {} },     // no rows: nothing to find
            { 5, {}, { 0, 0 }, { down, down, down, up, up, up }, { 0, 0 }, { 1, 2, 3, 2, 1, 0 } } };
        for (const auto& c : cases) {
            fresh(c.rows)->setSelectedIdx(c.before[0]);
            m_list->setStartIdx(c.before[1]);
            for (int i : c.disabled)
                m_list->item(i)->setItemSelectEnable(false);
            QSignalSpy focus(m_list, SIGNAL(focusChanged(int))), pressed(m_list, SIGNAL(keyPressed(int))), clicked(m_list, SIGNAL(clicked(int)));
            for (int k : c.keys)
                key(k);
            QCOMPARE(QList<int>({ m_list->selectedIdx(), m_list->startIdx() }), c.after);
            QVERIFY(SignalOrder::ints(focus) == c.focus && SignalOrder::ints(pressed) == c.keys && clicked.isEmpty());
        }
        // Arrows act on the press, once per press event while held; the release, and any release
        // whose press went elsewhere, does nothing. With the leave signals the list lets go at
        // both ends; with arrow movement off the arrows travel on to the page.
        fresh(4);
        MessageCapture capture;
        QTest::keyPress(m_list, Qt::Key_Down);
        QTest::keyPress(m_list, Qt::Key_Down);
        QTest::keyRelease(m_list, Qt::Key_Down);
        QTest::keyRelease(m_list, Qt::Key_Return);
        QVERIFY(m_list->selectedIdx() == 2 && capture.lines().count(QString::fromLatin1("ListView::keyReleaseEvent objectName: \"list\" false")) == 2);
        m_list->setActiveLeaveFocusSignal(true);
        m_list->setActiveEndLeaveFocusSignal(true);
        QSignalSpy leave(m_list, SIGNAL(leaveFocus())), endLeave(m_list, SIGNAL(endLeaveFocus(int))), focus(m_list, SIGNAL(focusChanged(int)));
        m_list->setStartIdx(1);
        m_list->setSelectedIdx(3);
        key(Qt::Key_Down);
        QVERIFY(SignalOrder::ints(endLeave) == QList<int>{ Qt::Key_Down } && m_list->selectedIdx() == 3 && m_list->startIdx() == 1);
        m_list->setSelectedIdx(0);
        m_list->setIsEnabledArrowKeyMove(false);
        for (int k : { Qt::Key_Down, Qt::Key_Right })
            key(k);
        QVERIFY(m_page->released.mid(m_page->released.size() - 2) == QList<int>({ Qt::Key_Down, Qt::Key_Right }));
        m_list->setIsEnabledArrowKeyMove(true);
        key(Qt::Key_Up);
        QVERIFY(leave.count() == 1 && m_list->selectedIdx() == 0 && SignalOrder::ints(focus) == QList<int>({ 3, 0 }));
        QCOMPARE(capture.linesStartingWith("ListView::keyReleaseEvent skip"),
                 QStringList({ "ListView::keyReleaseEvent skip Key_Up or Key_Down", "ListView::keyReleaseEvent skip Key_Left or Key_Right" }));
    }


    // OK clicks on release, toggling check rows unless they keep their value; Left and Right click
    // select-like rows and step progress rows within their range, as do the volume keys.
    void okAndValueKeys()
    {
        fresh(0);
        QSignalSpy clicked(m_list, SIGNAL(clicked(int))), changed(m_list, SIGNAL(changeValue(int,int)));
        ListViewCheckItem* check = new ListViewCheckItem("c", false), *kept = new ListViewCheckItem("k", true);
        ListViewCheckLineEditItem* checkLine = new ListViewCheckLineEditItem("t", false, false, "x");
        for (ListViewItem* row : QList<ListViewItem*>{ check, kept, checkLine, new ListViewLineEditCheckItem("l", false, true, "x") })
            m_list->addItem(row);
        kept->setIsNoValueChange(true);
        MessageCapture capture;
        for (int i = 0; i < 5; ++i) {
            checkLine->setUseEditText(i == 4);   // id 15 toggles too; id 16 only clicks
            m_list->setSelectedIdx(i < 4 ? i : 2);
            QTest::keyPress(m_list, Qt::Key_Return);
            QVERIFY(m_list->selectAndPressed() && clicked.count() == i);
            QTest::keyRelease(m_list, Qt::Key_Return);
        }
        m_list->setSelectedIdx(-1);   // without a selection OK is no row key and travels on
        key(Qt::Key_Return);
        QVERIFY(check->isChecked() && kept->isChecked() && !checkLine->isChecked() && m_page->released.last() == Qt::Key_Return);
        QVERIFY(SignalOrder::ints(clicked) == QList<int>({ 0, 1, 2, 3, 2 }) && capture.linesStartingWith("ListView::keyReleaseEvent emit").size() == 4);
        clicked.clear();
        const QList<ListViewItem*> sideways{ new ListViewSelectItem("s", "v"), new ListViewTimeEditItem("t", "08:00", "AM"), new ListViewItem };
        for (int i = 0; i < 3; ++i) {
            put(i, sideways[i]);
            key(i ? Qt::Key_Right : Qt::Key_Left);
        }
        // value, step, key -> value of a row from 2 to 8.
        const int steps[][4] = { { 5, 2, Qt::Key_Right, 7 }, { 7, 2, Qt::Key_Right, 8 }, { 3, 2, Qt::Key_Left, 2 }, { 5, 2, Qt::Key_Left, 3 },
                                 { 8, 1, Qt::Key_VolumeUp, 8 }, { 5, 2, Qt::Key_VolumeDown, 3 }, { 3, 3, Qt::Key_VolumeDown, 2 },
                                 { 5, 1, Qt::Key_VolumeMute, 2 } };
        ListViewProgressItem* progress = put(1, new ListViewProgressItem("volume", 8));
        progress->setMinValue(2);
        for (const auto& s : steps) {
            progress->setValue(s[0]);
            progress->setStep(s[1]);
            key(s[2]);
            QVERIFY(progress->value() == s[3] && changed.takeFirst() == QList<QVariant>({ 1, s[3] }));
        }
        QVERIFY(changed.isEmpty() && SignalOrder::ints(clicked) == QList<int>({ 0, 1 }));
    }

    // F1 onward pick the page's rows (from five keys on the fourth key starts over): the press
    // selects, the release clicks and reports the hot key, toggling check rows.
    void hotKeys()
    {
        const int f1 = Qt::Key_F1;
        QCOMPARE(fresh(4)->keyToItemIdx(f1), -1);   // off by default
        m_list->setEnableFuncKey(true);
        // last key, startIdx, then key -> row pairs
        const QList<QList<int> > cases{ { f1 + 9, 0, f1, 0, f1 + 2, 2, f1 + 3, 0, f1 + 4, 1, f1 + 9, 6, f1 + 10, -1, f1 - 1, -1 },
                                        { f1 + 9, 3, f1, 3, f1 + 3, 3 }, { f1 + 3, 0, f1, 0, f1 + 3, 3 } };
        for (const QList<int>& c : cases) {
            m_list->setEndFuncKey(c[0]);
            m_list->setStartIdx(c[1]);
            for (int i = 2; i < c.size(); i += 2)
                QCOMPARE(m_list->keyToItemIdx(c[i]), c[i + 1]);
        }
        m_list->setEndFuncKey(Qt::Key_F10);
        m_list->setStartIdx(0);
        SignalOrder order;
        for (const char* signal : { SIGNAL(focusChanged(int)), SIGNAL(keyPressed(int)), SIGNAL(clicked(int)), SIGNAL(clickedFuncKey(int)) })
            order.watch(m_list, signal, [signal](const QList<QVariant>& a) { return QString(signal).mid(1).section('(', 0, 0) + " " + a.at(0).toString(); });
        MessageCapture capture;
        QTest::keyPress(m_list, Qt::Key_F3);
        QCOMPARE(order.events, QStringList("focusChanged 2"));
        QTest::keyRelease(m_list, Qt::Key_F3);
        ListViewCheckItem* check = put(0, new ListViewCheckItem("c", false));
        key(Qt::Key_F1);
        m_list->item(1)->setItemSelectEnable(false);   // a disabled row is not clicked
        key(Qt::Key_F2);
        m_list->setStartIdx(3);   // past the rows: the key travels on
        key(Qt::Key_F2);
        m_list->setStartIdx(0);
        m_list->setIsVisibleSelectBackGround(false);   // the hot key clears the selection
        key(Qt::Key_F3);
        m_list->doClick();   // no selection: nothing
        m_list->setSelectedIdx(3);
        m_list->doClick();
        const QString k1 = "keyPressed " + QString::number(Qt::Key_F1), k2 = "keyPressed " + QString::number(Qt::Key_F2), k3 = "keyPressed " + QString::number(Qt::Key_F3);
        QCOMPARE(order.events, QStringList({ "focusChanged 2", k3, "clicked 2", "clickedFuncKey 2", "focusChanged 0", k1, "clicked 0", "clickedFuncKey 0", k2,
                                             k2, "focusChanged 2", k3, "clicked 2", "clickedFuncKey 2", "focusChanged 3", "clickedFuncKey 3" }));
        QVERIFY(check->isChecked() && m_list->selectedIdx() == 3 && m_page->released.last() == Qt::Key_F2);
        QCOMPARE(capture.linesStartingWith("ListView::keyReleaseEvent i") + capture.linesStartingWith("ListView::doClick"),
                 QStringList({ "ListView::keyReleaseEvent item is disable!", "ListView::keyReleaseEvent invalid idx: 4  itemSize: 4", "ListView::doClick :  3" }));
    }

    // A hot key held 1000 ms long-presses (not sooner), once; released sooner, or with long press
    // off, never. Three lists at once, so that the suite waits for the time once.
    void longPress()
    {
        QList<ListView*> lists;
        QList<QSignalSpy*> spies;
        for (int i = 0; i < 3; ++i) {
            lists << new ListView(m_page);
            for (int r = 0; r < 3; ++r)
                lists[i]->addItem(new ListViewItem);
            lists[i]->setEnableFuncKey(true);
            lists[i]->setIsEnabledLongPress(i < 2);
            spies << new QSignalSpy(lists[i], SIGNAL(longPress(int)));
        }
        QList<int> early, late;
        TimerMark before(TimerMark::before(1000), [&] { early << spies[0]->count() << spies[1]->count() << spies[2]->count(); });
        QTest::keyPress(lists[0], Qt::Key_F2);   // held
        QTest::keyClick(lists[1], Qt::Key_F3);   // released in time
        QTest::keyPress(lists[2], Qt::Key_F1);   // held, long press off
        TimerMark after(TimerMark::after(1000), [&] { late << spies[0]->count() << spies[1]->count() << spies[2]->count(); });
        QVERIFY(before.wait() && after.wait());
        QVERIFY(early == QList<int>({ 0, 0, 0 }) && late == QList<int>({ 1, 0, 0 }) && SignalOrder::ints(*spies[0]) == QList<int>{ 1 });
        QSignalSpy clicked(lists[0], SIGNAL(clicked(int)));
        QTest::keyRelease(lists[0], Qt::Key_F2);   // handled as any release
        QCOMPARE(SignalOrder::ints(clicked), QList<int>{ 1 });
        lists[0]->setIsVisibleSelectBackGround(false);   // then the long press clears the selection
        lists[0]->setSelectedIdx(2);
        lists[0]->setKeyPressFlag(true);
        lists[0]->longPressTimeout();
        QVERIFY(SignalOrder::ints(*spies[0]) == QList<int>({ 1, 2 }) && lists[0]->selectedIdx() == -1);
        qDeleteAll(spies);
        qDeleteAll(lists);
    }


    // Each edit row gets its editor over its input box (row 1: top 40, right edge 384), filled,
    // focused; Enter reaches check line-edit and id-17 editors only (and through them the list);
    // another row takes the editor away and gives the list the focus back.
    void editors()
    {
        // id, margin, title of a check line-edit row or AM/PM of a time row -> editor geometry
        const QList<QPair<QList<int>, QRect> > cases{
            { { 5, 0, 0 }, QRect(193, 46, 186, 22) }, { { 5, 40, 0 }, QRect(233, 46, 146, 22) }, { { 5, -20, 0 }, QRect(173, 46, 206, 22) },
            { { 17, 10, 0 }, QRect(208, 46, 172, 22) }, { { 15, 0, 1 }, QRect(194, 46, 176, 22) }, { { 15, 30, 1 }, QRect(224, 46, 146, 22) },
            { { 15, 30, 0 }, QRect(194, 46, 176, 22) }, { { 15, -20, 0 }, QRect(174, 46, 196, 22) }, { { 11, 0, 1 }, QRect(193, 46, 98, 22) },
            { { 11, 0, 0 }, QRect(289, 46, 92, 22) } };
        for (const auto& c : cases) {
            ListViewItem* row = c.first[0] == 5 ? new ListViewLineEditItem("Server", "10.0.0.1") : c.first[0] == 17 ? new SingleLineRow
                : c.first[0] == 11 ? static_cast<ListViewItem*>(new ListViewTimeEditItem("Start", "08:15", "AM"))
                : c.first[2] ? new ListViewCheckLineEditItem("P", false, true, "10.0.0.1") : new ListViewCheckLineEditItem("P", false, QString("10.0.0.1"));
            if (c.first[0] == 11)
                static_cast<ListViewTimeEditItem*>(row)->setUse_ampmSelection(c.first[2]);
            row->setEditTextLeftMargin(c.first[1]);
            fresh(3);
            put(1, row);
            const bool time = c.first[0] == 11, enter = c.first[0] == 15 || c.first[0] == 17;
            QLineEdit* e = editor(time);
            QVERIFY(e && e->isVisible() && e->hasFocus() && e->geometry() == c.second);
            QVERIFY(e->text() == (time ? "08:15" : "10.0.0.1") && (!time || (e->cursorPosition() == 0 && !editor(false))));
            QSignalSpy returned(e, SIGNAL(returnPressed())), clicked(m_list, SIGNAL(clicked(int)));
            QTest::keyClick(e, Qt::Key_Return);
            QTest::keyClick(e, Qt::Key_Enter);
            QVERIFY(returned.count() == 2 * enter && clicked.count() == 2 * enter);
            QTest::keyClick(e, Qt::Key_Down);   // an arrow in the editor moves the list: the editor goes
            QVERIFY(editor(time) == e && !e->isVisible() && m_list->hasFocus() && m_list->selectedIdx() == 2);
        }
        m_list->setSelectedIdx(-1);   // with no row selected Enter reaches the editor
        QSignalSpy returned(editor(true), SIGNAL(returnPressed()));
        QTest::keyClick(editor(true), Qt::Key_Return);
        QCOMPARE(returned.count(), 1);
        // Down onto an edit row that scrolls in: its editor goes where the row is drawn.
        fresh(4);
        put(3, new ListViewLineEditItem("Server", "10.0.0.1"));
        m_list->setSelectedIdx(2);
        QVERIFY(TimerMark(5).wait());
        key(Qt::Key_Down);
        QVERIFY(TimerMark(5).wait());
        QCOMPARE(m_list->findChild<QLineEdit*>()->geometry(), QRect(193, 86, 178, 22));
    }

    // The editor is set up from the row (echo, read-only, limit, validators), writes every change
    // back, and follows the selected row when rows go.
    void editorSettingsAndText()
    {
        fresh(0);
        QList<ListViewLineEditItem*> rows;   // password with a limit, read-only, address (before the port), port
        for (const char* text : { "abcdef", "00:11:22", "", "" }) {
            rows << new ListViewLineEditItem("Title", text);
            m_list->addItem(rows.last());
        }
        rows[0]->setEchoPasswordMode(true);
        rows[0]->setMaxLength(8);
        rows[1]->setEditTextDisabled(true);
        rows[2]->setIPValidate(true);
        rows[2]->setSipPortValidate(true);
        rows[3]->setSipPortValidate(true);
        ListViewCheckLineEditItem* check = new ListViewCheckLineEditItem("P", true, true, "ab");
        m_list->addItem(check);
        QSignalSpy text(m_list, SIGNAL(textChanged(QString))), change(m_list, SIGNAL(changeLineEditText(int,QString)));
        MessageCapture capture;
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            m_list->setSelectedIdx(i);
            m_list->setStartIdx(i);
            QLineEdit* e = editor();
            seen << QString("%1 %2 %3 %4").arg(e->echoMode()).arg(e->isReadOnly()).arg(e->maxLength()).arg(e->font().pointSize());
            QStringList accepted;
            for (QString t : QString("192.168.0.1 255.255.255.255 010.001.1.01 256.1.1.1 1.1.1 10000 65535 9999 65536").split(' ')) {
                int pos = 0;
                if (e->validator() && e->validator()->validate(t, pos) == QValidator::Acceptable)
                    accepted << t;
            }
            seen << accepted.join(",");
            e->end(false);
            QTest::keyClicks(e, "9");   // typed text goes to the row
        }
        QCOMPARE(seen, QStringList({ "2 0 8 20", "", "0 1 32767 20", "", "0 0 32767 20", "192.168.0.1,255.255.255.255,010.001.1.01",
                                     "0 0 32767 20", "10000,65535", "0 0 32767 20", "" }));
        QVERIFY(rows[0]->editText() == "abcdef9" && rows[2]->editText() == "9" && rows[3]->editText() == "9" && check->editText() == "ab9");
        QVERIFY(change.at(0) == QList<QVariant>({ 0, QString("abcdef9") }) && text.count() == 4 && change.count() == 4);
        QVERIFY(capture.lines().contains("ListView::LineEditItem  useTitleText: true"));
        ListViewTimeEditItem* time = put(0, new ListViewTimeEditItem("Start", "08:15", "AM"));   // the time editor writes the time
        m_list->setStartIdx(0);
        QTest::keyClicks(editor(true), "0930");
        QVERIFY(time->getTime() == "09:30" && change.last() == QList<QVariant>({ 0, QString("09:30") }));
        m_list->itemClear();
        m_list->addItem(new ListViewLineEditItem("A", "first"));
        m_list->addItem(new ListViewLineEditItem("B", "second"));
        m_list->setSelectedIdx(1);
        editor();
        m_list->removeItem(0);   // index 1 is gone: the selection moves to the row now at 0, the editor follows
        QVERIFY(editor()->isVisible() && editor()->text() == "second" && editor()->geometry().top() == 6);
        m_list->removeItem(0);   // nothing left: hidden
        QVERIFY(!editor()->isVisible() && m_list->hasFocus());
        // A removed edit row of each kind takes its editor off the screen, the next row selected.
        for (ListViewItem* row : QList<ListViewItem*>{ new ListViewLineEditItem("A", "a"), new ListViewCheckLineEditItem("P", false, true, "b"), new SingleLineRow }) {
            fresh(3);
            const int type = put(1, row)->type();
            QVERIFY(editor()->isVisible());
            m_list->removeItem(1);
            QVERIFY2(!editor()->isVisible() && m_list->hasFocus() && m_list->selectedIdx() == 1, qPrintable(QString::number(type)));
        }
    }

    // Hidden rectangles per direction (to the left always 384 pixels); in from below in 100 ms and
    // out in 70 ms (the stored duration says 100), reported invisible while sliding out; a close after a
    // hide slides from the origin; without animation it jumps.
    void slide()
    {
        QWidget screen;
        SlideListView* list = new SlideListView(&screen);
        screen.show();
        // type, screen bottom-right -> hidden rectangle of a list at (0, 40) 384 x 100
        const QList<QPair<QList<int>, QRect> > cases{ { { 9, 383, 159 }, QRect(0, 200, 384, 100) }, { { 0, 383, 159 }, QRect(0, 40, 384, 100) },
            { { 2, 383, 159 }, QRect(0, -120, 384, 100) }, { { 3, 799, 479 }, QRect(-384, 40, 384, 100) }, { { 4, 799, 479 }, QRect(800, 40, 384, 100) } };
        for (const auto& c : cases) {
            list->setScreenRect(QRect(QPoint(0, 0), QPoint(c.first[1], c.first[2])));
            list->setGeometry(0, 40, 384, 100);   // the screen counts from here
            list->setSlideType(SlideListView::eSlideType(c.first[0]));
            QVERIFY(list->hiddenRect() == c.second && list->pos() == c.second.topLeft() && list->targetRect() == QRect(0, 40, 384, 100));
            list->setScreenRect(QRect(0, 0, 384, 160));
            list->setSlideType(SlideListView::eSlideFromBottom);
        }
        list->QWidget::hide();
        QSignalSpy shown(list, SIGNAL(showFinished())), hidden(list, SIGNAL(hideFinished())), closed(list, SIGNAL(closeFinished()));
        list->show();
        QVERIFY(list->QWidget::isVisible() && list->isVisible() && list->geometry() == QRect(0, 200, 384, 100));
        // A slide ends at the first animation frame (one each 16 ms) past its time.
        QList<int> ends;
        TimerMark inEarly(TimerMark::before(100), [&] { ends << shown.count(); }), inLate(TimerMark::after(100) + 16, [&] { ends << shown.count(); });
        QVERIFY(inEarly.wait() && inLate.wait() && list->geometry() == QRect(0, 40, 384, 100) && list->getHideDuration() == 100);
        TimerMark outEarly(TimerMark::before(70), [&] { ends << hidden.count(); }), outLate(TimerMark::after(70) + 16, [&] { ends << hidden.count(); });
        list->hide();
        QVERIFY(list->QWidget::isVisible() && !list->isVisible() && outEarly.wait() && outLate.wait());
        QCOMPARE(ends, QList<int>({ 0, 1, 0, 1 }));
        QVERIFY(!list->QWidget::isVisible() && list->geometry() == QRect(0, 200, 384, 100));
        list->QWidget::show();
        list->hide();
        list->close();
        QVERIFY(!list->isVisible() && list->geometry() == QRect(0, 0, 384, 100) && phoneWaitForSignal(closed));
        QVERIFY(TimerMark(TimerMark::after(70)).wait() && hidden.count() == 1 && list->geometry() == QRect(0, 200, 384, 100));
        list->setUseAnimation(false);
        list->show();
        QVERIFY(list->isVisible() && list->geometry() == QRect(0, 40, 384, 100));
        list->hide();
        QVERIFY(!list->isVisible() && list->pos() == QPoint(0, 40) && shown.count() == 1);
    }
};

PHONE_TEST_MAIN(ListTest)
#include "tst_list.moc"
