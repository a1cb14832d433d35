#include "PlanTestModel.h"

#include "dialogs/PersonalPlanPrinter.h"

#include "PdfText.h"
#include "app/triext/ModalRunner.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Positions read back from the PDF are glyph boxes, not the text cell the
// program places, so they agree to within half a millimetre.
constexpr double Tolerance = 5.0;
constexpr double A4Height = 2970.0;

class PersonalPlanPrinterTest : public ::testing::Test {
protected:
    PersonalPlanPrinterTest()
    {
        anna = model.AddPerson("Anna");
        wash = PlanTestModel::AddTask(anna, "Wash", 30);
        cook = PlanTestModel::AddTask(anna, "Cook", 45);
        morning = PlanTestModel::AddProfile(anna, "Morning", 18 * 60, { wash, cook });
    }
    ~PersonalPlanPrinterTest() override { ModalRunner::ClearHandlers(); }

    void SetUp() override
    {
        if (!PdfText::IsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
        ASSERT_TRUE(folder.isValid());
    }

    QString FilePath(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    static std::unique_ptr<QPdfWriter> MakeWriter(const QString& path, double marginMillimetres = 0)
    {
        auto writer = std::make_unique<QPdfWriter>(path);
        writer->setPageSize(QPageSize(QPageSize::A4));
        writer->setPageMargins(QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
            QPageLayout::Millimeter);
        return writer;
    }

    QList<PdfText::Page> PrintOneCopy(const PersonalPlan& plan, double marginMillimetres = 0)
    {
        const QString path = FilePath("plan.pdf");
        {
            std::unique_ptr<QPdfWriter> writer = MakeWriter(path, marginMillimetres);
            PersonalPlanPrinter(plan).PrintIntoOneDocument(1, *writer);
        }
        return PdfText::Read(path);
    }

    static void ExpectLineAt(const PdfText::Line& line, const QString& text, double left, double top)
    {
        EXPECT_EQ(line.text, text);
        EXPECT_NEAR(line.left, left, Tolerance) << line.text.toStdString();
        EXPECT_NEAR(line.top, top, Tolerance) << line.text.toStdString();
    }

    PlanTestModel model;
    Person* anna;
    Task* wash;
    Task* cook;
    Profile* morning;
    QTemporaryDir folder;
};

TEST_F(PersonalPlanPrinterTest, PlacesHeadingsTimetableAndEndLineAtTheirPositions)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 }, { cook, 9 * 60 } });
    const QList<PdfText::Page> pages = PrintOneCopy(*plan);
    ASSERT_EQ(pages.size(), 1);
    const PdfText::Page& lines = pages[0];
    ASSERT_EQ(lines.size(), 6);
    ExpectLineAt(lines[0], "Personal plan for Anna", 150, 150);
    ExpectLineAt(lines[1], "for the profile 'Morning'", 150, 150 + 60);
    ExpectLineAt(lines[2], "08:00 Wash", 150, 200 + 2 * 60);
    ExpectLineAt(lines[3], "08:30 Pause", 150, 200 + 3 * 60);
    ExpectLineAt(lines[4], "09:00 Cook", 150, 200 + 4 * 60);
    ExpectLineAt(lines[5], "18:00 End", 150, 250 + 5 * 60);
}

TEST_F(PersonalPlanPrinterTest, LeavesTwoBlanksAfterTheTime)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 } });
    const PdfText::Page lines = PrintOneCopy(*plan).value(0);
    ASSERT_GE(lines.size(), 3);
    ASSERT_EQ(lines[0].gaps.size(), 3);
    const double oneBlank = lines[0].gaps[0];
    ASSERT_EQ(lines[2].gaps.size(), 1);
    EXPECT_NEAR(lines[2].gaps[0], 2 * oneBlank, oneBlank / 4);
}

TEST_F(PersonalPlanPrinterTest, MeasuresFromTheCornerOfThePrintableArea)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 } });
    const PdfText::Page lines = PrintOneCopy(*plan, 20).value(0);
    ASSERT_FALSE(lines.isEmpty());
    ExpectLineAt(lines[0], "Personal plan for Anna", 200 + 150, 200 + 150);
}

TEST_F(PersonalPlanPrinterTest, ProfileWithoutTasksPrintsHeadingsAndEndLineOnly)
{
    Profile* empty = PlanTestModel::AddProfile(anna, "Idle", 17 * 60 + 45);
    auto plan = PlanTestModel::MakePlan(empty, {});
    const PdfText::Page lines = PrintOneCopy(*plan).value(0);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].text, "for the profile 'Idle'");
    ExpectLineAt(lines[2], "17:45 End", 150, 250 + 2 * 60);
}

TEST_F(PersonalPlanPrinterTest, EndLineShowsTheEndTimeAndNoPauseAfterTheLastTask)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 16 * 60 + 30 }, { cook, 17 * 60 } });
    const PdfText::Page lines = PrintOneCopy(*plan).value(0);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[3].text, "17:00 Cook");
    EXPECT_EQ(lines[4].text, "18:00 End");
}

TEST_F(PersonalPlanPrinterTest, ShowsNegativeTimesWithOneSign)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, -90 }, { cook, 0 } });
    const PdfText::Page lines = PrintOneCopy(*plan).value(0);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[2].text, "-01:30 Wash");
    EXPECT_EQ(lines[3].text, "-01:00 Pause");
    EXPECT_EQ(lines[4].text, "00:00 Cook");
}

TEST_F(PersonalPlanPrinterTest, PrintsOneDocumentPerCopyEachFromTheTopOfItsPage)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 }, { cook, 9 * 60 } });
    std::vector<std::unique_ptr<QPdfWriter>> writers;
    const QStringList paths { FilePath("first.pdf"), FilePath("second.pdf") };
    PersonalPlanPrinter(*plan).PrintDocuments(2, [&](int copy) {
        writers.push_back(MakeWriter(paths[copy]));
        return writers.back().get();
    });
    writers.clear();
    const QList<PdfText::Page> first = PdfText::Read(paths[0]);
    const QList<PdfText::Page> second = PdfText::Read(paths[1]);
    ASSERT_EQ(first.size(), 1);
    ASSERT_EQ(second.size(), 1);
    ASSERT_EQ(first[0].size(), 6);
    ASSERT_EQ(second[0].size(), first[0].size());
    for (int i = 0; i < first[0].size(); ++i) {
        EXPECT_EQ(second[0][i].text, first[0][i].text);
        EXPECT_NEAR(second[0][i].top, first[0][i].top, 0.5);
    }
    EXPECT_NEAR(second[0][0].top, 150, Tolerance);
}

TEST_F(PersonalPlanPrinterTest, ContinuesALongPlanOnANewPage)
{
    Person* bert = model.AddPerson("Bert");
    Profile* day = PlanTestModel::AddProfile(bert, "Day", 24 * 60);
    std::unique_ptr<PersonalPlan> plan = PlanTestModel::MakePlan(day, {});
    for (int i = 0; i < 70; ++i) {
        Task* task = PlanTestModel::AddTask(bert, QString::asprintf("Task%d", i).toLatin1().constData(), 10);
        auto* execution = new TaskExecution(task);
        execution->SetStartTime(6 * 60 + 10 * i);
        plan->GetExecutions().Add(execution);
    }
    const QList<PdfText::Page> pages = PrintOneCopy(*plan);
    ASSERT_EQ(pages.size(), 2);
    QStringList printed;
    for (const PdfText::Page& page : pages) {
        for (const PdfText::Line& line : page) {
            printed.append(line.text);
            EXPECT_LT(line.top + 60, A4Height) << line.text.toStdString();
        }
    }
    ASSERT_EQ(printed.size(), 2 + 70 + 1);
    for (int i = 0; i < 70; ++i)
        EXPECT_EQ(printed[2 + i], QString::asprintf("%02d:%02d Task%d", 6 + i / 6, i % 6 * 10, i));
    EXPECT_EQ(printed.last(), "24:00 End");

    const PdfText::Page& secondPage = pages[1];
    EXPECT_NEAR(secondPage[0].top, 150, Tolerance);
    EXPECT_NEAR(secondPage[0].left, 150, Tolerance);
    const PdfText::Page& firstPage = pages[0];
    EXPECT_NEAR(firstPage[3].top - firstPage[2].top, 60, 1);
}

class PrintPersonalPlanTest : public PersonalPlanPrinterTest { };

TEST_F(PrintPersonalPlanTest, PrintsEveryCopyToTheChosenFileNamedPersonalPlan)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 } });
    const QString path = FilePath("chosen.pdf");
    ModalRunner::SetNextHandler([&](QDialog& dialog) {
        QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageMargins(QMarginsF(10.3, 10.3, 10.3, 10.3), QPageLayout::Millimeter);
        printer->setCopyCount(2);
        return static_cast<int>(QDialog::Accepted);
    });
    PrintPersonalPlan(*plan);
    EXPECT_FALSE(ModalRunner::HasPendingHandlers());

    const QList<PdfText::Page> pages = PdfText::Read(path);
    ASSERT_EQ(pages.size(), 2);
    for (const PdfText::Page& page : pages) {
        ASSERT_EQ(page.size(), 4);
        ExpectLineAt(page[0], "Personal plan for Anna", 103 + 150, 103 + 150);
        ExpectLineAt(page[3], "18:00 End", 103 + 150, 103 + 250 + 3 * 60);
    }
    EXPECT_EQ(PdfText::Title(path), "Personal plan");
}

TEST_F(PrintPersonalPlanTest, PrintsNothingWhenTheDialogIsCancelled)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 } });
    const QString path = FilePath("cancelled.pdf");
    ModalRunner::SetNextHandler([&](QDialog& dialog) {
        QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return static_cast<int>(QDialog::Rejected);
    });
    PrintPersonalPlan(*plan);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrintPersonalPlanTest, ThePrintDialogOffersNoPageRangeAndNoPageSet)
{
    auto plan = PlanTestModel::MakePlan(morning, { { wash, 8 * 60 } });
    int checked = 0;
    ModalRunner::SetNextHandler([&](QDialog& dialog) {
        dialog.show();
        for (const char* name : { "gbPrintRange", "printRange", "pagesRadioButton", "pageSetCombo" }) {
            const QWidget* choice = dialog.findChild<QWidget*>(QLatin1String(name));
            if (!choice)
                continue;
            ++checked;
            // The options part of the dialog is folded away until the person opens it.
            bool shownOnceOpened = true;
            for (const QWidget* widget = choice; widget != &dialog; widget = widget->parentWidget()) {
                if (widget->isHidden() && widget->objectName() != "QPrintSettingsOutput")
                    shownOnceOpened = false;
            }
            EXPECT_FALSE(shownOnceOpened) << name;
        }
        return static_cast<int>(QDialog::Rejected);
    });
    PrintPersonalPlan(*plan);
    EXPECT_GT(checked, 0) << "the platform print dialog has none of the page choices looked for";
}

} // namespace
