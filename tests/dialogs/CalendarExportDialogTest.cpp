#include "dialogs/CalendarExportDialog.h"

#include "CalendarReader.h"
#include "MessageBoxRecorder.h"
#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "app/triext/ModalRunner.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CalendarExportDialogTest : public ::testing::Test {
protected:
    CalendarExportDialogTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        shower = build.AddTask(anna, "Shower", 15);
        wash = build.AddTask(bert, "Wash", 10);
        annaDay = build.AddProfile(anna, "Workday", 8 * 60, { shower });
        bertDay = build.AddProfile(bert, "Day off", 8 * 60, { wash });
        plan = PlanBuilder().Add(annaDay, { { shower, 390 } }).Add(bertDay, { { wash, -20 } }).Build();
    }
    ~CalendarExportDialogTest() override { ModalRunner::ClearHandlers(); }

    std::string PathOf(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }

    static void Choose(CalendarExportDialog& dialog, const QString& path, QDate day = QDate(2025, 3, 15))
    {
        dialog.GetDayEdit()->setDate(day);
        dialog.GetPathEdit()->setText(path);
    }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Task* shower;
    Task* wash;
    Profile* annaDay;
    Profile* bertDay;
    std::unique_ptr<CompletePlan> plan;
    QTemporaryDir folder;
    MessageBoxRecorder messages;
};

TEST_F(CalendarExportDialogTest, OffersTomorrowAndOneFileNamedAfterTheDay)
{
    CalendarExportDialog dialog(*plan);
    const QDate tomorrow = QDate::currentDate().addDays(1);
    EXPECT_EQ(dialog.windowTitle(), "Export to calendar");
    EXPECT_EQ(dialog.GetDayEdit()->date(), tomorrow);
    EXPECT_TRUE(dialog.GetOneFileChoice()->isChecked());
    EXPECT_TRUE(dialog.GetPathEdit()->text().endsWith("/Ordovan plan " + tomorrow.toString(Qt::ISODate) + ".ics"));
}

TEST_F(CalendarExportDialogTest, OneFilePerPersonOffersAFolderAndBack)
{
    CalendarExportDialog dialog(*plan);
    dialog.GetFolderChoice()->setChecked(true);
    EXPECT_FALSE(dialog.GetPathEdit()->text().endsWith(".ics"));
    dialog.GetOneFileChoice()->setChecked(true);
    EXPECT_TRUE(dialog.GetPathEdit()->text().endsWith(".ics"));
}

TEST_F(CalendarExportDialogTest, APersonsExportOffersNoChoiceAndNamesThePerson)
{
    CalendarExportDialog dialog(*plan->GetPersonalPlans().Get(1));
    EXPECT_EQ(dialog.GetOneFileChoice(), nullptr);
    EXPECT_EQ(dialog.GetFolderChoice(), nullptr);
    EXPECT_TRUE(dialog.GetPathEdit()->text().contains("/Bert "));
}

TEST_F(CalendarExportDialogTest, ATypedPathStaysWhenTheDayChanges)
{
    CalendarExportDialog dialog(*plan);
    dialog.GetPathEdit()->clear();
    QTest::keyClicks(dialog.GetPathEdit(), "/tmp/mine.ics");
    dialog.GetDayEdit()->setDate(QDate(2030, 1, 1));
    EXPECT_EQ(dialog.GetPathEdit()->text(), "/tmp/mine.ics");
}

TEST_F(CalendarExportDialogTest, ExportWritesTheHouseholdOnTheChosenDayAndCloses)
{
    CalendarExportDialog dialog(*plan);
    Choose(dialog, QString::fromStdString(PathOf("day.ics")));
    dialog.GetOkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.boxes.empty());
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("day.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 2u);
    EXPECT_EQ(read->events[0].summary, "Anna: Shower");
    EXPECT_EQ(read->events[0].start, CalendarReader::Local(2025, 3, 15, 6, 30));
    EXPECT_EQ(read->events[1].start, CalendarReader::Local(2025, 3, 14, 23, 40));
}

TEST_F(CalendarExportDialogTest, ExportWritesAFilePerPersonIntoTheFolder)
{
    CalendarExportDialog dialog(*plan);
    dialog.GetFolderChoice()->setChecked(true);
    Choose(dialog, QString::fromStdString(PathOf("week")));
    dialog.GetOkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const std::optional<CalendarReader::Calendar> bertsCalendar = CalendarReader::ReadFile(PathOf("week/Bert.ics"));
    ASSERT_TRUE(bertsCalendar);
    ASSERT_EQ(bertsCalendar->events.size(), 1u);
    EXPECT_EQ(bertsCalendar->events[0].summary, "Wash");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(PathOf("week/Anna.ics"))));
}

TEST_F(CalendarExportDialogTest, APersonsExportWritesOnlyThatPerson)
{
    CalendarExportDialog dialog(*plan->GetPersonalPlans().Get(0));
    Choose(dialog, QString::fromStdString(PathOf("anna.ics")));
    dialog.GetOkButton()->click();
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("anna.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 1u);
    EXPECT_EQ(read->events[0].summary, "Shower");
}

TEST_F(CalendarExportDialogTest, AFailedExportStaysOpenAndNamesTheFile)
{
    QFile blocker(QString::fromStdString(PathOf("plain")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CalendarExportDialog dialog(*plan);
    const QString target = QString::fromStdString(PathOf("plain")) + "/day.ics";
    Choose(dialog, target);
    dialog.GetOkButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("The calendar was not written: cannot write " + target));
    EXPECT_EQ(messages.boxes[0].icon, MessageBox::Icon::Stop);
    EXPECT_EQ(messages.boxes[0].owner, &dialog);
}

TEST_F(CalendarExportDialogTest, AnEmptyPathAsksForAFile)
{
    CalendarExportDialog dialog(*plan);
    Choose(dialog, QStringLiteral("  "));
    dialog.GetOkButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Please choose a file first.");
}

TEST_F(CalendarExportDialogTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    const QString path = QString::fromStdString(PathOf("day.ics"));
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    CalendarExportDialog dialog(*plan);
    Choose(dialog, path);
    MessageBox::SetHandler(
        [](QWidget*, const QString&, MessageBox::Icon, MessageBox::Buttons) { return MessageBox::Answer::No; });
    dialog.GetOkButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "keep me");
    existing.close();

    MessageBox::SetHandler([](QWidget*, const QString& text, MessageBox::Icon icon, MessageBox::Buttons buttons) {
        EXPECT_TRUE(text.contains("day.ics"));
        EXPECT_EQ(icon, MessageBox::Icon::Question);
        EXPECT_EQ(buttons, MessageBox::Buttons::YesNo);
        return MessageBox::Answer::Yes;
    });
    dialog.GetOkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(CalendarReader::ReadFile(path.toStdString()));
}

TEST_F(CalendarExportDialogTest, BrowseTakesTheChosenFile)
{
    CalendarExportDialog dialog(*plan);
    const QString chosen = QString::fromStdString(PathOf("browsed.ics"));
    ModalRunner::SetNextHandler([&](QDialog& shown) {
        auto& chooser = dynamic_cast<QFileDialog&>(shown);
        EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptSave);
        chooser.selectFile(chosen);
        return static_cast<int>(QDialog::Accepted);
    });
    dialog.GetBrowseButton()->click();
    EXPECT_EQ(dialog.GetPathEdit()->text(), chosen);
    dialog.GetDayEdit()->setDate(QDate(2031, 5, 5));
    EXPECT_EQ(dialog.GetPathEdit()->text(), chosen);
}

} // namespace
