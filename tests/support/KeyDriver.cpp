#include "KeyDriver.h"

#include "TestWait.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

KeyDriver::KeyDriver(QObject* parent) : QObject(parent) {}

KeyDriver& KeyDriver::key(int key)
{
    press(key);
    return release(key);
}

KeyDriver& KeyDriver::press(int key)
{
    return call([key] { send(target(), key, true); });
}

KeyDriver& KeyDriver::release(int key)
{
    return call([key] { send(target(), key, false); });
}

KeyDriver& KeyDriver::call(const std::function<void()>& action)
{
    m_steps.append(action);
    return *this;
}

void KeyDriver::start()
{
    if (!m_steps.isEmpty())
        schedule(0);
}

bool KeyDriver::finished() const
{
    return m_steps.isEmpty();
}

bool KeyDriver::settled()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return true;
    QWidget* active = QApplication::activeWindow();
    // Nothing active (a popup over it has gone): the window server would activate what is
    // left on top; so does the driver, then waits for it.
    if (!active && modal->isVisible())
        QApplication::setActiveWindow(modal);
    QWidget* focus = QApplication::focusWidget();
    return modal->isVisible() && active == modal && focus && focus->window() == modal;
}

QWidget* KeyDriver::target()
{
    if (QWidget* w = QApplication::focusWidget())
        return w;
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

void KeyDriver::send(QWidget* target, int key, bool press)
{
    if (!target)
        return;
    // Context keys have no text; everything else gets what a keypad would send.
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = "\r";
    else if (key == Qt::Key_Escape)
        text = QString(QChar(27));
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

void KeyDriver::schedule(int ms)
{
    QTimer::singleShot(ms, this, SLOT(next()));
}

void KeyDriver::next()
{
    if (m_steps.isEmpty())
        return;
    if (!m_waiting.isValid())
        m_waiting.start();
    if (!settled()) {
        if (m_waiting.elapsed() < kPhoneWaitLimitMs) {
            schedule(1);   // poll: the state comes with later events
            return;
        }
        qWarning("KeyDriver: never settled; going on");
    }
    m_waiting.invalidate();
    const std::function<void()> action = m_steps.takeFirst();
    // Scheduled first: the action may enter a nested event loop (a popup's exec()) that only
    // the following steps can end.
    if (!m_steps.isEmpty())
        schedule(0);
    action();
}
