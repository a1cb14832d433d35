#include "bestplans/ProfileCopy.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "toolbox/NewOwned.h"

#include <memory>

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
        person = &model.AddPerson(toolbox::NewOwned<Person>());
        person->SetName(profile.GetOwner()->GetName());
    }
    Profile& copy = person->AddProfile(toolbox::NewOwned<Profile>(person));
    copy.SetName(profile.GetName());
    copy.SetEndTime(profile.GetEndTime());
    // Entry by entry, also where the profile holds what its own operations
    // would refuse, so that the copy plans exactly like the original.
    for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
        if (!relation->GetTask())
            continue;
        PrecedenceRelation& relationCopy
            = toolbox::AddOwned(copy.GetPrecedenceRelations(), toolbox::NewOwned<PrecedenceRelation>());
        relationCopy.SetTask(CopyTask(relation->GetTask(), person));
        for (const PrecedentTask* entry : relation->GetPrecedents()) {
            PrecedentTask& entryCopy = toolbox::AddOwned(
                relationCopy.GetPrecedents(), toolbox::NewOwned<PrecedentTask>(CopyTask(entry->GetTask(), person)));
            entryCopy.SetMinimumTime(entry->GetMinimumTime());
            entryCopy.SetMaximumTime(entry->GetMaximumTime());
        }
    }
    return &copy;
}

// Each task and resource is copied once, however often it is named.
Task* ProfileCopy::CopyTask(Task* task, Person* owner)
{
    Task*& copy = taskCopies[task];
    if (copy)
        return copy;
    copy = &owner->AddTask(toolbox::NewOwned<Task>(owner));
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
        copy = &model.AddResource(toolbox::NewOwned<Resource>());
        copy->SetName(resource->GetName());
        copy->SetAmount(resource->GetAmount());
    }
    return copy;
}
