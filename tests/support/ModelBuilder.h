#pragma once

#include <cstdint>
#include <initializer_list>

class Person;
class PlanningModel;
class PrecedentTask;
class Profile;
class Resource;
class Task;

// Builds the small planning models that tests of every layer look at, one
// entity per call. The model owns everything built; the pointers returned
// stay valid as long as it does.
class ModelBuilder {
public:
    explicit ModelBuilder(PlanningModel& model);

    Person* AddPerson(const char* name);
    Resource* AddResource(const char* name, std::int32_t amount = 1);
    Task* AddTask(
        Person* person, const char* name, std::int32_t duration, std::initializer_list<Resource*> resources = {});
    // A profile of `person` ending at `endTime`, executing `tasks` in order.
    Profile* AddProfile(
        Person* person, const char* name, std::int32_t endTime, std::initializer_list<Task*> tasks = {});

    static void Execute(Profile* profile, Task* task);
    // `earlier` must end between `minimum` and `maximum` minutes before
    // `later` starts; `later` must already be executed by the profile.
    static PrecedentTask* Precede(
        Profile* profile, Task* earlier, Task* later, std::int32_t minimum = 0, std::int32_t maximum = 32767);

    PlanningModel& GetModel() { return model; }

private:
    PlanningModel& model;
};
