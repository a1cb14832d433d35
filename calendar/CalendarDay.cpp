#include "calendar/CalendarDay.h"

#include <cstdio>
#include <ctime>

namespace {

constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// The number formed by `count` digits at `text[from]`, or -1.
int DigitsAt(std::string_view text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

CalendarDay::CalendarDay(int year, int month, int day)
    : year(year)
    , month(month)
    , day(day)
{
}

std::optional<CalendarDay> CalendarDay::Of(int year, int month, int day)
{
    if (year < FirstYear || year > LastYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return CalendarDay(year, month, day);
}

std::optional<CalendarDay> CalendarDay::Parse(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    return Of(DigitsAt(text, 0, 4), DigitsAt(text, 5, 2), DigitsAt(text, 8, 2));
}

CalendarDay CalendarDay::Tomorrow()
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    // Noon, so that a change of daylight saving time cannot skip or repeat a day.
    local.tm_mday += 1;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    std::mktime(&local);
    return CalendarDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string CalendarDay::ToString() const
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}
