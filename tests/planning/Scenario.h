#pragma once

#include "ModelBuilder.h"
#include "model/PlanningModel.h"
#include "planning/PlanComputation.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <initializer_list>
#include <memory>

class CompletePlan;
class Person;
class PrecedentTask;
class Profile;
class Resource;
class Task;

// A small planning model built step by step, with the computation that
// plans its chosen profiles.
class Scenario {
public:
    Person* AddPerson(const char* name) { return builder.AddPerson(name); }
    Resource* AddResource(const char* name, std::int32_t amount = 1) { return builder.AddResource(name, amount); }
    Task* AddTask(
        Person* person, const char* name, std::int32_t duration, std::initializer_list<Resource*> resources = {})
    {
        return builder.AddTask(person, name, duration, resources);
    }
    // A profile of `person` ending at `endTime`, executing `tasks` in order.
    Profile* AddProfile(Person* person, std::int32_t endTime, std::initializer_list<Task*> tasks = {})
    {
        return builder.AddProfile(person, "Profile", endTime, tasks);
    }
    void Execute(Profile* profile, Task* task) { ModelBuilder::Execute(profile, task); }
    PrecedentTask* Precede(
        Profile* profile, Task* earlier, Task* later, std::int32_t minimum = 0, std::int32_t maximum = 32767)
    {
        return ModelBuilder::Precede(profile, earlier, later, minimum, maximum);
    }

    void Choose(Profile* profile);
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> Compute(std::uint32_t seed) const;

    PlanningModel model;
    PlanComputation computation;

private:
    ModelBuilder builder { model };
};

// The start of `task` in the plan of `profile`, or INT32_MIN when absent.
std::int32_t StartOf(const CompletePlan& plan, const Profile* profile, const Task* task);
