#include "ListViewLineEditCheckItem.h"

#include <QPainter>

ListViewLineEditCheckItem::ListViewLineEditCheckItem(QString const& title, bool const& checked,
                                                     bool const& useEditText, QString const& editText)
    : ListViewCheckTextItem(title, checked, useEditText, editText)
{
}

int ListViewLineEditCheckItem::type()
{
    return TypeLineEditCheck;
}

void ListViewLineEditCheckItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);
    const int y = r.top() + 8;
    p->drawPixmap(r.right() + 59, y, picture(QLatin1String(":/ui/images/checkbox_bg_left.png")));
    const QPixmap center = picture(QLatin1String(":/ui/images/checkbox_bg_center.png"));
    p->drawPixmap(QRectF(r.right() + 61, y, 20, 24), center, QRectF(center.rect()));
    p->drawPixmap(r.right() + 81, y, picture(QLatin1String(":/ui/images/checkbox_bg_right.png")));
    if (isChecked())
        p->drawPixmap(r.right() + 62, y, picture(QLatin1String(":/ui/images/checkbox_check_icon.png")));

    const QPixmap field = picture(QLatin1String(":/ui/images/call_hold_bg_right.png"));
    p->drawPixmap(QRectF(r.left() + 7, r.top(), 418, r.height()), field, QRectF(field.rect()));
    drawLabel(p, QRect(QPoint(r.left() + 14, r.top() + 6), QPoint(r.left() + 417, r.bottom() - 6)),
                alignment(), shownEditText(editText(), echoPasswordMode()));
    p->restore();
}
