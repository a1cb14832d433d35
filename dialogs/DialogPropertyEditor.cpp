#include "model/PlanningModel.h"

#include "dialogs/DialogPropertyEditor.h"

#include "app/triext/ModalRunner.h"
#include "dialogs/PersonDialog.h"
#include "dialogs/ProfileDialog.h"
#include "dialogs/ResourceDialog.h"
#include "dialogs/TaskDialog.h"

namespace {

EditOutcome RunModally(QDialog& dialog)
{
    return ModalRunner::Run(dialog) == QDialog::Accepted ? EditOutcome::Ok : EditOutcome::Cancel;
}

} // namespace

DialogPropertyEditor::DialogPropertyEditor(const PlanningModel& model, QWidget* owner)
    : model(model)
    , owner(owner)
{
}

EditOutcome DialogPropertyEditor::EditPerson(Person& person)
{
    PersonDialog dialog(person, owner);
    return RunModally(dialog);
}

EditOutcome DialogPropertyEditor::EditResource(Resource& resource)
{
    ResourceDialog dialog(resource, owner);
    return RunModally(dialog);
}

EditOutcome DialogPropertyEditor::EditTask(Task& task)
{
    TaskDialog dialog(task, model.GetResources(), owner);
    return RunModally(dialog);
}

EditOutcome DialogPropertyEditor::EditProfile(Profile& profile)
{
    ProfileDialog dialog(profile, owner);
    return RunModally(dialog);
}
