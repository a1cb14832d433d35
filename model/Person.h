#pragma once

#include "model/TreeItem.h"
#include "toolbox/ArrayList.h"

#include <memory>

class Profile;
class Task;

// A person owns its tasks and its profiles; destroying it destroys them.
class Person : public TreeItem {
public:
    Person();
    ~Person() override;

    TreeItemKind GetKind() const override { return TreeItemKind::Person; }

    toolbox::ArrayList<Task>& GetTasks() { return tasks; }
    const toolbox::ArrayList<Task>& GetTasks() const { return tasks; }
    toolbox::ArrayList<Profile>& GetProfiles() { return profiles; }
    const toolbox::ArrayList<Profile>& GetProfiles() const { return profiles; }

    // Take over a new task or profile of this person and append it; the
    // list is not sorted.
    Task& AddTask(std::unique_ptr<Task> task);
    Profile& AddProfile(std::unique_ptr<Profile> profile);
    // The same for one the user inserts, which then takes its place by name.
    Task& InsertTask(std::unique_ptr<Task> task);
    Profile& InsertProfile(std::unique_ptr<Profile> profile);

    void SortTasks();
    void SortProfiles();

    // Own node, then a "Tasks" folder with the tasks and a "Profiles" folder
    // with the profiles.
    void InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent) override;
    bool Delete(PlanningModel& model) override;
    bool EditProperties(PlanningModel& model, PropertyEditor& editor, ModelTreeView& tree) override;

private:
    // Profiles are destroyed first: their relations point at the tasks.
    toolbox::ArrayList<Task> tasks;
    toolbox::ArrayList<Profile> profiles;
};
