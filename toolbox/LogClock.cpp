#include "toolbox/LogClock.h"

#include <time.h>

namespace toolbox {

std::time_t LogClock::GetCalendarTime() const
{
    return std::time(nullptr);
}

std::uint32_t LogClock::GetTickCount() const
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    auto milliseconds
        = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}

// `timezone` holds the standard offset west of UTC whatever the season.
long LogClock::GetStandardOffsetSeconds() const
{
    tzset();
    return -timezone;
}

const LogClock& LogClock::GetSystemClock()
{
    static const LogClock systemClock;
    return systemClock;
}

} // namespace toolbox
