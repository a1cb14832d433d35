#include "calendar/CalendarExport.h"

#include "calendar/PlanCalendar.h"
#include "calendar/StagedFiles.h"
#include "model/DisplayText.h"
#include "model/Person.h"
#include "model/Profile.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

constexpr const char* Extension = ".ics";
constexpr const char* OutsideCalendar = "the plan reaches beyond the years 1 to 9999";

std::string SafeFileStem(const PersonalPlan& plan)
{
    const Profile* profile = plan.GetProfile();
    std::string stem = DisplayText::ToUtf8(profile && profile->GetOwner() ? profile->GetOwner()->GetName() : "");
    for (char& c : stem) {
        if (c == '/' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    }
    if (stem.empty() || stem == "." || stem == "..")
        stem = "Person";
    return stem;
}

// Case folded, since the folder may live on a file system that ignores case.
std::string Folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool StageCalendar(StagedFiles& files, const std::string& target, const PlanCalendar& calendar, std::string& error)
{
    const std::optional<std::string> text = calendar.ToText();
    if (!text) {
        error = OutsideCalendar;
        return false;
    }
    return files.Stage(target, *text, error);
}

CalendarExport::Outcome WriteCalendar(const PlanCalendar& calendar, const std::string& file)
{
    CalendarExport::Outcome outcome;
    StagedFiles files;
    if (!StageCalendar(files, file, calendar, outcome.error) || !files.Commit(outcome.error))
        return outcome;
    outcome.written = true;
    outcome.files.push_back(file);
    outcome.eventCount = calendar.GetEventCount();
    return outcome;
}

} // namespace

CalendarExport::CalendarExport(CalendarDay day, std::time_t stamp)
    : day(day)
    , stamp(stamp)
{
}

CalendarExport::Outcome CalendarExport::WriteHousehold(const CompletePlan& plan, const std::string& file) const
{
    PlanCalendar calendar(day, stamp);
    for (const PersonalPlan* personal : plan.GetPersonalPlans())
        calendar.Add(*personal, PlanCalendar::Summary::PersonAndTaskName);
    return WriteCalendar(calendar, file);
}

CalendarExport::Outcome CalendarExport::WritePerPerson(const CompletePlan& plan, const std::string& folder) const
{
    Outcome outcome;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        outcome.error = "cannot use the folder " + folder + ": " + (error ? error.message() : "not a folder");
        return outcome;
    }
    const std::vector<std::string> names = PersonFileNames(plan);
    StagedFiles files;
    std::vector<std::string> targets;
    int events = 0;
    for (int i = 0; i < plan.GetPersonalPlans().GetCount(); ++i) {
        PlanCalendar calendar(day, stamp);
        calendar.Add(*plan.GetPersonalPlans().Get(i), PlanCalendar::Summary::TaskName);
        targets.push_back((std::filesystem::path(folder) / names[i]).string());
        if (!StageCalendar(files, targets.back(), calendar, outcome.error))
            return outcome;
        events += calendar.GetEventCount();
    }
    if (!files.Commit(outcome.error))
        return outcome;
    outcome.written = true;
    outcome.files = targets;
    outcome.eventCount = events;
    return outcome;
}

CalendarExport::Outcome CalendarExport::WritePerson(const PersonalPlan& plan, const std::string& file) const
{
    PlanCalendar calendar(day, stamp);
    calendar.Add(plan, PlanCalendar::Summary::TaskName);
    return WriteCalendar(calendar, file);
}

std::vector<std::string> CalendarExport::PersonFileNames(const CompletePlan& plan)
{
    std::vector<std::string> names;
    std::vector<std::string> taken;
    for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
        const std::string stem = SafeFileStem(*personal);
        std::string name = stem + Extension;
        for (int number = 2; std::find(taken.begin(), taken.end(), Folded(name)) != taken.end(); ++number)
            name = stem + " (" + std::to_string(number) + ")" + Extension;
        taken.push_back(Folded(name));
        names.push_back(name);
    }
    return names;
}
