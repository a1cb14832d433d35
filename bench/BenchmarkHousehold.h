#pragma once

#include "model/PlanningModel.h"
#include "planning/PlanComputation.h"

#include "ModelBuilder.h"

class Person;
class PlanRandom;
class PrecedentTask;

// The kinds of household the search is measured on.
enum class HouseholdFamily {
    // Minimum and maximum gaps now and then; larger households get stuck
    // and complete no plan.
    Mixed,
    // No minimum gaps, so every attempt places every task of every person.
    EveryTaskExecuted,
    // Every precedence allows only a window of time between the tasks.
    MaximumGaps,
};

// A generated model of a given size and family with one chosen profile per
// person, the same for every run: shared resources, precedences between a
// person's tasks, and end times spread from morning to evening.
class BenchmarkHousehold {
public:
    BenchmarkHousehold(int persons, int tasksPerPerson, HouseholdFamily family = HouseholdFamily::Mixed);

    const PlanComputation& GetComputation() const { return computation; }
    int GetTaskCount() const { return persons * tasksPerPerson; }

private:
    void AddPerson(int index, PlanRandom& random);
    void SetGaps(PrecedentTask& entry, PlanRandom& random) const;

    int persons;
    int tasksPerPerson;
    HouseholdFamily family;
    PlanningModel model;
    ModelBuilder builder { model };
    PlanComputation computation;
};
