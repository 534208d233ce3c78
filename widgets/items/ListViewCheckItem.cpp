#include "ListViewCheckItem.h"

#include <QPainter>

ListViewCheckItem::ListViewCheckItem(QString const& title, bool const& checked)
    : ListViewItem(title),
      m_checked(checked),
      m_isNoValueChange(false)
{
}

int ListViewCheckItem::type()
{
    return TypeCheck;
}

void ListViewCheckItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);
    const QPixmap box = picture(QLatin1String(":/ui/images/widget/checkbox.png"));
    const QPixmap mark = picture(isPressed() ? QLatin1String(":/ui/images/widget/checkbox_check_sel.png")
                                   : QLatin1String(":/ui/images/widget/checkbox_check.png"));
    drawLabel(p, QRect(QPoint(r.left() + 10, r.top()), QPoint(r.right() - box.width() + 3, r.bottom())),
                alignment(), text());
    const QPoint at(r.right() - box.width() - 6, r.top() + (r.height() - box.height()) / 2 - 1);
    p->drawPixmap(at, box);
    if (m_checked)
        p->drawPixmap(at, mark);
    p->restore();
}

void ListViewCheckItem::setChecked(bool const& checked) { m_checked = checked; }
bool ListViewCheckItem::isChecked() const { return m_checked; }
void ListViewCheckItem::setIsNoValueChange(bool noValueChange) { m_isNoValueChange = noValueChange; }
bool ListViewCheckItem::isNoValueChange() const { return m_isNoValueChange; }
