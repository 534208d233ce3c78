// The list view: model, paging and bad indices; the paint (row rectangles, scroll thumb,
// separators, focus box); and the keypad (arrows with wrap and disabled rows, leave-focus
// signals, direct movement, OK and Left/Right, check toggling, progress steps, hot keys, long press).
#include "ListView.h"
#include "ListViewCheckItem.h"
#include "ListViewCheckLineEditItem.h"
#include "ListViewLineEditCheckItem.h"
#include "ListViewLineEditItem.h"
#include "ListViewProgressItem.h"
#include "ListViewSelectItem.h"
#include "MessageCapture.h"
#include "SignalOrder.h"
#include "TestHost.h"
#include "TestWait.h"
#include "TimerMark.h"
#include "WidgetImage.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kDark(85, 85, 85), kLight(187, 187, 187);
const QColor kBg(10, 20, 30), kRed(255, 0, 0);

// A row that records the rectangles the list paints it at and counts its destruction.
class ProbeItem : public ListViewItem
{
public:
    explicit ProbeItem(const QString& text = QString(), int* deleted = 0)
        : ListViewItem(text, QPixmap(), QPixmap()), m_deleted(deleted) {}
    ~ProbeItem() override { if (m_deleted) ++*m_deleted; }
    void paint(QPainter* p, QRect& r) override
    {
        rects.append(r);
        p->fillRect(r, fill.isValid() ? fill : backGroundColor());
    }
    QList<QRect> rects;
    QColor fill;

private:
    int* m_deleted;
};

// The page behind the list: records the keys that travel on to it.
class Page : public QWidget
{
public:
    QList<int> pressed, released;

protected:
    void keyPressEvent(QKeyEvent* e) override { pressed.append(e->key()); }
    void keyReleaseEvent(QKeyEvent* e) override { released.append(e->key()); }
};

QList<int> ints(const QSignalSpy& spy)
{
    QList<int> out;
    for (const QList<QVariant>& call : spy)
        out.append(call.at(0).toInt());
    return out;
}

// A list of probe rows, 3 to a page, on a page that records the keys the list passes on.
struct Fixture
{
    Page page;
    ListView* list = new ListView(&page);
    QSignalSpy focus{list, SIGNAL(focusChanged(int))};
    QSignalSpy clicked{list, SIGNAL(clicked(int))};

    explicit Fixture(int rows, QSize size = QSize(384, 120))
    {
        list->setObjectName("list");
        list->resize(size);
        for (int i = 0; i < rows; ++i)
            list->addItem(new ProbeItem(QString("row %1").arg(i)));
    }
    ProbeItem* probe(int i) { return static_cast<ProbeItem*>(list->item(i)); }
    // Puts the row in place of row i and selects it.
    template <class Row> Row* put(int i, Row* row)
    {
        list->removeItem(i);
        list->addItem(row);
        list->moveItem(list->itemSize() - 1, i);
        list->setSelectedIdx(i);
        return row;
    }
    void click(int key) { QTest::keyClick(list, Qt::Key(key)); }
    QList<int> position() const { return {list->selectedIdx(), list->startIdx()}; }
    QImage render()
    {
        for (int i = 0; i < list->itemSize(); ++i)
            if (ProbeItem* row = dynamic_cast<ProbeItem*>(list->item(i)))
                row->rects.clear();
        return WidgetImage::render(list);
    }
    void focusList()
    {
        page.show();
        page.activateWindow();
        list->setFocus();
        PHONE_TRY_VERIFY(list->hasFocus());
    }
};

// Every opaque pixel of the picture shows at pos; false for missing or transparent pictures.
bool opaqueAt(const QImage& image, const QString& path, const QPoint& pos)
{
    const QImage pm = QImage(path).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < pm.height(); ++y)
        for (int x = 0; x < pm.width(); ++x)
            if (qAlpha(pm.pixel(x, y)) == 255 && ++opaque && image.pixel(pos.x() + x, pos.y() + y) != pm.pixel(x, y))
                return false;
    return opaque > 0;
}

} // namespace

class ListViewTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestHost::unloadPictures(); }

    void modelAndBadIndices()
    {
        int deleted = 0;
        QScopedPointer<Fixture> f(new Fixture(0));
        ListView* list = f->list;
        for (int i = 0; i < 5; ++i)
            list->addItem(new ProbeItem(QString::number(i), &deleted));
        list->removeItem(1);
        list->moveItem(0, 3);
        list->addItem(0);
        QVERIFY(deleted == 1 && list->item(QString("2")) == list->item(0) && list->item(3)->text() == "0");
        QVERIFY(!list->item(QString("nope")) && !list->item(-1) && !list->item(5));
        MessageCapture capture;
        list->removeItem(7);
        list->removeItem(-1);
        list->moveItem(0, 9);
        list->setSelectedIdx(5);
        list->setSelectedIdx(4);
        list->item(1)->setItemSelectEnable(false);
        list->setSelectedIdx(1);
        QCOMPARE(capture.lines(), QStringList({"ListView::removeItem invalid idx: 7", "ListView::removeItem invalid idx: -1",
                                               "ListView::moveItem invalid idx: 0 9", "ListView::setSelectedIdx invalid idx: 5",
                                               "ListView::setSelectedIdx currItem is null! idx: 4",
                                               "ListView::setSelectedIdx curr item is disale! idx: 1"}));
        QCOMPARE(capture.lines(QtWarningMsg), QStringList("ListView::setSelectedIdx currItem is null! idx: 4"));
        list->setStartIdx(3); // the null row ends the paint's row loop
        f->render();
        QCOMPARE(QList<int>({list->itemSize(), list->selectedIdx(), f->focus.count(), f->probe(3)->rects.size()}),
                 QList<int>({5, 0, 0, 1}));
        list->itemClear();
        list->addItem(new ProbeItem("a", &deleted));
        QCOMPARE(deleted, 5);
        f.reset();
        QCOMPARE(deleted, 6);
    }

    void selectionAndPaging()
    {
        Fixture f(7);
        ListView* list = f.list;
        list->setSelectedIdx(0); // unchanged: no signal
        list->setSelectedIdx(-1);
        list->setSelectedIdx(-7); // any negative index means none
        list->setSelectedIdx(6);
        list->removeItem(6); // the selected last row: the new last row
        QCOMPARE(f.position(), QList<int>({5, 0}));
        QCOMPARE(ints(f.focus), QList<int>({-1, 6, 5}));
        list->addItem(new ProbeItem);
        QCOMPARE(list->maxPage(), 1);
        MessageCapture capture;
        list->setPage(2);
        list->setPage(3);
        list->setPage(-1);
        QCOMPARE(list->page(), 2);
        list->setPage(0);
        QList<QList<int>> seen; // startIdx, page, selectedIdx after next, next, next, prev, prev
        for (int i = 0; i < 5; ++i) {
            i < 3 ? list->nextPage() : list->prevPage();
            seen.append({list->startIdx(), list->page(), list->selectedIdx()});
        }
        QCOMPARE(seen, (QList<QList<int>>{{3, 1, 3}, {6, 2, 6}, {0, 0, 0}, {6, 2, 6}, {3, 1, 3}}));
        QCOMPARE(capture.lines().mid(0, 3), QStringList({"ListView::setPage overValue: 3", "ListView::setPage value: -1",
                                                         "ListView::nextPage m_startIdx: 3  m_selectedIdx: 3  m_page: 1"}));
        ListView empty;
        empty.prevPage();
        empty.nextPage();
        QCOMPARE(QList<int>({empty.startIdx(), empty.page()}), QList<int>({0, 0}));
    }

    void pageCountRefused()
    {
        for (int count : {-2, 0}) {
            Fixture f(5);
            f.list->setPageCount(4);
            MessageCapture capture;
            f.list->setPageCount(count);
            QCOMPARE(capture.lines(), QStringList(QString("ListView::setPageCount pageCount: %1").arg(count)));
            QCOMPARE(f.list->pageCount(), 4);
            f.render(); // paint and keys keep working
            f.click(Qt::Key_Down);
        }
    }

    void rowRectangles()
    {
        // rows, left, right and list-bottom margins -> row left, right, height; 8 pixels less with the scroll bar.
        const QList<QList<int>> cases{{3, 0, 0, 0, 0, 384, 40}, {4, 0, 0, 0, 0, 376, 40}, {4, 5, 10, 6, 5, 366, 42},
                                      {2, 0, 0, 0, 0, 384, 40}};
        for (const QList<int>& c : cases) {
            Fixture f(c[0]);
            f.list->setLineLeftMargin(c[1]);
            f.list->setLineRightMargin(c[2]);
            f.list->setListBottomMargin(c[3]);
            f.list->setSelectedIdx(-1);
            f.render();
            for (int i = 0; i < qMin(c[0], 3); ++i) {
                const QRect want(QPoint(c[4], i * c[6]), QPoint(c[5], i * c[6] + c[6] - 1));
                QVERIFY(f.probe(i)->rects == QList<QRect>{want} && f.probe(i)->geometry() == want && !f.probe(i)->hasFocus());
                QVERIFY(f.probe(i)->hasScrollBar() == (c[0] > 3) && f.probe(i)->scrollBarAreaWidth() == (c[0] > 3 ? 11 : 3));
            }
            QVERIFY(c[0] < 4 || f.probe(3)->rects.isEmpty());
        }
    }

    void scrollThumb()
    {
        // rows, selected, top and bottom margin -> thumb top and length. With T = 120 - margins:
        // length T(1 - (n-pc)/(n-1)), at least 20; top s T (n-pc)/(n-1)^2; clipped at the bottom.
        const QList<QList<int>> cases{{4, 0, 0, 0, 80}, {4, 3, 0, 40, 80}, {4, -1, 0, 0, 80}, {40, 0, 0, 0, 20},
                                      {40, 20, 0, 58, 20}, {40, 39, 0, 114, 6}, {4, 3, 10, 43, 67}};
        for (const QList<int>& c : cases) {
            Fixture f(c[0]);
            f.list->setScrollTopMargin(c[2]);
            f.list->setScrollBottomMargin(c[2]);
            f.list->setSelectedIdx(c[1]);
            const QImage image = f.render();
            // Fill style: light track from x 380 to the edge, the thumb over it.
            QCOMPARE(WidgetImage::bounds(image, QRect(377, 0, 7, 120), kDark), QRect(380, c[3], 4, c[4]));
            QCOMPARE(WidgetImage::count(image, QRect(380, 0, 4, 120), kLight), 4 * (120 - c[4]));
            QVERIFY(WidgetImage::allColor(image, QRect(377, 0, 3, 120), kWhite));
        }
    }

    void separators()
    {
        Fixture f(3, QSize(100, 120));
        f.list->setSelectedIdx(-1);
        f.list->setBackgroundColor(kBg);
        QImage image = f.render();
        // Dotted: grey, grey, background, ... on each row's bottom pixel row; none in the last slot.
        for (int y : {39, 79})
            for (int x = 0; x < 100; ++x)
                QVERIFY2(WidgetImage::isColor(image, x, y, x % 3 == 2 ? kBg : kLight), qPrintable(QString("%1,%2").arg(x).arg(y)));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 119, 100, 1), kWhite));
        // Solid when the row asks for it or the dot line is off.
        f.list->item(0)->setUnderLineType(ListViewItem::UnderLineSolid);
        image = f.render();
        QVERIFY(WidgetImage::allColor(image, QRect(0, 39, 100, 1), kLight) && WidgetImage::isColor(image, 2, 79, kBg));
        f.list->setUseDotLine(false);
        QVERIFY(WidgetImage::allColor(f.render(), QRect(0, 79, 100, 1), kLight));
        // The last row of a partial page is not in the last slot: it keeps its separator.
        f.list->addItem(new ProbeItem);
        f.list->setStartIdx(3);
        image = f.render();
        QCOMPARE(f.probe(3)->rects, QList<QRect>{QRect(QPoint(0, 0), QPoint(92, 39))});
        QVERIFY(WidgetImage::allColor(image, QRect(0, 39, 92, 1), kLight) && WidgetImage::allColor(image, QRect(0, 40, 92, 79), kBg));
    }

    void focusBox()
    {
        QVERIFY(TestHost::loadPictures());
        const QString dir(":ui/images/widget/focus_02_");
        const QSize c = QPixmap(dir + "lefttop.png").size();
        QVERIFY(!c.isEmpty());
        // rows, selected -> box x0, y0, width, height: one row above the row (none at the top),
        // three below (four in the last slot), one pixel narrower without a scroll bar.
        const QList<QList<int>> cases{{3, 1, 0, 39, 384, 44}, {3, 0, 0, 0, 384, 43}, {3, 2, 0, 79, 384, 46},
                                      {5, 1, 0, 39, 377, 44}};
        for (const QList<int>& k : cases) {
            Fixture f(k[0]);
            f.list->setSelectedIdx(k[1]);
            f.focusList();
            const QImage image = f.render();
            const int x0 = k[2], y0 = k[3], bw = k[4], bh = k[5], cols = bw - 2 * c.width();
            const int xr = x0 + bw - c.width(), yb = y0 + bh - c.height() - 1;
            QVERIFY(opaqueAt(image, dir + "lefttop.png", QPoint(x0, y0)) && opaqueAt(image, dir + "righttop.png", QPoint(xr, y0)));
            if (y0 + bh - 1 < 120) {
                QVERIFY(opaqueAt(image, dir + "lefbottom.png", QPoint(x0, yb)) && opaqueAt(image, dir + "rightbottom.png", QPoint(xr, yb)));
                QVERIFY(WidgetImage::allColor(image, QRect(x0 + c.width(), y0 + c.height() - 1, cols, bh - 2 * c.height() + 1), kWhite));
                QVERIFY(WidgetImage::allColor(image, QRect(x0 + c.width(), y0 + bh - 3, cols, 2), kLight));
            }
            // Top edge and side edges in black.
            QVERIFY(WidgetImage::allColor(image, QRect(x0 + c.width(), y0, cols, c.height() - 1), kBlack));
            const int sideRows = qMin(bh - 2 * c.height(), 120 - y0 - c.height());
            QVERIFY(WidgetImage::allColor(image, QRect(x0, y0 + c.height(), c.width() - 1, sideRows), kBlack));
            QVERIFY(WidgetImage::allColor(image, QRect(xr + 1, y0 + c.height(), c.width() - 1, sideRows), kBlack));
            QCOMPARE(f.probe(k[1])->rects.size(), 2); // the row is painted again over the box, transparent
            QCOMPARE(f.probe(k[1])->backGroundColor(), QColor(Qt::transparent));
        }
    }

    void focusBoxVariants()
    {
        Fixture f(3);
        f.list->setSelectedIdx(1);
        QImage image = f.render(); // without focus no box
        QVERIFY(WidgetImage::count(image, image.rect(), kBlack) == 0 && f.probe(1)->rects.size() == 1);
        f.focusList();
        image = f.render(); // without pictures the box is only its fill and grey line
        QVERIFY(WidgetImage::allColor(image, QRect(0, 80, 383, 2), kLight) && WidgetImage::count(image, image.rect(), kBlack) == 0);
        QVERIFY(TestHost::loadPictures()); // OK held: the "_sel" corners, a black inside and white text
        QTest::keyPress(f.list, Qt::Key_Return);
        image = f.render();
        const QSize c = QPixmap(":ui/images/widget/focus_02_lefttop_sel.png").size();
        QVERIFY(opaqueAt(image, ":ui/images/widget/focus_02_lefttop_sel.png", QPoint(0, 39)));
        QVERIFY(opaqueAt(image, ":ui/images/widget/focus_02_rightbottom_sel.png", QPoint(384 - c.width(), 82 - c.height())));
        QVERIFY(WidgetImage::allColor(image, QRect(c.width(), 39 + c.height(), 384 - 2 * c.width(), 20), kBlack));
        QVERIFY(f.probe(1)->isPressed() && f.probe(1)->textColor() == kWhite);
        Fixture edits(0); // edit rows: no box; without focus they are painted again as pressed
        edits.list->addItem(new ListViewLineEditItem("a", "b"));
        edits.list->addItem(new ListViewLineEditItem("c", "d"));
        edits.list->setSelectedIdx(1);
        edits.render();
        QVERIFY(edits.list->item(1)->isPressed() && !edits.list->item(0)->isPressed());
    }

    void arrows()
    {
        const int up = Qt::Key_Up, down = Qt::Key_Down;
        // rows, disabled rows, selected and startIdx before, keys, selected and startIdx after, focusChanged arguments
        const struct { int rows; QList<int> disabled, before, keys, after, focus; } cases[] = {
            {7, {}, {2, 0}, {down}, {3, 1}, {3}},             // the page follows
            {7, {}, {0, 0}, {up}, {6, 4}, {6}},               // up on row 0 wraps to the last page
            {7, {}, {6, 4}, {down}, {0, 0}, {0}},             // down on the last row wraps to the top
            {7, {}, {3, 3}, {up}, {2, 2}, {2}},               // up off the page
            {7, {1, 2}, {3, 0}, {up}, {0, 0}, {0}},           // up skips disabled rows
            {7, {0}, {1, 0}, {up}, {1, 0}, {}},               // up from 1 over a disabled row 0 stays
            {7, {3, 4}, {2, 0}, {down}, {5, 3}, {5}},         // down across disabled rows moves the page
            {7, {6}, {0, 0}, {up}, {5, 3}, {5}},              // the wrap skips a disabled last row
            {4, {0}, {3, 1}, {down}, {1, 0}, {1}},            // and a disabled first row
            {5, {0}, {-1, 0}, {up}, {1, 0}, {1}},             // no selection: the first enabled row
            {5, {}, {0, 0}, {down, down, down, up, up, up}, {0, 0}, {1, 2, 3, 2, 1, 0}}};
        for (const auto& c : cases) {
            Fixture f(c.rows);
            f.list->setSelectedIdx(c.before[0]);
            f.list->setStartIdx(c.before[1]);
            for (int i : c.disabled)
                f.list->item(i)->setItemSelectEnable(false);
            f.focus.clear();
            QSignalSpy keyPressed(f.list, SIGNAL(keyPressed(int)));
            for (int key : c.keys)
                f.click(key);
            QCOMPARE(f.position(), c.after);
            QCOMPARE(ints(f.focus), c.focus);
            QVERIFY(ints(keyPressed) == c.keys && f.clicked.isEmpty());
        }
    }

    void arrowDiagnosticsAndLeaveFocus()
    {
        Fixture f(4);
        f.list->setSelectedIdx(3);
        MessageCapture capture;
        f.click(Qt::Key_Down);
        f.click(Qt::Key_Up);
        QCOMPARE(capture.lines(), QStringList({"ListView::keyReleaseEvent objectName: \"list\" true",
                                               "ListView::keyReleaseEvent m_selectedIdx: 3  itemSize: 4  start_index 0",
                                               "------------------------------->>>> ListView::keyReleaseEvent m_selectedIdx: 4  :  4",
                                               "ListView::keyReleaseEvent objectName: \"list\" false",
                                               "ListView::keyReleaseEvent objectName: \"list\" true",
                                               "ListView::KeyReleaseEvent m_selectedIdx: 3  m_startIdx: 1",
                                               "ListView::keyReleaseEvent objectName: \"list\" false"}));
        // With the leave signals: Up on row 0 and Down past the end leave, keeping the selection.
        f.list->setActiveLeaveFocusSignal(true);
        f.list->setActiveEndLeaveFocusSignal(true);
        QSignalSpy leave(f.list, SIGNAL(leaveFocus()));
        QSignalSpy endLeave(f.list, SIGNAL(endLeaveFocus(int)));
        f.list->setSelectedIdx(0);
        f.click(Qt::Key_Up);
        QVERIFY(leave.count() == 1 && f.list->selectedIdx() == 0);
        f.list->setSelectedIdx(3);
        f.focus.clear();
        f.click(Qt::Key_Down);
        QVERIFY(ints(endLeave) == QList<int>{Qt::Key_Down} && f.focus.isEmpty());
        QCOMPARE(f.position(), QList<int>({3, 1}));
    }

    void directMovementAndStrayReleases()
    {
        Fixture f(5);
        QSignalSpy keyPressed(f.list, SIGNAL(keyPressed(int)));
        // Press moves at once, once per press event (held key); the release does nothing.
        QTest::keyPress(f.list, Qt::Key_Down);
        QTest::keyPress(f.list, Qt::Key_Down);
        QCOMPARE(f.list->selectedIdx(), 2);
        QTest::keyRelease(f.list, Qt::Key_Down);
        QVERIFY(f.list->selectedIdx() == 2 && ints(keyPressed) == QList<int>({Qt::Key_Down, Qt::Key_Down}));
        MessageCapture capture; // a release whose press went elsewhere is dropped with its diagnostic
        QTest::keyRelease(f.list, Qt::Key_Return);
        QVERIFY(capture.lines() == QStringList("ListView::keyReleaseEvent objectName: \"list\" false") && f.clicked.isEmpty());
    }

    void leftRightAndArrowMoveOff()
    {
        Fixture f(3);
        f.put(0, new ListViewSelectItem("select", "v"));
        f.click(Qt::Key_Left);
        f.click(Qt::Key_Right);
        f.list->setSelectedIdx(1); // plain row: nothing
        f.click(Qt::Key_Right);
        QCOMPARE(ints(f.clicked), QList<int>({0, 0}));
        f.list->setSelectedIdx(0); // arrow movement off: diagnostics, and the keys reach the page
        f.list->setIsEnabledArrowKeyMove(false);
        f.page.pressed.clear();
        MessageCapture capture;
        f.click(Qt::Key_Down);
        f.click(Qt::Key_Right);
        QVERIFY(f.list->selectedIdx() == 0 && f.clicked.count() == 2 && f.page.pressed == QList<int>({Qt::Key_Down, Qt::Key_Right}));
        QCOMPARE(capture.linesStartingWith("ListView::keyReleaseEvent skip"),
                 QStringList({"ListView::keyReleaseEvent skip Key_Up or Key_Down", "ListView::keyReleaseEvent skip Key_Left or Key_Right"}));
    }

    void progressKeys()
    {
        // value, step, key -> value in the range 1..8; every key emits changeValue, none clicks.
        const QList<QList<int>> cases{{3, 2, Qt::Key_Right, 5}, {7, 2, Qt::Key_Right, 8}, {2, 3, Qt::Key_Left, 1},
                                      {8, 1, Qt::Key_VolumeUp, 8}, {5, 2, Qt::Key_VolumeDown, 3}, {5, 1, Qt::Key_VolumeMute, 1}};
        for (const QList<int>& c : cases) {
            Fixture f(2);
            ListViewProgressItem* row = f.put(1, new ListViewProgressItem("volume", 8));
            row->setMinValue(1);
            row->setValue(c[0]);
            row->setStep(c[1]);
            QSignalSpy changed(f.list, SIGNAL(changeValue(int,int)));
            f.click(c[2]);
            QVERIFY(row->value() == c[3] && changed.count() == 1 && changed.at(0) == QList<QVariant>({1, c[3]}) && f.clicked.isEmpty());
        }
    }

    void okClicks()
    {
        Fixture f(3);
        MessageCapture capture;
        QTest::keyPress(f.list, Qt::Key_Return); // the press shows the pressed box, the release clicks
        QVERIFY(f.list->selectAndPressed() && f.clicked.isEmpty());
        QTest::keyRelease(f.list, Qt::Key_Return);
        f.list->setSelectedIdx(2);
        f.click(Qt::Key_Enter);
        QVERIFY(capture.linesStartingWith("ListView::keyReleaseEvent emit").isEmpty());
        f.list->setSelectedIdx(-1); // without a selection OK is no row key and travels on
        f.click(Qt::Key_Return);
        QVERIFY(capture.contains("ListView::keyReleaseEvent invalid idx: -1  itemSize: 3"));
        QVERIFY(f.page.released.contains(Qt::Key_Return));
        f.list->setSelectedIdx(2); // itemClear keeps the index: OK still clicks it
        f.list->itemClear();
        f.click(Qt::Key_Return);
        QCOMPARE(ints(f.clicked), QList<int>({0, 2, 2}));
        QVERIFY(capture.contains("ListView::keyReleaseEvent emit clicked m_selectedIdx: 2"));
    }

    void okTogglesCheckRows()
    {
        // kind (check, check line-edit with edit text off / on, line-edit check), no value change -> toggles
        const QList<QList<int>> cases{{0, 0, 1}, {0, 1, 0}, {1, 0, 1}, {2, 0, 1}, {2, 1, 0}, {3, 0, 0}};
        for (const QList<int>& c : cases) {
            Fixture f(2);
            std::function<bool()> checked;
            if (c[0] == 0) {
                ListViewCheckItem* row = f.put(1, new ListViewCheckItem("c", false));
                row->setIsNoValueChange(c[1]);
                checked = [row] { return row->isChecked(); };
            } else {
                ListViewCheckTextItem* row;
                if (c[0] == 3)
                    row = new ListViewLineEditCheckItem("c", false, true, "t");
                else
                    row = new ListViewCheckLineEditItem("c", false, c[0] == 2, "t");
                f.put(1, row)->setIsNoValueChange(c[1]);
                checked = [row] { return row->isChecked(); };
            }
            MessageCapture capture;
            f.click(Qt::Key_Return);
            QVERIFY(checked() == bool(c[2]) && ints(f.clicked) == QList<int>{1});
            QCOMPARE(capture.contains("ListView::keyReleaseEvent emit clicked m_selectedIdx: 1"), c[0] != 3);
            f.click(Qt::Key_Return);
            QVERIFY(!checked());
        }
    }

    void hotKeys()
    {
        SignalOrder order;
        const int f1 = Qt::Key_F1;
        // last key, startIdx, then key -> row pairs. With five keys or more the fourth key starts
        // over at the page's first row.
        const QList<QList<int>> cases{{f1 + 9, 0, f1, 0, f1 + 2, 2, f1 + 3, 0, f1 + 4, 1, f1 + 9, 6, f1 + 10, -1, f1 - 1, -1},
                                      {f1 + 9, 3, f1, 3, f1 + 3, 3}, {f1 + 3, 0, f1, 0, f1 + 3, 3}};
        ListView list;
        QCOMPARE(list.keyToItemIdx(f1), -1); // off by default
        list.setEnableFuncKey(true);
        for (const QList<int>& c : cases) {
            list.setEndFuncKey(c[0]);
            list.setStartIdx(c[1]);
            for (int i = 2; i < c.size(); i += 2)
                QCOMPARE(list.keyToItemIdx(c[i]), c[i + 1]);
        }
        Fixture f(4);
        f.list->setEnableFuncKey(true);
        QSignalSpy funcKey(f.list, SIGNAL(clickedFuncKey(int)));
        MessageCapture capture; // the press already selects the row; the release clicks, then reports the hot key
        order.watch(f.list, SIGNAL(focusChanged(int)), "focus");
        order.watch(f.list, SIGNAL(keyPressed(int)), "key");
        order.watch(f.list, SIGNAL(clicked(int)), "clicked");
        order.watch(f.list, SIGNAL(clickedFuncKey(int)), "hot key");
        QTest::keyPress(f.list, Qt::Key_F3);
        QTest::keyRelease(f.list, Qt::Key_F3);
        QCOMPARE(order.events, QStringList({"focus", "key", "clicked", "hot key"}));
        QVERIFY(capture.contains("ListView::keyReleaseEvent emit clicked idx: 2"));
        QVERIFY(f.page.pressed.isEmpty() && f.page.released.isEmpty());
        f.list->setStartIdx(3); // past the rows: diagnostic, the key travels on
        f.click(Qt::Key_F2);
        QVERIFY(capture.contains("ListView::keyReleaseEvent invalid idx: 4  itemSize: 4"));
        QCOMPARE(f.page.released, QList<int>{Qt::Key_F2});
        f.list->setStartIdx(0); // a disabled row is not clicked
        f.list->item(1)->setItemSelectEnable(false);
        f.click(Qt::Key_F2);
        QVERIFY(capture.contains("ListView::keyReleaseEvent item is disable!"));
        QVERIFY(capture.contains("ListView::setSelectedIdx curr item is disale! idx: 1") && f.list->selectedIdx() == 2);
        ListViewCheckItem* check = f.put(0, new ListViewCheckItem("c", false)); // hot keys toggle check rows
        f.click(Qt::Key_F1);
        f.list->setIsVisibleSelectBackGround(false); // the hot key clears the selection
        f.click(Qt::Key_F3);
        QVERIFY(check->isChecked() && f.list->selectedIdx() == -1);
        QCOMPARE(ints(f.clicked), QList<int>({2, 0, 2}));
        QCOMPARE(ints(funcKey), QList<int>({2, 0, 2}));
    }
    void longPress()
    {
        Fixture f(3);
        f.list->setEnableFuncKey(true);
        f.list->setIsEnabledLongPress(true);
        QSignalSpy longPress(f.list, SIGNAL(longPress(int)));
        QTest::keyPress(f.list, Qt::Key_F2);
        QVERIFY(phoneWaitForSignal(longPress));
        QCOMPARE(ints(longPress), QList<int>{1});
        QTest::keyRelease(f.list, Qt::Key_F2); // the release is handled as usual
        QCOMPARE(ints(f.clicked), QList<int>{1});
        QTest::keyClick(f.list, Qt::Key_F3); // released in time: none, even once its time is past
        QVERIFY(TimerMark(1000).wait());
        f.list->setIsEnabledLongPress(false); // not enabled: never
        QTest::keyPress(f.list, Qt::Key_F1);
        QVERIFY(TimerMark(1000).wait());
        QCOMPARE(ints(longPress), QList<int>{1});
        QTest::keyRelease(f.list, Qt::Key_F1);
        // Without the visible select background the long press clears the selection.
        f.list->setIsVisibleSelectBackGround(false);
        f.list->setSelectedIdx(2);
        f.list->setKeyPressFlag(true);
        f.list->longPressTimeout();
        QVERIFY(ints(longPress) == QList<int>({1, 2}) && f.list->selectedIdx() == -1);
    }

    void searchAndShow()
    {
        Fixture f(7);
        for (int i : {0, 3, 4, 6})
            f.list->item(i)->setItemSelectEnable(false);
        f.list->addItem(0);
        MessageCapture capture;
        QCOMPARE(QList<int>({f.list->searchNextItemIndex(0, false), f.list->searchNextItemIndex(3, false),
                             f.list->searchNextItemIndex(4, true), f.list->searchNextItemIndex(0, true),
                             f.list->searchNextItemIndex(-2, false), f.list->searchNextItemIndex(9, true),
                             f.list->searchNextItemIndex(6, false)}), QList<int>({1, 5, 2, -1, 0, 7, 6}));
        QCOMPARE(capture.lines(), QStringList({"ListView::searchNextItemIndex startIdx is under zero! idx: -2",
            "ListView::searchNextItemIndex startIdx is over size! idx: 9",
            "ListView::searchNextItemIndex currItem is null! === ERRROR idx: 7  startIndexValue: 6  isInverseOrder: false"}));
        f.list->setSelectedIdx(5); // showing aligns the page to the selected row and disarms; focusing logs
        f.list->setKeyPressFlag(true);
        capture.clear();
        f.focusList();
        QVERIFY(f.list->startIdx() == 3 && !f.list->isKeyPressFlag() && capture.contains("ListView::focusInEvent m_selectedidx: 5"));
        Fixture e(0); // keys on an empty list never fault
        e.list->setEnableFuncKey(true);
        for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_F1, Qt::Key_VolumeUp})
            e.click(key);
        QVERIFY(e.list->selectedIdx() == -1 && e.clicked.isEmpty()); // the wrap search found no row
    }
};

QTEST_MAIN(ListViewTest)
#include "tst_list_view.moc"
