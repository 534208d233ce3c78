#include "KeyDriver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

KeyDriver::KeyDriver(QObject* parent) : QObject(parent) {}

KeyDriver& KeyDriver::key(int key, int delayMs)
{
    press(key, delayMs);
    return release(key, 0);
}

KeyDriver& KeyDriver::press(int key, int delayMs)
{
    return call([key] { send(target(), key, true); }, delayMs);
}

KeyDriver& KeyDriver::release(int key, int delayMs)
{
    return call([key] { send(target(), key, false); }, delayMs);
}

KeyDriver& KeyDriver::call(const std::function<void()>& action, int delayMs)
{
    Step step;
    step.delay = delayMs;
    step.action = action;
    m_steps.append(step);
    return *this;
}

void KeyDriver::start()
{
    if (!m_steps.isEmpty())
        QTimer::singleShot(m_steps.first().delay, this, SLOT(next()));
}

int KeyDriver::pending() const
{
    return m_steps.size();
}

bool KeyDriver::finished() const
{
    return m_steps.isEmpty();
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

void KeyDriver::next()
{
    if (m_steps.isEmpty())
        return;
    Step step = m_steps.takeFirst();
    // Scheduled first: the action may enter a nested event loop (a popup's exec()) that only
    // the following steps can end.
    if (!m_steps.isEmpty())
        QTimer::singleShot(m_steps.first().delay, this, SLOT(next()));
    step.action();
}
