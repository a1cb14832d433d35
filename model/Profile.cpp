#include "model/Profile.h"

#include "model/ModelTreeView.h"
#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PropertyEditor.h"
#include "model/Task.h"
#include "toolbox/NewOwned.h"

#include <cassert>

Profile::Profile(Person* profileOwner)
    : TreeItem("Profile")
    , owner(profileOwner)
{
}

Profile::~Profile() = default;

PrecedenceRelation* Profile::FindRelation(const Task& task) const
{
    for (PrecedenceRelation* relation : relations) {
        if (relation->GetTask() == &task)
            return relation;
    }
    return nullptr;
}

PrecedenceRelation& Profile::Execute(Task& task)
{
    assert(task.GetOwner() == owner && "a profile executes only its owner's tasks");
    if (PrecedenceRelation* existing = FindRelation(task))
        return *existing;
    auto relation = std::make_unique<PrecedenceRelation>();
    relation->SetTask(&task);
    return toolbox::AddOwned(relations, std::move(relation));
}

void Profile::StopExecuting(const Task& task)
{
    for (int index = 0; index < relations.GetCount();) {
        PrecedenceRelation* relation = relations.Get(index);
        if (relation->GetTask() == &task) {
            relations.DeleteAt(index);
            continue;
        }
        relation->DeletePrecedentsNaming(task);
        ++index;
    }
}

std::int64_t Profile::GetTotalDuration() const
{
    std::int64_t total = 0;
    for (const PrecedenceRelation* relation : relations) {
        if (relation->GetTask())
            total += relation->GetTask()->GetDuration();
    }
    return total;
}

std::unique_ptr<Profile> Profile::Duplicate() const
{
    auto copy = std::make_unique<Profile>(owner);
    copy->SetName(GetName());
    copy->SetEndTime(endTime);
    for (const PrecedenceRelation* relation : relations)
        toolbox::AddOwned(copy->relations, relation->Copy());
    return copy;
}

void Profile::InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent)
{
    InsertOwnNode(tree, parent, TreeIcon::Profile);
}

bool Profile::Delete(PlanningModel&)
{
    return owner && owner->GetProfiles().Delete(this);
}

bool Profile::EditProperties(PlanningModel&, PropertyEditor& editor, ModelTreeView& tree)
{
    if (editor.EditProfile(*this) != EditOutcome::Ok)
        return false;
    ShowNewName(tree);
    if (owner)
        owner->SortProfiles();
    return true;
}
