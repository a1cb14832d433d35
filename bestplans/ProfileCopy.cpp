#include "bestplans/ProfileCopy.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <memory>

namespace {

template <typename T> T* Adopt(toolbox::ArrayList<T>& list, std::unique_ptr<T> item)
{
    list.Add(item.get());
    return item.release();
}

} // namespace

ProfileCopy::ProfileCopy(const toolbox::ArrayList<Profile>& chosenProfiles)
{
    for (const Profile* profile : chosenProfiles)
        chosen.Add(CopyProfile(*profile));
}

ProfileCopy::~ProfileCopy() = default;

Task* ProfileCopy::GetOriginal(const Task* copy) const
{
    auto found = originals.find(copy);
    return found == originals.end() ? nullptr : found->second;
}

Profile* ProfileCopy::CopyProfile(const Profile& profile)
{
    Person*& person = personCopies[profile.GetOwner()];
    if (!person) {
        person = Adopt(model.GetPersons(), std::make_unique<Person>());
        person->SetName(profile.GetOwner()->GetName());
    }
    Profile* copy = Adopt(person->GetProfiles(), std::make_unique<Profile>(person));
    copy->SetName(profile.GetName());
    copy->SetEndTime(profile.GetEndTime());
    for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
        if (!relation->GetTask())
            continue;
        PrecedenceRelation* relationCopy
            = Adopt(copy->GetPrecedenceRelations(), std::make_unique<PrecedenceRelation>());
        relationCopy->SetTask(CopyTask(relation->GetTask(), person));
        for (const PrecedentTask* entry : relation->GetPrecedents()) {
            PrecedentTask* entryCopy = Adopt(
                relationCopy->GetPrecedents(), std::make_unique<PrecedentTask>(CopyTask(entry->GetTask(), person)));
            entryCopy->SetMinimumTime(entry->GetMinimumTime());
            entryCopy->SetMaximumTime(entry->GetMaximumTime());
        }
    }
    return copy;
}

// Each task and resource is copied once, however often it is named.
Task* ProfileCopy::CopyTask(Task* task, Person* owner)
{
    Task*& copy = taskCopies[task];
    if (copy)
        return copy;
    copy = Adopt(owner->GetTasks(), std::make_unique<Task>(owner));
    copy->SetName(task->GetName());
    copy->SetDuration(task->GetDuration());
    for (const Resource* resource : task->GetRequiredResources())
        copy->GetRequiredResources().Add(CopyResource(resource));
    originals[copy] = task;
    return copy;
}

Resource* ProfileCopy::CopyResource(const Resource* resource)
{
    Resource*& copy = resourceCopies[resource];
    if (!copy) {
        copy = Adopt(model.GetResources(), std::make_unique<Resource>());
        copy->SetName(resource->GetName());
        copy->SetAmount(resource->GetAmount());
    }
    return copy;
}
