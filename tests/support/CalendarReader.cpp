#include "CalendarReader.h"

#include <libical/ical.h>

#include <fstream>
#include <sstream>

namespace {

CalendarReader::Time TimeOf(const icaltimetype& time)
{
    const bool utc = icaltime_is_utc(time);
    return { time.year, time.month, time.day, time.hour, time.minute, !utc && time.zone == nullptr, utc };
}

std::string TextOf(const char* text)
{
    return text ? text : "";
}

std::optional<CalendarReader::Time> PropertyTime(icalcomponent* event, icalproperty_kind kind)
{
    icalproperty* property = icalcomponent_get_first_property(event, kind);
    if (!property)
        return std::nullopt;
    return TimeOf(icalvalue_get_datetime(icalproperty_get_value(property)));
}

CalendarReader::Event EventOf(icalcomponent* event)
{
    CalendarReader::Event read;
    read.summary = TextOf(icalcomponent_get_summary(event));
    read.description = TextOf(icalcomponent_get_description(event));
    read.uid = TextOf(icalcomponent_get_uid(event));
    read.start = *PropertyTime(event, ICAL_DTSTART_PROPERTY);
    read.end = PropertyTime(event, ICAL_DTEND_PROPERTY);
    read.stamp = PropertyTime(event, ICAL_DTSTAMP_PROPERTY);
    return read;
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
    icalproperty* product = icalcomponent_get_first_property(root, ICAL_PRODID_PROPERTY);
    calendar.productId = TextOf(product ? icalproperty_get_prodid(product) : nullptr);
    for (icalcomponent* event = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
        if (!icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY)) {
            ++calendar.errorCount;
            continue;
        }
        calendar.events.push_back(EventOf(event));
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

CalendarReader::Time CalendarReader::Local(int year, int month, int day, int hour, int minute)
{
    return { year, month, day, hour, minute, true, false };
}
