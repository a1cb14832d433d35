#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PlanComputation.h"
#include "timeline/TimelineLayout.h"
#include "toolbox/Config.h"

#include "dialogs/CompletePlansDialog.h"
#include "dialogs/PlanTimeline.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace {

// The sample household's first plan as a newcomer first sees it in
// "Possible plans". Set ORDOVAN_GRAB_DIR to keep a picture of the dialog.
class SampleHouseholdTimelineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile file(ORDOVAN_SAMPLE_FILE);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_TRUE(config.Parse(file.readAll().constData()));
        ModelStore::Load(model, config.GetRootSection());
        for (Person* person : model.GetPersons())
            computation.ChooseProfile(*person->GetProfiles().GetLast());
        plans = computation.ComputePlans(1);
        ASSERT_GT(plans->GetCount(), 0);
    }

    toolbox::Config config;
    PlanningModel model;
    PlanComputation computation;
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans;
};

} // namespace

TEST_F(SampleHouseholdTimelineTest, TheSizeTheDialogAsksForShowsTheFirstPlanWholeAndReadable)
{
    CompletePlansDialog dialog(*plans);
    // As on a screen of common size; the test platform's screen is small.
    dialog.resize(dialog.sizeHint());
    const QPixmap picture = dialog.grab();
    if (const QByteArray folder = qgetenv("ORDOVAN_GRAB_DIR"); !folder.isEmpty())
        picture.save(QDir(QString::fromLocal8Bit(folder)).filePath("possible-plans.png"));

    PlanTimeline* timeline = dialog.GetTimeline();
    ASSERT_EQ(timeline->GetPlan(), plans->Get(0));
    // No scrolling: every row is in view.
    auto* area = qobject_cast<QScrollArea*>(timeline->parentWidget()->parentWidget());
    ASSERT_NE(area, nullptr);
    EXPECT_GE(area->viewport()->height(), timeline->minimumSizeHint().height());
    EXPECT_GE(area->viewport()->width(), timeline->sizeHint().width() * 3 / 4);

    // A block of ten minutes names at least a few letters of its task, every
    // block has room for two lines, and every hour has its label at least.
    const std::unique_ptr<TimelineLayout> layout = timeline->CreateLayout();
    const QFontMetrics metrics(timeline->font());
    for (const TimelineLayout::PlacedBlock& placed : layout->GetBlocks()) {
        const bool tenMinutes = placed.block->end - placed.block->start >= 10;
        if (tenMinutes && placed.row < layout->GetChart().GetPersonRowCount()) {
            EXPECT_GE(placed.box.width, metrics.horizontalAdvance(QStringLiteral("Brea\u2026"))) << placed.block->start;
        }
        EXPECT_GE(placed.box.height, metrics.height() * 2) << placed.block->start;
    }
    EXPECT_LE(layout->GetMinutesPerLabel(), 60);
}
