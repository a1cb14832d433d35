#include "CalendarReader.h"

#include <libical/ical.h>

#include <fstream>
#include <sstream>

namespace {

std::string TextOf(const char* text)
{
    return text ? text : "";
}

std::string TimeOf(icalcomponent* event, icalproperty_kind kind)
{
    icalproperty* property = icalcomponent_get_first_property(event, kind);
    if (!property)
        return "";
    const icaltimetype time = icalvalue_get_datetime(icalproperty_get_value(property));
    std::string text = TextOf(icaltime_as_ical_string(time));
    if (time.zone && !icaltime_is_utc(time))
        text += " " + TextOf(icaltime_get_tzid(time));
    return text;
}

} // namespace

std::optional<CalendarReader::Calendar> CalendarReader::Parse(const std::string& text)
{
    icalcomponent* root = icalparser_parse_string(text.c_str());
    if (!root)
        return std::nullopt;
    if (icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT) {
        icalcomponent_free(root);
        return std::nullopt;
    }
    Calendar calendar;
    calendar.errorCount = icalcomponent_count_errors(root);
    icalproperty* version = icalcomponent_get_first_property(root, ICAL_VERSION_PROPERTY);
    calendar.version = TextOf(version ? icalproperty_get_version(version) : nullptr);
    for (icalcomponent* event = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
        calendar.events.push_back(
            { TextOf(icalcomponent_get_summary(event)), TextOf(icalcomponent_get_description(event)),
                TextOf(icalcomponent_get_uid(event)), TimeOf(event, ICAL_DTSTART_PROPERTY),
                TimeOf(event, ICAL_DTEND_PROPERTY), TimeOf(event, ICAL_DTSTAMP_PROPERTY) });
    }
    icalcomponent_free(root);
    return calendar;
}

std::optional<CalendarReader::Calendar> CalendarReader::ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str());
}
