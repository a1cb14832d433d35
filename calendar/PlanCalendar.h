#pragma once

#include "calendar/CalendarDay.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

class PersonalPlan;

// An iCalendar document (RFC 5545) of personal plans placed on one day: an
// event per task execution, none for pauses. Times are floating local times
// counted from midnight of the day, so a start before midnight falls on the
// day before; the summary is the task's name, optionally after the person's,
// and the description names the person and the profile. Refers to no plan
// after Add returns.
class PlanCalendar {
public:
    enum class Summary { TaskName, PersonAndTaskName };

    // `stamp` is the moment of the export, written as each event's DTSTAMP.
    PlanCalendar(CalendarDay day, std::time_t stamp);

    void Add(const PersonalPlan& plan, Summary summary);
    int GetEventCount() const { return static_cast<int>(events.size()); }

    // The document, built and written by libical (escaping, line folding);
    // null when an event would fall outside the years 1 to 9999.
    std::optional<std::string> ToText() const;

private:
    struct Event {
        std::string summary;
        std::string description;
        std::string uid;
        std::int64_t start;
        std::int64_t duration;
    };

    CalendarDay day;
    std::time_t stamp;
    std::vector<Event> events;
};
