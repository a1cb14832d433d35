#include "model/Task.h"

#include "model/ModelTreeView.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/PropertyEditor.h"
#include "model/Resource.h"

Task::Task(Person* taskOwner)
    : TreeItem("Task")
    , owner(taskOwner)
{
}

Task::~Task() = default;

void Task::Require(Resource& resource)
{
    if (!Requires(resource))
        requiredResources.Add(&resource);
}

void Task::StopRequiring(const Resource& resource)
{
    requiredResources.Remove(&resource);
}

void Task::InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent)
{
    InsertOwnNode(tree, parent, TreeIcon::Task);
}

bool Task::Delete(PlanningModel& model)
{
    if (!owner || owner->GetTasks().IndexOf(this) < 0)
        return false;
    for (Person* person : model.GetPersons()) {
        for (Profile* profile : person->GetProfiles())
            profile->StopExecuting(*this);
    }
    return owner->GetTasks().Delete(this);
}

bool Task::EditProperties(PlanningModel&, PropertyEditor& editor, ModelTreeView& tree)
{
    if (editor.EditTask(*this) != EditOutcome::Ok)
        return false;
    ShowNewName(tree);
    if (owner)
        owner->SortTasks();
    return true;
}
