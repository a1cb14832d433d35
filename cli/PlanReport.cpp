#include "cli/PlanReport.h"

#include "model/DisplayText.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"
#include "planning/Timetable.h"

namespace {

std::string Shown(const TreeItem& item)
{
    return DisplayText::ToUtf8(item.GetName());
}

std::string Clock(std::int32_t minutes)
{
    char text[Timetable::clockTextSize];
    Timetable::FormatClock(minutes, text);
    return text;
}

void WriteJsonString(const std::string& text, std::FILE* out)
{
    std::fputc('"', out);
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            std::fprintf(out, "\\%c", c);
        else if (c < 0x20)
            std::fprintf(out, "\\u%04x", c);
        else
            std::fputc(c, out);
    }
    std::fputc('"', out);
}

void WriteTextTimetable(const PersonalPlan& plan, std::FILE* out)
{
    for (const Timetable::Row& row : Timetable::RowsOf(plan)) {
        std::string what = row.task ? Shown(*row.task) : "Pause";
        std::fprintf(out, "    %s %s\n", Clock(row.minute).c_str(), what.c_str());
    }
    std::fprintf(out, "    %s End\n", Clock(plan.GetEndTime()).c_str());
}

void WriteJsonExecutions(const PersonalPlan& plan, std::FILE* out)
{
    std::fputs("\"executions\":[", out);
    bool first = true;
    for (const TaskExecution* execution : plan.GetExecutions()) {
        std::fputs(first ? "{\"task\":" : ",{\"task\":", out);
        WriteJsonString(Shown(*execution->GetTask()), out);
        std::fprintf(out, ",\"start\":%d,\"duration\":%d}", static_cast<int>(execution->GetStartTime()),
            static_cast<int>(execution->GetTask()->GetDuration()));
        first = false;
    }
    std::fputc(']', out);
}

void WriteJsonPersonalPlan(const PersonalPlan& plan, std::FILE* out)
{
    const Profile& profile = *plan.GetProfile();
    std::fputs("{\"person\":", out);
    WriteJsonString(Shown(*profile.GetOwner()), out);
    std::fputs(",\"profile\":", out);
    WriteJsonString(Shown(profile), out);
    std::fprintf(
        out, ",\"delay\":%d,\"endTime\":%d,", static_cast<int>(plan.GetDelay()), static_cast<int>(plan.GetEndTime()));
    WriteJsonExecutions(plan, out);
    std::fputc('}', out);
}

} // namespace

void PlanReport::WriteText(const toolbox::ArrayList<CompletePlan>& plans, Emphasis emphasis, std::FILE* out)
{
    const char* bold = emphasis == Emphasis::Terminal ? "\033[1m" : "";
    const char* normal = emphasis == Emphasis::Terminal ? "\033[0m" : "";
    bool first = true;
    for (const CompletePlan* plan : plans) {
        if (!first)
            std::fputc('\n', out);
        first = false;
        std::fprintf(out, "%sPlan (%d minutes delay)%s\n", bold, static_cast<int>(plan->GetTotalDelay()), normal);
        for (const PersonalPlan* personal : plan->GetPersonalPlans()) {
            const Profile& profile = *personal->GetProfile();
            std::fprintf(out, "  %s: %s, %d minutes delay\n", Shown(*profile.GetOwner()).c_str(),
                Shown(profile).c_str(), static_cast<int>(personal->GetDelay()));
            WriteTextTimetable(*personal, out);
        }
    }
}

void PlanReport::WriteJson(const toolbox::ArrayList<CompletePlan>& plans, const Verdict& verdict, std::FILE* out)
{
    std::fputs("{\"plans\":[", out);
    bool firstPlan = true;
    for (const CompletePlan* plan : plans) {
        std::fprintf(
            out, "%s{\"totalDelay\":%d,\"personal\":[", firstPlan ? "" : ",", static_cast<int>(plan->GetTotalDelay()));
        bool firstPersonal = true;
        for (const PersonalPlan* personal : plan->GetPersonalPlans()) {
            if (!firstPersonal)
                std::fputc(',', out);
            WriteJsonPersonalPlan(*personal, out);
            firstPersonal = false;
        }
        std::fputs("]}", out);
        firstPlan = false;
    }
    std::fputc(']', out);
    if (verdict.proven)
        std::fprintf(out, ",\"proven\":%s", *verdict.proven ? "true" : "false");
    if (plans.GetCount() == 0) {
        std::fputs(",\"reasons\":[", out);
        for (std::size_t index = 0; index < verdict.reasons.size(); ++index) {
            if (index > 0)
                std::fputc(',', out);
            WriteJsonString(DisplayText::ToUtf8(verdict.reasons[index].c_str()), out);
        }
        std::fputc(']', out);
    }
    std::fputs("}\n", out);
}

void PlanReport::WriteReasons(const std::vector<std::string>& reasons, std::FILE* out)
{
    for (const std::string& reason : reasons)
        std::fprintf(out, "%s\n", DisplayText::ToUtf8(reason.c_str()).c_str());
}

void PlanReport::WriteList(const PlanningModel& model, std::FILE* out)
{
    for (const Person* person : model.GetPersons()) {
        std::fprintf(out, "%s\n", Shown(*person).c_str());
        for (const Profile* profile : person->GetProfiles())
            std::fprintf(out, "  %s  ends %s\n", Shown(*profile).c_str(), Clock(profile->GetEndTime()).c_str());
    }
}
