#pragma once

#include "model/ItemPath.h"
#include "toolbox/String.h"

class PlanningModel;

// The model as the store writes it: the text of the "Resources" and
// "Persons" sections, and the entity to select once the snapshot has been
// restored. Copies share the text, so a snapshot is cheap to hand around;
// taking one costs a write of the whole model, restoring one a load.
class ModelSnapshot {
public:
    static ModelSnapshot Take(const PlanningModel& model, const ItemPath& focus = ItemPath());

    // Replaces every entity of the model by one loaded from the text, as a
    // start of the program would. Pointers to the old entities are void
    // afterwards.
    void RestoreInto(PlanningModel& model) const;

    // Whether both hold the same model; the focus does not count.
    bool HoldsSameModelAs(const ModelSnapshot& other) const;

    const char* GetText() const { return text.GetText(); }
    const ItemPath& GetFocus() const { return focus; }
    void SetFocus(const ItemPath& newFocus) { focus = newFocus; }

private:
    ModelSnapshot(const char* text, const ItemPath& focus);

    toolbox::String text;
    ItemPath focus;
};
