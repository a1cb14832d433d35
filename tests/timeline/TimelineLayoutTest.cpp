#include "timeline/TimelineLayout.h"

#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A plot 900 units wide from x = 100, rows 40 high below a 30 high axis.
TimelineMetrics WideMetrics()
{
    TimelineMetrics metrics;
    metrics.width = 1000;
    metrics.labelWidth = 100;
    metrics.rightMargin = 0;
    metrics.axisHeight = 30;
    metrics.rowHeight = 40;
    metrics.rowPadding = 5;
    metrics.sectionGap = 10;
    metrics.minimumTickSpacing = 50;
    return metrics;
}

class TimelineLayoutTest : public ::testing::Test {
protected:
    TimelineLayoutTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        bathroom = build.AddResource("Bathroom");
        shower = build.AddTask(anna, "Shower", 15, { bathroom });
        drive = build.AddTask(anna, "Drive", 25);
        wash = build.AddTask(bert, "Wash", 10, { bathroom });
        annaDay = build.AddProfile(anna, "Workday", 9 * 60, { shower, drive });
        bertDay = build.AddProfile(bert, "Day off", 7 * 60, { wash });
    }

    // Anna 06:30 shower, 07:00 drive, ends 09:00; Bert 06:00 wash, ends 07:00:
    // the axis runs from 06:00 to 09:00, 5 units a minute.
    std::unique_ptr<CompletePlan> MorningPlan()
    {
        return PlanBuilder().Add(annaDay, { { shower, 390 }, { drive, 420 } }).Add(bertDay, { { wash, 360 } }).Build();
    }

    static const TimelineLayout::PlacedBlock* Find(const TimelineLayout& layout, int row, std::int64_t start)
    {
        for (const TimelineLayout::PlacedBlock& placed : layout.GetBlocks()) {
            if (placed.row == row && placed.block->start == start)
                return &placed;
        }
        return nullptr;
    }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Resource* bathroom;
    Task* shower;
    Task* drive;
    Task* wash;
    Profile* annaDay;
    Profile* bertDay;
};

TEST_F(TimelineLayoutTest, AxisRunsOverThePlansSpan)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    EXPECT_EQ(layout.GetFirstMinute(), 6 * 60);
    EXPECT_EQ(layout.GetLastMinute(), 9 * 60);
    EXPECT_DOUBLE_EQ(layout.XOf(6 * 60), 100);
    EXPECT_DOUBLE_EQ(layout.XOf(9 * 60), 1000);
    EXPECT_DOUBLE_EQ(layout.XOf(6 * 60 + 30), 250);
}

TEST_F(TimelineLayoutTest, PlacesEachBlockFromItsStartToItsEndInsideItsRow)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    const TimelineLayout::PlacedBlock* showerBlock = Find(layout, 0, 390);
    ASSERT_NE(showerBlock, nullptr);
    EXPECT_DOUBLE_EQ(showerBlock->box.left, 250);
    EXPECT_DOUBLE_EQ(showerBlock->box.width, 75);
    EXPECT_DOUBLE_EQ(showerBlock->box.top, 30 + 5);
    EXPECT_DOUBLE_EQ(showerBlock->box.height, 30);
    const TimelineLayout::PlacedBlock* washBlock = Find(layout, 1, 360);
    ASSERT_NE(washBlock, nullptr);
    EXPECT_DOUBLE_EQ(washBlock->box.left, 100);
    EXPECT_DOUBLE_EQ(washBlock->box.width, 50);
    EXPECT_DOUBLE_EQ(washBlock->box.top, 30 + 40 + 5);
}

TEST_F(TimelineLayoutTest, ResourceRowsFollowTheSectionGap)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    EXPECT_DOUBLE_EQ(layout.RowBox(1).top, 70);
    EXPECT_DOUBLE_EQ(layout.RowBox(2).top, 30 + 2 * 40 + 10);
    EXPECT_DOUBLE_EQ(layout.GetHeight(), 30 + 3 * 40 + 10);
    const TimelineLayout::PlacedBlock* bathroomShower = Find(layout, 2, 390);
    ASSERT_NE(bathroomShower, nullptr);
    EXPECT_DOUBLE_EQ(bathroomShower->box.top, 120 + 5);
}

TEST_F(TimelineLayoutTest, OverlappingBlocksShareTheRowHeightByLane)
{
    Task* bath = build.AddTask(bert, "Bath", 40, { bathroom });
    Profile* bathDay = build.AddProfile(bert, "Bath day", 8 * 60, { bath });
    auto plan = PlanBuilder().Add(annaDay, { { shower, 390 } }).Add(bathDay, { { bath, 395 } }).Build();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    const TimelineLayout::PlacedBlock* first = Find(layout, 2, 390);
    const TimelineLayout::PlacedBlock* second = Find(layout, 2, 395);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_DOUBLE_EQ(first->box.height, 15);
    EXPECT_DOUBLE_EQ(second->box.top, first->box.Bottom());
}

TEST_F(TimelineLayoutTest, LabelsEveryHalfHourWhenThereIsRoom)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    EXPECT_EQ(layout.GetMinutesPerLabel(), 30);
    const auto& ticks = layout.GetHourTicks();
    ASSERT_EQ(ticks.size(), 7u);
    EXPECT_EQ(ticks[1].minute, 6 * 60 + 30);
    EXPECT_DOUBLE_EQ(ticks[1].x, 250);
}

TEST_F(TimelineLayoutTest, LabelsEveryHourWhenHalfHoursWouldCrowd)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    TimelineMetrics metrics = WideMetrics();
    metrics.minimumTickSpacing = 200;
    const TimelineLayout layout(chart, metrics);
    const auto& ticks = layout.GetHourTicks();
    ASSERT_EQ(ticks.size(), 4u);
    EXPECT_EQ(ticks[0].minute, 6 * 60);
    EXPECT_EQ(ticks[3].minute, 9 * 60);
    EXPECT_DOUBLE_EQ(ticks[1].x, 400);
    EXPECT_EQ(layout.GetMinutesPerLabel(), 60);
}

TEST_F(TimelineLayoutTest, LabelsFewerHoursWhenNarrowButKeepsTheirSpacing)
{
    Profile* late = build.AddProfile(bert, "Late", 24 * 60, { wash });
    auto plan = PlanBuilder().Add(late, { { wash, 0 } }).Build();
    const TimelineChart chart(*plan);
    TimelineMetrics metrics = WideMetrics();
    metrics.width = 100 + 480;
    const TimelineLayout layout(chart, metrics);
    // 20 units an hour: three hours make the first step at least 50 apart.
    EXPECT_EQ(layout.GetMinutesPerLabel(), 180);
    const auto& ticks = layout.GetHourTicks();
    ASSERT_EQ(ticks.size(), 9u);
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].minute % 180, 0);
        EXPECT_GE(ticks[i].x - ticks[i - 1].x, metrics.minimumTickSpacing);
    }
}

TEST_F(TimelineLayoutTest, MarksQuarterHoursBetweenHourLabelsWhenWide)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    TimelineMetrics metrics = WideMetrics();
    metrics.minimumTickSpacing = 200;
    const TimelineLayout layout(chart, metrics);
    const auto& minor = layout.GetMinorTicks();
    ASSERT_EQ(minor.size(), 3u * 3u);
    EXPECT_EQ(minor[0].minute, 6 * 60 + 15);
    EXPECT_DOUBLE_EQ(minor[0].x, 175);
}

TEST_F(TimelineLayoutTest, TheSpanRoundsOutToQuarterHoursAlsoBeforeMidnight)
{
    auto plan = PlanBuilder().Add(annaDay, { { shower, -95 }, { drive, -20 } }).Build();
    annaDay->SetEndTime(20);
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    EXPECT_EQ(layout.GetFirstMinute(), -105);
    EXPECT_EQ(layout.GetLastMinute(), 30);
    ASSERT_EQ(layout.GetHourTicks().size(), 5u);
    EXPECT_EQ(layout.GetHourTicks()[0].minute, -90);
    EXPECT_EQ(layout.GetHourTicks()[4].minute, 30);
}

TEST_F(TimelineLayoutTest, FindsTheBlockUnderAPointAndNoneInAPause)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    const TimelineLayout::PlacedBlock* hit = layout.BlockAt(260, 50);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->block->start, 390);
    EXPECT_EQ(hit->row, 0);
    // Between the shower's end (06:45) and the drive (07:00).
    EXPECT_EQ(layout.BlockAt(340, 50), nullptr);
    // The label column and the axis hold no blocks.
    EXPECT_EQ(layout.BlockAt(50, 50), nullptr);
    EXPECT_EQ(layout.BlockAt(260, 10), nullptr);
}

TEST_F(TimelineLayoutTest, ABlockOfNoDurationIsFoundWithinTheSlop)
{
    drive->SetDuration(0);
    auto plan = PlanBuilder().Add(annaDay, { { drive, 420 } }).Build();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    const double x = layout.XOf(420);
    EXPECT_EQ(layout.BlockAt(x + 2, 50), nullptr);
    EXPECT_NE(layout.BlockAt(x + 2, 50, 3), nullptr);
    EXPECT_EQ(layout.BlockAt(x + 4, 50, 3), nullptr);
}

TEST_F(TimelineLayoutTest, APlanWithoutPersonsGetsAnHourAndOnlyTheAxis)
{
    auto plan = PlanBuilder().Build();
    const TimelineChart chart(*plan);
    const TimelineLayout layout(chart, WideMetrics());
    EXPECT_EQ(layout.GetLastMinute() - layout.GetFirstMinute(), 60);
    EXPECT_DOUBLE_EQ(layout.GetHeight(), 30);
    EXPECT_TRUE(layout.GetBlocks().empty());
}

TEST_F(TimelineLayoutTest, AShortSpanNarrowOnTheScreenStillGetsAnHourLabelled)
{
    Profile* early = build.AddProfile(bert, "Early", 8 * 60 + 15, { wash });
    auto plan = PlanBuilder().Add(early, { { wash, 7 * 60 + 15 } }).Build();
    const TimelineChart chart(*plan);
    TimelineMetrics metrics = WideMetrics();
    // 07:15 to 08:15 over 20 units: one label in three hours, none of them
    // a multiple of three hours inside the span.
    metrics.width = 100 + 20;
    const TimelineLayout layout(chart, metrics);
    EXPECT_EQ(layout.GetMinutesPerLabel(), 180);
    ASSERT_EQ(layout.GetHourTicks().size(), 1u);
    EXPECT_EQ(layout.GetHourTicks()[0].minute, 8 * 60);
    EXPECT_DOUBLE_EQ(layout.GetHourTicks()[0].x, 100 + 15);
}

TEST_F(TimelineLayoutTest, AWidthBelowTheLabelsStillGivesAPlot)
{
    auto plan = MorningPlan();
    const TimelineChart chart(*plan);
    TimelineMetrics metrics = WideMetrics();
    metrics.width = 50;
    const TimelineLayout layout(chart, metrics);
    EXPECT_GT(layout.GetPlotRight(), layout.GetPlotLeft());
    EXPECT_FALSE(layout.GetHourTicks().empty());
}

} // namespace
