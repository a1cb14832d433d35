#pragma once

#include "toolbox/ArrayList.h"

#include <cstdio>
#include <string>
#include <vector>

class CompletePlan;
class PlanningModel;
class Profile;
struct PlanToolOptions;
class PlanComputation;

// ordovan-plan: loads the user's data the way the window program does
// (never writing or moving a file), chooses the profiles named on the
// command line, runs the plan search (the random one, or the search for
// the least total delay) and prints the result.
class PlanTool {
public:
    enum ExitStatus { PlansFound = 0, NoPlanFound = 1, UsageOrDataError = 2 };

    PlanTool(std::FILE* out, std::FILE* err);

    // `argv` holds the arguments after the program name.
    int Run(int argc, const char* const* argv);

private:
    bool LoadModel(const PlanToolOptions& options, PlanningModel& model);
    bool ChooseProfiles(const PlanToolOptions& options, PlanningModel& model, PlanComputation& computation);
    int ComputeAndReport(const PlanToolOptions& options, const PlanComputation& computation);
    int ExportCalendar(const PlanToolOptions& options, const toolbox::ArrayList<CompletePlan>& plans);
    // Why the random search found nothing: the reasons there is no plan, or
    // that it found none this time.
    static std::vector<std::string> ExplainNoPlan(const PlanComputation& computation);
    // Reports a usage or data error; always false.
    bool Fail(const std::string& message);

    std::FILE* out;
    std::FILE* err;
    // The file the data came from (or would have come from), for messages.
    std::string dataFile;
};
