#include "CalendarReader.h"
#include "PlanToolRun.h"
#include "cli/PlanTool.h"
#include "ModelBuilder.h"
#include "calendar/CalendarDay.h"
#include "model/ModelStore.h"
#include "model/PlanningModel.h"
#include "toolbox/Config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Outcome = PlanToolOutcome;

// Anna and Bert shower in one bathroom by 08:00, so plans differ in who goes
// first; Bert also reads, alone.
class PlanToolCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("ordovan-plan-ics-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        PlanningModel model;
        ModelBuilder build(model);
        Resource* bathroom = build.AddResource("Bathroom");
        Person* anna = build.AddPerson("Anna");
        build.AddProfile(anna, "Morning", 8 * 60, { build.AddTask(anna, "Shower", 30, { bathroom }) });
        Person* bert = build.AddPerson("Bert");
        build.AddProfile(bert, "Morning", 8 * 60,
            { build.AddTask(bert, "Shower", 30, { bathroom }), build.AddTask(bert, "Read", 20) });
        toolbox::Config config;
        ModelStore::Save(model, config.GetRootSection());
        ASSERT_TRUE(config.SaveFile(PathOf("data.cfg").c_str()));
    }
    void TearDown() override { fs::remove_all(folder); }

    Outcome Run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), { "--config", PathOf("data.cfg"), "--seed", "9" });
        arguments.insert(arguments.end(), { "--profile", "Anna", "Morning", "--profile", "Bert", "Morning" });
        return RunPlanTool(arguments);
    }

    std::string PathOf(const char* name) const { return (folder / name).string(); }
    long FileCount() const { return std::distance(fs::directory_iterator(folder), {}); }

    fs::path folder;
};

TEST_F(PlanToolCalendarTest, IcsWritesThePlanChosenByPlanForEveryoneOnTheDay)
{
    // Anna's start in the second plan of the same search, as --json lists it.
    const std::string json = Run({ "--json" }).out;
    const std::size_t second = json.find("\"totalDelay\"", json.find("\"totalDelay\"") + 1);
    const int annasStart = std::stoi(json.substr(json.find("\"start\":", second) + 8));

    const Outcome outcome = Run({ "--ics", PathOf("day.ics"), "--date", "2025-03-14", "--plan", "2" });
    ASSERT_EQ(outcome.status, PlanTool::PlansFound) << outcome.err;
    EXPECT_EQ(outcome.out.rfind("Plan 2 (", 0), 0u) << outcome.out;
    EXPECT_NE(
        outcome.out.find(") on 2025-03-14: 3 events written to\n  " + PathOf("day.ics") + "\n"), std::string::npos);
    const std::optional<CalendarReader::Calendar> read = CalendarReader::ReadFile(PathOf("day.ics"));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->events.size(), 3u);
    EXPECT_EQ(read->events[0].summary, "Anna: Shower");
    char start[32];
    std::snprintf(start, sizeof start, "20250314T%02d%02d00", annasStart / 60, annasStart % 60);
    EXPECT_EQ(read->events[0].start, start);
}

TEST_F(PlanToolCalendarTest, IcsDirWritesAFileNamedAfterEachPersonForTomorrowUnlessToldOtherwise)
{
    const Outcome outcome = Run({ "--ics-dir", PathOf("calendars") });
    ASSERT_EQ(outcome.status, PlanTool::PlansFound) << outcome.err;
    EXPECT_NE(outcome.out.find(" on " + CalendarDay::Tomorrow().ToString() + ": "), std::string::npos) << outcome.out;
    const std::optional<CalendarReader::Calendar> bert = CalendarReader::ReadFile(PathOf("calendars/Bert.ics"));
    ASSERT_TRUE(bert);
    EXPECT_EQ(bert->events.size(), 2u);
    EXPECT_EQ(CalendarReader::ReadFile(PathOf("calendars/Anna.ics"))->events.size(), 1u);
}

TEST_F(PlanToolCalendarTest, BadDatesUnwritablePlacesAndMissingPlansWriteNothing)
{
    std::ofstream(PathOf("plain")) << "a file, not a folder";
    const std::string blocked = PathOf("plain") + "/day.ics";
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        { { "--ics", PathOf("a.ics"), "--date", "2025-02-29" }, PlanTool::UsageOrDataError, "--date needs a day" },
        { { "--ics", PathOf("a.ics"), "--date", "tomorrow" }, PlanTool::UsageOrDataError, "--date needs a day" },
        { { "--ics", blocked }, PlanTool::UsageOrDataError, "cannot write " + blocked },
        { { "--ics-dir", PathOf("plain") }, PlanTool::UsageOrDataError, PathOf("plain") },
        { { "--ics", PathOf("a.ics"), "--plan", "21" }, PlanTool::NoPlanFound, "no plan 21" },
        { { "--ics", PathOf("a.ics"), "--plan", "0" }, PlanTool::UsageOrDataError, "--plan needs" },
        { { "--ics", PathOf("a.ics"), "--ics-dir", PathOf("b") }, PlanTool::UsageOrDataError, "not both" },
        { { "--ics", PathOf("a.ics"), "--json" }, PlanTool::UsageOrDataError, "--json cannot" },
        { { "--date", "2025-03-14" }, PlanTool::UsageOrDataError, "--ics or --ics-dir" },
        { { "--plan", "2" }, PlanTool::UsageOrDataError, "--ics or --ics-dir" },
    };
    for (const Case& c : cases) {
        const Outcome outcome = Run(c.arguments);
        EXPECT_EQ(outcome.status, c.status) << c.message;
        EXPECT_EQ(outcome.err.rfind("ordovan-plan: ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_EQ(FileCount(), 2) << "only the data file and the plain file";
}

} // namespace
