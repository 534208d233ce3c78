#include "ListViewInfoItem.h"

#include <QFontMetrics>
#include <QPainter>

ListViewInfoItem::ListViewInfoItem(QString const& title, QString const& infoText)
    : ListViewItem(title),
      m_infoText(infoText),
      m_infoAlignment(Qt::AlignRight | Qt::AlignVCenter),
      m_infoLeftMargin(167),
      m_infoRightMargin(10)
{
}

int ListViewInfoItem::type()
{
    return TypeInfo;
}

void ListViewInfoItem::paint(QPainter* p, QRect& r)
{
    p->save();
    // Invalid select colours fall through to the plain background.
    const bool sel = selected();
    if (!hasFocus() && sel && backGroundNoFocusSelectColor().isValid())
        p->fillRect(r, backGroundNoFocusSelectColor());
    else if (sel && backGroundSelectColor().isValid())
        p->fillRect(r, backGroundSelectColor());
    else
        p->fillRect(r, backGroundColor());
    p->setPen(sel ? textSelectColor() : textColor());

    drawLabel(p, QRect(QPoint(r.left() + 10, r.top()), QPoint(r.left() + 201, r.bottom())), alignment(), text());
    const QRect infoBox(QPoint(r.left() + m_infoLeftMargin, r.top()), QPoint(r.right() - m_infoRightMargin, r.bottom()));
    drawLabel(p, infoBox, m_infoAlignment, m_infoText, infoBox.width());
    p->restore();
}

void ListViewInfoItem::setInfoText(QString const& text) { m_infoText = text; }
QString ListViewInfoItem::infoText() const { return m_infoText; }
void ListViewInfoItem::setInfoAlignment(int alignment) { m_infoAlignment = alignment; }
void ListViewInfoItem::setInfoLeftMargin(int margin) { m_infoLeftMargin = margin; }
void ListViewInfoItem::setInfoRightMargin(int margin) { m_infoRightMargin = margin; }
