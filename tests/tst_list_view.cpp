// The list view's model, selection, paging and paint: row rectangles, scroll bar, separators,
// top and bottom lines, empty state and the floating focus box.
#include "ListView.h"
#include "ListViewLineEditItem.h"
#include "MessageCapture.h"
#include "TestHost.h"
#include "WidgetImage.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kDark(85, 85, 85);
const QColor kLight(187, 187, 187);

// A row that records how the list paints it and counts its destruction.
class ProbeItem : public ListViewItem
{
public:
    explicit ProbeItem(const QString& text = QString(), int* deleted = 0)
        : ListViewItem(text, QPixmap(), QPixmap()), m_deleted(deleted) {}
    ~ProbeItem() override
    {
        if (m_deleted)
            ++*m_deleted;
    }
    void paint(QPainter* p, QRect& r) override
    {
        rects.append(r);
        p->fillRect(r, fill.isValid() ? fill : backGroundColor());
    }
    QList<QRect> rects;
    QColor fill; // invalid: the row's background colour, as the list sets it

private:
    int* m_deleted;
};

ListView* makeList(int rows, int perPage = 3, QSize size = QSize(384, 120))
{
    ListView* list = new ListView;
    list->resize(size);
    list->setPageCount(perPage);
    for (int i = 0; i < rows; ++i)
        list->addItem(new ProbeItem(QString("row %1").arg(i)));
    return list;
}

ProbeItem* probe(ListView* list, int i)
{
    return static_cast<ProbeItem*>(list->item(i));
}

// Top row and height of the thumb in column x (the rows in the thumb colour).
QPair<int, int> thumbRows(const QImage& image, int x)
{
    const QRect b = WidgetImage::bounds(image, QRect(x, 0, 1, image.height()), kDark);
    return qMakePair(b.top(), b.height());
}

bool drawnAt(const QImage& image, const QString& path, const QPoint& pos, const QColor& background)
{
    const QPixmap pm(path);
    if (pm.isNull())
        return false;
    QImage expected(pm.size(), QImage::Format_ARGB32);
    expected.fill(background);
    QPainter(&expected).drawPixmap(0, 0, pm);
    return image.copy(QRect(pos, pm.size())) == expected;
}

// True when every opaque pixel of the picture shows at pos (transparent ones show what lies
// below); fails for missing or fully transparent pictures.
bool opaqueAt(const QImage& image, const QString& path, const QPoint& pos)
{
    const QImage pm = QImage(path).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < pm.height(); ++y) {
        for (int x = 0; x < pm.width(); ++x) {
            if (qAlpha(pm.pixel(x, y)) != 255)
                continue;
            ++opaque;
            if (image.pixel(pos.x() + x, pos.y() + y) != pm.pixel(x, y))
                return false;
        }
    }
    return opaque > 0;
}

// Renders the list with the probe rows' paint records cleared first.
QImage render(ListView* list)
{
    for (int i = 0; i < list->itemSize(); ++i)
        if (ProbeItem* row = dynamic_cast<ProbeItem*>(list->item(i)))
            row->rects.clear();
    return WidgetImage::render(list);
}

void focusList(ListView* list)
{
    list->show();
    list->activateWindow();
    list->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(list));
    QTRY_VERIFY(list->hasFocus());
}

} // namespace

class ListViewTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        TestHost::unloadPictures();
    }

    void defaults()
    {
        ListView list;
        QCOMPARE(list.itemSize(), 0);
        QCOMPARE(list.selectedIdx(), 0);
        QCOMPARE(list.startIdx(), 0);
        QCOMPARE(list.page(), 0);
        QCOMPARE(list.pageCount(), 3);
        QCOMPARE(list.focusPolicy(), Qt::StrongFocus);
        QCOMPARE(list.font().family(), QString("1R_02_OV_ED"));
        QCOMPARE(list.font().pointSize(), 20);
        QCOMPARE(list.backgroundColor(), kWhite);
        QCOMPARE(list.lineColor(), kBlack);
        QCOMPARE(list.emptyString(), QString("No Items"));
        QCOMPARE(list.scrollbarBorderType(), ListView::eScrollBarBorderFill);
        QCOMPARE(int(ListView::eScrollBarBorderNone), 1);
        QCOMPARE(int(ListView::eScrollBarBorderLine), 2);
        QCOMPARE(list.focusType(), eFocusTypeFloating);
        QVERIFY(list.useDotLine());
        QVERIFY(list.useDirectMovement());
        QVERIFY(list.isEnabledArrowKeyMove());
        QVERIFY(list.isVisibleSelectBackGround());
        QVERIFY(!list.isEnabledLongPress());
        QVERIFY(!list.isEnableFuncKey());
        QCOMPARE(list.startFuncKey(), int(Qt::Key_F1));
        QCOMPARE(list.endFuncKey(), int(Qt::Key_F10));
        QVERIFY(!list.showEmptyString());
        QVERIFY(!list.selectAndPressed());
    }

    void ownership()
    {
        int deleted = 0;
        {
            ListView list;
            for (int i = 0; i < 5; ++i)
                list.addItem(new ProbeItem(QString::number(i), &deleted));
            list.removeItem(1);
            QCOMPARE(deleted, 1);
            QCOMPARE(list.item(1)->text(), QString("2"));
            list.itemClear();
            QCOMPARE(deleted, 5);
            QCOMPARE(list.itemSize(), 0);
            list.addItem(new ProbeItem("a", &deleted));
            list.addItem(new ProbeItem("b", &deleted));
        }
        QCOMPARE(deleted, 7);
    }

    void rowLookup()
    {
        QScopedPointer<ListView> list(makeList(4));
        QCOMPARE(list->item(QString("row 2")), list->item(2));
        QVERIFY(!list->item(QString("nope")));
        QVERIFY(!list->item(-1));
        QVERIFY(!list->item(4));
        list->moveItem(0, 3);
        QCOMPARE(list->item(3)->text(), QString("row 0"));
        QCOMPARE(list->item(0)->text(), QString("row 1"));
    }

    void badIndices()
    {
        QScopedPointer<ListView> list(makeList(3));
        list->addItem(0);
        QSignalSpy focus(list.data(), SIGNAL(focusChanged(int)));
        MessageCapture capture;
        list->removeItem(7);
        list->removeItem(-1);
        list->moveItem(0, 9);
        list->setSelectedIdx(4);
        list->setSelectedIdx(3);
        list->item(1)->setItemSelectEnable(false);
        list->setSelectedIdx(1);
        QCOMPARE(capture.lines(), QStringList({"ListView::removeItem invalid idx: 7",
                                               "ListView::removeItem invalid idx: -1",
                                               "ListView::moveItem invalid idx: 0 9",
                                               "ListView::setSelectedIdx invalid idx: 4",
                                               "ListView::setSelectedIdx currItem is null! idx: 3",
                                               "ListView::setSelectedIdx curr item is disale! idx: 1"}));
        QCOMPARE(capture.lines(QtWarningMsg), QStringList("ListView::setSelectedIdx currItem is null! idx: 3"));
        QCOMPARE(list->itemSize(), 4);
        QCOMPARE(list->selectedIdx(), 0);
        QCOMPARE(focus.count(), 0);
        // The null row ends the paint's row loop.
        list->setStartIdx(3);
        WidgetImage::render(list.data());
    }

    void selection()
    {
        QScopedPointer<ListView> list(makeList(4));
        QSignalSpy focus(list.data(), SIGNAL(focusChanged(int)));
        list->setSelectedIdx(0);
        QCOMPARE(focus.count(), 0);
        list->setSelectedIdx(-1);
        QCOMPARE(list->selectedIdx(), -1);
        QCOMPARE(focus.takeFirst().at(0).toInt(), -1);
        list->setSelectedIdx(-7); // any negative index means none
        QCOMPARE(list->selectedIdx(), -1);
        QCOMPARE(focus.count(), 0);
        list->setSelectedIdx(2);
        QCOMPARE(focus.takeFirst().at(0).toInt(), 2);
        QCOMPARE(list->startIdx(), 0); // selection does not move the page

        // Removing the selected last row moves the selection to the new last row.
        list->setSelectedIdx(3);
        focus.clear();
        list->removeItem(3);
        QCOMPARE(list->selectedIdx(), 2);
        QCOMPARE(focus.count(), 1);
        list->removeItem(0);
        QCOMPARE(list->selectedIdx(), 1);
        QCOMPARE(list->item(1)->text(), QString("row 2"));
    }

    void paging()
    {
        QScopedPointer<ListView> list(makeList(7));
        QCOMPARE(list->maxPage(), 1);
        MessageCapture capture;
        list->setPage(2);
        QCOMPARE(list->page(), 2);
        list->setPage(3);
        list->setPage(-1);
        QCOMPARE(list->page(), 2);
        QCOMPARE(capture.lines(), QStringList({"ListView::setPage overValue: 3", "ListView::setPage value: -1"}));
        list->setPage(0);

        capture.clear();
        list->nextPage();
        QCOMPARE(list->startIdx(), 3);
        QCOMPARE(list->selectedIdx(), 3);
        QCOMPARE(capture.lines().last(), QString("ListView::nextPage m_startIdx: 3  m_selectedIdx: 3  m_page: 1"));
        list->nextPage();
        QCOMPARE(list->startIdx(), 6);
        list->nextPage(); // wraps
        QCOMPARE(list->startIdx(), 0);
        QCOMPARE(list->page(), 0);
        QCOMPARE(list->selectedIdx(), 0);
        list->prevPage(); // wraps to the last, partial page
        QCOMPARE(list->startIdx(), 6);
        QCOMPARE(list->page(), 2);
        QCOMPARE(list->selectedIdx(), 6);
        list->prevPage();
        QCOMPARE(list->startIdx(), 3);
        QCOMPARE(list->page(), 1);

        ListView empty;
        empty.prevPage();
        QCOMPARE(empty.startIdx(), 0);
        QCOMPARE(empty.page(), 0);
        empty.nextPage();
        QCOMPARE(empty.startIdx(), 0);
    }

    void pageCountRefused_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("negative") << -2;
        QTest::newRow("zero") << 0;
    }

    void pageCountRefused()
    {
        QFETCH(int, count);
        QScopedPointer<ListView> list(makeList(5, 4));
        MessageCapture capture;
        list->setPageCount(count);
        QCOMPARE(capture.lines(), QStringList(QString("ListView::setPageCount pageCount: %1").arg(count)));
        QCOMPARE(list->pageCount(), 4);
        // Paint, paging and keys keep working.
        WidgetImage::render(list.data());
        list->nextPage();
        QTest::keyClick(list.data(), Qt::Key_Down);
        QCOMPARE(list->maxPage(), 0);
    }

    void rowRectangles_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("leftMargin");
        QTest::addColumn<int>("rightMargin");
        QTest::addColumn<int>("bottomMargin");
        QTest::addColumn<QList<QRect>>("expected");
        QTest::newRow("one page: full width") << 3 << 0 << 0 << 0
            << QList<QRect>{QRect(QPoint(0, 0), QPoint(384, 39)), QRect(QPoint(0, 40), QPoint(384, 79)),
                            QRect(QPoint(0, 80), QPoint(384, 119))};
        QTest::newRow("scroll bar: 8 pixels less") << 4 << 0 << 0 << 0
            << QList<QRect>{QRect(QPoint(0, 0), QPoint(376, 39)), QRect(QPoint(0, 40), QPoint(376, 79)),
                            QRect(QPoint(0, 80), QPoint(376, 119))};
        QTest::newRow("margins") << 4 << 5 << 10 << 6
            << QList<QRect>{QRect(QPoint(5, 0), QPoint(366, 41)), QRect(QPoint(5, 42), QPoint(366, 83)),
                            QRect(QPoint(5, 84), QPoint(366, 125))};
        QTest::newRow("partial page") << 2 << 0 << 0 << 0
            << QList<QRect>{QRect(QPoint(0, 0), QPoint(384, 39)), QRect(QPoint(0, 40), QPoint(384, 79))};
    }

    void rowRectangles()
    {
        QFETCH(int, rows);
        QFETCH(int, leftMargin);
        QFETCH(int, rightMargin);
        QFETCH(int, bottomMargin);
        QFETCH(QList<QRect>, expected);
        QScopedPointer<ListView> list(makeList(rows));
        list->setLineLeftMargin(leftMargin);
        list->setLineRightMargin(rightMargin);
        list->setListBottomMargin(bottomMargin);
        list->setSelectedIdx(-1);
        WidgetImage::render(list.data());
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(probe(list.data(), i)->rects, QList<QRect>{expected.at(i)});
            QCOMPARE(probe(list.data(), i)->geometry(), expected.at(i));
            QCOMPARE(probe(list.data(), i)->hasScrollBar(), rows > 3);
            QCOMPARE(probe(list.data(), i)->scrollBarAreaWidth(), rows > 3 ? 11 : 3);
            QVERIFY(!probe(list.data(), i)->hasFocus());
        }
        if (rows > 3)
            QVERIFY(probe(list.data(), 3)->rects.isEmpty());
    }

    void scrollThumb_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("topMargin");
        QTest::addColumn<int>("bottomMargin");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("length");
        // Travel T = 120 - margins; length T(1 - (n-pc)/(n-1)), at least 20; top s T (n-pc)/(n-1)^2.
        QTest::newRow("4 rows, first") << 4 << 0 << 0 << 0 << 0 << 80;
        QTest::newRow("4 rows, last") << 4 << 3 << 0 << 0 << 40 << 80;
        QTest::newRow("no selection counts as first") << 4 << -1 << 0 << 0 << 0 << 80;
        QTest::newRow("40 rows: 20-pixel minimum") << 40 << 0 << 0 << 0 << 0 << 20;
        QTest::newRow("40 rows, middle") << 40 << 20 << 0 << 0 << 58 << 20;
        QTest::newRow("40 rows, last: clipped") << 40 << 39 << 0 << 0 << 114 << 6;
        QTest::newRow("margins") << 4 << 3 << 10 << 10 << 43 << 67;
    }

    void scrollThumb()
    {
        QFETCH(int, rows);
        QFETCH(int, selected);
        QFETCH(int, topMargin);
        QFETCH(int, bottomMargin);
        QFETCH(int, top);
        QFETCH(int, length);
        QScopedPointer<ListView> list(makeList(rows));
        list->setScrollTopMargin(topMargin);
        list->setScrollBottomMargin(bottomMargin);
        list->setSelectedIdx(selected);
        const QImage image = WidgetImage::render(list.data());
        // Fill style: track from x 380 to the edge in light grey, the thumb over it.
        for (int x = 380; x <= 383; ++x)
            QCOMPARE(thumbRows(image, x), qMakePair(top, length));
        const int track = 120 - length;
        QCOMPARE(WidgetImage::count(image, QRect(380, 0, 4, 120), kLight), 4 * track);
        QVERIFY(WidgetImage::allColor(image, QRect(377, 0, 3, 120), kWhite));
    }

    void scrollBarStyles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("rightMargin");
        QTest::addColumn<QString>("columns"); // x = W-7 .. W-1 above the thumb, then on it
        QTest::newRow("fill") << 0 << 0 << "wwwLLLL/wwwDDDD";
        QTest::newRow("none") << 1 << 0 << "wwwwwww/wwDDDDw";
        QTest::newRow("line") << 2 << 0 << "wDwwwwD/wDwDDDD";
        QTest::newRow("other value draws as line") << 7 << 0 << "wDwwwwD/wDwDDDD";
        QTest::newRow("fill, right margin 2") << 0 << 2 << "wLLLLLL/wDDDDLL";
    }

    void scrollBarStyles()
    {
        QFETCH(int, style);
        QFETCH(int, rightMargin);
        QFETCH(QString, columns);
        QScopedPointer<ListView> list(makeList(40));
        list->setBackgroundColor(QColor(255, 255, 255));
        list->setScrollbarBorderType(ListView::eListViewScrollBarType(style));
        list->setScrollRightMargin(rightMargin);
        list->setSelectedIdx(20); // thumb on rows 58..77
        const QImage image = WidgetImage::render(list.data());
        auto code = [&image](int x, int y) {
            const QColor c = WidgetImage::at(image, x, y);
            return c == kWhite ? 'w' : c == kLight ? 'L' : c == kDark ? 'D' : '?';
        };
        QString got;
        for (int x = 377; x <= 383; ++x)
            got += code(x, 10);
        got += '/';
        for (int x = 377; x <= 383; ++x)
            got += code(x, 60);
        QCOMPARE(got, columns);
        if (style == 2)
            QVERIFY(WidgetImage::isColor(image, 381, 60, kDark) && WidgetImage::isColor(image, 382, 60, kDark));
    }

    void separators()
    {
        QScopedPointer<ListView> list(makeList(3, 3, QSize(100, 120)));
        list->setSelectedIdx(-1);
        list->setBackgroundColor(QColor(10, 20, 30));
        QImage image = WidgetImage::render(list.data());
        // Dotted: grey, grey, background, ... on each row's bottom pixel row, from x 0 to 100.
        for (int y : {39, 79}) {
            for (int x = 0; x < 100; ++x) {
                const QColor want = x % 3 == 2 ? QColor(10, 20, 30) : kLight;
                QVERIFY2(WidgetImage::isColor(image, x, y, want), qPrintable(QString("%1,%2").arg(x).arg(y)));
            }
        }
        // None under the row in the page's last slot.
        QVERIFY(WidgetImage::allColor(image, QRect(0, 119, 100, 1), kWhite));

        // Solid when the dot line is off or the row asks for it.
        list->item(0)->setUnderLineType(ListViewItem::UnderLineSolid);
        image = WidgetImage::render(list.data());
        QVERIFY(WidgetImage::allColor(image, QRect(0, 39, 100, 1), kLight));
        QVERIFY(WidgetImage::isColor(image, 2, 79, QColor(10, 20, 30)));
        list->setUseDotLine(false);
        image = WidgetImage::render(list.data());
        QVERIFY(WidgetImage::allColor(image, QRect(0, 79, 100, 1), kLight));
    }

    void separatorOnPartialPage()
    {
        // The last row of a partial page is not in the last slot: it keeps its separator.
        QScopedPointer<ListView> list(makeList(4, 3, QSize(100, 120)));
        list->setSelectedIdx(-1);
        list->setStartIdx(3);
        const QImage image = WidgetImage::render(list.data());
        QCOMPARE(probe(list.data(), 3)->rects.first().top(), 0);
        QVERIFY(WidgetImage::isColor(image, 0, 39, kLight));
        QVERIFY(WidgetImage::isColor(image, 1, 39, kLight));
        QVERIFY(WidgetImage::isColor(image, 2, 39, kWhite));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 40, 92, 80), kWhite));
    }

    void dottedLineHelper_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("pattern"); // from x = left to left + width + 1
        QTest::newRow("w 4: the pixel after the last pair stays") << 4 << "LLbLL.";
        QTest::newRow("w 5") << 5 << "LLbLLb.";
        QTest::newRow("w 6") << 6 << "LLbLLbL.";
        QTest::newRow("w 1") << 1 << "LL.";
    }

    void dottedLineHelper()
    {
        // The pattern runs from k = 0 while k <= w, so it can reach one pixel past the right.
        QFETCH(int, width);
        QFETCH(QString, pattern);
        struct Exposed : ListView {
            void line(QPainter* p, int l, int r, int y) { drawDottedLine(p, l, r, y); }
        } list;
        list.setBackgroundColor(Qt::blue);
        QImage image = WidgetImage::blank(QSize(20, 3), QColor(0, 255, 0));
        {
            QPainter p(&image);
            list.line(&p, 5, 5 + width - 1, 1);
        }
        QString got;
        for (int x = 5; x < 5 + pattern.size(); ++x) {
            const QColor c = WidgetImage::at(image, x, 1);
            got += c == kLight ? 'L' : c == QColor(Qt::blue) ? 'b' : '.';
        }
        QCOMPARE(got, pattern);
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 20, 1), QColor(0, 255, 0)));
    }

    void topAndBottomLines()
    {
        QScopedPointer<ListView> list(makeList(3, 3, QSize(100, 120)));
        list->setSelectedIdx(-1);
        list->setBackgroundColor(QColor(10, 20, 30));
        for (int i = 0; i < 3; ++i)
            probe(list.data(), i)->fill = Qt::red;
        list->setDrawTopBottomLine(true, true);
        QImage image = WidgetImage::render(list.data());
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 100, 1), QColor(10, 20, 30)));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 119, 100, 1), QColor(10, 20, 30)));
        QVERIFY(WidgetImage::allColor(image, QRect(0, 1, 100, 38), QColor(Qt::red)));

        // The bottom line needs more than two rows; with a scroll bar both stop before it.
        list->removeItem(2);
        image = WidgetImage::render(list.data());
        QVERIFY(WidgetImage::allColor(image, QRect(0, 119, 100, 1), QColor(10, 20, 30))); // plain background
        list->addItem(new ProbeItem);
        list->addItem(new ProbeItem);
        probe(list.data(), 2)->fill = Qt::red;
        image = WidgetImage::render(list.data());
        QVERIFY(WidgetImage::allColor(image, QRect(0, 0, 92, 1), QColor(10, 20, 30)));
        QVERIFY(WidgetImage::isColor(image, 92, 0, QColor(Qt::red))); // the row's last column stays
        QVERIFY(WidgetImage::allColor(image, QRect(0, 119, 92, 1), QColor(10, 20, 30)));
    }

    void emptyState()
    {
        ListView list;
        list.resize(200, 120);
        list.setBackgroundColor(QColor(10, 20, 30));
        QImage image = WidgetImage::render(&list);
        QVERIFY(WidgetImage::allColor(image, image.rect(), QColor(10, 20, 30)));

        list.setShowEmptyString(true);
        list.setEmptyString("Nothing");
        image = WidgetImage::render(&list);
        const QRect text = WidgetImage::boundsNot(image, image.rect(), QColor(10, 20, 30));
        QVERIFY(text.top() >= 60);
        QVERIFY(qAbs(text.center().x() - 100) <= 2);
        QVERIFY(qAbs(text.center().y() - 90) <= 3);

        TestHost::loadPictures();
        const QPixmap picture(":/ui/images/widget/no_data.png");
        image = WidgetImage::render(&list);
        QVERIFY(drawnAt(image, ":/ui/images/widget/no_data.png",
                        QPoint((200 - picture.width()) / 2, (120 - picture.height()) / 2 - 15), QColor(10, 20, 30)));
    }

    void backgroundPixmap()
    {
        QScopedPointer<ListView> list(makeList(0));
        QPixmap bg(10, 10);
        bg.fill(Qt::red);
        list->setBackgroundPixmap(bg);
        const QImage image = WidgetImage::render(list.data());
        QCOMPARE(WidgetImage::bounds(image, image.rect(), QColor(Qt::red)), QRect(0, 0, 10, 10));
    }

    void focusBox_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QRect>("box"); // x0, y0 and the box width and height
        // Rows end at x 384 without a scroll bar, the box one pixel in.
        QTest::newRow("middle row") << 3 << 1 << QRect(0, 39, 384, 44);
        QTest::newRow("top row starts at 0") << 3 << 0 << QRect(0, 0, 384, 43);
        QTest::newRow("last slot: one more row") << 3 << 2 << QRect(0, 79, 384, 46);
        QTest::newRow("scroll bar: right edge kept") << 5 << 1 << QRect(0, 39, 377, 44);
    }

    void focusBox()
    {
        QFETCH(int, rows);
        QFETCH(int, selected);
        QFETCH(QRect, box);
        TestHost::loadPictures();
        const QString lt(":ui/images/widget/focus_02_lefttop.png");
        const QSize c = QPixmap(lt).size();
        QVERIFY(!c.isEmpty());
        QScopedPointer<ListView> list(makeList(rows));
        list->setSelectedIdx(selected);
        focusList(list.data());
        const QImage image = render(list.data());
        const int x0 = box.x(), y0 = box.y(), bw = box.width(), bh = box.height();
        const int cols = bw - 2 * c.width();

        QVERIFY(opaqueAt(image, lt, QPoint(x0, y0)));
        QVERIFY(opaqueAt(image, ":ui/images/widget/focus_02_righttop.png", QPoint(x0 + bw - c.width(), y0)));
        if (y0 + bh - 1 < 120) {
            QVERIFY(opaqueAt(image, ":ui/images/widget/focus_02_lefbottom.png", QPoint(x0, y0 + bh - c.height() - 1)));
            QVERIFY(opaqueAt(image, ":ui/images/widget/focus_02_rightbottom.png",
                             QPoint(x0 + bw - c.width(), y0 + bh - c.height() - 1)));
            // The bottom edge's black rows above the grey line (none with corners of 3 rows).
            const int blackRows = qMin(c.height() - 1, c.height() - 3);
            if (blackRows > 0)
                QVERIFY(WidgetImage::allColor(image, QRect(x0 + c.width(), y0 + bh - c.height(), cols, blackRows), kBlack));
            QVERIFY(WidgetImage::allColor(image, QRect(x0 + c.width(), y0 + c.height() - 1, cols, bh - 2 * c.height() + 1), kWhite));
            QVERIFY(WidgetImage::allColor(image, QRect(x0 + c.width(), y0 + bh - 3, cols, 2), kLight));
        }
        // Top edge and side edges in black.
        QVERIFY(WidgetImage::allColor(image, QRect(x0 + c.width(), y0, cols, c.height() - 1), kBlack));
        const int sideRows = qMin(bh - 2 * c.height(), 120 - y0 - c.height());
        QVERIFY(WidgetImage::allColor(image, QRect(x0, y0 + c.height(), c.width() - 1, sideRows), kBlack));
        QVERIFY(WidgetImage::allColor(image, QRect(x0 + bw - c.width() + 1, y0 + c.height(), c.width() - 1, sideRows),
                                      kBlack));
        // White inside, with the row painted on top.
        QVERIFY(WidgetImage::isColor(image, x0 + c.width() + 2, y0 + c.height() + 2, kWhite));
        QCOMPARE(probe(list.data(), selected)->rects.size(), 2);
        QCOMPARE(probe(list.data(), selected)->backGroundColor(), QColor(Qt::transparent));
    }

    void focusBoxPressed()
    {
        TestHost::loadPictures();
        QScopedPointer<ListView> list(makeList(3));
        list->setSelectedIdx(1);
        focusList(list.data());
        QTest::keyPress(list.data(), Qt::Key_Return);
        QVERIFY(list->selectAndPressed());
        const QImage image = render(list.data());
        const QSize c = QPixmap(":ui/images/widget/focus_02_lefttop_sel.png").size();
        QVERIFY(opaqueAt(image, ":ui/images/widget/focus_02_lefttop_sel.png", QPoint(0, 39)));
        QVERIFY(opaqueAt(image, ":ui/images/widget/focus_02_rightbottom_sel.png", QPoint(384 - c.width(), 83 - c.height() - 1)));
        QVERIFY(WidgetImage::allColor(image, QRect(c.width(), 39 + c.height(), 384 - 2 * c.width(), 20), kBlack));
        QVERIFY(probe(list.data(), 1)->isPressed());
        QCOMPARE(probe(list.data(), 1)->textColor(), kWhite);
        QTest::keyRelease(list.data(), Qt::Key_Return);
        QVERIFY(!list->selectAndPressed());
    }

    void focusBoxWithoutPictures()
    {
        // Missing corners are null pictures: the box is only its fill and grey line.
        QScopedPointer<ListView> list(makeList(3));
        list->setSelectedIdx(1);
        focusList(list.data());
        const QImage image = WidgetImage::render(list.data());
        QVERIFY(WidgetImage::allColor(image, QRect(0, 80, 383, 2), kLight));
        QCOMPARE(WidgetImage::count(image, image.rect(), kBlack), 0);
    }

    void noBoxCases()
    {
        TestHost::loadPictures();
        // Without focus there is no box.
        QScopedPointer<ListView> list(makeList(3));
        list->setSelectedIdx(1);
        QImage image = render(list.data());
        QCOMPARE(WidgetImage::count(image, image.rect(), kBlack), 0);
        QCOMPARE(probe(list.data(), 1)->rects.size(), 1);

        // Edit rows: no box; without focus they are painted again as pressed.
        ListView edits;
        edits.resize(384, 120);
        edits.addItem(new ListViewLineEditItem("a", "b"));
        edits.addItem(new ListViewLineEditItem("c", "d"));
        edits.setSelectedIdx(1);
        WidgetImage::render(&edits);
        QVERIFY(edits.item(1)->isPressed());
        QVERIFY(!edits.item(0)->isPressed());
    }

    void focusStyleColours()
    {
        QScopedPointer<ListView> list(makeList(3));
        list->setSelectedIdx(1);
        for (int i = 0; i < 3; ++i)
            list->item(i)->setBaseTextColor(Qt::red);
        // Flat: the selected row gets the focus colours and the flat style, no box.
        list->setFocusType(eFocusTypeFlat);
        for (int i = 0; i < 3; ++i)
            list->item(i)->setFocusType(eFocusTypeInverse);
        focusList(list.data());
        QImage image = render(list.data());
        ListViewItem* sel = list->item(1);
        QCOMPARE(sel->focusType(), eFocusTypeFlat);
        QVERIFY(sel->selected());
        QCOMPARE(sel->textColor(), QColor(Qt::red));
        QCOMPARE(sel->textSelectColor(), kBlack);
        QCOMPARE(sel->backGroundSelectColor(), kWhite);
        QCOMPARE(probe(list.data(), 1)->rects.size(), 1);
        QCOMPARE(WidgetImage::count(image, image.rect(), kBlack), 0);

        // Inverse on both sides: the selected row keeps the select colours (white on black).
        list->setFocusType(eFocusTypeInverse);
        list->item(2)->setFocusType(eFocusTypeInverse);
        list->setSelectedIdx(2);
        WidgetImage::render(list.data());
        ListViewItem* row = list->item(2);
        QVERIFY(row->selected());
        QCOMPARE(row->backGroundSelectColor(), kBlack);
        QCOMPARE(row->textSelectColor(), kWhite);
        QCOMPARE(row->textDisableColor(), kWhite); // selected: reads as the select colour
        QVERIFY(!list->item(0)->selected());
        QCOMPARE(list->item(0)->textColor(), QColor(Qt::red));
    }
};

QTEST_MAIN(ListViewTest)
#include "tst_list_view.moc"
