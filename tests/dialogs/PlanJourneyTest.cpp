#include "dialogs/CompletePlansDialog.h"

#include "CalendarReader.h"
#include "ModelBuilder.h"
#include "PdfText.h"
#include "PlanBuilder.h"
#include "dialogs/CalendarExportDialog.h"
#include "dialogs/PersonalPlanDialog.h"
#include "dialogs/PlanTimeline.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int WatchdogMilliseconds = 20000;

// The plan dialogs as a person drives them: every dialog runs its real modal
// loop, and the steps run from inside it.
class PlanJourneyTest : public ::testing::Test {
protected:
    PlanJourneyTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        bathroom = build.AddResource("Bathroom");
        shower = build.AddTask(anna, "Shower", 15, { bathroom });
        wash = build.AddTask(bert, "Wash", 10, { bathroom });
        annaDay = build.AddProfile(anna, "Workday", 8 * 60, { shower });
        bertDay = build.AddProfile(bert, "Day off", 8 * 60, { wash });
        PlanBuilder().Add(annaDay, { { shower, 390 } }).Add(bertDay, { { wash, 405 } }).BuildInto(plans);
        PlanBuilder().Add(annaDay, { { shower, 405 } }).Add(bertDay, { { wash, 390 } }).BuildInto(plans);
    }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QTimer::singleShot(WatchdogMilliseconds, &watchdog, &PlanJourneyTest::EndModalRuns);
    }

    // Ends every modal run still open, so that a step that failed cannot
    // leave the test waiting for ever.
    static void EndModalRuns()
    {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "still open: " << modal->windowTitle().toStdString();
            modal->hide();
        }
    }

    // Runs `step` once the next modal dialog's loop is running.
    static void WhenModal(std::function<void(QWidget* dialog)> step)
    {
        QTimer::singleShot(0, [step] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            step(dialog);
        });
    }

    static void Click(QTreeWidget* tree, QTreeWidgetItem* item)
    {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }

    // Picks the day, types the path and presses Export in the calendar export.
    static void ExportFrom(QWidget* shown, const QString& path, bool& sawExport)
    {
        auto* exportDialog = qobject_cast<CalendarExportDialog*>(shown);
        ASSERT_NE(exportDialog, nullptr);
        sawExport = true;
        exportDialog->GetDayEdit()->setDate(QDate(2025, 3, 15));
        QLineEdit* pathEdit = exportDialog->GetPathEdit();
        pathEdit->selectAll();
        QTest::keyClicks(pathEdit, path);
        QTest::mouseClick(exportDialog->GetOkButton(), Qt::LeftButton);
    }

    std::string PathOf(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Resource* bathroom;
    Task* shower;
    Task* wash;
    Profile* annaDay;
    Profile* bertDay;
    toolbox::ArrayList<CompletePlan> plans;
    QTemporaryDir folder;
    // Its timer dies with the test.
    QObject watchdog;
};

TEST_F(PlanJourneyTest, TheTimelineFollowsTheRowThePersonClicks)
{
    CompletePlansDialog dialog(plans);
    bool checked = false;
    WhenModal([&](QWidget* shown) {
        ASSERT_EQ(shown, &dialog);
        EXPECT_EQ(dialog.GetTimeline()->GetPlan(), plans.Get(0));
        EXPECT_TRUE(dialog.GetTimeline()->isVisible());
        Click(dialog.GetPlanTree(), dialog.GetPlanTree()->topLevelItem(1)->child(1));
        EXPECT_EQ(dialog.GetTimeline()->GetPlan(), plans.Get(1));
        EXPECT_EQ(dialog.GetTimeline()->GetHighlighted(), plans.Get(1)->GetPersonalPlans().Get(1));
        EXPECT_TRUE(dialog.isVisible());
        checked = true;
        QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(checked);
}

TEST_F(PlanJourneyTest, PrintPlanPrintsTheHouseholdToAPdfThroughThePrintDialog)
{
    if (!PdfText::IsAvailable())
        GTEST_SKIP() << "pdftotext is not installed";
    CompletePlansDialog dialog(plans);
    const QString path = folder.filePath("household.pdf");
    bool printed = false;
    WhenModal([&](QWidget*) {
        Click(dialog.GetPlanTree(), dialog.GetPlanTree()->topLevelItem(1));
        WhenModal([&](QWidget* shown) {
            auto* printDialog = qobject_cast<QPrintDialog*>(shown);
            ASSERT_NE(printDialog, nullptr);
            // Never a real printer: the file entry of the printer list.
            auto* printers = printDialog->findChild<QComboBox*>(QStringLiteral("printers"));
            ASSERT_NE(printers, nullptr);
            const int toFile = printers->findText(QStringLiteral("Print to File (PDF)"));
            ASSERT_GE(toFile, 0);
            printers->setCurrentIndex(toFile);
            auto* fileName = printDialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            ASSERT_NE(fileName, nullptr);
            fileName->selectAll();
            QTest::keyClicks(fileName, path);
            auto* buttons = printDialog->findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            printed = true;
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.GetPrintButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
    });
    dialog.exec();
    ASSERT_TRUE(printed);
    const QList<PdfText::Page> pages = PdfText::Read(path);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0].value(0).text, "Household plan (140 minutes delay)");
    EXPECT_EQ(pages[1].value(2).text, "06:45 Shower");
    EXPECT_EQ(pages[2].value(0).text, "Personal plan for Bert");
}

TEST_F(PlanJourneyTest, ExportToCalendarWritesTheShownPlanAndLeavesPossiblePlansOpen)
{
    CompletePlansDialog dialog(plans);
    const QString path = QString::fromStdString(PathOf("household.ics"));
    bool sawExport = false;
    WhenModal([&](QWidget*) {
        Click(dialog.GetPlanTree(), dialog.GetPlanTree()->topLevelItem(1));
        WhenModal([&](QWidget* shown) { ExportFrom(shown, path, sawExport); });
        QTest::mouseClick(dialog.GetExportButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
    });
    dialog.exec();
    EXPECT_TRUE(sawExport);
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(path.toStdString());
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 2u);
    EXPECT_EQ(read->events[0].summary, "Anna: Shower");
    EXPECT_EQ(read->events[0].start, CalendarReader::Local(2025, 3, 15, 6, 45));
    EXPECT_EQ(read->events[1].summary, "Bert: Wash");
    EXPECT_EQ(read->events[1].start, CalendarReader::Local(2025, 3, 15, 6, 30));
}

TEST_F(PlanJourneyTest, ThePersonalPlanExportsThatPersonAlone)
{
    PersonalPlanDialog dialog(*plans.Get(0)->GetPersonalPlans().Get(1));
    const QString path = QString::fromStdString(PathOf("bert.ics"));
    bool sawExport = false;
    WhenModal([&](QWidget*) {
        WhenModal([&](QWidget* shown) { ExportFrom(shown, path, sawExport); });
        QTest::mouseClick(dialog.GetExportButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.GetOkButton(), Qt::LeftButton);
    });
    dialog.exec();
    EXPECT_TRUE(sawExport);
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(path.toStdString());
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 1u);
    EXPECT_EQ(read->events[0].summary, "Wash");
    EXPECT_EQ(read->events[0].start, CalendarReader::Local(2025, 3, 15, 6, 45));
}

} // namespace
