#include "bestplans/BestPlanComputation.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PlanComputation.h"

#include "dialogs/FindBestPlansCommand.h"

#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "app/triext/NameText.h"
#include "dialogs/BestPlansProgressDialog.h"
#include "dialogs/CompletePlansDialog.h"
#include "dialogs/ComputePlansDialog.h"

#include <QDialog>

namespace {

QString NoPlanText(const std::vector<std::string>& reasons)
{
    QString text = QStringLiteral("No plans were found.\n");
    for (const std::string& reason : reasons)
        text += QStringLiteral("\n") + NameText::ToDisplay(reason.c_str());
    return text;
}

} // namespace

void FindBestPlansCommand(QWidget* owner, PlanningModel& model)
{
    PlanComputation computation;
    {
        ComputePlansDialog dialog(computation, model.GetPersons(), owner);
        if (ModalRunner::Run(dialog) != QDialog::Accepted)
            return;
    }
    BestPlanComputation search(computation.GetChosenProfiles());
    {
        BestPlansProgressDialog progress(search, owner);
        ModalRunner::Run(progress);
    }
    const std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans = search.TakePlans();
    if (plans->GetCount() == 0) {
        MessageBox::Show(owner, NoPlanText(search.GetReasons()), MessageBox::Icon::Information);
        return;
    }
    CompletePlansDialog dialog(*plans, owner, QString::fromLatin1(search.GetHeading()));
    ModalRunner::Run(dialog);
}
