#include "model/PendingStep.h"

#include "model/EditHistory.h"

PendingStep::PendingStep(EditHistory* history, const PlanningModel& model, const char* label, const TreeItem* touched)
    : history(history)
    , model(model)
    , label(label)
{
    if (history)
        before = ModelSnapshot::Take(model, ItemPath::Of(model, touched));
}

bool PendingStep::Finish(const TreeItem* touched)
{
    if (!history)
        return false;
    ItemPath touchedAfter = touched ? ItemPath::Of(model, touched) : before->GetFocus();
    if (before->GetFocus().IsEmpty())
        before->SetFocus(touchedAfter);
    return history->Record(label.GetText(), *before, ModelSnapshot::Take(model, touchedAfter));
}
