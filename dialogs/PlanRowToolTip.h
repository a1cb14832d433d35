#pragma once

#include <QString>

namespace toolbox {
template <typename T> class ArrayList;
} // namespace toolbox

class CompletePlan;
class PersonalPlan;

// The tooltips of the "Possible plans" rows, which tell plans of equal total
// delay apart: a plan's row lists each person's delay and names the earlier
// plan it repeats, if any; a person's row names the profile and its delay.
class PlanRowToolTip {
public:
    static QString OfPlan(const toolbox::ArrayList<CompletePlan>& plans, int index);
    static QString OfPerson(const PersonalPlan& plan);
};
