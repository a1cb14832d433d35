#pragma once

#include "toolbox/ArrayList.h"

#include <cstdio>

class CompletePlan;
class PlanningModel;

// The printed forms of ordovan-plan's answers. Names are written as UTF-8.
class PlanReport {
public:
    enum class Emphasis { Plain, Terminal };

    // Each plan's heading, then each personal plan's person and profile and
    // its timetable, closed by the profile's end time.
    static void WriteText(const toolbox::ArrayList<CompletePlan>& plans, Emphasis emphasis, std::FILE* out);
    // {"plans":[{"totalDelay":N,"personal":[{"person":…,"profile":…,"delay":N,
    //   "endTime":N,"executions":[{"task":…,"start":N,"duration":N}]}]}]}
    static void WriteJson(const toolbox::ArrayList<CompletePlan>& plans, std::FILE* out);
    // Every person with its profiles and their end times, in the model's order.
    static void WriteList(const PlanningModel& model, std::FILE* out);
};
