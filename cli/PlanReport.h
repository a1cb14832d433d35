#pragma once

#include "toolbox/ArrayList.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class CompletePlan;
class PlanningModel;

// The printed forms of ordovan-plan's answers. Names are written as UTF-8.
class PlanReport {
public:
    enum class Emphasis { Plain, Terminal };

    // Each plan's heading, then each personal plan's person and profile and
    // its timetable, closed by the profile's end time.
    static void WriteText(const toolbox::ArrayList<CompletePlan>& plans, Emphasis emphasis, std::FILE* out);
    // What a search says beside its plans.
    struct Verdict {
        // Whether the first plan is proven best; only the best-plan search knows.
        std::optional<bool> proven;
        // Why there is no plan, as stored bytes; written when there is none.
        std::vector<std::string> reasons;
    };

    // {"plans":[{"totalDelay":N,"personal":[{"person":…,"profile":…,"delay":N,
    //   "endTime":N,"executions":[{"task":…,"start":N,"duration":N}]}]}],
    //  "proven":B (when known),"reasons":[…] (when there is no plan)}
    static void WriteJson(const toolbox::ArrayList<CompletePlan>& plans, const Verdict& verdict, std::FILE* out);
    // One line per reason.
    static void WriteReasons(const std::vector<std::string>& reasons, std::FILE* out);
    // Every person with its profiles and their end times, in the model's order.
    static void WriteList(const PlanningModel& model, std::FILE* out);
};
