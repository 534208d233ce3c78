#include "SelectPopupListView.h"

#include <QPainter>

namespace {

const QColor kTrack(187, 187, 187);
const QColor kThumb(34, 34, 34);

void setRowColours(ListViewItem* row, const QColor& text, const QColor& select,
                   const QColor& noFocusSelect, const QColor& disable, const QColor& back,
                   const QColor& backSelect)
{
    row->setTextColor(text);
    row->setTextSelectColor(select);
    row->setTextNoFocusSelectColor(noFocusSelect);
    row->setTextDisableColor(disable);
    row->setBackGroundColor(back);
    row->setBackGroundSelectColor(backSelect);
    row->setBackGroundNoFocusSelectColor(backSelect);
}

} // namespace

SelectPopupListView::SelectPopupListView(QWidget* parent)
    : ListView(parent),
      m_selectPixmap0(0),
      m_selectPixmap1(0),
      m_selectPixmap2(0)
{
    setScrollRightMargin(0);
    setLineLeftMargin(2);
    setLineRightMargin(2);
    setAttribute(Qt::WA_TranslucentBackground);
    setDrawTopBottomLine(false, false);
}

SelectPopupListView::~SelectPopupListView()
{
    delete m_selectPixmap0;
    delete m_selectPixmap1;
    delete m_selectPixmap2;
}

void SelectPopupListView::setSelectPixmap(QPixmap const& normal, QPixmap const& pressed,
                                          QPixmap const& disabled)
{
    if (m_selectPixmap0)
        return;
    m_selectPixmap0 = new QPixmap(normal);
    m_selectPixmap1 = new QPixmap(pressed);
    m_selectPixmap2 = new QPixmap(disabled);
}

int SelectPopupListView::thumbTop(int height, int rows, int selected)
{
    if (rows < 2)
        return 0;
    const int s = qBound(0, selected, rows - 1);
    if (s == rows - 1)
        return height - ThumbHeight;
    return s * ((height - ThumbHeight) / (rows - 1));
}

void SelectPopupListView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    const int n = itemSize();
    const int pc = pageCount();

    // Over the popup's frame: nothing of the list's own background shows.
    p.fillRect(rect(), Qt::transparent);

    if (n == 0 && showEmptyString()) {
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, emptyString());
        return;
    }
    if (pc <= 0)
        return;

    int scrollW = 0;
    if (n > pc) {
        const int rm = scrollRightMargin();
        const int x = w - ThumbWidth - rm;
        p.fillRect(QRect(QPoint(x, 0), QPoint(w - 1 - rm, h - 1)), kTrack);
        p.fillRect(QRect(x, thumbTop(h, n, selectedIdx()), ThumbWidth, ThumbHeight), kThumb);
        scrollW = rm + 6;
    }

    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const int rh = h / pc;
    const int start = startIdx();
    const int lastSlot = start + pc - 1;
    const int selected = selectedIdx();
    const bool focused = hasFocus();
    ListViewItem* focusRow = 0;
    QRect focusRect;
    bool focusInLastSlot = false;

    for (int i = start; i <= lastSlot && i < n; ++i) {
        ListViewItem* row = item(i);
        if (!row)
            break;
        const int k = i - start;
        QRect r(QPoint(0, rh * k), QPoint(w - 1 - scrollW, rh * k + rh - 1));
        row->setGeometry(r);
        row->setFocus(focused);
        row->setItemRect(r);
        if (i == selected) {
            // Painted last, over its focus box.
            setRowColours(row, black, black, black, black, white, white);
            focusRow = row;
            focusRect = r;
            focusInLastSlot = (i == lastSlot);
        } else {
            setRowColours(row, black, white, white, black, white, black);
            // A row that was pressed while it had the focus must not keep the pressed look.
            row->setIsPressed(false);
            row->paint(&p, r);
        }
        if (i != lastSlot) {
            const QRect line = row->itemRect();
            drawDottedLine(&p, line.left(), line.right(), line.bottom());
        }
    }

    if (!focusRow)
        return;
    // Pressed look from key press to key release.
    const bool pressed = isKeyPressFlag();
    const QColor clear(Qt::transparent);
    if (pressed)
        setRowColours(focusRow, white, white, focusRow->textNoFocusSelectColor(), white, clear, clear);
    else
        setRowColours(focusRow, black, black, black, black, clear, clear);
    focusRow->setIsPressed(pressed);
    drawFocusBox(&p, focusRect, focusInLastSlot, focusRow->hasScrollBar(), pressed);
    focusRow->paint(&p, focusRect);
}
