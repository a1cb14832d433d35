#include "dialogs/PlanTimeline.h"

#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "dialogs/TimelinePainter.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "timeline/TimelineLayout.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

class PlanTimelineTest : public ::testing::Test {
protected:
    PlanTimelineTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        bathroom = build.AddResource("Bathroom");
        car = build.AddResource("Car");
        shower = build.AddTask(anna, "Shower", 15, { bathroom });
        drive = build.AddTask(anna, "Drive", 30, { car, bathroom });
        wash = build.AddTask(bert, "Wash", 10);
        annaDay = build.AddProfile(anna, "Workday", 8 * 60, { shower, drive });
        bertDay = build.AddProfile(bert, "Day off", 8 * 60, { wash });
        plan = PlanBuilder().Add(annaDay, { { shower, 390 }, { drive, 420 } }).Add(bertDay, { { wash, 400 } }).Build();
        timeline.resize(800, 400);
    }

    // The middle of the first block of `row` that starts at `start`.
    QPoint CentreOf(int row, std::int64_t start) const
    {
        const std::unique_ptr<TimelineLayout> layout = timeline.CreateLayout();
        for (const TimelineLayout::PlacedBlock& placed : layout->GetBlocks()) {
            if (placed.row == row && placed.block->start == start)
                return QPoint(static_cast<int>(placed.box.left + placed.box.width / 2),
                    static_cast<int>(placed.box.top + placed.box.height / 2));
        }
        ADD_FAILURE() << "no block at " << start << " in row " << row;
        return QPoint();
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
    Profile* annaDay;
    Profile* bertDay;
    std::unique_ptr<CompletePlan> plan;
    PlanTimeline timeline;
};

TEST_F(PlanTimelineTest, ShowsNothingWithoutAPlan)
{
    EXPECT_EQ(timeline.GetPlan(), nullptr);
    EXPECT_EQ(timeline.CreateLayout(), nullptr);
    EXPECT_TRUE(timeline.ToolTipAt(QPoint(400, 50)).isEmpty());
}

TEST_F(PlanTimelineTest, ToolTipNamesTaskPersonTimesDurationAndResources)
{
    timeline.SetPlan(plan.get());
    EXPECT_EQ(timeline.ToolTipAt(CentreOf(0, 420)),
        QString::fromUtf8("Drive\nPerson: Anna\n07:00\u201307:30, 30 minutes\nResources: Car, Bathroom"));
    EXPECT_EQ(timeline.ToolTipAt(CentreOf(1, 400)),
        QString::fromUtf8("Wash\nPerson: Bert\n06:40\u201306:50, 10 minutes\nResources: none"));
}

TEST_F(PlanTimelineTest, AResourceRowsBlockTellsTheSameAsThePersonsBlock)
{
    timeline.SetPlan(plan.get());
    // Rows: Anna, Bert, Bathroom, Car.
    EXPECT_EQ(timeline.ToolTipAt(CentreOf(3, 420)), timeline.ToolTipAt(CentreOf(0, 420)));
    EXPECT_TRUE(timeline.ToolTipAt(CentreOf(2, 390)).startsWith("Shower\nPerson: Anna"));
}

TEST_F(PlanTimelineTest, NoToolTipInAPauseOrBesideTheRows)
{
    timeline.SetPlan(plan.get());
    const QPoint showerCentre = CentreOf(0, 390);
    // 06:52, between the shower's end and the drive.
    const int pause = static_cast<int>(timeline.CreateLayout()->XOf(6 * 60 + 52));
    EXPECT_TRUE(timeline.ToolTipAt(QPoint(pause, showerCentre.y())).isEmpty());
    EXPECT_TRUE(timeline.ToolTipAt(QPoint(2, showerCentre.y())).isEmpty());
}

TEST_F(PlanTimelineTest, GrowsWithItsRows)
{
    auto small = PlanBuilder().Add(bertDay, { { wash, 400 } }).Build();
    timeline.SetPlan(small.get());
    const int oneRow = timeline.sizeHint().height();
    timeline.SetPlan(plan.get());
    EXPECT_GT(oneRow, 0);
    EXPECT_GT(timeline.sizeHint().height(), oneRow * 2);
    EXPECT_EQ(timeline.minimumSizeHint().height(), timeline.sizeHint().height());
}

TEST_F(PlanTimelineTest, KeepsTheHighlightedPersonalPlan)
{
    timeline.SetPlan(plan.get(), plan->GetPersonalPlans().Get(1));
    EXPECT_EQ(timeline.GetPlan(), plan.get());
    EXPECT_EQ(timeline.GetHighlighted(), plan->GetPersonalPlans().Get(1));
}

TEST_F(PlanTimelineTest, GivesEveryPersonItsOwnColourReadableInLightAndDarkThemes)
{
    QPalette light(Qt::white);
    light.setColor(QPalette::Base, Qt::white);
    QPalette dark(QColor(40, 40, 40));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    std::set<QRgb> colours;
    for (int row = 0; row < 8; ++row) {
        colours.insert(TimelinePainter::BlockColour(row, light).rgb());
        EXPECT_GT(TimelinePainter::BlockColour(row, light).lightness(), 160) << row;
        EXPECT_LT(TimelinePainter::BlockColour(row, dark).lightness(), 110) << row;
    }
    EXPECT_EQ(colours.size(), 8u);
}

TEST_F(PlanTimelineTest, PaintsOnThePalettesBase)
{
    QPalette dark = timeline.palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    timeline.setPalette(dark);
    timeline.SetPlan(plan.get());
    const QImage picture = timeline.grab().toImage();
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(30, 30, 30));
    const QPoint block = CentreOf(0, 420);
    const std::unique_ptr<TimelineLayout> layout = timeline.CreateLayout();
    const double scale = picture.devicePixelRatio();
    // Near the block's lower right corner, clear of its label.
    const QColor inside
        = picture.pixelColor(QPoint(block.x() + 20, static_cast<int>(layout->RowBox(0).Bottom()) - 6) * scale);
    EXPECT_LT(inside.lightness(), 110);
    EXPECT_NE(inside, QColor(30, 30, 30));
}

} // namespace
