#include "model/Profile.h"

#include "model/ModelTreeView.h"
#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PropertyEditor.h"
#include "model/Task.h"

Profile::Profile(Person* profileOwner)
    : TreeItem("Profile")
    , owner(profileOwner)
{
}

Profile::~Profile() = default;

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
    for (const PrecedenceRelation* relation : relations) {
        std::unique_ptr<PrecedenceRelation> relationCopy = relation->Copy();
        copy->relations.Add(relationCopy.get());
        relationCopy.release();
    }
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
