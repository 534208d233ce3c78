// The popup's list: transparent paint, the fixed 40-pixel thumb, dotted separators and the
// focus box shown without keyboard focus, pressed while a key is held.
#include "ListViewItem.h"
#include "SelectPopupListView.h"
#include "TestHost.h"
#include "WidgetImage.h"

#include <QTest>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(187, 187, 187);
const QColor kThumb(34, 34, 34);
const QColor kClear(Qt::transparent);

void fill(SelectPopupListView& list, int rows)
{
    for (int i = 0; i < rows; ++i)
        list.addItem(new ListViewItem(QString("Row %1").arg(i), QPixmap(), QPixmap()));
}

} // namespace

class PopupListViewTest : public QObject
{
    Q_OBJECT

    // A list shaped like the one inside the popup, 160 pixels high.
    static void shape(SelectPopupListView& list)
    {
        list.setPageCount(4);
        list.setLineLeftMargin(0);
        list.setLineRightMargin(0);
        list.resize(183, 160);
    }

private slots:
    void cleanup()
    {
        TestHost::unloadPictures();
    }

    void construction()
    {
        SelectPopupListView list;
        QCOMPARE(list.scrollRightMargin(), 0);
        QCOMPARE(list.lineLeftMargin(), 2);
        QCOMPARE(list.lineRightMargin(), 2);
        QVERIFY(list.testAttribute(Qt::WA_TranslucentBackground));
        list.setSelectPixmap(QPixmap(2, 2), QPixmap(3, 3), QPixmap(4, 4));
        list.setSelectPixmap(QPixmap(5, 5), QPixmap(), QPixmap());
    }

    void thumbPosition_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("top");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("second") << 1 << 13;
        QTest::newRow("ninth") << 8 << 104;
        QTest::newRow("last") << 9 << 120;
        QTest::newRow("none counts as first") << -1 << 0;
    }

    void thumbPosition()
    {
        QFETCH(int, selected);
        QFETCH(int, top);
        QCOMPARE(SelectPopupListView::thumbTop(160, 10, selected), top);

        SelectPopupListView list;
        shape(list);
        fill(list, 10);
        list.setSelectedIdx(selected);
        list.setStartIdx(selected < 0 ? 0 : selected / 4 * 4);
        const QImage img = WidgetImage::render(&list);
        // Track and thumb fill the four right-most columns; two clear columns separate them
        // from the rows, which end 6 pixels in.
        QCOMPARE(WidgetImage::bounds(img, QRect(177, 0, 6, 160), kThumb), QRect(179, top, 4, 40));
        QCOMPARE(WidgetImage::count(img, QRect(179, 0, 4, 160), kGrey), 4 * 120);
        QVERIFY(WidgetImage::allColor(img, QRect(178, 0, 1, 160), kClear));
        // Column 177 only carries the dotted separators' last grey pixel.
        const int separators = selected >= 8 ? 2 : 3;
        QCOMPARE(WidgetImage::count(img, QRect(177, 0, 1, 160), kClear), 160 - separators);
    }

    void scrollRightMarginMovesTheBar()
    {
        SelectPopupListView list;
        shape(list);
        fill(list, 5);
        list.setScrollRightMargin(3);
        const QImage img = WidgetImage::render(&list);
        QCOMPARE(WidgetImage::bounds(img, QRect(170, 0, 13, 160), kThumb), QRect(176, 0, 4, 40));
        QVERIFY(WidgetImage::allColor(img, QRect(180, 0, 3, 160), kClear));
        // Rows end at 173 (the strip kept free is the margin plus 6).
        QVERIFY(WidgetImage::isColor(img, 173, 60, kWhite));
        QVERIFY(WidgetImage::allColor(img, QRect(175, 0, 1, 160), kClear));
    }

    void noScrollBarWithAFullPage()
    {
        SelectPopupListView list;
        shape(list);
        fill(list, 4);
        list.setSelectedIdx(3);
        const QImage img = WidgetImage::render(&list);
        QCOMPARE(WidgetImage::count(img, img.rect(), kThumb), 0);
        // Unselected rows are white to the last column.
        QVERIFY(WidgetImage::isColor(img, 182, 20, kWhite));
    }

    void separatorsAreDottedAndSkipTheLastSlot()
    {
        SelectPopupListView list;
        shape(list);
        fill(list, 4);
        list.setUseDotLine(false); // the popup list ignores this setting
        list.setSelectedIdx(-1);
        const QImage img = WidgetImage::render(&list);
        for (int y : {39, 79, 119}) {
            QVERIFY2(WidgetImage::isColor(img, 0, y, kGrey), qPrintable(QString::number(y)));
            QVERIFY(WidgetImage::isColor(img, 1, y, kGrey));
            QVERIFY(WidgetImage::isColor(img, 2, y, kWhite));
            QVERIFY(WidgetImage::isColor(img, 3, y, kGrey));
            QCOMPARE(WidgetImage::count(img, QRect(0, y, 183, 1), kGrey), 122);
        }
        QCOMPARE(WidgetImage::count(img, QRect(0, 159, 183, 1), kGrey), 0);
        // Rows paint white to both edges.
        QVERIFY(WidgetImage::allColor(img, QRect(0, 0, 3, 39), kWhite));
        QVERIFY(WidgetImage::allColor(img, QRect(180, 0, 3, 39), kWhite));
    }

    void partialPageKeepsItsLastSeparator()
    {
        SelectPopupListView list;
        shape(list);
        fill(list, 6);
        list.setSelectedIdx(-1);
        list.setStartIdx(4);
        const QImage img = WidgetImage::render(&list);
        QVERIFY(WidgetImage::isColor(img, 0, 79, kGrey));
        // Below the two rows of the last page the list stays transparent.
        QVERIFY(WidgetImage::allColor(img, QRect(0, 80, 177, 80), kClear));
    }

    void emptyListShowsOnlyTheText()
    {
        TestHost::loadPictures();
        SelectPopupListView list;
        shape(list);
        list.setShowEmptyString(true);
        list.setEmptyString("Nothing");
        const QImage img = WidgetImage::render(&list);
        const QRect ink = WidgetImage::boundsNot(img, img.rect(), kClear);
        QVERIFY(!ink.isNull());
        // Centred in the whole widget, no picture above it.
        QVERIFY(qAbs(ink.center().y() - 80) <= 3);
        QVERIFY(qAbs(ink.center().x() - 91) <= 3);
        QVERIFY(ink.height() < 30);
        QCOMPARE(WidgetImage::count(img, img.rect(), kWhite), 0);

        list.setShowEmptyString(false);
        QVERIFY(WidgetImage::allColor(WidgetImage::render(&list), img.rect(), kClear));
    }

    void focusBoxWithoutKeyboardFocus()
    {
        QVERIFY(TestHost::loadPictures());
        const QSize corner = QPixmap(":ui/images/widget/focus_02_lefttop.png").size();
        QVERIFY(!corner.isEmpty());
        SelectPopupListView list;
        shape(list);
        fill(list, 4);
        list.setSelectedIdx(1);
        QVERIFY(!list.hasFocus());
        const QImage img = WidgetImage::render(&list);
        // Row 1 spans y 40..79; the box starts one row above and ends 3 below, its right
        // edge one pixel in (182 - 1).
        const int y0 = 39;
        const int bh = 82 - y0 + 1;
        QVERIFY(WidgetImage::allColor(img, QRect(0, y0 + corner.height(), corner.width() - 1,
                                                 bh - 2 * corner.height()), kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(181 - corner.width() + 2, y0 + corner.height(),
                                                 corner.width() - 1, bh - 2 * corner.height()),
                                      kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(corner.width(), y0, 182 - 2 * corner.width(),
                                                 corner.height() - 1), kBlack));
        QVERIFY(WidgetImage::allColor(img, QRect(corner.width(), y0 + bh - 3, 182 - 2 * corner.width(), 2),
                                      kGrey));
        QVERIFY(WidgetImage::isColor(img, 182, 60, kClear));
        // Not pressed: white inside, black label.
        QVERIFY(WidgetImage::isColor(img, 100, 45, kWhite));
        QVERIFY(WidgetImage::count(img, QRect(10, 45, 160, 30), kBlack) > 0);
    }

    void focusBoxPressedWhileAKeyIsHeld()
    {
        QVERIFY(TestHost::loadPictures());
        SelectPopupListView list;
        shape(list);
        fill(list, 4);
        list.setSelectedIdx(3);
        // The pressed look is what a held key shows, and keys come with the keyboard focus.
        list.show();
        list.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        list.setFocus();
        QVERIFY(list.hasFocus());
        list.setKeyPressFlag(true);
        const QImage img = WidgetImage::render(&list);
        // Last slot: the box runs to 4 rows below the row, clipped at the bottom.
        QVERIFY(WidgetImage::isColor(img, 100, 130, kBlack));
        QVERIFY(WidgetImage::count(img, QRect(10, 125, 160, 30), kWhite) > 0);
        QVERIFY(list.item(3)->isPressed());

        list.setKeyPressFlag(false);
        const QImage up = WidgetImage::render(&list);
        QVERIFY(WidgetImage::isColor(up, 100, 130, kWhite));
        QVERIFY(!list.item(3)->isPressed());
    }

    void focusBoxAtTheTopStartsOnRowZero()
    {
        QVERIFY(TestHost::loadPictures());
        SelectPopupListView list;
        shape(list);
        fill(list, 2);
        const QImage img = WidgetImage::render(&list);
        // Top edge on row 0; the box's grey line lies over row 1's top two rows (40, 41).
        QVERIFY(WidgetImage::isColor(img, 50, 0, kBlack));
        QVERIFY(WidgetImage::isColor(img, 50, 40, kGrey));
        QVERIFY(WidgetImage::isColor(img, 50, 41, kGrey));
        QVERIFY(WidgetImage::isColor(img, 50, 42, kWhite));
    }

    void rowLeftBehindLosesThePressedLook()
    {
        SelectPopupListView list;
        shape(list);
        fill(list, 4);
        list.setSelectedIdx(0);
        list.setKeyPressFlag(true);
        WidgetImage::render(&list);
        QVERIFY(list.item(0)->isPressed());
        list.setSelectedIdx(1);
        const QImage img = WidgetImage::render(&list);
        QVERIFY(!list.item(0)->isPressed());
        QVERIFY(WidgetImage::isColor(img, 100, 20, kWhite));
    }

    void noPicturesStillDrawsTheEdges()
    {
        SelectPopupListView list;
        shape(list);
        fill(list, 4);
        list.setSelectedIdx(2);
        const QImage img = WidgetImage::render(&list);
        // Without corner pictures the edges have no thickness: a white box over the separator
        // above the row, with the grey line at its foot.
        QVERIFY(WidgetImage::isColor(img, 50, 79, kWhite));
        QVERIFY(WidgetImage::isColor(img, 50, 120, kGrey));
        QVERIFY(WidgetImage::isColor(img, 50, 121, kGrey));
        QVERIFY(WidgetImage::isColor(img, 0, 100, kWhite));
    }
};

QTEST_MAIN(PopupListViewTest)
#include "tst_popup_listview.moc"
