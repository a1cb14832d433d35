#include "ModelDescription.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <algorithm>
#include <vector>

namespace {

using NameOf = std::function<std::string(const char*)>;

std::string Joined(std::vector<std::string> parts)
{
    std::sort(parts.begin(), parts.end());
    std::string text;
    for (const std::string& part : parts)
        text += part + ";";
    return text;
}

template <typename T, typename Describer> std::string DescribeAll(const toolbox::ArrayList<T>& list, Describer describe)
{
    std::vector<std::string> parts;
    for (int i = 0; i < list.GetCount(); ++i)
        parts.push_back(describe(*list.Get(i)));
    return Joined(parts);
}

std::string TaskReference(const Task* task, const NameOf& nameOf)
{
    return task ? nameOf(task->GetName()) + "#" + std::to_string(task->GetDuration()) : "<none>";
}

std::string DescribeTask(const Task& task, const NameOf& nameOf)
{
    return TaskReference(&task, nameOf) + "[" + DescribeAll(task.GetRequiredResources(), [&](const Resource& r) {
        return nameOf(r.GetName()) + "#" + std::to_string(r.GetAmount());
    }) + "]";
}

std::string DescribeRelation(const PrecedenceRelation& relation, const NameOf& nameOf)
{
    return TaskReference(relation.GetTask(), nameOf) + "<"
        + DescribeAll(relation.GetPrecedents(),
            [&](const PrecedentTask& p) {
                return TaskReference(p.GetTask(), nameOf) + " " + std::to_string(p.GetMinimumTime()) + ".."
                    + std::to_string(p.GetMaximumTime());
            })
        + ">";
}

std::string DescribeProfile(const Profile& profile, const NameOf& nameOf)
{
    return nameOf(profile.GetName()) + "@" + std::to_string(profile.GetEndTime()) + "{"
        + DescribeAll(profile.GetPrecedenceRelations(),
            [&](const PrecedenceRelation& relation) { return DescribeRelation(relation, nameOf); })
        + "}";
}

std::string DescribePerson(const Person& person, const NameOf& nameOf)
{
    return nameOf(person.GetName()) + "("
        + DescribeAll(person.GetTasks(), [&](const Task& task) { return DescribeTask(task, nameOf); }) + "|"
        + DescribeAll(person.GetProfiles(), [&](const Profile& profile) { return DescribeProfile(profile, nameOf); })
        + ")";
}

} // namespace

std::string Describe(const PlanningModel& model, const NameOf& nameOf)
{
    return DescribeAll(model.GetResources(),
               [&](const Resource& r) { return nameOf(r.GetName()) + "#" + std::to_string(r.GetAmount()); })
        + "\n" + DescribeAll(model.GetPersons(), [&](const Person& person) { return DescribePerson(person, nameOf); });
}
