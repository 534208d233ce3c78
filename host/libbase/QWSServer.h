#ifndef QWSSERVER_H
#define QWSSERVER_H

#include <Qt>

// Key injection of the embedded window server. Qt 5 has no window server, so the event is
// queued to the widget holding the keyboard focus, arriving later in the event loop as the
// server's would.
class QWSServer
{
public:
    static void sendKeyEvent(int unicode, int keycode, Qt::KeyboardModifiers modifiers,
                             bool isPress, bool autoRepeat);
    // Number of key events injected so far (press and release each count).
    static int injectedKeyCount();
};

#endif
