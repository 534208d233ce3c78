#include "ListViewProgressItem.h"

#include <QDebug>
#include <QPainter>
#include <QVarLengthArray>

ListViewProgressItem::ListViewProgressItem(QString const& title, int maxValue)
    : ListViewItem(title),
      m_step(1),
      m_value(0),
      m_minValue(0),
      m_maxValue(maxValue),
      m_useSlider(false)
{
}

int ListViewProgressItem::type()
{
    return TypeProgress;
}

void ListViewProgressItem::paint(QPainter* p, QRect& r)
{
    p->save();
    paintStateFill(p, r);
    const int titleWidth = int(r.width() * 0.4);
    drawLabel(p, QRect(QPoint(r.left() + 10, r.top()), QPoint(r.left() + 10 + titleWidth - 1, r.bottom())),
                alignment(), text());

    if (!m_useSlider && m_maxValue > 0) {
        // Segment 0 is the rightmost; the bar fills from the left.
        const int x0 = (r.right() - r.left()) - 14;
        QVarLengthArray<QRect, 32> segments;
        for (int k = 0; k < m_maxValue; ++k)
            segments.append(QRect(QPoint(x0 - 13 * k, r.top() + 5), QPoint(x0 - 13 * k + 8, r.top() + 25)));
        const QColor c = selected() && focusType() != eFocusTypeFloating ? QColor(255, 255, 255)
                                                                         : QColor(34, 34, 34);
        p->setPen(c);
        p->setBrush(Qt::NoBrush);
        p->drawRects(segments.constData(), segments.size());
        // A value above the maximum (after lowering the maximum) fills the whole bar.
        const int filled = qBound(0, m_value, m_maxValue);
        if (filled > 0) {
            p->setBrush(c);
            p->drawRects(segments.constData() + (m_maxValue - filled), filled);
        }
    }
    p->restore();
}

void ListViewProgressItem::setValue(int value)
{
    if (value > m_maxValue)
        value = m_maxValue;
    if (value < m_minValue)
        value = m_minValue;
    m_value = value;
}

int ListViewProgressItem::value() const { return m_value; }

void ListViewProgressItem::setMinValue(int value)
{
    m_minValue = value > m_maxValue ? m_maxValue : value;
}

int ListViewProgressItem::minValue() const { return m_minValue; }

void ListViewProgressItem::setMaxValue(int value)
{
    if (value > 15) {
        qDebug() << "ListViewProgressItem::setMaxValue maxValue is over! check code! value:" << value;
        return;
    }
    m_maxValue = value;
}

int ListViewProgressItem::maxValue() const { return m_maxValue; }
void ListViewProgressItem::setStep(int step) { m_step = step; }
int ListViewProgressItem::step() const { return m_step; }
void ListViewProgressItem::setUseSlider(bool useSlider) { m_useSlider = useSlider; }
bool ListViewProgressItem::useSlider() const { return m_useSlider; }
