#include "timeline/TimelineChart.h"

#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

namespace {

class TimelineChartTest : public ::testing::Test {
protected:
    TimelineChartTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        bathroom = build.AddResource("bathroom");
        car = build.AddResource("Car");
        shower = build.AddTask(anna, "Shower", 15, { bathroom });
        drive = build.AddTask(anna, "Drive", 30, { car });
        wash = build.AddTask(bert, "Wash", 10, { bathroom });
        read = build.AddTask(bert, "Read", 20);
        annaDay = build.AddProfile(anna, "Workday", 8 * 60, { shower, drive });
        bertDay = build.AddProfile(bert, "Day off", 10 * 60, { wash, read });
    }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Resource* bathroom;
    Resource* car;
    Task* shower;
    Task* drive;
    Task* wash;
    Task* read;
    Profile* annaDay;
    Profile* bertDay;
};

TEST_F(TimelineChartTest, HasARowPerPersonalPlanInThePlansOrderThenTheUsedResourcesByName)
{
    build.AddResource("Kitchen");
    auto plan = PlanBuilder()
                    .Add(bertDay, { { wash, 420 }, { read, 430 } })
                    .Add(annaDay, { { shower, 400 }, { drive, 420 } })
                    .Build();
    const TimelineChart chart(*plan);
    const auto& rows = chart.GetRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(chart.GetPersonRowCount(), 2);
    EXPECT_EQ(rows[0].plan, plan->GetPersonalPlans().Get(0));
    EXPECT_EQ(rows[1].plan, plan->GetPersonalPlans().Get(1));
    EXPECT_EQ(rows[0].kind, TimelineChart::RowKind::Person);
    EXPECT_EQ(rows[2].kind, TimelineChart::RowKind::Resource);
    EXPECT_EQ(rows[2].resource, bathroom);
    EXPECT_EQ(rows[3].resource, car);
    EXPECT_EQ(rows[2].plan, nullptr);
}

TEST_F(TimelineChartTest, BlocksRunFromEachStartToItsEndAndLeavePausesEmpty)
{
    auto plan = PlanBuilder().Add(annaDay, { { shower, 400 }, { drive, 430 } }).Build();
    const TimelineChart chart(*plan);
    const auto& blocks = chart.GetRows()[0].blocks;
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].start, 400);
    EXPECT_EQ(blocks[0].end, 415);
    EXPECT_EQ(blocks[0].execution->GetTask(), shower);
    EXPECT_EQ(blocks[1].start, 430);
    EXPECT_EQ(blocks[1].end, 460);
}

TEST_F(TimelineChartTest, ResourceRowsTellWhoHoldsTheResourceWhen)
{
    auto plan = PlanBuilder()
                    .Add(annaDay, { { shower, 400 }, { drive, 420 } })
                    .Add(bertDay, { { wash, 415 }, { read, 425 } })
                    .Build();
    const TimelineChart chart(*plan);
    const TimelineChart::Row& bathroomRow = chart.GetRows()[2];
    ASSERT_EQ(bathroomRow.blocks.size(), 2u);
    EXPECT_EQ(bathroomRow.blocks[0].owner, plan->GetPersonalPlans().Get(0));
    EXPECT_EQ(bathroomRow.blocks[0].start, 400);
    EXPECT_EQ(bathroomRow.blocks[1].owner, plan->GetPersonalPlans().Get(1));
    EXPECT_EQ(bathroomRow.blocks[1].start, 415);
    EXPECT_EQ(bathroomRow.laneCount, 1);
    const TimelineChart::Row& carRow = chart.GetRows()[3];
    ASSERT_EQ(carRow.blocks.size(), 1u);
    EXPECT_EQ(carRow.blocks[0].execution->GetTask(), drive);
}

TEST_F(TimelineChartTest, OverlappingHoldersGoToSeparateLanesAndTouchingOnesShareOne)
{
    Task* bath = build.AddTask(bert, "Bath", 40, { bathroom });
    Profile* bertBath = build.AddProfile(bert, "Bath day", 10 * 60, { bath, wash });
    auto plan = PlanBuilder().Add(annaDay, { { shower, 400 } }).Add(bertBath, { { bath, 405 }, { wash, 445 } }).Build();
    const TimelineChart chart(*plan);
    const TimelineChart::Row& bathroomRow = chart.GetRows()[2];
    ASSERT_EQ(bathroomRow.blocks.size(), 3u);
    EXPECT_EQ(bathroomRow.laneCount, 2);
    EXPECT_EQ(bathroomRow.blocks[0].lane, 0);
    EXPECT_EQ(bathroomRow.blocks[1].lane, 1);
    // Wash starts as the bath ends and as the shower has long ended.
    EXPECT_EQ(bathroomRow.blocks[2].lane, 0);
}

TEST_F(TimelineChartTest, SpanCoversEveryBlockAndEveryEndTime)
{
    auto plan = PlanBuilder().Add(annaDay, { { shower, -30 }, { drive, 0 } }).Add(bertDay, { { wash, 500 } }).Build();
    const TimelineChart chart(*plan);
    EXPECT_EQ(chart.GetFirstMinute(), -30);
    EXPECT_EQ(chart.GetLastMinute(), 10 * 60);
}

TEST_F(TimelineChartTest, ATaskOfNoOrNegativeDurationGetsABlockWithoutLength)
{
    read->SetDuration(0);
    wash->SetDuration(-5);
    auto plan = PlanBuilder().Add(bertDay, { { wash, 420 }, { read, 430 } }).Build();
    const TimelineChart chart(*plan);
    const auto& blocks = chart.GetRows()[0].blocks;
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].end, blocks[0].start);
    EXPECT_EQ(blocks[1].end, blocks[1].start);
}

TEST_F(TimelineChartTest, RowOfFindsOnlyThePersonalPlansOfTheChart)
{
    auto plan = PlanBuilder().Add(annaDay, { { shower, 400 } }).Add(bertDay, { { wash, 400 } }).Build();
    auto other = PlanBuilder::MakePersonalPlan(annaDay, {});
    const TimelineChart chart(*plan);
    EXPECT_EQ(chart.RowOf(plan->GetPersonalPlans().Get(1)), 1);
    EXPECT_EQ(chart.RowOf(other.get()), -1);
    EXPECT_EQ(chart.RowOf(nullptr), -1);
}

TEST_F(TimelineChartTest, APlanWithoutPersonsHasNoRows)
{
    auto plan = PlanBuilder().Build();
    const TimelineChart chart(*plan);
    EXPECT_TRUE(chart.GetRows().empty());
    EXPECT_EQ(chart.GetPersonRowCount(), 0);
}

} // namespace
