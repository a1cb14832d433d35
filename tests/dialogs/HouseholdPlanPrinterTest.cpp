#include "dialogs/HouseholdPlanPrinter.h"

#include "ModelBuilder.h"
#include "PdfText.h"
#include "PlanBuilder.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/PersonalPlanPrinter.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class HouseholdPlanPrinterTest : public ::testing::Test {
protected:
    HouseholdPlanPrinterTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        bathroom = build.AddResource("Bathroom");
        shower = build.AddTask(anna, "Shower", 15, { bathroom });
        drive = build.AddTask(anna, "Drive", 30);
        wash = build.AddTask(bert, "Wash", 10, { bathroom });
        annaDay = build.AddProfile(anna, "Workday", 8 * 60, { shower, drive });
        bertDay = build.AddProfile(bert, "Day off", 9 * 60, { wash });
        plan = PlanBuilder().Add(annaDay, { { shower, 390 }, { drive, 420 } }).Add(bertDay, { { wash, 405 } }).Build();
    }
    ~HouseholdPlanPrinterTest() override { ModalRunner::ClearHandlers(); }

    void SetUp() override
    {
        if (!PdfText::IsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
        ASSERT_TRUE(folder.isValid());
    }

    QString FilePath(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    static std::unique_ptr<QPdfWriter> MakeWriter(const QString& path)
    {
        auto writer = std::make_unique<QPdfWriter>(path);
        writer->setPageSize(QPageSize(QPageSize::A4));
        writer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        return writer;
    }

    QString Print(const CompletePlan& printed, int copies = 1)
    {
        const QString path = FilePath("household.pdf");
        {
            std::unique_ptr<QPdfWriter> writer = MakeWriter(path);
            HouseholdPlanPrinter(printed).Print(copies, *writer);
        }
        return path;
    }

    static QStringList TextsOf(const PdfText::Page& page)
    {
        QStringList texts;
        for (const PdfText::Line& line : page)
            texts.append(line.text);
        return texts;
    }

    static bool IsLandscape(const QSizeF& size) { return size.width() > size.height(); }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Resource* bathroom;
    Task* shower;
    Task* drive;
    Task* wash;
    Profile* annaDay;
    Profile* bertDay;
    std::unique_ptr<CompletePlan> plan;
    QTemporaryDir folder;
};

TEST_F(HouseholdPlanPrinterTest, BeginsWithTheTimelineOnALandscapePage)
{
    const QString path = Print(*plan);
    const QList<QSizeF> sizes = PdfText::PageSizes(path);
    const QList<PdfText::Page> pages = PdfText::Read(path);
    ASSERT_EQ(sizes.size(), 3);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(IsLandscape(sizes[0]));
    const QString timelinePage = TextsOf(pages[0]).join(QLatin1Char('\n'));
    EXPECT_EQ(pages[0].value(0).text, QStringLiteral("Household plan (%1 minutes delay)").arg(plan->GetTotalDelay()));
    for (const char* expected : { "Anna", "Bert", "Bathroom", "Shower", "Drive", "Wash", "06:00", "09:00" })
        EXPECT_TRUE(timelinePage.contains(QLatin1String(expected))) << expected;
}

TEST_F(HouseholdPlanPrinterTest, FitsTheTimelineToThePageWidth)
{
    const QString path = Print(*plan);
    const QSizeF page = PdfText::PageSizes(path).value(0);
    const PdfText::Page lines = PdfText::Read(path).value(0);
    double right = 0;
    double left = page.width();
    for (const PdfText::Line& line : lines) {
        left = std::min(left, line.left);
        right = std::max(right, line.right);
    }
    // The printable area starts 10 mm in and the drawing 15 mm further on
    // either side; the last hour's label ends at the right edge.
    EXPECT_NEAR(left, 100 + 150, 5);
    EXPECT_NEAR(right, page.width() - 100 - 150, 25);
}

TEST_F(HouseholdPlanPrinterTest, ThenPrintsEveryTimetableAsThePersonalPlanPrintsIt)
{
    const QList<PdfText::Page> pages = PdfText::Read(Print(*plan));
    ASSERT_EQ(pages.size(), 3);
    for (int person = 0; person < 2; ++person) {
        const QString alonePath = FilePath("alone.pdf");
        {
            std::unique_ptr<QPdfWriter> writer = MakeWriter(alonePath);
            PersonalPlanPrinter(*plan->GetPersonalPlans().Get(person)).PrintIntoOneDocument(1, *writer);
        }
        const PdfText::Page alone = PdfText::Read(alonePath).value(0);
        const PdfText::Page inHousehold = pages[1 + person];
        ASSERT_EQ(TextsOf(inHousehold), TextsOf(alone));
        for (int i = 0; i < alone.size(); ++i) {
            EXPECT_NEAR(inHousehold[i].left, alone[i].left, 0.5);
            EXPECT_NEAR(inHousehold[i].top, alone[i].top, 0.5);
        }
    }
    EXPECT_EQ(pages[1].value(0).text, "Personal plan for Anna");
    EXPECT_EQ(pages[2].value(0).text, "Personal plan for Bert");
    EXPECT_FALSE(IsLandscape(PdfText::PageSizes(FilePath("household.pdf")).value(1)));
}

TEST_F(HouseholdPlanPrinterTest, RepeatsTheWholeSetForEachCopyInOneDocument)
{
    const QString path = Print(*plan, 2);
    const QList<QSizeF> sizes = PdfText::PageSizes(path);
    const QList<PdfText::Page> pages = PdfText::Read(path);
    ASSERT_EQ(pages.size(), 6);
    EXPECT_TRUE(IsLandscape(sizes.value(3)));
    EXPECT_FALSE(IsLandscape(sizes.value(4)));
    EXPECT_EQ(TextsOf(pages[3]), TextsOf(pages[0]));
    EXPECT_EQ(TextsOf(pages[5]), TextsOf(pages[2]));
}

TEST_F(HouseholdPlanPrinterTest, ShrinksAHouseholdTooTallForThePage)
{
    PlanBuilder builder;
    for (int i = 0; i < 30; ++i) {
        const QByteArray name = QStringLiteral("Person %1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        Person* person = build.AddPerson(name.constData());
        Task* task = build.AddTask(person, "Task", 30);
        builder.Add(build.AddProfile(person, "Day", 600, { task }), { { task, 400 + i } });
    }
    auto large = builder.Build();
    const QString path = Print(*large);
    const QSizeF page = PdfText::PageSizes(path).value(0);
    const PdfText::Page lines = PdfText::Read(path).value(0);
    const QString texts = TextsOf(lines).join(QLatin1Char('\n'));
    EXPECT_TRUE(texts.contains("Person 00"));
    EXPECT_TRUE(texts.contains("Person 29"));
    for (const PdfText::Line& line : lines)
        EXPECT_LT(line.top, page.height() - 100) << line.text.toStdString();
}

TEST_F(HouseholdPlanPrinterTest, PrintsTheChosenFileAsOneJobNamedHouseholdPlan)
{
    const QString path = FilePath("chosen.pdf");
    ModalRunner::SetNextHandler([&](QDialog& dialog) {
        QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setCopyCount(2);
        return static_cast<int>(QDialog::Accepted);
    });
    PrintHouseholdPlan(*plan);
    EXPECT_FALSE(ModalRunner::HasPendingHandlers());
    EXPECT_EQ(PdfText::Read(path).size(), 6);
    EXPECT_EQ(PdfText::Title(path), "Household plan");
}

TEST_F(HouseholdPlanPrinterTest, PrintsNothingWhenTheDialogIsCancelled)
{
    const QString path = FilePath("cancelled.pdf");
    ModalRunner::SetNextHandler([&](QDialog& dialog) {
        QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return static_cast<int>(QDialog::Rejected);
    });
    PrintHouseholdPlan(*plan);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
