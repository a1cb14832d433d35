#include "cli/PlanTool.h"

#include "CalendarReader.h"
#include "ModelBuilder.h"
#include "calendar/CalendarDay.h"
#include "model/ModelStore.h"
#include "model/PlanningModel.h"
#include "toolbox/Config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

std::string ReadStream(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

// ordovan-plan exporting calendars from a data file of its own.
class PlanToolCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("ordovan-plan-calendar-test-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        // Anna: A (30 minutes) then B (60 minutes) by 18:00; Bert: a walk by
        // 18:00. Nothing is shared, so every plan is the same.
        PlanningModel model;
        ModelBuilder build(model);
        Person* anna = build.AddPerson("Anna");
        Task* a = build.AddTask(anna, "A", 30);
        Task* b = build.AddTask(anna, "B", 60);
        Profile* evening = build.AddProfile(anna, "Evening", 18 * 60, { b, a });
        ModelBuilder::Precede(evening, a, b);
        Person* bert = build.AddPerson("Bert");
        build.AddProfile(bert, "Evening", 18 * 60, { build.AddTask(bert, "Walk", 20) });
        dataFile = Save(model, "evening.cfg");
    }

    void TearDown() override { fs::remove_all(folder); }

    std::string Save(const PlanningModel& model, const char* name) const
    {
        toolbox::Config config;
        ModelStore::Save(model, config.GetRootSection());
        const fs::path path = folder / name;
        EXPECT_TRUE(config.SaveFile(path.c_str()));
        return path.string();
    }

    Outcome Run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), { "--config", dataFile, "--seed", "9" });
        std::vector<const char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(argument.c_str());
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const int status = PlanTool(out, err).Run(static_cast<int>(argv.size()), argv.data());
        return { status, ReadStream(out), ReadStream(err) };
    }

    Outcome RunBothPersons(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.end(), { "--profile", "Anna", "Evening", "--profile", "Bert", "Evening" });
        return Run(arguments);
    }

    std::string PathOf(const char* name) const { return (folder / name).string(); }

    fs::path folder;
    std::string dataFile;
};

TEST_F(PlanToolCalendarTest, IcsWritesEveryPersonOfTheFirstPlanIntoOneFile)
{
    const Outcome outcome = RunBothPersons({ "--ics", PathOf("evening.ics"), "--date", "2025-03-14" });
    ASSERT_EQ(outcome.status, PlanTool::PlansFound) << outcome.err;
    EXPECT_EQ(
        outcome.out, "Plan 1 (0 minutes delay) on 2025-03-14: 3 events written to\n  " + PathOf("evening.ics") + "\n");
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("evening.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 3u);
    EXPECT_EQ(read->events[0].summary, "Anna: A");
    EXPECT_EQ(read->events[0].start, CalendarReader::Local(2025, 3, 14, 16, 30));
    EXPECT_EQ(read->events[1].summary, "Anna: B");
    EXPECT_EQ(read->events[1].end, CalendarReader::Local(2025, 3, 14, 18, 0));
    EXPECT_EQ(read->events[2].summary, "Bert: Walk");
    EXPECT_EQ(read->events[2].start, CalendarReader::Local(2025, 3, 14, 17, 40));
}

TEST_F(PlanToolCalendarTest, IcsDirWritesAFileNamedAfterEachPerson)
{
    const Outcome outcome = RunBothPersons({ "--ics-dir", PathOf("calendars"), "--date", "2025-03-14" });
    ASSERT_EQ(outcome.status, PlanTool::PlansFound) << outcome.err;
    const std::optional<CalendarReader::Calendar> anna = CalendarReader::ReadFile(PathOf("calendars/Anna.ics"));
    const std::optional<CalendarReader::Calendar> bert = CalendarReader::ReadFile(PathOf("calendars/Bert.ics"));
    ASSERT_TRUE(anna);
    ASSERT_TRUE(bert);
    EXPECT_EQ(anna->events.size(), 2u);
    ASSERT_EQ(bert->events.size(), 1u);
    EXPECT_EQ(bert->events[0].summary, "Walk");
    EXPECT_NE(outcome.out.find(PathOf("calendars/Bert.ics")), std::string::npos);
}

TEST_F(PlanToolCalendarTest, WithoutADateTheExportIsForTomorrow)
{
    const Outcome outcome = RunBothPersons({ "--ics", PathOf("tomorrow.ics") });
    ASSERT_EQ(outcome.status, PlanTool::PlansFound) << outcome.err;
    const CalendarDay tomorrow = CalendarDay::Tomorrow();
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("tomorrow.ics"));
    ASSERT_TRUE(read);
    ASSERT_FALSE(read->events.empty());
    EXPECT_EQ(read->events[0].start,
        CalendarReader::Local(tomorrow.GetYear(), tomorrow.GetMonth(), tomorrow.GetDay(), 16, 30));
}

TEST_F(PlanToolCalendarTest, PlanPicksTheNthPlanOfTheSameSearch)
{
    // Two showers in one bathroom: plans differ in who goes first.
    PlanningModel model;
    ModelBuilder build(model);
    Resource* bathroom = build.AddResource("Bathroom");
    for (const char* name : { "Anna", "Bert" }) {
        Person* person = build.AddPerson(name);
        build.AddProfile(person, "Morning", 8 * 60, { build.AddTask(person, "Shower", 30, { bathroom }) });
    }
    dataFile = Save(model, "bathroom.cfg");
    const std::vector<std::string> both = { "--profile", "Anna", "Morning", "--profile", "Bert", "Morning" };
    std::vector<std::string> listing = { "--json" };
    listing.insert(listing.end(), both.begin(), both.end());
    const std::string json = Run(listing).out;
    // The second plan's first execution is Anna's shower.
    const std::size_t secondPlan = json.find("{\"totalDelay\"", 1 + json.find("{\"totalDelay\""));
    ASSERT_NE(secondPlan, std::string::npos);
    const std::size_t startAt = json.find("\"start\":", secondPlan) + 8;
    const int annasStart = std::stoi(json.substr(startAt));

    std::vector<std::string> exporting = { "--ics", PathOf("second.ics"), "--date", "2025-03-14", "--plan", "2" };
    exporting.insert(exporting.end(), both.begin(), both.end());
    const Outcome outcome = Run(exporting);
    ASSERT_EQ(outcome.status, PlanTool::PlansFound) << outcome.err;
    EXPECT_EQ(outcome.out.rfind("Plan 2 ", 0), 0u) << outcome.out;
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("second.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 2u);
    EXPECT_EQ(read->events[0].summary, "Anna: Shower");
    EXPECT_EQ(read->events[0].start, CalendarReader::Local(2025, 3, 14, annasStart / 60, annasStart % 60));
}

TEST_F(PlanToolCalendarTest, APlanBeyondThoseFoundExitsWithOneAndWritesNothing)
{
    const Outcome outcome = RunBothPersons({ "--ics", PathOf("none.ics"), "--plan", "21" });
    EXPECT_EQ(outcome.status, PlanTool::NoPlanFound);
    EXPECT_NE(outcome.err.find("no plan 21"), std::string::npos) << outcome.err;
    EXPECT_FALSE(fs::exists(PathOf("none.ics")));
}

TEST_F(PlanToolCalendarTest, AnInvalidDateExitsWithTwoAndWritesNothing)
{
    for (const char* date : { "2025-02-29", "14.03.2025", "tomorrow", "2025-3-14" }) {
        const Outcome outcome = RunBothPersons({ "--ics", PathOf("bad.ics"), "--date", date });
        EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError) << date;
        EXPECT_NE(outcome.err.find("--date needs a day as YYYY-MM-DD"), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << "only the data file";
}

TEST_F(PlanToolCalendarTest, AnUnwritablePathExitsWithTwoNamesItAndWritesNothing)
{
    std::ofstream(PathOf("plain")) << "a file, not a folder";
    const std::string target = PathOf("plain") + "/evening.ics";
    const Outcome outcome = RunBothPersons({ "--ics", target, "--date", "2025-03-14" });
    EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError);
    EXPECT_EQ(outcome.err.rfind("ordovan-plan: cannot write " + target, 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.out, "");

    const Outcome folderOutcome = RunBothPersons({ "--ics-dir", PathOf("plain"), "--date", "2025-03-14" });
    EXPECT_EQ(folderOutcome.status, PlanTool::UsageOrDataError);
    EXPECT_NE(folderOutcome.err.find(PathOf("plain")), std::string::npos) << folderOutcome.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2) << "the data file and the plain file";
}

TEST_F(PlanToolCalendarTest, CalendarOptionsMisusedAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        { "--date", "2025-03-14" },
        { "--plan", "2" },
        { "--ics", PathOf("x.ics"), "--plan", "0" },
        { "--ics", PathOf("x.ics"), "--plan", "two" },
        { "--ics", PathOf("x.ics"), "--ics-dir", PathOf("x") },
        { "--ics", PathOf("x.ics"), "--json" },
        { "--ics" },
        { "--ics-dir" },
        { "--ics", PathOf("x.ics"), "--date" },
    };
    for (const std::vector<std::string>& arguments : cases) {
        const Outcome outcome = RunBothPersons(arguments);
        EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError) << arguments.front();
        EXPECT_EQ(outcome.err.rfind("ordovan-plan: ", 0), 0u) << outcome.err;
    }
    const Outcome list = Run({ "--list", "--ics", PathOf("x.ics") });
    EXPECT_EQ(list.status, PlanTool::UsageOrDataError);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
}

} // namespace
