#include "dialogs/CompletePlansDialog.h"

#include "CalendarReader.h"
#include "PdfText.h"
#include "SmallHousehold.h"
#include "dialogs/CalendarExportDialog.h"
#include "dialogs/PersonalPlanDialog.h"
#include "dialogs/PlanTimeline.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "toolbox/NewOwned.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
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
// loop, and each step runs from inside it.
class PlanJourneyTest : public ::testing::Test {
protected:
    PlanJourneyTest()
    {
        toolbox::AddOwned(plans, house.Plan(390, 420, 405));
        toolbox::AddOwned(plans, house.Plan(405, 420, 390));
        QTimer::singleShot(WatchdogMilliseconds, &watchdog, [] {
            // A failed step must not leave the test waiting for ever.
            while (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "still open: " << modal->windowTitle().toStdString();
                modal->hide();
            }
        });
    }

    // Runs `step` once the next modal dialog's loop is running.
    static void WhenModal(std::function<void(QWidget* dialog)> step)
    {
        QTimer::singleShot(0, [step] { step(QApplication::activeModalWidget()); });
    }

    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    static void Click(QTreeWidget* tree, QTreeWidgetItem* item)
    {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }

    static void Retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // In the calendar export: picks 15 March 2025, types the path, exports.
    static void ExportTo(const QString& path, bool& exported)
    {
        WhenModal([path, &exported](QWidget* shown) {
            auto* exportDialog = qobject_cast<CalendarExportDialog*>(shown);
            ASSERT_NE(exportDialog, nullptr);
            exportDialog->GetDayEdit()->setDate(QDate(2025, 3, 15));
            Retype(exportDialog->GetPathEdit(), path);
            exported = true;
            Click(exportDialog->GetOkButton());
        });
    }

    std::vector<CalendarReader::Event> EventsIn(const char* name) const
    {
        const std::optional<CalendarReader::Calendar> read
            = CalendarReader::ReadFile(folder.filePath(name).toStdString());
        return read ? read->events : std::vector<CalendarReader::Event> {};
    }

    SmallHousehold house;
    toolbox::ArrayList<CompletePlan> plans;
    QTemporaryDir folder;
    QObject watchdog;
};

TEST_F(PlanJourneyTest, TheTimelineFollowsTheRowClickedAndPrintPlanPrintsItToAPdf)
{
    if (!PdfText::IsAvailable())
        GTEST_SKIP() << "pdftotext is not installed";
    CompletePlansDialog dialog(plans);
    const QString path = folder.filePath("household.pdf");
    bool printed = false;
    WhenModal([&](QWidget* shown) {
        ASSERT_EQ(shown, &dialog);
        EXPECT_EQ(dialog.GetTimeline()->GetPlan(), plans.Get(0));
        EXPECT_TRUE(dialog.GetTimeline()->isVisible());
        Click(dialog.GetPlanTree(), dialog.GetPlanTree()->topLevelItem(1)->child(1));
        EXPECT_EQ(dialog.GetTimeline()->GetPlan(), plans.Get(1));
        EXPECT_EQ(dialog.GetTimeline()->GetHighlighted(), plans.Get(1)->GetPersonalPlans().Get(1));
        WhenModal([&](QWidget* printDialog) {
            ASSERT_NE(printDialog, nullptr);
            // Never a real printer: the printer list's file entry.
            auto* printers = printDialog->findChild<QComboBox*>(QStringLiteral("printers"));
            ASSERT_NE(printers, nullptr);
            ASSERT_GE(printers->findText(QStringLiteral("Print to File (PDF)")), 0);
            printers->setCurrentIndex(printers->findText(QStringLiteral("Print to File (PDF)")));
            Retype(printDialog->findChild<QLineEdit*>(QStringLiteral("filename")), path);
            printed = true;
            Click(printDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
        });
        Click(dialog.GetPrintButton());
        EXPECT_TRUE(dialog.isVisible());
        Click(dialog.GetOkButton());
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    ASSERT_TRUE(printed);
    const QList<PdfText::Page> pages = PdfText::Read(path);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0].value(0).text, "Household plan (170 minutes delay)");
    EXPECT_EQ(pages[1].value(2).text, "06:45 Shower");
    EXPECT_EQ(pages[2].value(0).text, "Personal plan for Bert");
}

TEST_F(PlanJourneyTest, ExportToCalendarWritesTheSelectedPlanAndPossiblePlansStaysOpen)
{
    CompletePlansDialog dialog(plans);
    bool exported = false;
    WhenModal([&](QWidget*) {
        Click(dialog.GetPlanTree(), dialog.GetPlanTree()->topLevelItem(1));
        ExportTo(folder.filePath("household.ics"), exported);
        Click(dialog.GetExportButton());
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        Click(dialog.GetOkButton());
    });
    dialog.exec();
    EXPECT_TRUE(exported);
    const std::vector<CalendarReader::Event> events = EventsIn("household.ics");
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].summary, "Anna: Shower");
    EXPECT_EQ(events[0].start, "20250315T064500");
    EXPECT_EQ(events[2].summary, "Bert: Wash");
    EXPECT_EQ(events[2].start, "20250315T063000");
}

TEST_F(PlanJourneyTest, ThePersonalPlanExportsThatPersonAloneToAFileChosenByBrowsing)
{
    PersonalPlanDialog dialog(*plans.Get(0)->GetPersonalPlans().Get(1));
    bool exported = false;
    auto exportStep = [&](QWidget* shown) {
        auto* exportDialog = qobject_cast<CalendarExportDialog*>(shown);
        ASSERT_NE(exportDialog, nullptr);
        WhenModal([&](QWidget* shown) {
            auto* chooser = qobject_cast<QFileDialog*>(shown);
            ASSERT_NE(chooser, nullptr);
            // Typing a whole path makes the dialog walk its folders; a person
            // goes to the folder first, then names the file.
            chooser->setDirectory(folder.path());
            Retype(chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), QStringLiteral("bert"));
            Click(chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save));
        });
        Click(exportDialog->GetBrowseButton());
        EXPECT_EQ(exportDialog->GetPathEdit()->text(), folder.filePath("bert.ics"));
        exportDialog->GetDayEdit()->setDate(QDate(2025, 3, 15));
        exported = true;
        Click(exportDialog->GetOkButton());
    };
    WhenModal([&](QWidget*) {
        WhenModal(exportStep);
        Click(dialog.GetExportButton());
        EXPECT_TRUE(dialog.isVisible());
        Click(dialog.GetOkButton());
    });
    dialog.exec();
    EXPECT_TRUE(exported);
    const std::vector<CalendarReader::Event> events = EventsIn("bert.ics");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].summary, "Wash");
    EXPECT_EQ(events[0].start, "20250315T064500");
}

} // namespace
