#include "timeline/TimelineLayout.h"

#include "SmallHousehold.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"

#include <gtest/gtest.h>

namespace {

// A plot from x = 100 to `width`, rows 40 high below a 30 high axis.
TimelineMetrics Metrics(double width = 1000, double tickSpacing = 50)
{
    TimelineMetrics metrics;
    metrics.width = width;
    metrics.labelWidth = 100;
    metrics.axisHeight = 30;
    metrics.rowHeight = 40;
    metrics.rowPadding = 5;
    metrics.sectionGap = 10;
    metrics.minimumTickSpacing = tickSpacing;
    return metrics;
}

const TimelineLayout::PlacedBlock* Find(const TimelineLayout& layout, int row, std::int64_t start)
{
    for (const TimelineLayout::PlacedBlock& placed : layout.GetBlocks()) {
        if (placed.row == row && placed.block->start == start)
            return &placed;
    }
    return nullptr;
}

// Anna showers at 06:30 and drives at 07:00, Bert washes at 06:00 and ends
// the span at 09:00: 180 minutes over 900 units.
class TimelineLayoutTest : public ::testing::Test {
protected:
    SmallHousehold house;
    std::unique_ptr<CompletePlan> plan = house.Plan(390, 420, 360);
    TimelineChart chart { *plan };
};

TEST_F(TimelineLayoutTest, PlacesBlocksByTheirTimesInRowsBelowTheAxis)
{
    const TimelineLayout layout(chart, Metrics());
    EXPECT_EQ(layout.GetFirstMinute(), 6 * 60);
    EXPECT_EQ(layout.GetLastMinute(), 9 * 60);
    const TimelineLayout::PlacedBlock* shower = Find(layout, 0, 390);
    ASSERT_NE(shower, nullptr);
    EXPECT_DOUBLE_EQ(shower->box.left, 250);
    EXPECT_DOUBLE_EQ(shower->box.width, 75);
    EXPECT_DOUBLE_EQ(shower->box.top, 35);
    EXPECT_DOUBLE_EQ(shower->box.height, 30);
    const TimelineLayout::PlacedBlock* wash = Find(layout, 1, 360);
    ASSERT_NE(wash, nullptr);
    EXPECT_DOUBLE_EQ(wash->box.left, 100);
    EXPECT_DOUBLE_EQ(wash->box.top, 75);
    // The resources' rows follow after the gap.
    const TimelineLayout::PlacedBlock* car = Find(layout, 3, 420);
    ASSERT_NE(car, nullptr);
    EXPECT_DOUBLE_EQ(car->box.top, 30 + 3 * 40 + 10 + 5);
    EXPECT_DOUBLE_EQ(layout.GetHeight(), 30 + 4 * 40 + 10);
}

TEST_F(TimelineLayoutTest, LanesShareTheRowsHeight)
{
    auto crowded = PlanBuilder()
                       .Add(house.workday, { { house.shower, 390 } })
                       .Add(house.dayOff, { { house.wash, 395 } })
                       .Build();
    const TimelineChart crowdedChart(*crowded);
    const TimelineLayout layout(crowdedChart, Metrics());
    const TimelineLayout::PlacedBlock* second = Find(layout, 2, 395);
    ASSERT_NE(second, nullptr);
    EXPECT_DOUBLE_EQ(second->box.height, 15);
    EXPECT_DOUBLE_EQ(second->box.top, Find(layout, 2, 390)->box.Bottom());
}

TEST_F(TimelineLayoutTest, LabelsAsOftenAsTheSpacingAllows)
{
    struct Case {
        double width;
        double spacing;
        std::int64_t minutesPerLabel;
        std::size_t labels;
    } cases[] = {
        { 1000, 50, 30, 7 }, // 150 units a half hour
        { 1000, 200, 60, 4 }, { 100 + 60, 50, 180, 2 }, // 20 units an hour
    };
    for (const Case& c : cases) {
        const TimelineLayout layout(chart, Metrics(c.width, c.spacing));
        EXPECT_EQ(layout.GetMinutesPerLabel(), c.minutesPerLabel) << c.width << " " << c.spacing;
        ASSERT_EQ(layout.GetHourTicks().size(), c.labels) << c.width << " " << c.spacing;
        EXPECT_EQ(layout.GetHourTicks()[0].minute, 6 * 60);
        EXPECT_DOUBLE_EQ(layout.GetHourTicks()[1].x, layout.XOf(6 * 60 + c.minutesPerLabel));
        EXPECT_GE(layout.GetHourTicks()[1].x - layout.GetHourTicks()[0].x, c.spacing);
    }
    // Quarter hours between the hourly labels.
    const TimelineLayout hourly(chart, Metrics(1000, 200));
    ASSERT_EQ(hourly.GetMinorTicks().size(), 9u);
    EXPECT_EQ(hourly.GetMinorTicks()[0].minute, 6 * 60 + 15);
}

TEST_F(TimelineLayoutTest, TheSpanRoundsToQuarterHoursAndAShortOneStillGetsALabel)
{
    auto early = house.Plan(-95, -20, 0);
    house.workday->SetEndTime(20);
    house.dayOff->SetEndTime(-50);
    const TimelineChart earlyChart(*early);
    const TimelineLayout layout(earlyChart, Metrics());
    EXPECT_EQ(layout.GetFirstMinute(), -105);
    EXPECT_EQ(layout.GetLastMinute(), 30);
    EXPECT_EQ(layout.GetHourTicks()[0].minute, -90);

    // 07:15 to 08:15 over 20 units: no multiple of the three hours a label
    // needs lies in the span, so the one whole hour in it is labelled.
    auto late = PlanBuilder().Add(house.dayOff, { { house.wash, 7 * 60 + 15 } }).Build();
    house.dayOff->SetEndTime(8 * 60 + 15);
    const TimelineChart lateChart(*late);
    const TimelineLayout narrow(lateChart, Metrics(120));
    EXPECT_EQ(narrow.GetMinutesPerLabel(), 180);
    ASSERT_EQ(narrow.GetHourTicks().size(), 1u);
    EXPECT_EQ(narrow.GetHourTicks()[0].minute, 8 * 60);
}

TEST_F(TimelineLayoutTest, FindsTheBlockUnderAPointAndNoneInAPause)
{
    const TimelineLayout layout(chart, Metrics());
    const TimelineLayout::PlacedBlock* hit = layout.BlockAt(260, 50);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->block->start, 390);
    EXPECT_EQ(layout.BlockAt(340, 50), nullptr) << "06:48, between shower and drive";
    EXPECT_EQ(layout.BlockAt(50, 50), nullptr) << "the names column";
    EXPECT_EQ(layout.BlockAt(260, 10), nullptr) << "the axis";
}

TEST_F(TimelineLayoutTest, ABlockOfNoDurationIsFoundWithinTheSlop)
{
    house.drive->SetDuration(0);
    const TimelineChart zeroChart(*plan);
    const TimelineLayout layout(zeroChart, Metrics());
    const double x = layout.XOf(420);
    EXPECT_EQ(layout.BlockAt(x + 2, 50), nullptr);
    EXPECT_NE(layout.BlockAt(x + 2, 50, 3), nullptr);
    EXPECT_EQ(layout.BlockAt(x + 4, 50, 3), nullptr);
}

} // namespace
