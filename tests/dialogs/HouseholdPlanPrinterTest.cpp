#include "dialogs/HouseholdPlanPrinter.h"

#include "PdfText.h"
#include "SmallHousehold.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/AllPagesPrintDialog.h"
#include "dialogs/PersonalPlanPrinter.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class HouseholdPlanPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PdfText::IsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
    }

    // Prints into an A4 PDF with 10 mm margins, by `print`.
    template <typename Printing> QString PrintTo(const char* name, Printing print)
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        print(writer);
        return path;
    }

    static QStringList TextsOf(const PdfText::Page& page)
    {
        QStringList texts;
        for (const PdfText::Line& line : page)
            texts.append(line.text);
        return texts;
    }

    SmallHousehold house;
    std::unique_ptr<CompletePlan> plan = house.Plan(390, 420, 405);
    QTemporaryDir folder;
};

TEST_F(HouseholdPlanPrinterTest, TheTimelineFillsALandscapePageThenEachTimetableFollowsAsPrintedAlone)
{
    const QString path
        = PrintTo("household.pdf", [&](QPdfWriter& writer) { HouseholdPlanPrinter(*plan).Print(2, writer); });
    const QList<QSizeF> sizes = PdfText::PageSizes(path);
    const QList<PdfText::Page> pages = PdfText::Read(path);
    ASSERT_EQ(pages.size(), 6) << "two copies of three pages";
    EXPECT_GT(sizes[0].width(), sizes[0].height());
    EXPECT_LT(sizes[1].width(), sizes[1].height());
    EXPECT_GT(sizes[3].width(), sizes[3].height());
    EXPECT_EQ(TextsOf(pages[3]), TextsOf(pages[0]));

    const PdfText::Page& timeline = pages[0];
    EXPECT_EQ(timeline.value(0).text, "Household plan (170 minutes delay)");
    const QString texts = TextsOf(timeline).join(QLatin1Char('\n'));
    for (const char* expected : { "Anna", "Bert", "Bathroom", "Car", "Shower", "Drive", "Wash", "06:30", "08:00" })
        EXPECT_TRUE(texts.contains(QLatin1String(expected))) << expected;
    // From 15 mm inside the printable area to 15 mm before its right edge.
    double right = 0;
    for (const PdfText::Line& line : timeline)
        right = std::max(right, line.right);
    EXPECT_NEAR(timeline.value(0).left, 100 + 150, 5);
    EXPECT_NEAR(right, sizes[0].width() - 100 - 150, 25);

    for (int person = 0; person < 2; ++person) {
        const QString alone = PrintTo("alone.pdf", [&](QPdfWriter& writer) {
            PersonalPlanPrinter(*plan->GetPersonalPlans().Get(person)).PrintIntoOneDocument(1, writer);
        });
        const PdfText::Page expected = PdfText::Read(alone).value(0);
        ASSERT_EQ(TextsOf(pages[1 + person]), TextsOf(expected));
        for (int i = 0; i < expected.size(); ++i)
            EXPECT_NEAR(pages[1 + person][i].top, expected[i].top, 0.5);
    }
}

TEST_F(HouseholdPlanPrinterTest, AHouseholdTooTallForThePageShrinksOntoIt)
{
    PlanBuilder builder;
    for (int i = 0; i < 30; ++i) {
        Person* person = house.build.AddPerson(QStringLiteral("Person %1").arg(i, 2, 10, QLatin1Char('0')).toLatin1());
        Task* task = house.build.AddTask(person, "Task", 30);
        builder.Add(house.build.AddProfile(person, "Day", 600, { task }), { { task, 400 + i } });
    }
    const QString path
        = PrintTo("tall.pdf", [&](QPdfWriter& writer) { HouseholdPlanPrinter(*builder.Build()).Print(1, writer); });
    const PdfText::Page timeline = PdfText::Read(path).value(0);
    const double pageHeight = PdfText::PageSizes(path).value(0).height();
    EXPECT_TRUE(TextsOf(timeline).join(' ').contains("Person 29"));
    for (const PdfText::Line& line : timeline)
        EXPECT_LT(line.top, pageHeight - 100) << line.text.toStdString();
}

TEST_F(HouseholdPlanPrinterTest, ThePrintDialogOffersTheWholePlanOnly)
{
    bool wholeOnly = false;
    ModalRunner::SetNextHandler([&wholeOnly](QDialog& dialog) {
        wholeOnly = dynamic_cast<AllPagesPrintDialog*>(&dialog) != nullptr;
        return static_cast<int>(QDialog::Rejected);
    });
    PrintHouseholdPlan(*plan);
    EXPECT_TRUE(wholeOnly);
}

} // namespace
