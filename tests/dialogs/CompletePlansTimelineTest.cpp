#include "dialogs/CompletePlansDialog.h"

#include "ModelBuilder.h"
#include "PdfText.h"
#include "PlanBuilder.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/CalendarExportDialog.h"
#include "dialogs/PlanTimeline.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// The timeline, the row tooltips, printing and export of "Possible plans".
class CompletePlansTimelineTest : public ::testing::Test {
protected:
    CompletePlansTimelineTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        shower = build.AddTask(anna, "Shower", 15);
        wash = build.AddTask(bert, "Wash", 10);
        annaDay = build.AddProfile(anna, "Workday", 8 * 60, { shower });
        bertDay = build.AddProfile(bert, "Day off", 8 * 60, { wash });
        // Plans 1 and 3 are one schedule, plan 2 another of the same delay.
        PlanBuilder().Add(annaDay, { { shower, 440 } }).Add(bertDay, { { wash, 400 } }).BuildInto(plans);
        PlanBuilder().Add(annaDay, { { shower, 400 } }).Add(bertDay, { { wash, 440 } }).BuildInto(plans);
        PlanBuilder().Add(annaDay, { { shower, 440 } }).Add(bertDay, { { wash, 400 } }).BuildInto(plans);
    }
    ~CompletePlansTimelineTest() override { ModalRunner::ClearHandlers(); }

    QTreeWidgetItem* PlanNode(const CompletePlansDialog& dialog, int plan)
    {
        return dialog.GetPlanTree()->topLevelItem(plan);
    }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Task* shower;
    Task* wash;
    Profile* annaDay;
    Profile* bertDay;
    toolbox::ArrayList<CompletePlan> plans;
};

TEST_F(CompletePlansTimelineTest, ShowsTheFirstPlanWhileNoRowIsSelected)
{
    CompletePlansDialog dialog(plans);
    EXPECT_EQ(dialog.GetTimeline()->GetPlan(), plans.Get(0));
    EXPECT_EQ(dialog.GetTimeline()->GetHighlighted(), nullptr);
    EXPECT_EQ(dialog.GetShownPlan(), plans.Get(0));
}

TEST_F(CompletePlansTimelineTest, ShowsThePlanOfTheSelectedRowAndMarksTheSelectedPerson)
{
    CompletePlansDialog dialog(plans);
    dialog.GetPlanTree()->setCurrentItem(PlanNode(dialog, 1));
    EXPECT_EQ(dialog.GetTimeline()->GetPlan(), plans.Get(1));
    EXPECT_EQ(dialog.GetTimeline()->GetHighlighted(), nullptr);
    dialog.GetPlanTree()->setCurrentItem(PlanNode(dialog, 2)->child(1));
    EXPECT_EQ(dialog.GetTimeline()->GetPlan(), plans.Get(2));
    EXPECT_EQ(dialog.GetTimeline()->GetHighlighted(), plans.Get(2)->GetPersonalPlans().Get(1));
}

TEST_F(CompletePlansTimelineTest, OpensAsLargeAsTheTimelineWantsButWithinTheScreen)
{
    CompletePlansDialog dialog(plans);
    const QSize screen = dialog.screen()->availableGeometry().size();
    const QSize wanted = dialog.sizeHint();
    EXPECT_NEAR(dialog.width(), std::min(wanted.width(), screen.width() * 9 / 10), 1);
    EXPECT_NEAR(dialog.height(), std::min(wanted.height(), screen.height() * 9 / 10), 1);
    EXPECT_GT(wanted.width(), dialog.GetTimeline()->sizeHint().width());
}

TEST_F(CompletePlansTimelineTest, PlanRowsKeepTheirLabelAndTellTheDelaysOfEachPerson)
{
    CompletePlansDialog dialog(plans);
    EXPECT_EQ(PlanNode(dialog, 0)->text(0), "Plan (95 minutes delay)");
    EXPECT_EQ(PlanNode(dialog, 0)->toolTip(0), "Anna: 25 minutes delay\nBert: 70 minutes delay");
    EXPECT_EQ(PlanNode(dialog, 1)->toolTip(0), "Anna: 65 minutes delay\nBert: 30 minutes delay");
    EXPECT_EQ(PlanNode(dialog, 0)->child(1)->toolTip(0), "Profile 'Day off', 70 minutes delay");
}

TEST_F(CompletePlansTimelineTest, MarksAPlanThatRepeatsAnEarlierSchedule)
{
    CompletePlansDialog dialog(plans);
    EXPECT_FALSE(PlanNode(dialog, 1)->toolTip(0).contains("same as"));
    EXPECT_TRUE(PlanNode(dialog, 2)->toolTip(0).endsWith("\n(same as plan 1)"));
}

TEST_F(CompletePlansTimelineTest, PrintPlanPrintsTheShownPlanForTheWholeHousehold)
{
    if (!PdfText::IsAvailable())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir folder;
    const QString path = folder.filePath("plan.pdf");
    CompletePlansDialog dialog(plans);
    dialog.GetPlanTree()->setCurrentItem(PlanNode(dialog, 1)->child(0));
    ModalRunner::SetNextHandler([&](QDialog& printDialog) {
        QPrinter* printer = dynamic_cast<QPrintDialog&>(printDialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return static_cast<int>(QDialog::Accepted);
    });
    dialog.GetPrintButton()->click();
    const QList<PdfText::Page> pages = PdfText::Read(path);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[1].value(2).text, "06:40 Shower");
}

TEST_F(CompletePlansTimelineTest, ExportOpensTheCalendarExportForTheShownPlan)
{
    CompletePlansDialog dialog(plans);
    bool offered = false;
    ModalRunner::SetNextHandler([&](QDialog& shown) {
        auto* exportDialog = dynamic_cast<CalendarExportDialog*>(&shown);
        offered = exportDialog && exportDialog->GetFolderChoice();
        return static_cast<int>(QDialog::Rejected);
    });
    dialog.GetExportButton()->click();
    EXPECT_TRUE(offered);
    EXPECT_FALSE(ModalRunner::HasPendingHandlers());
}

TEST_F(CompletePlansTimelineTest, WithoutPlansPrintAndExportDoNothing)
{
    toolbox::ArrayList<CompletePlan> none;
    CompletePlansDialog dialog(none);
    EXPECT_EQ(dialog.GetTimeline()->GetPlan(), nullptr);
    ModalRunner::SetNextHandler([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    dialog.GetPrintButton()->click();
    dialog.GetExportButton()->click();
    EXPECT_TRUE(ModalRunner::HasPendingHandlers());
}

} // namespace
