#include "model/Person.h"

#include "model/CompareByName.h"
#include "model/ModelTreeView.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/PropertyEditor.h"
#include "model/Task.h"

Person::Person()
    : TreeItem("Person")
{
}

Person::~Person() = default;

void Person::SortTasks()
{
    tasks.Sort(CompareByName);
}

void Person::SortProfiles()
{
    profiles.Sort(CompareByName);
}

void Person::InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent)
{
    InsertOwnNode(tree, parent, TreeIcon::Person);
    TreeNodeHandle tasksFolder = tree.InsertNode("Tasks", TreeIcon::Folder, nullptr, GetTreeNode());
    for (Task* task : tasks)
        task->InsertIntoTree(tree, tasksFolder);
    TreeNodeHandle profilesFolder = tree.InsertNode("Profiles", TreeIcon::Folder, nullptr, GetTreeNode());
    for (Profile* profile : profiles)
        profile->InsertIntoTree(tree, profilesFolder);
}

bool Person::Delete(PlanningModel& model)
{
    return model.GetPersons().Delete(this);
}

bool Person::EditProperties(PlanningModel& model, PropertyEditor& editor, ModelTreeView& tree)
{
    if (editor.EditPerson(*this) != EditOutcome::Ok)
        return false;
    ShowNewName(tree);
    model.SortPersons();
    return true;
}
