// The list view: rows, selection and paging; its paint against reference pictures (scroll bars,
// separators, focus box); the keypad end to end (arrows, OK, Left/Right, hot keys, long press),
// the repaints a user sees; the embedded editors; the sliding list.
#include "ListView.h"
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewLineEditCheckItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewProgressItem.h"
#include "ListViewSelectItem.h"
#include "ListViewTimeEditItem.h"
#include "MessageCapture.h"
#include "Reference.h"
#include "SignalOrder.h"
#include "SlideListView.h"
#include "TestHost.h"
#include "TestWait.h"
#include "TimerMark.h"
#include "WidgetImage.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

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

QList<int> ints(const QSignalSpy& spy)
{
    QList<int> out;
    for (int i = 0; i < spy.count(); ++i)
        out << spy.at(i).at(0).toInt();
    return out;
}

} // namespace

class ListTest : public QObject
{
    Q_OBJECT
    Page* m_page;
    ListView* m_list;

    // A fresh list of plain rows, three to a page, 384 x 120, on a page on screen.
    ListView* fresh(int rows, ListView* list = 0)
    {
        delete m_list;
        m_list = list ? list : new ListView;
        m_list->setParent(m_page);
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
    // The editors are the list's QLineEdit children; the time editor has an input mask.
    QLineEdit* editor(bool time = false)
    {
        for (QLineEdit* e : m_list->findChildren<QLineEdit*>())
            if (e->inputMask().isEmpty() != time)
                return e;
        return 0;
    }
    // Lets the list's 1 ms editor checks run (timers fire in order of their due times).
    static void settle() { QVERIFY(TimerMark(5).wait()); }

private slots:
    void initTestCase()
    {
        QVERIFY(TestHost::loadPictures() && phoneUseScreenFont());
        m_page = new Page;
        m_page->resize(384, 134);
        m_list = 0;
        fresh(0);
        m_page->show();
        m_page->activateWindow();
        QVERIFY(phoneWaitForActive(m_page) && phoneWaitForPainted(m_page));
    }
    void cleanupTestCase() { delete m_page; }

    void rowsAndBadIndices()
    {
        fresh(5);
        QSignalSpy focus(m_list, SIGNAL(focusChanged(int)));
        m_list->removeItem(1);
        m_list->moveItem(0, 3);
        m_list->addItem(0);
        QVERIFY(m_list->item(QString("Row 2")) == m_list->item(0) && m_list->item(3)->text() == "Row 0");
        QVERIFY(!m_list->item(QString("nope")) && !m_list->item(-1) && !m_list->item(5));
        MessageCapture capture;
        m_list->removeItem(7);
        m_list->removeItem(-1);
        m_list->moveItem(0, 9);
        m_list->setSelectedIdx(5);
        m_list->setSelectedIdx(4);
        m_list->item(1)->setItemSelectEnable(false);
        m_list->setSelectedIdx(1);
        m_list->setPageCount(-2);
        QCOMPARE(capture.lines(), QStringList({ "ListView::removeItem invalid idx: 7", "ListView::removeItem invalid idx: -1",
                                                "ListView::moveItem invalid idx: 0 9", "ListView::setSelectedIdx invalid idx: 5",
                                                "ListView::setSelectedIdx currItem is null! idx: 4",
                                                "ListView::setSelectedIdx curr item is disale! idx: 1",
                                                "ListView::setPageCount pageCount: -2" }));
        QCOMPARE(capture.lines(QtWarningMsg), QStringList("ListView::setSelectedIdx currItem is null! idx: 4"));
        QVERIFY(m_list->itemSize() == 5 && m_list->selectedIdx() == 0 && m_list->pageCount() == 3 && focus.isEmpty());
        m_list->setStartIdx(3);   // the null row ends the paint's row loop
        WidgetImage::render(m_list);
        m_list->setSelectedIdx(-7);   // any negative index is no selection
        m_list->setSelectedIdx(2);
        m_list->itemClear();   // keeps the index
        QVERIFY(m_list->itemSize() == 0 && m_list->selectedIdx() == 2 && ints(focus) == QList<int>({ -1, 2 }));
    }

    void paging()
    {
        // rows, (next or prev)... -> startIdx, page and selection after each: wraps both ways, also
        // when the pages fill exactly.
        const struct { int rows; QList<int> steps, seen; } cases[] = {
            { 7, { 1, 1, 1, 0, 0 }, { 3, 1, 3, 6, 2, 6, 0, 0, 0, 6, 2, 6, 3, 1, 3 } },
            { 6, { 1, 1, 0 }, { 3, 1, 3, 0, 0, 0, 3, 1, 3 } },
            { 0, { 0, 1 }, { 0, 0, -1, 0, 0, -1 } } };
        for (const auto& c : cases) {
            fresh(c.rows);
            m_list->setSelectedIdx(c.rows ? 0 : -1);
            QList<int> seen;
            for (int next : c.steps) {
                next ? m_list->nextPage() : m_list->prevPage();
                seen << m_list->startIdx() << m_list->page() << m_list->selectedIdx();
            }
            QCOMPARE(seen, c.seen);
        }
        fresh(7);
        MessageCapture capture;
        m_list->setPage(2);
        m_list->setPage(3);
        m_list->setPage(-1);
        m_list->nextPage();
        QVERIFY(m_list->maxPage() == 1 && m_list->page() == 3);
        QCOMPARE(capture.lines(), QStringList({ "ListView::setPage overValue: 3", "ListView::setPage value: -1",
                                                "ListView::nextPage m_startIdx: 3  m_selectedIdx: 3  m_page: 3" }));
    }

    // Changes a user sees repaint the list: paging, selection, the top and bottom lines, the
    // removal of the selected last row, keys.
    void repaints()
    {
        fresh(7);
        const std::function<void()> changes[] = {
            [this] { m_list->setSelectedIdx(1); }, [this] { m_list->setSelectedIdx(-1); }, [this] { m_list->nextPage(); },
            [this] { m_list->prevPage(); }, [this] { m_list->setDrawTopBottomLine(true, false); },
            [this] { m_list->setSelectedIdx(6); m_list->removeItem(6); }, [this] { key(Qt::Key_Down); },
            [this] { QTest::keyPress(m_list, Qt::Key_Return); }, [this] { QTest::keyRelease(m_list, Qt::Key_Return); } };
        for (const auto& change : changes)
            QVERIFY(WidgetImage::paints(m_list, change) > 0);
    }

    void paint_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : { "list_scrollbars", "list_lines", "list_focus" })
            QTest::newRow(name) << QString(name);
    }

    void paint()
    {
        QFETCH(QString, name);
        QList<QImage> images;
        int columns = 1;
        if (name == "list_scrollbars") {
            // Fill, none and line styles; rows 10 or 40, selected, thumb margins (top, bottom, right).
            const int cases[][6] = { { 10, 0, 0, 0, 0, 0 }, { 10, 4, 0, 0, 0, 0 }, { 10, 9, 0, 0, 0, 0 }, { 10, -1, 0, 0, 0, 0 },
                                     { 40, 20, 0, 0, 0, 0 }, { 40, 39, 0, 0, 0, 0 }, { 10, 5, 10, 30, 3, 0 } };
            columns = 7;
            for (int style = 0; style < 3; ++style)
                for (const auto& c : cases) {
                    fresh(c[0])->resize(60, 120);
                    m_list->setSelectedIdx(c[1]);
                    m_list->setScrollTopMargin(c[2]);
                    m_list->setScrollBottomMargin(c[3]);
                    m_list->setScrollRightMargin(c[4]);
                    m_list->setScrollbarBorderType(ListView::eListViewScrollBarType(style));
                    m_list->setBackgroundColor(QColor(200, 220, 255));
                    m_list->clearFocus();
                    images << WidgetImage::render(m_list);
                }
        } else if (name == "list_lines") {
            // rows per page, rows, start, top and bottom lines, dotted line, margins (left, right, bottom)
            const int cases[][9] = { { 3, 3, 0, 1, 1, 1, 0, 0, 0 }, { 2, 2, 0, 0, 1, 1, 0, 0, 0 }, { 2, 3, 0, 1, 1, 1, 0, 0, 0 },
                                     { 3, 4, 3, 0, 0, 1, 0, 0, 0 }, { 3, 3, 0, 0, 0, 0, 0, 0, 0 }, { 3, 3, 0, 0, 0, 1, 5, 10, 6 },
                                     { 3, 0, 0, 0, 0, 1, 0, 0, 0 }, { 3, 0, 0, 0, 0, 0, 0, 0, 0 } };
            for (const auto& c : cases) {
                fresh(c[1])->setPageCount(c[0]);
                m_list->setStartIdx(c[2]);
                m_list->setSelectedIdx(-1);
                m_list->setDrawTopBottomLine(c[3], c[4]);
                m_list->setUseDotLine(c[5]);
                m_list->setLineLeftMargin(c[6]);
                m_list->setLineRightMargin(c[7]);
                m_list->setListBottomMargin(c[8]);
                m_list->setBackgroundColor(QColor(200, 220, 255));
                m_list->setShowEmptyString(c[5]);
                if (c[1] == 3 && !c[5])   // a solid line asked for by the row, dots off for the rest
                    m_list->item(0)->setUnderLineType(ListViewItem::UnderLineSolid);
                if (c[1] == 0 && !c[5]) {
                    QPixmap corner(20, 20);
                    corner.fill(Qt::darkGreen);
                    m_list->setBackgroundPixmap(corner);
                }
                images << WidgetImage::render(m_list);
            }
        } else {
            // rows, selected, focus style, OK held, list focus; the list a little taller than its
            // rows so that the box under the last slot shows.
            const int cases[][5] = { { 3, 0, 1, 0, 1 }, { 3, 1, 1, 0, 1 }, { 3, 2, 1, 0, 1 }, { 4, 2, 1, 0, 1 }, { 4, 3, 1, 1, 1 },
                                     { 3, 1, 1, 0, 0 }, { 3, 1, 2, 0, 1 }, { 3, 1, 0, 0, 1 }, { -3, 1, 1, 0, 0 } };
            for (const auto& c : cases) {
                fresh(qAbs(c[0]))->resize(384, 130);
                m_list->setListBottomMargin(-10);
                if (c[0] < 0)   // edit rows: no box; without the focus the selected one is painted pressed
                    for (int i = 0; i < 3; ++i)
                        put(i, new ListViewLineEditItem("Edit", "text"));
                m_list->setSelectedIdx(c[1]);
                m_list->setStartIdx(c[1] / 3 * 3);
                m_list->setFocusType(eListViewItemFocusType(c[2]));
                for (int i = 0; i < m_list->itemSize(); ++i)
                    m_list->item(i)->setFocusType(eListViewItemFocusType(c[2]));
                m_list->setSelectAndPressed(c[3]);
                if (!c[4])
                    m_list->clearFocus();
                images << WidgetImage::render(m_list, Qt::transparent, false);
            }
        }
        PHONE_VERIFY_REFERENCE(WidgetImage::stack(images, columns), name);
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
            fresh(c.rows);
            m_list->setSelectedIdx(c.before[0]);
            m_list->setStartIdx(c.before[1]);
            for (int i : c.disabled)
                m_list->item(i)->setItemSelectEnable(false);
            QSignalSpy focus(m_list, SIGNAL(focusChanged(int))), pressed(m_list, SIGNAL(keyPressed(int)));
            QSignalSpy clicked(m_list, SIGNAL(clicked(int)));
            for (int k : c.keys)
                key(k);
            QCOMPARE(QList<int>({ m_list->selectedIdx(), m_list->startIdx() }), c.after);
            QVERIFY(ints(focus) == c.focus && ints(pressed) == c.keys && clicked.isEmpty());
        }
    }

    // Arrows act on the press, once per press event while held; the release, and any release whose
    // press went elsewhere, does nothing. With the leave signals the list lets go at both ends.
    void heldKeysAndLeaving()
    {
        fresh(4);
        MessageCapture capture;
        QTest::keyPress(m_list, Qt::Key_Down);
        QTest::keyPress(m_list, Qt::Key_Down);
        QTest::keyRelease(m_list, Qt::Key_Down);
        QTest::keyRelease(m_list, Qt::Key_Return);
        QCOMPARE(m_list->selectedIdx(), 2);
        QCOMPARE(capture.lines(), QStringList({ "ListView::keyReleaseEvent objectName: \"list\" true",
                                                "ListView::keyReleaseEvent m_selectedIdx: 0  itemSize: 4  start_index 0",
                                                "------------------------------->>>> ListView::keyReleaseEvent m_selectedIdx: 1  :  4",
                                                "ListView::keyReleaseEvent objectName: \"list\" true",
                                                "ListView::keyReleaseEvent m_selectedIdx: 1  itemSize: 4  start_index 0",
                                                "------------------------------->>>> ListView::keyReleaseEvent m_selectedIdx: 2  :  4",
                                                "ListView::keyReleaseEvent objectName: \"list\" false",
                                                "ListView::keyReleaseEvent objectName: \"list\" false" }));
        m_list->setActiveLeaveFocusSignal(true);
        m_list->setActiveEndLeaveFocusSignal(true);
        QSignalSpy leave(m_list, SIGNAL(leaveFocus())), endLeave(m_list, SIGNAL(endLeaveFocus(int)));
        QSignalSpy focus(m_list, SIGNAL(focusChanged(int)));
        m_list->setStartIdx(1);
        m_list->setSelectedIdx(3);
        key(Qt::Key_Down);
        QVERIFY(ints(endLeave) == QList<int>{ Qt::Key_Down } && m_list->selectedIdx() == 3 && m_list->startIdx() == 1);
        m_list->setSelectedIdx(0);
        key(Qt::Key_Up);
        QVERIFY(leave.count() == 1 && m_list->selectedIdx() == 0 && ints(focus) == QList<int>({ 3, 0 }));
        // Arrow movement off: the arrows travel on to the page, with a line each.
        m_list->setIsEnabledArrowKeyMove(false);
        capture.clear();
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        QVERIFY(m_list->selectedIdx() == 0 && m_page->released.mid(m_page->released.size() - 2) == QList<int>({ Qt::Key_Down, Qt::Key_Right }));
        QCOMPARE(capture.linesStartingWith("ListView::keyReleaseEvent skip"),
                 QStringList({ "ListView::keyReleaseEvent skip Key_Up or Key_Down", "ListView::keyReleaseEvent skip Key_Left or Key_Right" }));
    }

    // OK clicks on release, toggling check rows unless they keep their value; Left and Right click
    // select-like rows and step progress rows within their range, as do the volume keys.
    void okAndValueKeys()
    {
        fresh(3);
        QSignalSpy clicked(m_list, SIGNAL(clicked(int))), changed(m_list, SIGNAL(changeValue(int,int)));
        ListViewCheckItem* check = put(0, new ListViewCheckItem("c", false));
        ListViewCheckItem* kept = put(1, new ListViewCheckItem("k", true));
        kept->setIsNoValueChange(true);
        ListViewCheckLineEditItem* checkLine = put(2, new ListViewCheckLineEditItem("t", false, false, "x"));
        MessageCapture capture;
        for (int i = 0; i < 3; ++i) {
            m_list->setSelectedIdx(i);
            QTest::keyPress(m_list, Qt::Key_Return);
            QVERIFY(m_list->selectAndPressed() && clicked.count() == i);
            QTest::keyRelease(m_list, Qt::Key_Return);
        }
        checkLine->setUseEditText(true);   // id 15 toggles too
        key(Qt::Key_Enter);
        QVERIFY(check->isChecked() && kept->isChecked() && !checkLine->isChecked());
        put(1, new ListViewLineEditCheckItem("l", false, true, "x"));   // id 16: a click, no toggle
        key(Qt::Key_Return);
        m_list->setSelectedIdx(-1);   // without a selection OK is no row key and travels on
        key(Qt::Key_Return);
        QVERIFY(m_page->released.last() == Qt::Key_Return && ints(clicked) == QList<int>({ 0, 1, 2, 2, 1 }));
        QCOMPARE(capture.linesStartingWith("ListView::keyReleaseEvent emit"),
                 QStringList({ "ListView::keyReleaseEvent emit clicked m_selectedIdx: 0", "ListView::keyReleaseEvent emit clicked m_selectedIdx: 1",
                               "ListView::keyReleaseEvent emit clicked m_selectedIdx: 2", "ListView::keyReleaseEvent emit clicked m_selectedIdx: 2" }));
        // Left and Right: select-like rows click, plain rows do nothing.
        clicked.clear();
        put(0, new ListViewSelectItem("s", "v"));
        key(Qt::Key_Left);
        put(1, new ListViewTimeEditItem("t", "08:00", "AM"));
        key(Qt::Key_Right);
        put(2, new ListViewItem("plain", QPixmap(), QPixmap()));
        key(Qt::Key_Right);
        QVERIFY(ints(clicked) == QList<int>({ 0, 1 }) && changed.isEmpty());
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
            QCOMPARE(progress->value(), s[3]);
            QCOMPARE(changed.takeFirst(), QList<QVariant>({ 1, s[3] }));
        }
        QVERIFY(changed.isEmpty() && ints(clicked) == QList<int>({ 0, 1 }));
    }

    void hotKeys()
    {
        const int f1 = Qt::Key_F1;
        fresh(4);
        QCOMPARE(m_list->keyToItemIdx(f1), -1);   // off by default
        m_list->setEnableFuncKey(true);
        // last key, startIdx, then key -> row pairs: from five keys on the fourth key starts over.
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
        // The press selects the row; the release clicks, then reports the hot key.
        SignalOrder order;
        order.watch(m_list, SIGNAL(focusChanged(int)), [](const QList<QVariant>& a) { return "focus " + a.at(0).toString(); });
        order.watch(m_list, SIGNAL(keyPressed(int)), "key");
        order.watch(m_list, SIGNAL(clicked(int)), [](const QList<QVariant>& a) { return "clicked " + a.at(0).toString(); });
        order.watch(m_list, SIGNAL(clickedFuncKey(int)), [](const QList<QVariant>& a) { return "hot " + a.at(0).toString(); });
        MessageCapture capture;
        QTest::keyPress(m_list, Qt::Key_F3);
        QCOMPARE(order.events, QStringList("focus 2"));
        QTest::keyRelease(m_list, Qt::Key_F3);
        ListViewCheckItem* check = put(0, new ListViewCheckItem("c", false));   // hot keys toggle check rows
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
        QCOMPARE(order.events, QStringList({ "focus 2", "key", "clicked 2", "hot 2", "focus 0", "key", "clicked 0", "hot 0", "key", "key",
                                             "focus 2", "key", "clicked 2", "hot 2", "focus 3", "hot 3" }));
        QVERIFY(check->isChecked() && m_list->selectedIdx() == 3 && m_page->released.last() == Qt::Key_F2);
        QCOMPARE(capture.linesStartingWith("ListView::keyReleaseEvent i") + capture.linesStartingWith("ListView::doClick"),
                 QStringList({ "ListView::keyReleaseEvent item is disable!", "ListView::keyReleaseEvent invalid idx: 4  itemSize: 4",
                               "ListView::doClick :  3" }));
    }

    // A hot key held 1000 ms long-presses (not sooner), once; released sooner, or with long press off, never.
    void longPress()
    {
        fresh(3)->setEnableFuncKey(true);
        m_list->setIsEnabledLongPress(true);
        QSignalSpy longPress(m_list, SIGNAL(longPress(int)));
        int early = -1, late = -1;
        TimerMark before(TimerMark::before(1000), [&] { early = longPress.count(); });
        QTest::keyPress(m_list, Qt::Key_F2);
        TimerMark after(TimerMark::after(1000), [&] { late = longPress.count(); });
        QVERIFY(before.wait() && after.wait());
        QVERIFY(early == 0 && late == 1 && ints(longPress) == QList<int>{ 1 });
        QTest::keyRelease(m_list, Qt::Key_F2);   // handled as any release
        QTest::keyClick(m_list, Qt::Key_F3);
        QVERIFY(TimerMark(TimerMark::after(1000)).wait());
        m_list->setIsEnabledLongPress(false);
        QTest::keyPress(m_list, Qt::Key_F1);
        QVERIFY(TimerMark(TimerMark::after(1000)).wait());
        QTest::keyRelease(m_list, Qt::Key_F1);
        QCOMPARE(longPress.count(), 1);
        m_list->setIsVisibleSelectBackGround(false);   // then the long press clears the selection
        m_list->setSelectedIdx(2);
        m_list->setKeyPressFlag(true);
        m_list->longPressTimeout();
        QVERIFY(ints(longPress) == QList<int>({ 1, 2 }) && m_list->selectedIdx() == -1);
    }

    void searchAndShow()
    {
        fresh(7);
        for (int i : { 0, 3, 4, 6 })
            m_list->item(i)->setItemSelectEnable(false);
        m_list->addItem(0);
        MessageCapture capture;
        QCOMPARE(QList<int>({ m_list->searchNextItemIndex(0, false), m_list->searchNextItemIndex(3, false), m_list->searchNextItemIndex(4, true),
                              m_list->searchNextItemIndex(0, true), m_list->searchNextItemIndex(-2, false),
                              m_list->searchNextItemIndex(9, true), m_list->searchNextItemIndex(6, false) }),
                 QList<int>({ 1, 5, 2, -1, 0, 7, 6 }));
        QCOMPARE(capture.lines(), QStringList({ "ListView::searchNextItemIndex startIdx is under zero! idx: -2",
                                                "ListView::searchNextItemIndex startIdx is over size! idx: 9",
                                                "ListView::searchNextItemIndex currItem is null! === ERRROR idx: 7  startIndexValue: 6  isInverseOrder: false" }));
        m_list->setSelectedIdx(5);   // showing aligns the page to the selected row and disarms
        m_list->setKeyPressFlag(true);
        m_list->setSelectAndPressed(true);
        m_list->hide();
        m_list->show();
        QVERIFY(m_list->startIdx() == 3 && !m_list->isKeyPressFlag() && !m_list->selectAndPressed());
        capture.clear();
        m_list->clearFocus();
        m_list->setFocus();
        QCOMPARE(capture.lines(), QStringList("ListView::focusInEvent m_selectedidx: 5"));
    }

    void editorPlacement()
    {
        // id (5, 17, 15 or 11), margin, title of a check line-edit row or AM/PM of a time row ->
        // the editor over row 1 (top 40, right edge 384): 22 high from top + 6.
        const QList<QPair<QList<int>, QRect> > cases{
            { { 5, 0, 0 }, QRect(193, 46, 186, 22) }, { { 5, 40, 0 }, QRect(233, 46, 146, 22) }, { { 5, -20, 0 }, QRect(173, 46, 206, 22) },
            { { 17, 10, 0 }, QRect(208, 46, 172, 22) }, { { 15, 0, 1 }, QRect(194, 46, 176, 22) }, { { 15, 30, 1 }, QRect(224, 46, 146, 22) },
            { { 15, 30, 0 }, QRect(194, 46, 176, 22) }, { { 15, -20, 0 }, QRect(174, 46, 196, 22) }, { { 11, 0, 1 }, QRect(193, 46, 98, 22) },
            { { 11, 0, 0 }, QRect(289, 46, 92, 22) } };
        for (const auto& c : cases) {
            fresh(3);
            ListViewItem* row = c.first[0] == 5 ? new ListViewLineEditItem("Server", "10.0.0.1")
                : c.first[0] == 17 ? new SingleLineRow
                : c.first[0] == 15 ? (c.first[2] ? new ListViewCheckLineEditItem("P", true, true, "10.0.0.1")
                                                 : new ListViewCheckLineEditItem("P", true, QString("10.0.0.1")))
                : static_cast<ListViewItem*>(new ListViewTimeEditItem("Start", "08:15", "AM"));
            if (c.first[0] == 11)
                static_cast<ListViewTimeEditItem*>(row)->setUse_ampmSelection(c.first[2]);
            row->setEditTextLeftMargin(c.first[1]);
            put(1, row);
            m_list->repaint();   // rows get their places when painted
            settle();
            const bool time = c.first[0] == 11;
            QLineEdit* e = editor(time);
            QVERIFY(e && e->isVisible() && e->hasFocus() && e->geometry() == c.second);
            QCOMPARE(e->text(), time ? QString("08:15") : QString("10.0.0.1"));
            QVERIFY(!time || (e->cursorPosition() == 0 && !editor(false)));
            m_list->setSelectedIdx(2);   // another row: the editor goes and the list has the focus again
            settle();
            QVERIFY(!e->isVisible() && m_list->hasFocus());
        }
    }

    void editorSettingsAndText()
    {
        fresh(0);
        ListViewLineEditItem* secret = new ListViewLineEditItem("Password", "abcdef");
        secret->setEchoPasswordMode(true);
        secret->setMaxLength(8);
        ListViewLineEditItem* locked = new ListViewLineEditItem("MAC", "00:11:22");
        locked->setEditTextDisabled(true);
        ListViewLineEditItem* address = new ListViewLineEditItem("Server", "");
        address->setIPValidate(true);
        address->setSipPortValidate(true);   // the address check wins
        ListViewLineEditItem* port = new ListViewLineEditItem("Port", "");
        port->setSipPortValidate(true);
        ListViewCheckLineEditItem* check = new ListViewCheckLineEditItem("P", true, true, "ab");
        for (ListViewItem* row : QList<ListViewItem*>{ secret, locked, address, port, check })
            m_list->addItem(row);
        QSignalSpy text(m_list, SIGNAL(textChanged(QString))), change(m_list, SIGNAL(changeLineEditText(int,QString)));
        MessageCapture capture;
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            m_list->setSelectedIdx(i);
            m_list->setStartIdx(i);
            m_list->repaint();
            settle();
            QLineEdit* e = editor();
            seen << QString("%1 %2 %3 %4").arg(e->echoMode()).arg(e->isReadOnly()).arg(e->maxLength()).arg(e->font().pointSize());
            const QValidator* v = e->validator();
            QStringList accepted;
            for (QString t : QString("192.168.0.1 255.255.255.255 010.001.1.01 256.1.1.1 1.1.1 10000 65535 9999 65536").split(' ')) {
                int pos = 0;
                if (v && v->validate(t, pos) == QValidator::Acceptable)
                    accepted << t;
            }
            seen << accepted.join(",");
            e->end(false);
            QTest::keyClicks(e, "9");   // typed text goes to the row
        }
        QCOMPARE(seen, QStringList({ "2 0 8 20", "", "0 1 32767 20", "", "0 0 32767 20", "192.168.0.1,255.255.255.255,010.001.1.01",
                                     "0 0 32767 20", "10000,65535", "0 0 32767 20", "" }));
        QVERIFY(secret->editText() == "abcdef9" && address->editText() == "9" && port->editText() == "9" && check->editText() == "ab9");
        QCOMPARE(change.at(0), QList<QVariant>({ 0, QString("abcdef9") }));
        QVERIFY(text.count() == 4 && change.count() == 4 && capture.contains("ListView::LineEditItem  useTitleText: true"));
        // The time editor writes the time.
        ListViewTimeEditItem* time = put(0, new ListViewTimeEditItem("Start", "08:15", "AM"));
        m_list->setStartIdx(0);
        m_list->repaint();
        settle();
        QTest::keyClicks(editor(true), "0930");
        QVERIFY(time->getTime() == "09:30" && change.last() == QList<QVariant>({ 0, QString("09:30") }));
    }

    void enterInEditors()
    {
        // id -> Enter reaches the editor (and through it the list, which clicks).
        for (const QPair<int, bool>& c : QList<QPair<int, bool> >{ { 5, false }, { 11, false }, { 15, true }, { 17, true } }) {
            fresh(3);
            put(1, c.first == 5 ? new ListViewLineEditItem("a", "b") : c.first == 11 ? new ListViewTimeEditItem("t", "08:15", "AM")
                   : c.first == 15 ? static_cast<ListViewItem*>(new ListViewCheckLineEditItem("P", true, true, "x")) : new SingleLineRow);
            m_list->repaint();
            settle();
            QLineEdit* e = editor(c.first == 11);
            QSignalSpy returned(e, SIGNAL(returnPressed())), clicked(m_list, SIGNAL(clicked(int)));
            QTest::keyClick(e, Qt::Key_Return);
            QTest::keyClick(e, Qt::Key_Enter);
            QVERIFY2(returned.count() == 2 * c.second && clicked.count() == 2 * c.second, qPrintable(QString::number(c.first)));
        }
        // An arrow in the editor moves the list, and the editor goes; with no row selected Enter reaches it.
        QTest::keyClick(editor(), Qt::Key_Down);
        settle();
        QVERIFY(m_list->selectedIdx() == 2 && !editor()->isVisible() && m_list->hasFocus());
        m_list->setSelectedIdx(-1);
        QSignalSpy returned(editor(), SIGNAL(returnPressed()));
        QTest::keyClick(editor(), Qt::Key_Return);
        QCOMPARE(returned.count(), 1);
    }

    void editorRechecks()
    {
        fresh(0);
        m_list->addItem(new ListViewLineEditItem("A", "first"));
        m_list->addItem(new ListViewLineEditItem("B", "second"));
        m_list->setSelectedIdx(1);
        m_list->repaint();
        settle();
        m_list->removeItem(0);   // index 1 is gone: the selection moves to the row now at 0, the editor follows
        m_list->repaint();
        settle();
        QVERIFY(editor()->isVisible() && editor()->text() == "second" && editor()->geometry().top() == 6);
        m_list->removeItem(0);   // nothing left: hidden
        settle();
        QVERIFY(!editor()->isVisible() && m_list->hasFocus());
    }

    void slide()
    {
        QWidget screen;
        screen.resize(384, 160);
        SlideListView* list = new SlideListView(&screen);
        list->setGeometry(0, 40, 384, 100);
        screen.show();
        QVERIFY(list->getSlideType() == SlideListView::eSlideFromBottom && list->hiddenRect() == QRect(0, 200, 384, 100));
        list->setSlideType(SlideListView::eSlideType(9));   // unknown: the hidden rectangle stays
        // type, screen bottom-right -> hidden rectangle; to the left always 384 pixels.
        const QList<QPair<QList<int>, QRect> > cases{ { { 0, 383, 159 }, QRect(0, 40, 384, 100) }, { { 1, 383, 159 }, QRect(0, 200, 384, 100) },
            { { 2, 383, 159 }, QRect(0, -120, 384, 100) }, { { 3, 799, 479 }, QRect(-384, 40, 384, 100) }, { { 4, 799, 479 }, QRect(800, 40, 384, 100) } };
        for (const auto& c : cases) {
            list->setScreenRect(QRect(QPoint(0, 0), QPoint(c.first[1], c.first[2])));
            QCOMPARE(list->hiddenRect(), QRect(0, 200, 384, 100));   // the screen counts from the next type
            list->setSlideType(SlideListView::eSlideType(c.first[0]));
            QVERIFY(list->hiddenRect() == c.second && list->pos() == c.second.topLeft());   // parked there
            list->setGeometry(QRect(0, 40, 384, 100));
            QVERIFY(list->targetRect() == QRect(0, 40, 384, 100) && list->hiddenRect() == c.second && list->geometry() == list->targetRect());
            list->setScreenRect(QRect(0, 0, 384, 160));
            list->setSlideType(SlideListView::eSlideFromBottom);
        }
        // In from below, straight up, visible at once; out in 250 ms, reported invisible meanwhile.
        QVERIFY(list->getShowDuration() == 100 && list->getHideDuration() == 100);   // the slide-out lasts 70 ms
        list->setHideDuration(250);
        list->setHideAnimationType(QEasingCurve::OutBounce);
        QCOMPARE(list->getHideAnimationType().type(), QEasingCurve::OutBounce);
        list->QWidget::hide();
        QSignalSpy shown(list, SIGNAL(showFinished())), hidden(list, SIGNAL(hideFinished())), closed(list, SIGNAL(closeFinished()));
        QList<QRect> seen;
        list->show();
        QVERIFY(list->QWidget::isVisible() && list->isVisible());
        QVERIFY(phoneWaitFor([&] { seen << list->geometry(); return !shown.isEmpty(); }));
        QVERIFY(seen.first() == QRect(0, 200, 384, 100) && list->geometry() == QRect(0, 40, 384, 100));
        for (const QRect& r : seen)
            QVERIFY(r.x() == 0 && r.y() >= 40 && r.y() <= 200 && r.size() == QSize(384, 100));
        int early = -1;
        TimerMark before(TimerMark::before(250), [&] { early = hidden.count(); });
        list->hide();
        QVERIFY(list->QWidget::isVisible() && !list->isVisible());
        QVERIFY(before.wait() && phoneWaitForSignal(hidden) && early == 0);
        QVERIFY(!list->QWidget::isVisible() && list->geometry() == QRect(0, 200, 384, 100));
        // A hide and a close in a row end with the close only, which slides from the origin.
        list->show();
        QVERIFY(phoneWaitForSignal(shown));
        list->hide();
        list->close();
        QVERIFY(!list->isVisible() && list->geometry() == QRect(0, 0, 384, 100));
        QVERIFY(phoneWaitForSignal(closed) && TimerMark(TimerMark::after(250)).wait());
        QVERIFY(shown.count() == 2 && hidden.count() == 1 && closed.count() == 1 && list->geometry() == QRect(0, 200, 384, 100));
        // Without animation it jumps.
        list->setUseAnimation(false);
        list->show();
        QVERIFY(list->isVisible() && list->geometry() == QRect(0, 40, 384, 100));
        list->hide();
        QVERIFY(!list->isVisible() && list->pos() == QPoint(0, 40) && shown.count() == 2);
    }
};

QTEST_MAIN(ListTest)
#include "tst_list.moc"
