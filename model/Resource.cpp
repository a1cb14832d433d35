#include "model/Resource.h"

#include "model/ModelTreeView.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PropertyEditor.h"
#include "model/Task.h"

Resource::Resource()
    : TreeItem("Resource")
{
}

void Resource::InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent)
{
    InsertOwnNode(tree, parent, TreeIcon::Resource);
}

bool Resource::Delete(PlanningModel& model)
{
    if (model.GetResources().IndexOf(this) < 0)
        return false;
    for (Person* person : model.GetPersons()) {
        for (Task* task : person->GetTasks())
            task->StopRequiring(*this);
    }
    return model.GetResources().Delete(this);
}

bool Resource::EditProperties(PlanningModel& model, PropertyEditor& editor, ModelTreeView& tree)
{
    if (editor.EditResource(*this) != EditOutcome::Ok)
        return false;
    ShowNewName(tree);
    model.SortResources();
    return true;
}
