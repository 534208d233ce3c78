#ifndef TESTWAIT_H
#define TESTWAIT_H

#include <QTest>
#include <functional>

class QSignalSpy;
class QWidget;

// Waiting for state, in the API both Qt 4.8 and Qt 5 have (in place of Qt 5's QTRY_ macros,
// QSignalSpy::wait, qWaitFor and qWaitForWindowActive). Each polls the event loop until the
// state holds or a generous limit passes (emulated runs are slow), and says which.
const int kPhoneWaitLimitMs = 30000;

bool phoneWaitFor(const std::function<bool()>& condition, int limitMs = kPhoneWaitLimitMs);
// One more emission than the spy holds now.
bool phoneWaitForSignal(QSignalSpy& spy, int limitMs = kPhoneWaitLimitMs);
// The widget is on screen and has painted (a paint asked for now has arrived).
bool phoneWaitForPainted(QWidget* widget);
// The paint events the widget gets for what change asks: requests made before are painted first,
// those of the change are delivered at once (no timer runs meanwhile). Its window must be on screen.
int phonePaintsDuring(QWidget* widget, const std::function<void()>& change);
// The widget's window is the active window.
bool phoneWaitForActive(QWidget* widget);
void phoneUnsetEnv(const char* name);

// QVERIFY / QCOMPARE once the state has come (or the limit has passed).
#define PHONE_TRY_VERIFY(expr)                                 \
    do {                                                       \
        phoneWaitFor([&]() -> bool { return (expr); });        \
        QVERIFY(expr);                                         \
    } while (0)
#define PHONE_TRY_COMPARE(actual, expected)                                   \
    do {                                                                      \
        phoneWaitFor([&]() -> bool { return (actual) == (expected); });       \
        QCOMPARE(actual, expected);                                           \
    } while (0)

#endif
