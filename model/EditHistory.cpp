#include "model/EditHistory.h"

#include "model/ModelSnapshot.h"
#include "toolbox/NewOwned.h"

#include <cassert>
#include <memory>

EditHistory::EditHistory(int capacity)
    : capacity(capacity)
{
    assert(capacity > 0);
}

bool EditHistory::Record(const char* label, const ModelSnapshot& before, const ModelSnapshot& after)
{
    if (before.HoldsSameModelAs(after))
        return false;
    while (steps.GetCount() > done)
        steps.DeleteLast();
    if (steps.GetCount() == capacity) {
        steps.DeleteAt(0);
        --done;
    }
    toolbox::AddOwned(steps, std::make_unique<EditStep>(label, before, after));
    ++done;
    Changed();
    return true;
}

const char* EditHistory::GetUndoLabel() const
{
    return CanUndo() ? steps.Get(done - 1)->GetLabel() : nullptr;
}

const char* EditHistory::GetRedoLabel() const
{
    return CanRedo() ? steps.Get(done)->GetLabel() : nullptr;
}

const ModelSnapshot* EditHistory::Undo(PlanningModel& model)
{
    if (!CanUndo())
        return nullptr;
    const ModelSnapshot& restored = steps.Get(--done)->GetBefore();
    restored.RestoreInto(model);
    Changed();
    return &restored;
}

const ModelSnapshot* EditHistory::Redo(PlanningModel& model)
{
    if (!CanRedo())
        return nullptr;
    const ModelSnapshot& restored = steps.Get(done++)->GetAfter();
    restored.RestoreInto(model);
    Changed();
    return &restored;
}

void EditHistory::Changed()
{
    if (changeHandler)
        changeHandler();
}
