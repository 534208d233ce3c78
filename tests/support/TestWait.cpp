#include "TestWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QSignalSpy>
#include <QWidget>

#include <stdlib.h>

bool phoneWaitFor(const std::function<bool()>& condition, int limitMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > limitMs)
            return false;
        QTest::qWait(2);   // runs the event loop (and deferred deletes) in between
    }
    return true;
}

bool phoneWaitForSignal(QSignalSpy& spy, int limitMs)
{
    const int before = spy.count();
    return phoneWaitFor([&spy, before]() { return spy.count() > before; }, limitMs);
}

namespace {

class PaintCounter : public QObject
{
public:
    int paints;
    explicit PaintCounter(QWidget* widget) : paints(0) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e)
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

}

bool phoneWaitForPainted(QWidget* widget)
{
    PaintCounter counter(widget);
    widget->update();
    const bool painted = phoneWaitFor([widget, &counter]() {
        return widget->isVisible() && counter.paints > 0;
    });
    widget->removeEventFilter(&counter);
    return painted;
}

int phonePaintsDuring(QWidget* widget, const std::function<void()>& change)
{
    QCoreApplication::sendPostedEvents();
    PaintCounter counter(widget);
    change();
    QCoreApplication::sendPostedEvents();
    return counter.paints;
}

bool phoneWaitForActive(QWidget* widget)
{
    return phoneWaitFor([widget]() {
        return widget->isVisible() && QApplication::activeWindow() == widget->window();
    });
}

void phoneUnsetEnv(const char* name)
{
    unsetenv(name);
}
