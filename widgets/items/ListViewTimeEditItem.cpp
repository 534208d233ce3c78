#include "ListViewTimeEditItem.h"

#include <QImage>
#include <QPainter>

ListViewTimeEditItem::ListViewTimeEditItem(QString const& title, QString const& time,
                                           QString const& ampm)
    : ListViewItem(title, QPixmap(), QPixmap()),
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

bool ListViewTimeEditItem::selectEnabled()
{
    // The base keeps its enable flag to itself; its state fill tells it through the pen.
    // Probe that on a scratch pixel with the selection off (a selected row's disable colour
    // is its select colour) and a disable colour that differs from the normal pen.
    const bool floating = focusType() == eFocusTypeFloating;
    const bool wasPressed = isPressed();
    const bool wasSelected = selected();
    if (floating)
        setIsPressed(false);
    else
        setSelected(false);
    const QColor stored = textDisableColor();
    const QColor normal = textColor();
    const QColor probe(normal.red() ^ 1, normal.green(), normal.blue());
    setTextDisableColor(probe);

    QImage scratch(1, 1, QImage::Format_ARGB32);
    QPainter painter(&scratch);
    paintStateFill(&painter, QRect(0, 0, 1, 1));
    const bool enabled = painter.pen().color() != probe;
    painter.end();

    setTextDisableColor(stored);
    if (floating)
        setIsPressed(wasPressed);
    else
        setSelected(wasSelected);
    return enabled;
}

void ListViewTimeEditItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintLineEditStateFill(p, r);
    // A disabled time row is always the fixed grey, whatever disable colour the page set.
    if (!selectEnabled())
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
        const QPixmap arrow(":/ui/images/widget/list_focus.png");
        p->drawPixmap(r.right() - arrow.width() - 9, r.top() + (r.height() - arrow.height()) / 2,
                      arrow);
    }
    p->restore();
}
