#pragma once

#include <optional>
#include <string>
#include <vector>

// An iCalendar text read back through libical's own parser, the way a
// calendar program would read an exported file.
class CalendarReader {
public:
    struct Time {
        int year;
        int month;
        int day;
        int hour;
        int minute;
        // Neither UTC nor with a time zone: the wall clock wherever it is read.
        bool floating;
        bool utc;

        bool operator==(const Time&) const = default;
    };

    struct Event {
        std::string summary;
        std::string description;
        std::string uid;
        Time start;
        std::optional<Time> end;
        std::optional<Time> stamp;
    };

    struct Calendar {
        std::string version;
        std::string productId;
        std::vector<Event> events;
        // Properties libical could not make sense of.
        int errorCount;
    };

    // Null unless the text is one VCALENDAR.
    static std::optional<Calendar> Parse(const std::string& text);
    static std::optional<Calendar> ReadFile(const std::string& path);

    // A floating local time, for comparisons.
    static Time Local(int year, int month, int day, int hour, int minute);
};
