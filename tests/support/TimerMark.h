#ifndef TIMERMARK_H
#define TIMERMARK_H

#include <QObject>

// A point on the event loop's timer queue. Qt runs due timers in the order of their due times,
// so once the mark has fired, every timer of at most ms that was started before it has fired
// too, however slowly the machine ran. Tests use it to ask "has the widget's 500 ms timer
// fired yet?" without sleeping: start a mark right after the widget's timer, wait() for it,
// then look. (Qt 5's QTimer objects are coarse, due within 5 % of their interval; the mark
// goes off just past that, and is precise itself.)
class TimerMark : public QObject
{
    Q_OBJECT
public:
    explicit TimerMark(int ms);
    // Runs the event loop until the mark has fired; false past the wait limit.
    bool wait();

private slots:
    void fire();

private:
    int m_ms;
    bool m_fired;
};

#endif
