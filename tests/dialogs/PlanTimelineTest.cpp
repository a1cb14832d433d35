#include "dialogs/PlanTimeline.h"

#include "SmallHousehold.h"
#include "dialogs/TimelinePainter.h"
#include "planning/CompletePlan.h"
#include "timeline/TimelineLayout.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

// Anna showers at 06:30 and drives at 07:00; Bert washes at 06:40.
class PlanTimelineTest : public ::testing::Test {
protected:
    PlanTimelineTest()
    {
        timeline.resize(800, 400);
        timeline.SetPlan(plan.get(), plan->GetPersonalPlans().Get(1));
    }

    QPoint At(std::int64_t minute, int row) const
    {
        const std::unique_ptr<TimelineLayout> layout = timeline.CreateLayout();
        const TimelineLayout::Box box = layout->RowBox(row);
        return QPoint(static_cast<int>(layout->XOf(minute)), static_cast<int>(box.top + box.height / 2));
    }

    SmallHousehold house;
    std::unique_ptr<CompletePlan> plan = house.Plan(390, 420, 400);
    PlanTimeline timeline;
};

TEST_F(PlanTimelineTest, ABlocksToolTipNamesTaskPersonTimesDurationAndResources)
{
    const QString drive = QString::fromUtf8("Drive\nPerson: Anna\n07:00\u201307:30, 30 minutes\nResources: Car");
    EXPECT_EQ(timeline.ToolTipAt(At(7 * 60 + 10, 0)), drive);
    EXPECT_EQ(timeline.ToolTipAt(At(7 * 60 + 10, 3)), drive) << "the car's row";
    EXPECT_EQ(timeline.ToolTipAt(At(6 * 60 + 45, 1)),
        QString::fromUtf8("Wash\nPerson: Bert\n06:40\u201306:50, 10 minutes\nResources: Bathroom"));
    EXPECT_TRUE(timeline.ToolTipAt(At(6 * 60 + 50, 0)).isEmpty()) << "a pause";
    EXPECT_TRUE(timeline.ToolTipAt(QPoint(2, At(0, 0).y())).isEmpty()) << "the names";
    EXPECT_EQ(timeline.GetHighlighted(), plan->GetPersonalPlans().Get(1));
    timeline.SetPlan(nullptr);
    EXPECT_TRUE(timeline.ToolTipAt(QPoint(400, 50)).isEmpty());
    EXPECT_EQ(timeline.sizeHint().height(), 0);
}

TEST_F(PlanTimelineTest, ColoursFollowTheThemeAndTellPersonsApart)
{
    QPalette dark = timeline.palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    timeline.setPalette(dark);
    const QImage picture = timeline.grab().toImage();
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(30, 30, 30));
    // Inside the drive's block, below its two lines of text.
    const std::unique_ptr<TimelineLayout> layout = timeline.CreateLayout();
    const QPoint inside(At(7 * 60 + 25, 0).x(), static_cast<int>(layout->RowBox(0).Bottom()) - 6);
    const QColor block = picture.pixelColor(inside * picture.devicePixelRatio());
    EXPECT_LT(block.lightness(), 110);
    EXPECT_NE(block, QColor(30, 30, 30));

    QPalette light;
    light.setColor(QPalette::Base, Qt::white);
    std::set<QRgb> colours;
    for (int row = 0; row < 8; ++row) {
        colours.insert(TimelinePainter::BlockColour(row, dark).rgb());
        EXPECT_GT(TimelinePainter::BlockColour(row, light).lightness(), 160) << row;
    }
    EXPECT_EQ(colours.size(), 8u);
}

} // namespace
