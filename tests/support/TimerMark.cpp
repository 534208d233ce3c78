#include "TimerMark.h"

#include "TestWait.h"

#include <QTimer>

TimerMark::TimerMark(int ms) : m_ms(ms + ms / 20 + 2), m_fired(false)
{
    // A single shot below two seconds is precise in Qt 5 (and every timer is in Qt 4).
    QTimer::singleShot(m_ms, this, SLOT(fire()));
}

bool TimerMark::wait()
{
    return phoneWaitFor([this]() { return m_fired; }, m_ms + kPhoneWaitLimitMs);
}

void TimerMark::fire()
{
    m_fired = true;
}
