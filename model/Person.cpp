#include "model/Person.h"

#include "model/CompareByName.h"
#include "model/ModelTreeView.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/PropertyEditor.h"
#include "model/Task.h"
#include "toolbox/NewOwned.h"

#include <cassert>

Person::Person()
    : TreeItem("Person")
{
}

Person::~Person() = default;

Task& Person::AddTask(std::unique_ptr<Task> task)
{
    assert(task->GetOwner() == this && "a person holds only its own tasks");
    return toolbox::AddOwned(tasks, std::move(task));
}

Profile& Person::AddProfile(std::unique_ptr<Profile> profile)
{
    assert(profile->GetOwner() == this && "a person holds only its own profiles");
    return toolbox::AddOwned(profiles, std::move(profile));
}

Task& Person::InsertTask(std::unique_ptr<Task> task)
{
    Task& inserted = AddTask(std::move(task));
    SortTasks();
    return inserted;
}

Profile& Person::InsertProfile(std::unique_ptr<Profile> profile)
{
    Profile& inserted = AddProfile(std::move(profile));
    SortProfiles();
    return inserted;
}

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
