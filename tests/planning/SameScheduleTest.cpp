#include "planning/SameSchedule.h"

#include "SmallHousehold.h"
#include "planning/CompletePlan.h"
#include "toolbox/NewOwned.h"

#include <gtest/gtest.h>

namespace {

TEST(SameScheduleTest, HoldsOnlyForTheSameProfilesWithTheSameStarts)
{
    SmallHousehold house;
    auto plan = house.Plan(400, 415, 400);
    EXPECT_TRUE(SameSchedule::Of(*plan, *house.Plan(400, 415, 400)));
    EXPECT_FALSE(SameSchedule::Of(*plan, *house.Plan(400, 415, 401)));
    auto swapped = PlanBuilder()
                       .Add(house.workday, { { house.drive, 415 }, { house.shower, 400 } })
                       .Add(house.dayOff, { { house.wash, 400 } })
                       .Build();
    EXPECT_TRUE(SameSchedule::Of(*plan, *swapped)) << "executions compare by task, not position";
    Profile* other = house.build.AddProfile(house.bert, "Other", 9 * 60, { house.wash });
    auto otherProfile = PlanBuilder()
                            .Add(house.workday, { { house.shower, 400 }, { house.drive, 415 } })
                            .Add(other, { { house.wash, 400 } })
                            .Build();
    EXPECT_FALSE(SameSchedule::Of(*plan, *otherProfile));
    auto lessTasks = PlanBuilder()
                         .Add(house.workday, { { house.shower, 400 } })
                         .Add(house.dayOff, { { house.wash, 400 } })
                         .Build();
    EXPECT_FALSE(SameSchedule::Of(*plan, *lessTasks));
    auto lessPersons = PlanBuilder().Add(house.workday, { { house.shower, 400 }, { house.drive, 415 } }).Build();
    EXPECT_FALSE(SameSchedule::Of(*plan, *lessPersons));
    EXPECT_FALSE(SameSchedule::Of(*lessPersons, *plan));
}

TEST(SameScheduleTest, NamesTheFirstEarlierPlanOfTheSameSchedule)
{
    SmallHousehold house;
    toolbox::ArrayList<CompletePlan> plans;
    for (int wash : { 400, 390, 390, 400 })
        toolbox::AddOwned(plans, house.Plan(420, 440, wash));
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 0), -1);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 1), -1);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 2), 1);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 3), 0);
    EXPECT_EQ(SameSchedule::FirstEarlierIndex(plans, 4), -1);
}

} // namespace
