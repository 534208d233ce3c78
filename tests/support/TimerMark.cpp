#include "TimerMark.h"

#include "TestWait.h"

#include <QTimer>

TimerMark::TimerMark(int ms, const std::function<void()>& look) : m_ms(ms), m_fired(false), m_look(look)
{
    // A single shot below two seconds is precise in Qt 5 (and every timer is in Qt 4).
    QTimer::singleShot(ms, this, SLOT(fire()));
}

bool TimerMark::wait()
{
    return phoneWaitFor([this]() { return m_fired; }, m_ms + kPhoneWaitLimitMs);
}

void TimerMark::fire()
{
    m_fired = true;
    if (m_look)
        m_look();
}
