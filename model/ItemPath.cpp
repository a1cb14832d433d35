#include "model/ItemPath.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/StoredNames.h"
#include "model/Task.h"

#include <cstring>

namespace {

// The loader's rule: the last entity of the name wins, compared byte by byte.
template <typename T> T* FindLastNamed(const toolbox::ArrayList<T>& list, const toolbox::String& name)
{
    for (int i = list.GetCount() - 1; i >= 0; --i) {
        if (std::strcmp(list.Get(i)->GetName(), name.GetText()) == 0)
            return list.Get(i);
    }
    return nullptr;
}

const Person* OwnerOf(const TreeItem& entity)
{
    if (entity.GetKind() == TreeItemKind::Task)
        return static_cast<const Task&>(entity).GetOwner();
    if (entity.GetKind() == TreeItemKind::Profile)
        return static_cast<const Profile&>(entity).GetOwner();
    return nullptr;
}

// The name the entity is stored under; false when it is not in its list.
template <typename T>
bool FindStoredName(const toolbox::ArrayList<T>& list, const TreeItem& entity, toolbox::String& name)
{
    StoredNames names(list);
    const char* found = names.Find(&entity);
    if (found)
        name = found;
    return found != nullptr;
}

bool FindStoredName(const PlanningModel& model, const Person* owner, const TreeItem& entity, toolbox::String& name)
{
    switch (entity.GetKind()) {
    case TreeItemKind::Person:
        return FindStoredName(model.GetPersons(), entity, name);
    case TreeItemKind::Resource:
        return FindStoredName(model.GetResources(), entity, name);
    case TreeItemKind::Task:
        return owner && FindStoredName(owner->GetTasks(), entity, name);
    case TreeItemKind::Profile:
        return owner && FindStoredName(owner->GetProfiles(), entity, name);
    }
    return false;
}

} // namespace

ItemPath ItemPath::Of(const PlanningModel& model, const TreeItem* entity)
{
    ItemPath path;
    if (!entity)
        return path;
    const Person* owner = OwnerOf(*entity);
    const TreeItem& top = owner ? *owner : *entity;
    path.hasTopKind = true;
    path.topKind = top.GetKind();
    if (!FindStoredName(model, nullptr, top, path.topName))
        return path;
    path.depth = 1;
    if (!owner || !FindStoredName(model, owner, *entity, path.childName))
        return path;
    path.childKind = entity->GetKind();
    path.depth = 2;
    return path;
}

TreeItem* ItemPath::FindNearest(const PlanningModel& model) const
{
    if (depth == 0)
        return nullptr;
    if (topKind == TreeItemKind::Resource)
        return FindLastNamed(model.GetResources(), topName);
    Person* person = FindLastNamed(model.GetPersons(), topName);
    if (!person || depth == 1)
        return person;
    TreeItem* child = nullptr;
    if (childKind == TreeItemKind::Task)
        child = FindLastNamed(person->GetTasks(), childName);
    else
        child = FindLastNamed(person->GetProfiles(), childName);
    return child ? child : person;
}
