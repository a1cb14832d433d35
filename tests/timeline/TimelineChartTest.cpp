#include "timeline/TimelineChart.h"

#include "SmallHousehold.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

namespace {

TEST(TimelineChartTest, PersonsInThePlansOrderThenTheResourcesUsedByName)
{
    SmallHousehold house;
    house.build.AddResource("Attic");
    auto plan
        = PlanBuilder().Add(house.dayOff, { { house.wash, 420 } }).Add(house.workday, { { house.drive, 400 } }).Build();
    const TimelineChart chart(*plan);
    const auto& rows = chart.GetRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(chart.GetPersonRowCount(), 2);
    EXPECT_EQ(rows[0].plan, plan->GetPersonalPlans().Get(0));
    EXPECT_EQ(rows[1].plan, plan->GetPersonalPlans().Get(1));
    EXPECT_EQ(rows[2].resource, house.bathroom);
    EXPECT_EQ(rows[3].resource, house.car);
    EXPECT_EQ(chart.RowOf(plan->GetPersonalPlans().Get(1)), 1);
    EXPECT_EQ(chart.RowOf(nullptr), -1);
}

TEST(TimelineChartTest, BlocksRunFromStartToEndAndResourceRowsNameTheHolder)
{
    SmallHousehold house;
    auto plan = house.Plan(400, 430, 415);
    const TimelineChart chart(*plan);
    const auto& anna = chart.GetRows()[0].blocks;
    ASSERT_EQ(anna.size(), 2u);
    EXPECT_EQ(anna[1].start, 430);
    EXPECT_EQ(anna[1].end, 460);
    EXPECT_EQ(anna[1].execution->GetTask(), house.drive);
    const auto& bathroom = chart.GetRows()[2].blocks;
    ASSERT_EQ(bathroom.size(), 2u);
    EXPECT_EQ(bathroom[0].owner, plan->GetPersonalPlans().Get(0));
    EXPECT_EQ(bathroom[1].owner, plan->GetPersonalPlans().Get(1));
    EXPECT_EQ(bathroom[1].start, 415);
    EXPECT_EQ(chart.GetRows()[2].laneCount, 1);
}

TEST(TimelineChartTest, HoldersAtOnceGetLanesOfTheirOwnAndTouchingOnesShareOne)
{
    SmallHousehold house;
    // Bert washes during Anna's shower, and again (as if) when it ends.
    auto plan = PlanBuilder()
                    .Add(house.workday, { { house.shower, 400 } })
                    .Add(house.dayOff, { { house.wash, 405 } })
                    .Add(house.dayOff, { { house.wash, 415 } })
                    .Build();
    const TimelineChart chart(*plan);
    const TimelineChart::Row& bathroom = chart.GetRows()[3];
    EXPECT_EQ(bathroom.laneCount, 2);
    ASSERT_EQ(bathroom.blocks.size(), 3u);
    EXPECT_EQ(bathroom.blocks[1].lane, 1);
    EXPECT_EQ(bathroom.blocks[2].lane, 0);
}

TEST(TimelineChartTest, SpanHoldsEveryBlockAndEndTimeAndNoBlockEndsBeforeItStarts)
{
    SmallHousehold house;
    house.drive->SetDuration(-5);
    auto plan = house.Plan(-30, 0, 500);
    const TimelineChart chart(*plan);
    EXPECT_EQ(chart.GetFirstMinute(), -30);
    EXPECT_EQ(chart.GetLastMinute(), 9 * 60);
    EXPECT_EQ(chart.GetRows()[0].blocks[1].end, 0);
    EXPECT_TRUE(TimelineChart(*PlanBuilder().Build()).GetRows().empty());
}

} // namespace
