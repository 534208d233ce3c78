#include "ListViewRadioItem.h"

#include "TextSprites.h"

#include <QFontMetrics>
#include <QPainter>

ListViewRadioItem::ListViewRadioItem(QString const& title, bool const& checked)
    : ListViewItem(title),
      m_checked(checked),
      m_useImage(true)
{
}

int ListViewRadioItem::type()
{
    return TypeRadio;
}

void ListViewRadioItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);
    p->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

    const QRect titleBox(QPoint(r.left() + 10, r.top()), QPoint(r.left() + 356, r.bottom()));
    drawLabel(p, titleBox, alignment(), text(), titleBox.right() - titleBox.left() - 2);

    if (m_useImage) {
        const QPixmap mark = picture(m_checked ? QLatin1String(":ui/images/widget/radio_sel.png")
                                     : QLatin1String(":ui/images/widget/radio.png"));
        TextSprites::drawPixmap(p, QPoint(r.right() - 26, r.top() + (r.height() - mark.height()) / 2), mark);
    } else {
        const QColor light(187, 187, 187);
        p->setPen(light);
        p->setBrush(light);
        p->drawEllipse(QRectF(r.right() - 26, r.top() + (r.bottom() - r.top() - 19) / 2, 20, 20));
        if (m_checked) {
            p->setPen(QColor(0, 0, 0));
            p->setBrush(QColor(0, 0, 0));
            p->drawEllipse(QRectF(r.right() - 21, r.top() + (r.bottom() - r.top() - 9) / 2, 10, 10));
        }
    }
    p->restore();
}

void ListViewRadioItem::setChecked(bool const& checked) { m_checked = checked; }
bool ListViewRadioItem::isChecked() const { return m_checked; }
void ListViewRadioItem::setUseImage(bool useImage) { m_useImage = useImage; }
bool ListViewRadioItem::useImage() const { return m_useImage; }
