#pragma once

#include "toolbox/ArrayList.h"

class CompletePlan;
class PersonalPlan;

// Whether plans are the same schedule: the same profiles in the same order,
// each placing the same tasks at the same minutes. The search may find one
// schedule several times; a list of plans tells such repeats apart by this.
class SameSchedule {
public:
    static bool Of(const PersonalPlan& left, const PersonalPlan& right);
    static bool Of(const CompletePlan& left, const CompletePlan& right);

    // The index of the first plan before `index` that is the same schedule as
    // the plan at `index`, or -1 when it is the first of its kind.
    static int FirstEarlierIndex(const toolbox::ArrayList<CompletePlan>& plans, int index);
};
