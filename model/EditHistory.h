#pragma once

#include "model/EditStep.h"
#include "toolbox/ArrayList.h"

#include <functional>

class ModelSnapshot;
class PlanningModel;

// The steps that Undo and Redo walk, oldest first. It owns its steps and
// keeps at most `capacity` of them: recording one more drops the oldest.
// Recording also drops every step that was undone and not redone. Undo and
// Redo cost a load of the whole model; recording costs nothing beyond the
// two snapshots the caller took.
class EditHistory {
public:
    static constexpr int DefaultCapacity = 100;

    explicit EditHistory(int capacity = DefaultCapacity);
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Records a step unless `before` and `after` hold the same model (a
    // dialog cancelled, or closed without a change); true when it did.
    bool Record(const char* label, const ModelSnapshot& before, const ModelSnapshot& after);

    bool CanUndo() const { return done > 0; }
    bool CanRedo() const { return done < steps.GetCount(); }
    int GetUndoCount() const { return done; }
    int GetRedoCount() const { return steps.GetCount() - done; }
    // The label of the step Undo or Redo would act on; null when there is none.
    const char* GetUndoLabel() const;
    const char* GetRedoLabel() const;

    // Restores the model as it was before the latest step and answers the
    // snapshot restored (its focus is the entity to select); null, with the
    // model untouched, when there is nothing to undo.
    const ModelSnapshot* Undo(PlanningModel& model);
    // Restores the model as it was after the step undone last; null when
    // there is nothing to redo.
    const ModelSnapshot* Redo(PlanningModel& model);

    // Called after every Record that recorded, every Undo and every Redo.
    void SetChangeHandler(std::function<void()> handler) { changeHandler = std::move(handler); }

private:
    void Changed();

    toolbox::ArrayList<EditStep> steps;
    // steps[0, done) can be undone, steps[done, count) redone.
    int done = 0;
    int capacity;
    std::function<void()> changeHandler;
};
