#pragma once

#include <optional>
#include <string>
#include <vector>

// An iCalendar text read back through libical's own parser, the way a
// calendar program would read an exported file. Times read as libical writes
// them: "20250315T063000" is a floating local time, a trailing "Z" marks UTC,
// and a zone would follow after a blank.
class CalendarReader {
public:
    struct Event {
        std::string summary;
        std::string description;
        std::string uid;
        std::string start;
        // Empty when the event has no end.
        std::string end;
        std::string stamp;
    };

    struct Calendar {
        std::string version;
        std::vector<Event> events;
        // Properties libical could not make sense of.
        int errorCount = 0;
    };

    // Null unless the text is one VCALENDAR.
    static std::optional<Calendar> Parse(const std::string& text);
    static std::optional<Calendar> ReadFile(const std::string& path);
};
