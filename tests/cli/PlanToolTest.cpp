#include "ModelBuilder.h"
#include "PlanToolRun.h"
#include "cli/PlanTool.h"
#include "model/ModelStore.h"
#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "toolbox/Config.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Outcome = PlanToolOutcome;

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// A temporary home with its own data folder, so that no test touches the
// real user's files.
class PlanToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home = fs::temp_directory_path()
            / ("ordovan-plan-test-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home);
        fs::create_directories(home);
        savedHome = Getenv("HOME");
        savedDataHome = Getenv("XDG_DATA_HOME");
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    }

    void TearDown() override
    {
        Restore("HOME", savedHome);
        Restore("XDG_DATA_HOME", savedDataHome);
        fs::remove_all(home);
    }

    // The 18:00 household: A (30 minutes) before B (60 minutes), done by 18:00.
    std::string WriteEveningModel(int minimumGap = 0, const char* file = "evening.cfg")
    {
        PlanningModel model;
        ModelBuilder build(model);
        Person* person = build.AddPerson("Anna");
        Task* a = ModelBuilder::AddTask(person, "A", 30);
        Task* b = ModelBuilder::AddTask(person, "B", 60);
        Profile* profile = ModelBuilder::AddProfile(person, "Evening", 1080);
        PrecedenceRelation* later = ModelBuilder::Execute(profile, b);
        ModelBuilder::Execute(profile, a);
        ModelBuilder::Precede(later, a, minimumGap);
        return Save(model, home / file);
    }

    static std::string Save(const PlanningModel& model, const fs::path& path)
    {
        toolbox::Config config;
        ModelStore::Save(model, config.GetRootSection());
        EXPECT_TRUE(config.SaveFile(path.c_str()));
        return path.string();
    }

    static std::string Getenv(const char* name)
    {
        const char* value = std::getenv(name);
        return value ? value : "\x01";
    }

    static void Restore(const char* name, const std::string& value)
    {
        if (value == "\x01")
            unsetenv(name);
        else
            setenv(name, value.c_str(), 1);
    }

    fs::path DataFile() const { return home / "data" / "Quillfeather" / "Ordovan" / "ordovan.cfg"; }

    fs::path home;
    std::string savedHome;
    std::string savedDataHome;
};

} // namespace

TEST_F(PlanToolTest, PrintsTheEveningPlanAsATimetableClosedByTheEndTime)
{
    std::string file = WriteEveningModel();
    Outcome outcome = RunPlanTool({ "--config", file, "--seed", "42", "--profile", "Anna", "Evening" });
    EXPECT_EQ(outcome.status, PlanTool::PlansFound);
    EXPECT_EQ(outcome.err, "");
    std::string onePlan = "Plan (0 minutes delay)\n"
                          "  Anna: Evening, 0 minutes delay\n"
                          "    16:30 A\n"
                          "    17:00 B\n"
                          "    18:00 End\n";
    EXPECT_EQ(CountOf(outcome.out, onePlan), 20);
    EXPECT_EQ(outcome.out.find("\033["), std::string::npos) << "no colour when not a terminal";
}

TEST_F(PlanToolTest, PrintsTheEveningPlanAsJson)
{
    std::string file = WriteEveningModel();
    Outcome outcome = RunPlanTool({ "--json", "--seed", "42", "--config", file, "--profile", "Anna", "Evening" });
    EXPECT_EQ(outcome.status, PlanTool::PlansFound);
    std::string plan = "{\"totalDelay\":0,\"personal\":[{\"person\":\"Anna\",\"profile\":\"Evening\",\"delay\":0,"
                       "\"endTime\":1080,\"executions\":[{\"task\":\"A\",\"start\":990,\"duration\":30},"
                       "{\"task\":\"B\",\"start\":1020,\"duration\":60}]}]}";
    std::string expected = "{\"plans\":[" + plan;
    for (int i = 1; i < 20; ++i)
        expected += "," + plan;
    EXPECT_EQ(outcome.out, expected + "]}\n");
}

TEST_F(PlanToolTest, TheSameSeedGivesTheSameOutput)
{
    PlanningModel model;
    ModelBuilder build(model);
    for (const char* name : { "Anna", "Ben", "Clara" }) {
        Person* person = build.AddPerson(name);
        Profile* profile = ModelBuilder::AddProfile(person, "Day", 600);
        for (int i = 0; i < 4; ++i)
            ModelBuilder::Execute(
                profile, ModelBuilder::AddTask(person, ("Task " + std::to_string(i)).c_str(), 10 + 5 * i));
    }
    std::string file = Save(model, home / "three.cfg");
    std::vector<std::string> arguments
        = { "--config", file, "--seed", "4294967295", "--profile", "Anna", "Day", "--profile", "Clara", "Day" };
    Outcome first = RunPlanTool(arguments);
    Outcome second = RunPlanTool(arguments);
    EXPECT_EQ(first.status, PlanTool::PlansFound);
    EXPECT_EQ(first.out, second.out);
    EXPECT_LT(first.out.find("Anna: Day"), first.out.find("Clara: Day")) << "personal plans in the order chosen";
}

TEST_F(PlanToolTest, NoPlanExitsWithOneAndTheNoPlansText)
{
    std::string file = WriteEveningModel(10);
    Outcome outcome = RunPlanTool({ "--config", file, "--seed", "1", "--profile", "Anna", "Evening" });
    EXPECT_EQ(outcome.status, PlanTool::NoPlanFound);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("Sorry, no matching plans were found.", 0), 0u);
    EXPECT_NE(outcome.err.find("simply retry the search."), std::string::npos);
}

TEST_F(PlanToolTest, NoPlanAsJsonPrintsAnEmptyPlanListWithTheReasonAndExitsWithOne)
{
    std::string file = WriteEveningModel(10);
    Outcome outcome = RunPlanTool({ "--config", file, "--json", "--seed", "1", "--profile", "Anna", "Evening" });
    EXPECT_EQ(outcome.status, PlanTool::NoPlanFound);
    EXPECT_EQ(outcome.out,
        "{\"plans\":[],\"reasons\":[\"The random search found no plan this time; ordovan-plan --best searches "
        "thoroughly.\"]}\n");
    EXPECT_EQ(outcome.err.rfind("Sorry, no matching plans were found.", 0), 0u);
}

TEST_F(PlanToolTest, ListsEveryPersonWithItsProfilesAndEndTimes)
{
    PlanningModel model;
    ModelBuilder build(model);
    Person* ben = build.AddPerson("Ben");
    ModelBuilder::AddProfile(ben, "School run", 475);
    Person* anna = build.AddPerson("Anna");
    ModelBuilder::AddProfile(anna, "Workday", 480);
    ModelBuilder::AddProfile(anna, "Late", -90);
    std::string file = Save(model, home / "list.cfg");
    Outcome outcome = RunPlanTool({ "--config", file, "--list" });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "Anna\n  Late  ends -01:30\n  Workday  ends 08:00\nBen\n  School run  ends 07:55\n");
}

TEST_F(PlanToolTest, RefusesUnknownNamesAndDoubleChoicesNamingTheFile)
{
    std::string file = WriteEveningModel();
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        { { "--profile", "Zed", "Evening" }, "no person 'Zed' in " + file },
        { { "--profile", "anna", "Evening" }, "no person 'anna' in " + file },
        { { "--profile", "Anna", "Morning" }, "'Anna' has no profile 'Morning' in " + file },
        { { "--profile", "Anna", "Evening", "--profile", "Anna", "Evening" }, "is chosen twice" },
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = { "--config", file };
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        Outcome outcome = RunPlanTool(arguments);
        EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError) << c.message;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_EQ(CountOf(outcome.err, "\n"), 1) << "one line: " << outcome.err;
    }
}

TEST_F(PlanToolTest, RefusesTwoProfilesOfOnePerson)
{
    PlanningModel model;
    ModelBuilder build(model);
    Person* anna = build.AddPerson("Anna");
    ModelBuilder::AddProfile(anna, "Workday", 480);
    ModelBuilder::AddProfile(anna, "Day off", 600);
    std::string file = Save(model, home / "two.cfg");
    Outcome outcome = RunPlanTool({ "--config", file, "--profile", "Anna", "Workday", "--profile", "Anna", "Day off" });
    EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError);
    EXPECT_NE(outcome.err.find("at most one per person"), std::string::npos);
}

TEST_F(PlanToolTest, UsageErrorsExitWithTwo)
{
    std::vector<std::vector<std::string>> cases = {
        {},
        { "--profile", "Anna" },
        { "--seed", "4294967296", "--profile", "Anna", "Evening" },
        { "--seed", "-1", "--profile", "Anna", "Evening" },
        { "--seed" },
        { "--config" },
        { "--frobnicate" },
        { "--list", "--profile", "Anna", "Evening" },
    };
    for (const auto& arguments : cases) {
        Outcome outcome = RunPlanTool(arguments);
        EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError);
        EXPECT_EQ(outcome.err.rfind("ordovan-plan: ", 0), 0u) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
}

TEST_F(PlanToolTest, HelpAndVersionNeedNoData)
{
    Outcome help = RunPlanTool({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: ordovan-plan", 0), 0u);
    Outcome version = RunPlanTool({ "--version" });
    EXPECT_EQ(version.out, "Ordovan Version 1.1.1\n");
    EXPECT_FALSE(fs::exists(home / "data"));
}

TEST_F(PlanToolTest, MissingAndMalformedFilesExitWithTwo)
{
    std::string missing = (home / "missing.cfg").string();
    Outcome outcome = RunPlanTool({ "--config", missing, "--list" });
    EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError);
    EXPECT_NE(outcome.err.find(missing), std::string::npos);

    std::string malformed = (home / "malformed.cfg").string();
    std::ofstream(malformed) << "<Persons>\r\n\t<Anna>\r\n";
    outcome = RunPlanTool({ "--config", malformed, "--list" });
    EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError);
    EXPECT_NE(outcome.err.find(malformed), std::string::npos);
}

TEST_F(PlanToolTest, ReadsTheWindowProgramsDataFileWithoutWritingAnything)
{
    fs::create_directories(DataFile().parent_path());
    fs::copy_file(WriteEveningModel(), DataFile());
    auto before = fs::last_write_time(DataFile());
    Outcome outcome = RunPlanTool({ "--seed", "3", "--profile", "Anna", "Evening" });
    EXPECT_EQ(outcome.status, PlanTool::PlansFound);
    EXPECT_EQ(fs::last_write_time(DataFile()), before);
    std::vector<fs::path> files(fs::directory_iterator(DataFile().parent_path()), {});
    EXPECT_EQ(files.size(), 1u) << "no .new, .old or other file appears";
}

TEST_F(PlanToolTest, AnUnreadableDataFileIsReportedAndLeftInPlace)
{
    fs::create_directories(DataFile().parent_path());
    std::ofstream(DataFile()) << "<Persons>\r\n";
    Outcome outcome = RunPlanTool({ "--list" });
    EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError);
    EXPECT_NE(outcome.err.find(DataFile().string()), std::string::npos);
    std::vector<fs::path> files(fs::directory_iterator(DataFile().parent_path()), {});
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], DataFile());
}

TEST_F(PlanToolTest, EscapedAndNonAsciiNamesSurviveTheFileAndComeOutAsUtf8)
{
    PlanningModel model;
    ModelBuilder build(model);
    Person* person = build.AddPerson("J\xFCrgen <the \"first\"> \\ & Co");
    Profile* profile = ModelBuilder::AddProfile(person,
        "Fr\xC3\xBChst\xC3\xBC"
        "ck\tearly",
        420);
    ModelBuilder::Execute(profile, ModelBuilder::AddTask(person, "Caf\xE9 </>", 20));
    std::string file = Save(model, home / "names.cfg");

    Outcome outcome
        = RunPlanTool({ "--config", file, "--json", "--seed", "5", "--profile", "J\xC3\xBCrgen <the \"first\"> \\ & Co",
            "Fr\xC3\xBChst\xC3\xBC"
            "ck\tearly" });
    ASSERT_EQ(outcome.status, PlanTool::PlansFound) << outcome.err;
    EXPECT_NE(outcome.out.find("\"person\":\"J\xC3\xBCrgen <the \\\"first\\\"> \\\\ & Co\""), std::string::npos);
    EXPECT_NE(outcome.out.find("\"profile\":\"Fr\xC3\xBChst\xC3\xBC"
                               "ck\\u0009early\""),
        std::string::npos);
    EXPECT_NE(outcome.out.find("\"task\":\"Caf\xC3\xA9 </>\",\"start\":400"), std::string::npos);
}

namespace {

// Anna's evening: A (30) ends at least `minimumGap` before B (60) starts, by 18:00.
std::string SaveEvening(const fs::path& file, int minimumGap)
{
    PlanningModel model;
    ModelBuilder builder(model);
    Person* anna = builder.AddPerson("Anna");
    Task* a = builder.AddTask(anna, "A", 30);
    Task* b = builder.AddTask(anna, "B", 60);
    Profile* evening = builder.AddProfile(anna, "Evening", 1080, { b, a });
    ModelBuilder::Precede(evening, a, b, minimumGap);
    toolbox::Config config;
    ModelStore::Save(model, config.GetRootSection());
    EXPECT_TRUE(config.SaveFile(file.c_str()));
    return file.string();
}

} // namespace

TEST_F(PlanToolTest, BestFindsThePlanTheRandomSearchMissesAndProvesItBest)
{
    std::string file = SaveEvening(home / "gap.cfg", 10);
    Outcome outcome = RunPlanTool({ "--config", file, "--best", "--json", "--profile", "Anna", "Evening" });
    EXPECT_EQ(outcome.status, PlanTool::PlansFound);
    std::string best = "{\"plans\":[{\"totalDelay\":10,\"personal\":[{\"person\":\"Anna\",\"profile\":\"Evening\","
                       "\"delay\":10,\"endTime\":1080,\"executions\":[{\"task\":\"A\",\"start\":980,\"duration\":30},"
                       "{\"task\":\"B\",\"start\":1020,\"duration\":60}]}]}";
    EXPECT_EQ(outcome.out.rfind(best, 0), 0u) << outcome.out;
    EXPECT_EQ(outcome.out.substr(outcome.out.size() - 17), "],\"proven\":true}\n");
    EXPECT_EQ(CountOf(outcome.out, "\"totalDelay\":"), 20);
}

TEST_F(PlanToolTest, BestTextSaysTheFirstPlanIsProvenBest)
{
    std::string file = SaveEvening(home / "gap.cfg", 10);
    Outcome outcome = RunPlanTool({ "--config", file, "--best", "--time-limit", "30", "--profile", "Anna", "Evening" });
    EXPECT_EQ(outcome.status, PlanTool::PlansFound);
    EXPECT_EQ(outcome.out.rfind("These are the best plans for your selected profiles.\n\n"
                                "Plan (10 minutes delay)\n"
                                "  Anna: Evening, 10 minutes delay\n"
                                "    16:20 A\n"
                                "    16:50 Pause\n"
                                "    17:00 B\n"
                                "    18:00 End\n",
                  0),
        0u)
        << outcome.out;
}

TEST_F(PlanToolTest, BestNamesTheReasonsWhenThereIsNoPlan)
{
    PlanningModel model;
    ModelBuilder builder(model);
    Person* anna = builder.AddPerson("Anna");
    Task* a = builder.AddTask(anna, "A", 30);
    Task* b = builder.AddTask(anna, "B", 60);
    Profile* evening = builder.AddProfile(anna, "Evening", 1080, { b, a });
    ModelBuilder::Precede(evening, a, b);
    ModelBuilder::Precede(evening, b, a);
    std::string file = Save(model, home / "cycle.cfg");

    Outcome text = RunPlanTool({ "--config", file, "--best", "--profile", "Anna", "Evening" });
    EXPECT_EQ(text.status, PlanTool::NoPlanFound);
    EXPECT_EQ(text.out, "");
    EXPECT_EQ(text.err, "Anna / Evening: B must come before A, and A before B.\n");
    Outcome json = RunPlanTool({ "--config", file, "--best", "--json", "--profile", "Anna", "Evening" });
    EXPECT_EQ(json.status, PlanTool::NoPlanFound);
    EXPECT_EQ(json.out,
        "{\"plans\":[],\"proven\":true,\"reasons\":[\"Anna / Evening: B must come before A, and A before B.\"]}\n");
}

TEST_F(PlanToolTest, BestOptionsThatDoNotFitAreUsageErrors)
{
    std::string file = SaveEvening(home / "gap.cfg", 0);
    std::vector<std::vector<std::string>> cases = {
        { "--time-limit", "5", "--profile", "Anna", "Evening" },
        { "--best", "--time-limit", "0", "--profile", "Anna", "Evening" },
        { "--best", "--time-limit", "soon", "--profile", "Anna", "Evening" },
        { "--best", "--time-limit" },
        { "--best", "--seed", "1", "--profile", "Anna", "Evening" },
        { "--best", "--list" },
    };
    for (auto arguments : cases) {
        arguments.insert(arguments.begin(), { "--config", file });
        Outcome outcome = RunPlanTool(arguments);
        EXPECT_EQ(outcome.status, PlanTool::UsageOrDataError) << arguments[2];
        EXPECT_EQ(outcome.err.rfind("ordovan-plan: ", 0), 0u) << outcome.err;
    }
    EXPECT_EQ(RunPlanTool({ "--config", file, "--best", "--time-limit", "0.5", "--profile", "Anna", "Evening" }).status,
        PlanTool::PlansFound);
}

TEST_F(PlanToolTest, BestProvesTheSampleHouseholdsLeastDelay)
{
    Outcome outcome = RunPlanTool({ "--config", ORDOVAN_SAMPLE_FILE, "--best", "--json", "--profile", "Anna", "Workday",
        "--profile", "Ben", "School run", "--profile", "Clara", "School day", "--profile", "Leo", "School day" });
    EXPECT_EQ(outcome.status, PlanTool::PlansFound);
    EXPECT_NE(outcome.out.find(",\"proven\":true}"), std::string::npos);
}
