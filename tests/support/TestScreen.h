#ifndef TESTSCREEN_H
#define TESTSCREEN_H

#include <QtGlobal>

#ifdef Q_WS_QWS
#include <QByteArray>
#include <QScreen>

// The phone's screen in memory, for suites that are their own Qt for Embedded Linux window
// server: 384 x 160 at 72 dpi, no frame buffer device, display "PhoneTest:<number>". 32 bits,
// so that the colours a suite checks are the ones painted (16 bits would round them).
class TestScreen : public QScreen
{
public:
    explicit TestScreen(int displayId) : QScreen(displayId) {}

    bool connect(const QString& display);
    void disconnect() { data = 0; }
    bool initDevice() { return true; }
    void shutdownDevice() {}
    void setMode(int width, int height, int depth);

    // Makes "PhoneTest" known to Qt's screen driver factory; call before the application.
    static void registerDriver();

private:
    QByteArray m_memory;
};
#endif

#endif
