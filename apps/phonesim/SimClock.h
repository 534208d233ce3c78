#ifndef SIMCLOCK_H
#define SIMCLOCK_H

// The wall clock as the whole process sees it (Qt's dates and times, the status bar's clock),
// stopped at one moment for scripted runs and screenshots that come out the same every time.
// Timers and elapsed times run on the monotonic clock and go on as usual.
namespace SimClock {
// Milliseconds since the epoch; a negative value lets the clock run again.
void freeze(long long msSinceEpoch);
bool isFrozen();
}

#endif
