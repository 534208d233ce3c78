#include "ListViewNetworkItem.h"

#include <QFontMetrics>
#include <QPainter>

ListViewNetworkItem::ListViewNetworkItem(QString const& title, QString const& infoText)
    : ListViewItem(title),
      m_infoText(infoText),
      m_signalStep(0),
      m_infoTextFontPt(19),
      m_hold(false)
{
}

int ListViewNetworkItem::type()
{
    return TypeNetwork;
}

void ListViewNetworkItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);
    drawLabel(p, QRect(QPoint(r.left() + 10, r.top()), QPoint(r.left() + 201, r.bottom())), alignment(), text(), 192);

    const QPixmap sizer = picture(QLatin1String(":/ui/images/icon_wifi_step0_hold_press.png"));
    const int iw = sizer.width() < 1 ? 19 : sizer.width();
    const int ih = sizer.height();

    QFont f;
    f.setPointSize(20);
    p->setFont(f);
    drawLabel(p, QRect(QPoint(r.left() + 192 - iw, r.top()), QPoint(r.right() - 2 * iw, r.bottom())),
                Qt::AlignRight | Qt::AlignVCenter, m_infoText);

    const bool sel = selected();
    QString path;
    if (m_signalStep >= 1 && m_signalStep <= 5) {
        path = QString(":/ui/images/icon_wifi_step%1%2%3.png")
                   .arg(m_signalStep - 1)
                   .arg(m_hold ? "_hold" : "")
                   .arg(sel ? "_press" : "");
    } else {
        path = sel ? QLatin1String(":/ui/images/icon_wifi_unknown.png")
                   : QLatin1String(":/ui/images/icon_wifi_unknown_normal.png");
    }
    p->drawPixmap(r.right() - iw - 10, r.top() + (r.height() - ih) / 2, picture(path));
    p->restore();
}

void ListViewNetworkItem::setInfoTextFontPt(int pt) { m_infoTextFontPt = pt; }
int ListViewNetworkItem::infoTextFontPt() const { return m_infoTextFontPt; }
void ListViewNetworkItem::setSignalStep(int step) { m_signalStep = step; }
int ListViewNetworkItem::signalStep() const { return m_signalStep; }
void ListViewNetworkItem::setHold(bool hold) { m_hold = hold; }
bool ListViewNetworkItem::isHold() const { return m_hold; }
