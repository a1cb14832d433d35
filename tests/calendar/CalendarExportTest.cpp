#include "calendar/CalendarExport.h"

#include "CalendarReader.h"
#include "SmallHousehold.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class CalendarExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("ordovan-calendar-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }

    // Every name in the folder, so that no stray temporary file goes unseen.
    std::set<std::string> Contents() const
    {
        std::set<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    static std::string ReadText(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    SmallHousehold house;
    std::unique_ptr<CompletePlan> plan = house.Plan(390, 420, 590);
    const CalendarExport exporter { *CalendarDay::Parse("2025-03-15") };
    fs::path folder;
};

TEST_F(CalendarExportTest, WritesTheHouseholdIntoOneFileAndReplacesAnOldOneWhole)
{
    std::ofstream(PathOf("day.ics")) << std::string(100000, 'x');
    const CalendarExport::Outcome outcome = exporter.WriteHousehold(*plan, PathOf("day.ics"));
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(outcome.files, std::vector<std::string> { PathOf("day.ics") });
    EXPECT_EQ(outcome.eventCount, 3);
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("day.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 3u);
    EXPECT_EQ(read->events[2].summary, "Bert: Wash");
    EXPECT_EQ(read->events[2].end, "20250315T100000");
    EXPECT_EQ(ReadText(PathOf("day.ics")).find("xxxxxxxx"), std::string::npos);
    EXPECT_EQ(Contents(), std::set<std::string> { "day.ics" });
}

TEST_F(CalendarExportTest, WritesAFilePerPersonIntoAFolderItCreates)
{
    const CalendarExport::Outcome outcome = exporter.WritePerPerson(*plan, PathOf("week 12"));
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(outcome.files, (std::vector<std::string> { PathOf("week 12/Anna.ics"), PathOf("week 12/Bert.ics") }));
    const std::optional<CalendarReader::Calendar> bert = CalendarReader::ReadFile(PathOf("week 12/Bert.ics"));
    ASSERT_TRUE(bert);
    ASSERT_EQ(bert->events.size(), 1u);
    EXPECT_EQ(bert->events[0].summary, "Wash");
    EXPECT_EQ(CalendarReader::ReadFile(PathOf("week 12/Anna.ics"))->events.size(), 2u);
    ASSERT_TRUE(exporter.WritePerson(*plan->GetPersonalPlans().Get(0), PathOf("anna.ics")).written);
    EXPECT_EQ(CalendarReader::ReadFile(PathOf("anna.ics"))->events[0].summary, "Shower");
}

TEST_F(CalendarExportTest, WritesNothingWhereAnyFileCannotBeWrittenAndNamesIt)
{
    std::ofstream(PathOf("plain")) << "a file, not a folder";
    const std::string target = PathOf("plain") + "/day.ics";
    CalendarExport::Outcome outcome = exporter.WriteHousehold(*plan, target);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.error.rfind("cannot write " + target + ": ", 0), 0u) << outcome.error;
    EXPECT_FALSE(exporter.WritePerPerson(*plan, PathOf("plain")).written);

    // Bert's file would be a folder: Anna's stays as it was.
    fs::create_directory(folder / "Bert.ics");
    std::ofstream(PathOf("Anna.ics")) << "old";
    outcome = exporter.WritePerPerson(*plan, folder.string());
    EXPECT_FALSE(outcome.written);
    EXPECT_NE(outcome.error.find("Bert.ics"), std::string::npos) << outcome.error;
    EXPECT_EQ(ReadText(PathOf("Anna.ics")), "old");
    EXPECT_EQ(Contents(), (std::set<std::string> { "Anna.ics", "Bert.ics", "plain" }));
}

TEST_F(CalendarExportTest, FileNamesAreSafeAndRepeatedNamesAreNumbered)
{
    PlanBuilder builder;
    for (const char* name : { "Anna", "anna", "Mum/Dad", ".." })
        builder.Add(house.build.AddProfile(house.build.AddPerson(name), "Day", 600), {});
    EXPECT_EQ(CalendarExport::PersonFileNames(*builder.Build()),
        (std::vector<std::string> { "Anna.ics", "anna (2).ics", "Mum_Dad.ics", "Person.ics" }));
}

} // namespace
