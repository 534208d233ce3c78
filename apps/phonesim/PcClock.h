#ifndef PCCLOCK_H
#define PCCLOCK_H

#include <QDateTime>
#include <QProcessEnvironment>
#include <QTimeZone>

// The PC's own time zone. The phone's host applies the phone's zone to the whole process
// (TZ), but what is meant for the person at the PC keeps the PC's time: screenshot names,
// log lines and the programs the simulator starts.
class PcClock
{
public:
    // Takes the zone the process started in; call it before the host applies the phone's.
    static void capture();
    static QDateTime now();
    // The process's environment with the PC's TZ back, for a program we start.
    static QProcessEnvironment environment();

private:
    static QTimeZone s_zone;
    static QByteArray s_tz;
    static bool s_tzSet;
};

#endif
