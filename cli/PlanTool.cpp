#include "cli/PlanTool.h"

#include "bestplans/BestPlanComputation.h"
#include "bestplans/SearchControl.h"
#include "calendar/CalendarExport.h"
#include "cli/PlanReport.h"
#include "cli/PlanToolOptions.h"
#include "model/DisplayText.h"
#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "planning/CompletePlan.h"
#include "planning/PlanComputation.h"
#include "toolbox/Config.h"
#include "toolbox/ConfigStartup.h"
#include "toolbox/DataFolder.h"
#include "toolbox/Path.h"
#include "toolbox/ProductVersion.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// The window program installed beside this one, whose data ordovan-plan reads.
std::unique_ptr<toolbox::Path> WindowProgramFile()
{
    std::unique_ptr<toolbox::Path> program = toolbox::Path::CreateApplicationDirectoryPath();
    program->Append(ORDOVAN_WINDOW_PROGRAM);
    return program;
}

const char* const randomSearchFailedText
    = "The random search found no plan this time; ordovan-plan --best searches thoroughly.";

std::string PathText(const toolbox::Path& path)
{
    return path.ToString().get();
}

bool NameMatches(const TreeItem& item, const std::string& wanted)
{
    return wanted == item.GetName() || wanted == DisplayText::ToUtf8(item.GetName());
}

Profile* FindProfile(PlanningModel& model, const PlanToolOptions::ProfileChoice& choice, bool& personFound)
{
    personFound = false;
    for (Person* person : model.GetPersons()) {
        if (!NameMatches(*person, choice.person))
            continue;
        personFound = true;
        for (Profile* profile : person->GetProfiles()) {
            if (NameMatches(*profile, choice.profile))
                return profile;
        }
    }
    return nullptr;
}

bool WritesToTerminal(std::FILE* out)
{
    return isatty(fileno(out)) && !std::getenv("NO_COLOR");
}

} // namespace

PlanTool::PlanTool(std::FILE* out, std::FILE* err)
    : out(out)
    , err(err)
{
}

int PlanTool::Run(int argc, const char* const* argv)
{
    PlanToolOptions options;
    std::string error;
    if (!PlanToolOptions::Parse(argc, argv, options, error)) {
        std::fprintf(err, "ordovan-plan: %s\nTry 'ordovan-plan --help'.\n", error.c_str());
        return UsageOrDataError;
    }
    if (options.mode == PlanToolOptions::Mode::Help) {
        std::fputs(PlanToolOptions::UsageText(), out);
        return PlansFound;
    }
    if (options.mode == PlanToolOptions::Mode::Version) {
        std::fprintf(out, "%s\n", toolbox::ProductVersionText);
        return PlansFound;
    }
    PlanningModel model;
    if (!LoadModel(options, model))
        return UsageOrDataError;
    if (options.mode == PlanToolOptions::Mode::List) {
        PlanReport::WriteList(model, out);
        return PlansFound;
    }
    PlanComputation computation;
    if (!ChooseProfiles(options, model, computation))
        return UsageOrDataError;
    return ComputeAndReport(options, computation);
}

bool PlanTool::LoadModel(const PlanToolOptions& options, PlanningModel& model)
{
    toolbox::Config config;
    if (options.configFile) {
        dataFile = *options.configFile;
        if (!toolbox::Path(dataFile.c_str()).Exists())
            return Fail("cannot read " + dataFile + ": no such file");
        toolbox::ConfigFileLoad result = config.LoadFileReporting(dataFile.c_str());
        if (result != toolbox::ConfigFileLoad::Loaded)
            return Fail(dataFile + " cannot be read or is not an Ordovan configuration file");
    } else {
        std::unique_ptr<toolbox::Path> folder
            = toolbox::DataFolder::Locate("Ordovan", toolbox::FolderCreation::LeaveMissing);
        std::unique_ptr<toolbox::Path> windowProgram = WindowProgramFile();
        std::unique_ptr<toolbox::Path> data = toolbox::ConfigStartup::FileOf(*folder, *windowProgram);
        std::unique_ptr<toolbox::Path> defaults
            = toolbox::ConfigStartup::FileOf(*toolbox::Path::CreateApplicationDirectoryPath(), *windowProgram);
        dataFile = PathText(*data);
        std::string defaultsFile = PathText(*defaults);
        toolbox::ConfigOrigin origin = toolbox::ConfigStartup::Load(
            config, dataFile.c_str(), defaultsFile.c_str(), toolbox::UnreadableDataFile::Leave);
        // The window program would start from the defaults here; planning on
        // them instead of the user's data would only mislead.
        if (origin != toolbox::ConfigOrigin::DataFile && data->Exists())
            return Fail(dataFile + " cannot be read or is not an Ordovan configuration file");
        if (origin == toolbox::ConfigOrigin::Defaults)
            dataFile = defaultsFile;
    }
    ModelStore::Load(model, config.GetRootSection());
    return true;
}

bool PlanTool::ChooseProfiles(const PlanToolOptions& options, PlanningModel& model, PlanComputation& computation)
{
    for (const PlanToolOptions::ProfileChoice& choice : options.profiles) {
        bool personFound = false;
        Profile* profile = FindProfile(model, choice, personFound);
        if (!personFound)
            return Fail("no person '" + choice.person + "' in " + dataFile);
        if (!profile)
            return Fail("'" + choice.person + "' has no profile '" + choice.profile + "' in " + dataFile);
        switch (computation.ChooseProfile(*profile)) {
        case PlanComputation::Choice::Chosen:
            break;
        case PlanComputation::Choice::AlreadyChosen:
            return Fail("the profile '" + choice.profile + "' of '" + choice.person + "' is chosen twice");
        case PlanComputation::Choice::PersonAlreadyChosen:
            return Fail("'" + choice.person + "' has two profiles chosen; choose at most one per person");
        }
    }
    return true;
}

int PlanTool::ComputeAndReport(const PlanToolOptions& options, const PlanComputation& computation)
{
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans;
    PlanReport::Verdict verdict;
    const char* heading = nullptr;
    if (options.best) {
        BestPlanComputation best(computation.GetChosenProfiles());
        SearchControl control(options.timeLimit.value_or(SearchControl::DefaultTimeLimit));
        best.Run(control);
        plans = best.TakePlans();
        verdict.proven = best.IsProven();
        verdict.reasons = best.GetReasons();
        heading = best.GetHeading();
    } else {
        plans = options.seed ? computation.ComputePlans(*options.seed) : computation.ComputePlans();
        if (plans->GetCount() == 0 && options.json)
            verdict.reasons = ExplainNoPlan(computation);
    }
    if (plans->GetCount() == 0) {
        if (options.best)
            PlanReport::WriteReasons(verdict.reasons, err);
        else
            std::fprintf(err, "%s\n", PlanComputation::NoPlansText);
        // A script reading JSON gets a document in every case.
        if (options.json)
            PlanReport::WriteJson(*plans, verdict, out);
        return NoPlanFound;
    }
    if (options.ExportsCalendar())
        return ExportCalendar(options, *plans);
    if (options.json) {
        PlanReport::WriteJson(*plans, verdict, out);
        return PlansFound;
    }
    if (heading)
        std::fprintf(out, "%s\n\n", heading);
    PlanReport::WriteText(
        *plans, WritesToTerminal(out) ? PlanReport::Emphasis::Terminal : PlanReport::Emphasis::Plain, out);
    return PlansFound;
}

std::vector<std::string> PlanTool::ExplainNoPlan(const PlanComputation& computation)
{
    BestPlanComputation best(computation.GetChosenProfiles());
    SearchControl control;
    best.ExplainNoPlan(control);
    std::vector<std::string> reasons = best.GetReasons();
    if (reasons.empty())
        reasons.push_back(randomSearchFailedText);
    return reasons;
}

int PlanTool::ExportCalendar(const PlanToolOptions& options, const toolbox::ArrayList<CompletePlan>& plans)
{
    const CompletePlan* plan = plans.Get(options.planNumber - 1);
    if (!plan) {
        std::fprintf(err, "ordovan-plan: %d plans were found, so there is no plan %d to export\n", plans.GetCount(),
            options.planNumber);
        return NoPlanFound;
    }
    const CalendarDay day = options.day.value_or(CalendarDay::Tomorrow());
    const CalendarExport exporter(day);
    const CalendarExport::Outcome outcome = options.calendarFile
        ? exporter.WriteHousehold(*plan, *options.calendarFile)
        : exporter.WritePerPerson(*plan, *options.calendarFolder);
    if (!outcome.written) {
        Fail(outcome.error);
        return UsageOrDataError;
    }
    std::fprintf(out, "Plan %d (%d minutes delay) on %s: %d events written to\n", options.planNumber,
        static_cast<int>(plan->GetTotalDelay()), day.ToString().c_str(), outcome.eventCount);
    for (const std::string& file : outcome.files)
        std::fprintf(out, "  %s\n", file.c_str());
    return PlansFound;
}

bool PlanTool::Fail(const std::string& message)
{
    std::fprintf(err, "ordovan-plan: %s\n", message.c_str());
    return false;
}
