#pragma once

class PlanningModel;
class QWidget;

// The body of Plan / Find best plans, for the application's command
// handler: runs "Compute plans" on a new plan computation, then the search
// for the least total delay behind its progress dialog, and shows the plans
// in "Possible plans" with a prompt that says whether the first is proven
// best, or a message (owned by `owner`) that says why there is no plan.
// Destroys the plans before it returns.
void FindBestPlansCommand(QWidget* owner, PlanningModel& model);
