#include "QWSServer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

static int s_injected = 0;

void QWSServer::sendKeyEvent(int unicode, int keycode, Qt::KeyboardModifiers modifiers,
                             bool isPress, bool autoRepeat)
{
    ++s_injected;
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        return;
    const QString text = unicode >= 0 ? QString(QChar(unicode)) : QString();
    QApplication::postEvent(target, new QKeyEvent(isPress ? QEvent::KeyPress : QEvent::KeyRelease,
                                                  keycode, modifiers, text, autoRepeat));
}

int QWSServer::injectedKeyCount()
{
    return s_injected;
}
