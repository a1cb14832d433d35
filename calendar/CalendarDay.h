#pragma once

#include <optional>
#include <string>
#include <string_view>

// A day of the Gregorian calendar between the years 1 and 9999, the day a
// plan is exported for.
class CalendarDay {
public:
    // Null unless the numbers name a real day (30 February does not).
    static std::optional<CalendarDay> Of(int year, int month, int day);
    // Exactly "YYYY-MM-DD"; null for anything else.
    static std::optional<CalendarDay> Parse(std::string_view text);
    // The day after today, in local time.
    static CalendarDay Tomorrow();

    int GetYear() const { return year; }
    int GetMonth() const { return month; }
    int GetDay() const { return day; }
    // "YYYY-MM-DD".
    std::string ToString() const;

    bool operator==(const CalendarDay&) const = default;

private:
    CalendarDay(int year, int month, int day);

    int year;
    int month;
    int day;
};
