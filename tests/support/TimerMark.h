#ifndef TIMERMARK_H
#define TIMERMARK_H

#include <QObject>
#include <functional>

// A point on the event loop's timer queue. Qt runs due timers in the order of their due times,
// even when a slow machine finds several overdue at once, so what a mark sees when it fires
// is what a widget's timer has (or has not yet) done by then. Tests ask "has the 500 ms timer
// fired yet?" without sleeping: start a mark before(500) ahead of the widget's timer and one
// after(500) behind it, wait for both, and compare what each saw.
class TimerMark : public QObject
{
    Q_OBJECT
public:
    // Qt 5's timers are coarse (due within 5 % of their interval); these keep clear of that.
    static int before(int ms) { return ms - ms / 10; }
    static int after(int ms) { return ms + ms / 10 + 2; }

    // A precise single shot after ms that runs look (if any) when it fires.
    explicit TimerMark(int ms, const std::function<void()>& look = std::function<void()>());
    // Runs the event loop until the mark has fired; false past the wait limit.
    bool wait();

private slots:
    void fire();

private:
    int m_ms;
    bool m_fired;
    std::function<void()> m_look;
};

#endif
