#include "dialogs/CalendarExportDialog.h"

#include "CalendarReader.h"
#include "MessageBoxRecorder.h"
#include "SmallHousehold.h"
#include "app/triext/ModalRunner.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CalendarExportDialogTest : public ::testing::Test {
protected:
    ~CalendarExportDialogTest() override { ModalRunner::ClearHandlers(); }

    QString PathOf(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    SmallHousehold house;
    std::unique_ptr<CompletePlan> plan = house.Plan(390, 420, 400);
    QTemporaryDir folder;
    MessageBoxRecorder messages;
};

TEST_F(CalendarExportDialogTest, OffersTomorrowAndAFileOrAFolderNamedAfterTheDay)
{
    CalendarExportDialog dialog(*plan);
    const QDate tomorrow = QDate::currentDate().addDays(1);
    EXPECT_EQ(dialog.GetDayEdit()->date(), tomorrow);
    EXPECT_TRUE(dialog.GetPathEdit()->text().endsWith("/Ordovan plan " + tomorrow.toString(Qt::ISODate) + ".ics"));
    dialog.GetFolderChoice()->setChecked(true);
    EXPECT_TRUE(dialog.GetPathEdit()->text().endsWith("/Ordovan plan " + tomorrow.toString(Qt::ISODate)));

    CalendarExportDialog bertsDialog(*plan->GetPersonalPlans().Get(1));
    EXPECT_EQ(bertsDialog.GetFolderChoice(), nullptr);
    EXPECT_TRUE(bertsDialog.GetPathEdit()->text().endsWith("/Bert " + tomorrow.toString(Qt::ISODate) + ".ics"));
}

TEST_F(CalendarExportDialogTest, APathTypedOrBrowsedStaysWhenTheDayChanges)
{
    CalendarExportDialog dialog(*plan);
    dialog.GetPathEdit()->clear();
    QTest::keyClicks(dialog.GetPathEdit(), "/tmp/mine.ics");
    dialog.GetDayEdit()->setDate(QDate(2030, 1, 1));
    EXPECT_EQ(dialog.GetPathEdit()->text(), "/tmp/mine.ics");
    ModalRunner::SetNextHandler([&](QDialog& shown) {
        auto& chooser = dynamic_cast<QFileDialog&>(shown);
        EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptSave);
        chooser.selectFile(PathOf("browsed.ics"));
        return static_cast<int>(QDialog::Accepted);
    });
    dialog.GetBrowseButton()->click();
    dialog.GetDayEdit()->setDate(QDate(2031, 5, 5));
    EXPECT_EQ(dialog.GetPathEdit()->text(), PathOf("browsed.ics"));
}

TEST_F(CalendarExportDialogTest, AFailedExportStaysOpenAndSaysWhy)
{
    CalendarExportDialog dialog(*plan);
    dialog.GetPathEdit()->setText(QStringLiteral("  "));
    dialog.GetOkButton()->click();
    QFile blocker(PathOf("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    dialog.GetPathEdit()->setText(PathOf("plain") + "/day.ics");
    dialog.GetOkButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Please choose a file first.");
    EXPECT_TRUE(messages.boxes[1].text.startsWith("The calendar was not written: cannot write " + PathOf("plain")));
    EXPECT_EQ(messages.boxes[1].icon, MessageBox::Icon::Stop);
    EXPECT_EQ(messages.boxes[1].owner, &dialog);
}

TEST_F(CalendarExportDialogTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    QFile existing(PathOf("day.ics"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    CalendarExportDialog dialog(*plan);
    dialog.GetDayEdit()->setDate(QDate(2025, 3, 15));
    dialog.GetPathEdit()->setText(PathOf("day.ics"));
    MessageBox::SetNextAnswer(MessageBox::Answer::No);
    dialog.GetOkButton()->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "keep me");
    existing.close();

    MessageBox::SetNextAnswer(MessageBox::Answer::Yes);
    dialog.GetOkButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("day.ics").toStdString());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->events.at(0).start, "20250315T063000");
    EXPECT_TRUE(MessageBox::GetLastText().contains("day.ics"));
}

} // namespace
