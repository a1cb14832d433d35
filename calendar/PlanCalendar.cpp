#include "calendar/PlanCalendar.h"

#include "model/DisplayText.h"
#include "model/Person.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"
#include "toolbox/ProductVersion.h"

#include <libical/ical.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr std::int64_t MinutesPerDay = 24 * 60;

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

std::string Shown(const TreeItem* item)
{
    return DisplayText::ToUtf8(item ? item->GetName() : "");
}

// A stable identifier, so that importing the same day's plan again updates
// its events instead of adding them twice: derived from the day, the person,
// the profile and the task's name with its occurrence among the plan's tasks.
std::string UidOf(const CalendarDay& day, const std::string& person, const std::string& profile,
    const std::string& task, int occurrence)
{
    std::uint64_t hash = 14695981039346656037u;
    for (const std::string* part : { &person, &profile, &task }) {
        for (unsigned char c : *part)
            hash = (hash ^ c) * 1099511628211u;
        hash = (hash ^ 0x1f) * 1099511628211u;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%016llx-%d@ordovan", day.GetYear(), day.GetMonth(), day.GetDay(),
        static_cast<unsigned long long>(hash), occurrence);
    return text;
}

// Floating local time: no zone, so a calendar shows it at that hour of the
// clock wherever it is read.
icaltimetype LocalTime(const CalendarDay& day, std::int64_t minutes)
{
    icaltimetype time = icaltime_null_time();
    time.year = day.GetYear();
    time.month = day.GetMonth();
    time.day = day.GetDay();
    std::int64_t days = minutes / MinutesPerDay;
    std::int64_t rest = minutes % MinutesPerDay;
    if (rest < 0) {
        rest += MinutesPerDay;
        --days;
    }
    icaltime_adjust(&time, static_cast<int>(days), 0, static_cast<int>(rest), 0);
    return time;
}

bool WithinCalendar(const icaltimetype& time)
{
    return time.year >= 1 && time.year <= 9999;
}

} // namespace

PlanCalendar::PlanCalendar(CalendarDay day, std::time_t stamp)
    : day(day)
    , stamp(stamp)
{
}

void PlanCalendar::Add(const PersonalPlan& plan, Summary summary)
{
    const Profile* profile = plan.GetProfile();
    const std::string person = Shown(profile ? profile->GetOwner() : nullptr);
    const std::string profileName = Shown(profile);
    std::vector<std::string> taskNames;
    for (const TaskExecution* execution : plan.GetExecutions()) {
        const std::string task = Shown(execution->GetTask());
        int occurrence = 0;
        for (const std::string& earlier : taskNames)
            occurrence += earlier == task ? 1 : 0;
        taskNames.push_back(task);
        events.push_back({ summary == Summary::PersonAndTaskName ? person + ": " + task : task,
            person + ", profile " + profileName, UidOf(day, person, profileName, task, occurrence),
            execution->GetStartTime(), execution->GetTask()->GetDuration() });
    }
}

std::optional<std::string> PlanCalendar::ToText() const
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    const std::string productId = std::string("-//Ordovan//Ordovan ") + toolbox::ProductVersionNumber + "//EN";
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(productId.c_str()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stamped = icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());
    for (const Event& event : events) {
        const icaltimetype start = LocalTime(day, event.start);
        const icaltimetype end = LocalTime(day, event.start + event.duration);
        if (!WithinCalendar(start) || !WithinCalendar(end))
            return std::nullopt;
        icalcomponent* component = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(component, icalproperty_new_uid(event.uid.c_str()));
        icalcomponent_add_property(component, icalproperty_new_dtstamp(stamped));
        icalcomponent_add_property(component, icalproperty_new_dtstart(start));
        // Without an end the event lasts no time at all, which RFC 5545
        // allows only this way: an end must lie after the start.
        if (event.duration > 0)
            icalcomponent_add_property(component, icalproperty_new_dtend(end));
        icalcomponent_add_property(component, icalproperty_new_summary(event.summary.c_str()));
        icalcomponent_add_property(component, icalproperty_new_description(event.description.c_str()));
        icalcomponent_add_component(calendar.get(), component);
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string result(text ? text : "");
    icalmemory_free_buffer(text);
    return result;
}
