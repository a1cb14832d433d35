#pragma once

class PlanningModel;
class QWidget;

// The body of Plan / Compute, for the application's command handler:
//     ComputePlansCommand(GetActiveOwner(), GetModel());
// Runs "Compute plans" on a new plan computation over the model's persons,
// searches under the wait cursor when the user pressed Compute, shows the
// plans found in "Possible plans" or tells that none were found (owned by
// `owner`), and destroys the result and the computation before it returns.
void ComputePlansCommand(QWidget* owner, PlanningModel& model);
