#pragma once

#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"

#include <memory>

// The household most plan tests look at. Anna showers (15 minutes, in the
// bathroom) and drives (30 minutes, by car) on her workday, done by 08:00;
// Bert washes (10 minutes, in the bathroom) on his day off, done by 09:00.
struct SmallHousehold {
    PlanningModel model;
    ModelBuilder build { model };
    Resource* bathroom = build.AddResource("Bathroom");
    Resource* car = build.AddResource("Car");
    Person* anna = build.AddPerson("Anna");
    Person* bert = build.AddPerson("Bert");
    Task* shower = build.AddTask(anna, "Shower", 15, { bathroom });
    Task* drive = build.AddTask(anna, "Drive", 30, { car });
    Task* wash = build.AddTask(bert, "Wash", 10, { bathroom });
    Profile* workday = build.AddProfile(anna, "Workday", 8 * 60, { shower, drive });
    Profile* dayOff = build.AddProfile(bert, "Day off", 9 * 60, { wash });

    // Anna's and then Bert's plan, with the tasks starting at these minutes.
    std::unique_ptr<CompletePlan> Plan(int showerAt, int driveAt, int washAt) const
    {
        return PlanBuilder()
            .Add(workday, { { shower, showerAt }, { drive, driveAt } })
            .Add(dayOff, { { wash, washAt } })
            .Build();
    }
};
