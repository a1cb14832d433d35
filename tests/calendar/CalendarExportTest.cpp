#include "calendar/CalendarExport.h"

#include "CalendarReader.h"
#include "ModelBuilder.h"
#include "PlanBuilder.h"
#include "model/PlanningModel.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class CalendarExportTest : public ::testing::Test {
protected:
    CalendarExportTest()
    {
        anna = build.AddPerson("Anna");
        bert = build.AddPerson("Bert");
        shower = build.AddTask(anna, "Shower", 15);
        drive = build.AddTask(anna, "Drive", 25);
        wash = build.AddTask(bert, "Wash", 10);
        annaDay = build.AddProfile(anna, "Workday", 8 * 60, { shower, drive });
        bertDay = build.AddProfile(bert, "Day off", 10 * 60, { wash });
        plan = PlanBuilder()
                   .Add(annaDay, { { shower, 390 }, { drive, 420 } })
                   .Add(bertDay, { { wash, 600 - 10 } })
                   .Build();
    }

    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("ordovan-calendar-test-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }

    void TearDown() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }

    // Every name in the folder, so that no stray temporary file goes unseen.
    std::vector<std::string> FolderContents(const fs::path& where) const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(where))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string ReadText(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    PlanningModel model;
    ModelBuilder build { model };
    Person* anna;
    Person* bert;
    Task* shower;
    Task* drive;
    Task* wash;
    Profile* annaDay;
    Profile* bertDay;
    std::unique_ptr<CompletePlan> plan;
    fs::path folder;
    const CalendarExport exporter { *CalendarDay::Parse("2025-03-15") };
};

TEST_F(CalendarExportTest, WritesTheWholeHouseholdIntoOneFile)
{
    const CalendarExport::Outcome outcome = exporter.WriteHousehold(*plan, PathOf("household.ics"));
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(outcome.files, std::vector<std::string> { PathOf("household.ics") });
    EXPECT_EQ(outcome.eventCount, 3);
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("household.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 3u);
    EXPECT_EQ(read->events[0].summary, "Anna: Shower");
    EXPECT_EQ(read->events[1].summary, "Anna: Drive");
    EXPECT_EQ(read->events[2].summary, "Bert: Wash");
    EXPECT_EQ(read->events[2].start, CalendarReader::Local(2025, 3, 15, 9, 50));
    EXPECT_EQ(read->events[2].end, CalendarReader::Local(2025, 3, 15, 10, 0));
    EXPECT_EQ(FolderContents(folder), std::vector<std::string> { "household.ics" });
}

TEST_F(CalendarExportTest, WritesAFilePerPersonNamedAfterThePerson)
{
    const CalendarExport::Outcome outcome = exporter.WritePerPerson(*plan, folder.string());
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(outcome.files, (std::vector<std::string> { PathOf("Anna.ics"), PathOf("Bert.ics") }));
    EXPECT_EQ(outcome.eventCount, 3);
    const std::optional<CalendarReader::Calendar> bertsCalendar = CalendarReader::ReadFile(PathOf("Bert.ics"));
    ASSERT_TRUE(bertsCalendar);
    ASSERT_EQ(bertsCalendar->events.size(), 1u);
    EXPECT_EQ(bertsCalendar->events[0].summary, "Wash");
    EXPECT_EQ(CalendarReader::ReadFile(PathOf("Anna.ics"))->events.size(), 2u);
    EXPECT_EQ(FolderContents(folder), (std::vector<std::string> { "Anna.ics", "Bert.ics" }));
}

TEST_F(CalendarExportTest, CreatesAMissingFolder)
{
    const fs::path inner = folder / "calendars" / "week 12";
    const CalendarExport::Outcome outcome = exporter.WritePerPerson(*plan, inner.string());
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(FolderContents(inner), (std::vector<std::string> { "Anna.ics", "Bert.ics" }));
}

TEST_F(CalendarExportTest, WritesOnePersonsPlanWithPlainSummaries)
{
    const CalendarExport::Outcome outcome = exporter.WritePerson(*plan->GetPersonalPlans().Get(0), PathOf("anna.ics"));
    ASSERT_TRUE(outcome.written) << outcome.error;
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("anna.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 2u);
    EXPECT_EQ(read->events[0].summary, "Shower");
}

TEST_F(CalendarExportTest, ReplacesAnExistingFileWhole)
{
    std::ofstream(PathOf("household.ics")) << std::string(100000, 'x');
    ASSERT_TRUE(exporter.WriteHousehold(*plan, PathOf("household.ics")).written);
    const std::string text = ReadText(PathOf("household.ics"));
    EXPECT_EQ(text.find('x' + std::string(10, 'x')), std::string::npos);
    EXPECT_TRUE(CalendarReader::Parse(text));
}

TEST_F(CalendarExportTest, AnUnwritablePlaceWritesNothingAndNamesTheFile)
{
    std::ofstream(PathOf("plain file")) << "not a folder";
    const std::string target = PathOf("plain file") + "/household.ics";
    const CalendarExport::Outcome outcome = exporter.WriteHousehold(*plan, target);
    EXPECT_FALSE(outcome.written);
    EXPECT_NE(outcome.error.find(target), std::string::npos) << outcome.error;
    EXPECT_TRUE(outcome.files.empty());
    EXPECT_EQ(FolderContents(folder), std::vector<std::string> { "plain file" });
}

TEST_F(CalendarExportTest, AFolderInTheWayOfOnePersonLeavesEveryFileUnwritten)
{
    fs::create_directory(folder / "Bert.ics");
    std::ofstream(PathOf("Anna.ics")) << "old";
    const CalendarExport::Outcome outcome = exporter.WritePerPerson(*plan, folder.string());
    EXPECT_FALSE(outcome.written);
    EXPECT_NE(outcome.error.find("Bert.ics"), std::string::npos) << outcome.error;
    EXPECT_EQ(ReadText(PathOf("Anna.ics")), "old");
    EXPECT_EQ(FolderContents(folder), (std::vector<std::string> { "Anna.ics", "Bert.ics" }));
}

TEST_F(CalendarExportTest, AFileInPlaceOfTheFolderIsReported)
{
    std::ofstream(PathOf("calendars")) << "a file";
    const CalendarExport::Outcome outcome = exporter.WritePerPerson(*plan, PathOf("calendars"));
    EXPECT_FALSE(outcome.written);
    EXPECT_NE(outcome.error.find(PathOf("calendars")), std::string::npos) << outcome.error;
}

TEST_F(CalendarExportTest, FileNamesAreSafeAndRepeatedNamesAreNumbered)
{
    Person* second = build.AddPerson("anna");
    Person* slashed = build.AddPerson("Mum/Dad");
    Person* dots = build.AddPerson("..");
    auto twice = PlanBuilder()
                     .Add(annaDay, {})
                     .Add(build.AddProfile(second, "Day", 600), {})
                     .Add(build.AddProfile(slashed, "Day", 600), {})
                     .Add(build.AddProfile(dots, "Day", 600), {})
                     .Build();
    EXPECT_EQ(CalendarExport::PersonFileNames(*twice),
        (std::vector<std::string> { "Anna.ics", "anna (2).ics", "Mum_Dad.ics", "Person.ics" }));
}

} // namespace
