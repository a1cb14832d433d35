#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PlanComputation.h"

#include "dialogs/ComputePlansCommand.h"

#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/CompletePlansDialog.h"
#include "dialogs/ComputePlansDialog.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>

#include <memory>

namespace {

// Restores the cursor also when the search runs out of memory.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

std::unique_ptr<toolbox::ArrayList<CompletePlan>> SearchUnderWaitCursor(const PlanComputation& computation)
{
    WaitCursor waitCursor;
    return computation.ComputePlans();
}

} // namespace

void ComputePlansCommand(QWidget* owner, PlanningModel& model)
{
    PlanComputation computation;
    {
        ComputePlansDialog dialog(computation, model.GetPersons(), owner);
        if (ModalRunner::Run(dialog) != QDialog::Accepted)
            return;
    }
    const std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans = SearchUnderWaitCursor(computation);
    if (plans->GetCount() == 0) {
        MessageBox::Show(owner, QString::fromLatin1(PlanComputation::NoPlansText), MessageBox::Icon::Information);
        return;
    }
    CompletePlansDialog dialog(*plans, owner);
    ModalRunner::Run(dialog);
}
