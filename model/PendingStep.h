#pragma once

#include "model/ModelSnapshot.h"
#include "toolbox/String.h"

#include <optional>

class EditHistory;
class PlanningModel;
class TreeItem;

// One command's step while the command runs: the model as it was when the
// command began. Finish records the step in the history when the model has
// changed since. Without a history it takes no snapshots and records nothing.
class PendingStep {
public:
    // `touched` is the entity the command acts on, if it is in the model yet.
    PendingStep(EditHistory* history, const PlanningModel& model, const char* label, const TreeItem* touched);

    // `touched` is the entity to select once the step is redone; null when
    // there is none, and then the place of the entity the step began with is
    // selected, as Undo selects it. True when a step was recorded.
    bool Finish(const TreeItem* touched);

private:
    EditHistory* history;
    const PlanningModel& model;
    toolbox::String label;
    std::optional<ModelSnapshot> before;
};
