#pragma once

#include "model/BorrowedList.h"
#include "model/TreeItem.h"

#include <cstdint>

class Person;
class Resource;

// One task of a person. The required resources are only referred to: they
// belong to the model's resource list and survive the task.
class Task : public TreeItem {
public:
    explicit Task(Person* owner);
    ~Task() override;

    TreeItemKind GetKind() const override { return TreeItemKind::Task; }

    std::int32_t GetDuration() const { return duration; }
    void SetDuration(std::int32_t minutes) { duration = minutes; }

    Person* GetOwner() const { return owner; }

    // In the order they were required.
    BorrowedList<Resource>& GetRequiredResources() { return requiredResources; }
    const toolbox::ArrayList<Resource>& GetRequiredResources() const { return requiredResources.GetItems(); }
    bool Requires(const Resource& resource) const { return requiredResources.Contains(&resource); }
    // Appends `resource`, one of the model's resources, unless the task
    // requires it already.
    void Require(Resource& resource);
    // Takes the first entry of `resource` out of the required resources; the
    // resource itself stays in the model.
    void StopRequiring(const Resource& resource);

    void InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent) override;
    // Also removes every relation of every profile that executes the task
    // and every precedent entry that names it.
    bool Delete(PlanningModel& model) override;
    bool EditProperties(PlanningModel& model, PropertyEditor& editor, ModelTreeView& tree) override;

private:
    std::int32_t duration = 0;
    Person* owner;
    BorrowedList<Resource> requiredResources;
};
