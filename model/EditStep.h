#pragma once

#include "model/ModelSnapshot.h"
#include "toolbox/String.h"

// One command's change of the model: what it is called in the Edit menu
// ("Delete Ben"), and the model before and after it.
class EditStep {
public:
    EditStep(const char* label, const ModelSnapshot& before, const ModelSnapshot& after)
        : label(label)
        , before(before)
        , after(after)
    {
    }

    const char* GetLabel() const { return label.GetText(); }
    const ModelSnapshot& GetBefore() const { return before; }
    const ModelSnapshot& GetAfter() const { return after; }

private:
    toolbox::String label;
    ModelSnapshot before;
    ModelSnapshot after;
};
