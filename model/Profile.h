#pragma once

#include "model/TreeItem.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>

class Person;
class PrecedenceRelation;
class Task;

// A selection of its owner's tasks with an end time. The relations are the
// selection: one per executed task, in the order they were added, never
// sorted. The profile owns them.
class Profile : public TreeItem {
public:
    explicit Profile(Person* owner);
    ~Profile() override;

    TreeItemKind GetKind() const override { return TreeItemKind::Profile; }

    // Minutes from midnight of the planned day.
    std::int32_t GetEndTime() const { return endTime; }
    void SetEndTime(std::int32_t minutes) { endTime = minutes; }

    Person* GetOwner() const { return owner; }

    toolbox::ArrayList<PrecedenceRelation>& GetPrecedenceRelations() { return relations; }
    const toolbox::ArrayList<PrecedenceRelation>& GetPrecedenceRelations() const { return relations; }

    // The relation that executes `task`, or null when the profile does not.
    PrecedenceRelation* FindRelation(const Task& task) const;
    bool Executes(const Task& task) const { return FindRelation(task) != nullptr; }
    // Makes the profile execute `task`, one of its owner's tasks: a new
    // relation without precedents at the end of the list, or the relation
    // that executes it already.
    PrecedenceRelation& Execute(Task& task);
    // Deletes the relation that executes `task` and, from every other
    // relation, the precedent entries that name it.
    void StopExecuting(const Task& task);

    // The sum of the durations of the executed tasks, in 64 bits so that
    // no sum of 32-bit durations can overflow.
    std::int64_t GetTotalDuration() const;

    // A deep copy with the same owner, name and end time; the caller decides
    // where it goes.
    std::unique_ptr<Profile> Duplicate() const;

    void InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent) override;
    bool Delete(PlanningModel& model) override;
    bool EditProperties(PlanningModel& model, PropertyEditor& editor, ModelTreeView& tree) override;

private:
    std::int32_t endTime = 0;
    Person* owner;
    toolbox::ArrayList<PrecedenceRelation> relations;
};
