#include "ListViewSelectItem.h"

#include <QFontMetrics>
#include <QPainter>

ListViewSelectItem::ListViewSelectItem(QString const& title, QString const& selectedText)
    : ListViewItem(title),
      m_selectedText(selectedText),
      m_selectTextFontPt(-1),
      m_textWidth(192)
{
}

int ListViewSelectItem::type()
{
    return TypeSelect;
}

void ListViewSelectItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);

    int left = r.left() + 10;
    const QPixmap* normal = pixmap(0);
    if (normal && !normal->isNull()) {
        const QPixmap* select = pixmap(1);
        const QPixmap* shown = normal;
        if (focusType() == eFocusTypeFloating) {
            if (isPressed() && select)
                shown = select;
        } else if (selected() && select) {
            shown = select;
        }
        p->drawPixmap(r.left() + 10, r.top() + (r.height() - normal->height()) / 2, *shown);
        left = r.left() + 35;
    }

    const QRect titleBox(QPoint(left, r.top()), QPoint(left + m_textWidth - 1, r.bottom()));
    p->setPen(isPressed() ? textSelectColor() : baseTextColor());
    drawLabel(p, titleBox, alignment(), text(), m_textWidth);

    const int arrowWidth = paintArrow(p, r);
    const QRect valueBox(QPoint(r.left() + m_textWidth, r.top()), QPoint(r.right() - arrowWidth - 15, r.bottom()));
    setFontPointSize(p, 19);
    p->setPen(isPressed() ? textSelectColor() : QColor(85, 85, 85));
    drawLabel(p, valueBox, Qt::AlignRight | Qt::AlignVCenter, m_selectedText, valueBox.width());
    p->restore();
}

void ListViewSelectItem::setSelectedText(QString const& text) { m_selectedText = text; }
QString ListViewSelectItem::selectedText() const { return m_selectedText; }
void ListViewSelectItem::setTextWidth(int width) { m_textWidth = width; }
int ListViewSelectItem::textWidth() const { return m_textWidth; }
void ListViewSelectItem::setSelectTextFontPt(int pt) { m_selectTextFontPt = pt; }
int ListViewSelectItem::selectTextFontPt() const { return m_selectTextFontPt; }
