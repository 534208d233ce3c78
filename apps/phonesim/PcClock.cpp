#include "PcClock.h"

QTimeZone PcClock::s_zone;
QByteArray PcClock::s_tz;
bool PcClock::s_tzSet = false;

void PcClock::capture()
{
    s_tzSet = qEnvironmentVariableIsSet("TZ");
    s_tz = qgetenv("TZ");
    s_zone = QTimeZone::systemTimeZone();
}

QDateTime PcClock::now()
{
    return s_zone.isValid() ? QDateTime::currentDateTimeUtc().toTimeZone(s_zone) : QDateTime::currentDateTime();
}

QProcessEnvironment PcClock::environment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (s_tzSet)
        environment.insert("TZ", QString::fromLocal8Bit(s_tz));
    else
        environment.remove("TZ");
    return environment;
}
