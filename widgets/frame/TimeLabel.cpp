#include "TimeLabel.h"

#include "ListViewItem.h"

#include "Core.h"

#include <QPainter>
#include <QTime>

TimeLabel::TimeLabel(QWidget* parent)
    : QLabel(parent),
      m_time24Hour(false),
      m_blinkFlag(true)
{
}

TimeLabel::~TimeLabel()
{
}

void TimeLabel::setTime24Hour(bool on)
{
    m_time24Hour = on;
}

bool TimeLabel::time24Hour() const
{
    return m_time24Hour;
}

QString TimeLabel::text() const
{
    return m_text;
}

void TimeLabel::changeTimeBlinkFlag()
{
    // The host's clock format wins: the bar calls this every second.
    if (theCore)
        m_time24Hour = theCore->use24HourTime();
    m_blinkFlag = !m_blinkFlag;
}

void TimeLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.save();
    const QTime now = QTime::currentTime();

    const bool design1 = theCore && theCore->designType() == 1;
    painter.setPen(design1 ? QColor(34, 34, 34) : QColor(85, 85, 85));

    m_text = now.toString(m_time24Hour ? QString::fromLatin1("hh:mm") : QString::fromLatin1("hh:mm AP"));
    // The clock repaints every second with the same few texts: through the label cache.
    ListViewItem::drawLabel(&painter, QRect(0, 0, width(), height()), Qt::AlignRight | Qt::AlignVCenter, m_text);
    painter.restore();
}
