#pragma once

#include <cstdint>
#include <ctime>

namespace toolbox {

// Where the logger takes its times from: the calendar time for the date of
// a record and a monotonic millisecond count for its time since start.
// Tests hand the logger a clock of their own.
class LogClock {
public:
    virtual ~LogClock() = default;
    virtual std::time_t GetCalendarTime() const;
    virtual std::uint32_t GetTickCount() const;
    // Seconds east of UTC of the local zone's standard time, daylight
    // saving left out.
    virtual long GetStandardOffsetSeconds() const;

    static const LogClock& GetSystemClock();
};

} // namespace toolbox
