#include "ListViewTimeEditItem.h"

#include <QPainter>

ListViewTimeEditItem::ListViewTimeEditItem(QString const& title, QString const& time,
                                           QString const& ampm)
    : ListViewItem(title),
      m_time(time),
      m_ampm(ampm),
      m_useAmpmSelection(true)
{
}

ListViewTimeEditItem::~ListViewTimeEditItem()
{
}

int ListViewTimeEditItem::type()
{
    return TypeTimeEdit;
}

void ListViewTimeEditItem::setTime(QString const& time)
{
    m_time = time;
}

QString ListViewTimeEditItem::getTime()
{
    return m_time;
}

void ListViewTimeEditItem::setAMPM(QString const& ampm)
{
    m_ampm = ampm;
}

QString ListViewTimeEditItem::getAMPM()
{
    return m_ampm;
}

void ListViewTimeEditItem::setUse_ampmSelection(bool use)
{
    m_useAmpmSelection = use;
}

bool ListViewTimeEditItem::use_ampmSelection() const
{
    return m_useAmpmSelection;
}

void ListViewTimeEditItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintLineEditStateFill(p, r);
    // A disabled time row is always the fixed grey, whatever disable colour the page set.
    if (!isItemSelectEnabled())
        p->setPen(QColor(85, 85, 85));

    const int a = m_useAmpmSelection ? 0 : 96;
    const int b = m_useAmpmSelection ? 90 : 0;

    p->drawText(QRect(QPoint(r.left() + 10, r.top()), QPoint(r.left() + 201, r.bottom())),
                alignment(), text());

    const int boxLeft = r.left() + 192 + a;
    const int boxWidth = r.width() - 192 - a - b - 4;
    paintInputBox(p, r, boxLeft, boxWidth, 4, 5);

    setFontPointSize(p, 20);
    p->drawText(QRect(QPoint(boxLeft + 3, r.top() + 5), QPoint(boxLeft + boxWidth - 6, r.top() + 28)),
                Qt::AlignLeft | Qt::AlignVCenter, m_time);

    if (m_useAmpmSelection) {
        p->drawText(QRect(QPoint(r.left() + 192, r.top()), QPoint(r.right() - 25, r.bottom())),
                    Qt::AlignRight | Qt::AlignVCenter, getAMPM());
        // No pressed look for the arrow of this row.
        const QPixmap arrow =
            picture(QString::fromLatin1(":/ui/images/widget/list_focus.png"));
        p->drawPixmap(r.right() - arrow.width() - 9, r.top() + (r.height() - arrow.height()) / 2,
                      arrow);
    }
    p->restore();
}
