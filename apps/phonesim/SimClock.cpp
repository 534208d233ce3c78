#include "SimClock.h"

#include <dlfcn.h>
#include <errno.h>
#include <sys/time.h>
#include <time.h>

#include <atomic>

namespace {

std::atomic<long long> s_frozenMs(-1);

template <typename Function>
Function next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool isWallClock(clockid_t clock)
{
    return clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE;
}

} // namespace

void SimClock::freeze(long long msSinceEpoch)
{
    s_frozenMs = msSinceEpoch;
}

bool SimClock::isFrozen()
{
    return s_frozenMs >= 0;
}

// Found before the C library's by every library of the process (the executable exports
// them), Qt's included.
extern "C" int clock_gettime(clockid_t clock, struct timespec* value) noexcept
{
    typedef int (*Function)(clockid_t, struct timespec*);
    static const Function real = next<Function>("clock_gettime");
    const long long frozen = s_frozenMs;
    if (frozen >= 0 && isWallClock(clock)) {
        value->tv_sec = frozen / 1000;
        value->tv_nsec = (frozen % 1000) * 1000000;
        return 0;
    }
    if (!real) {
        errno = ENOSYS;
        return -1;
    }
    return real(clock, value);
}

extern "C" int gettimeofday(struct timeval* value, void* zone) noexcept
{
    typedef int (*Function)(struct timeval*, void*);
    static const Function real = next<Function>("gettimeofday");
    const long long frozen = s_frozenMs;
    if (frozen >= 0) {
        value->tv_sec = frozen / 1000;
        value->tv_usec = (frozen % 1000) * 1000;
        return 0;
    }
    if (!real) {
        errno = ENOSYS;
        return -1;
    }
    return real(value, zone);
}

extern "C" time_t time(time_t* result) noexcept
{
    typedef time_t (*Function)(time_t*);
    static const Function real = next<Function>("time");
    const long long frozen = s_frozenMs;
    if (frozen >= 0) {
        const time_t now = time_t(frozen / 1000);
        if (result)
            *result = now;
        return now;
    }
    return real ? real(result) : time_t(-1);
}
