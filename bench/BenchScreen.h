#ifndef BENCHSCREEN_H
#define BENCHSCREEN_H

#include <QtGlobal>

#ifdef Q_WS_QWS
#include "TestScreen.h"

// The phone's screen for the benchmarks: the suites' in-memory 384 x 160 screen at 72 dpi, but
// in the phone's 16 bits (RGB565), so that windows paint and the server blits as they do
// there. Display "PhoneBench16:<number>".
class BenchScreen : public TestScreen
{
public:
    explicit BenchScreen(int displayId) : TestScreen(displayId) {}

    bool connect(const QString& display);
    void setMode(int width, int height, int depth);

    // Makes "PhoneBench16" known to Qt's screen driver factory; call before the application.
    static void registerDriver();
};
#endif

#endif
