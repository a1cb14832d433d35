#include "AllocationFailure.h"
#include "ScratchHome.h"

#include "toolbox/Exception.h"
#include "toolbox/GlobalLog.h"
#include "toolbox/LogClock.h"
#include "toolbox/Logger.h"
#include "toolbox/Path.h"
#include "toolbox/ProcessInfo.h"

#include <gtest/gtest.h>

#include <ctime>
#include <initializer_list>
#include <string>
#include <vector>

using toolbox::Logger;
using toolbox::LogLevel;
using toolbox::Path;

namespace {

const std::string separator = "\n" + std::string(79, '-') + "\n";

// 2026-05-04 07:15:02 UTC.
const std::time_t mayFourth = 1777878902;

class FixedClock : public toolbox::LogClock {
public:
    std::time_t GetCalendarTime() const override { return calendarTime; }
    std::uint32_t GetTickCount() const override { return ticks; }
    long GetStandardOffsetSeconds() const override { return offset; }

    std::time_t calendarTime = mayFourth;
    std::uint32_t ticks = 1000;
    long offset = 2 * 3600;
};

class LoggerTest : public testing::Test {
protected:
    std::unique_ptr<Logger> Make(std::initializer_list<const char*> options)
    {
        std::vector<const char*> vector { "ordovan" };
        vector.insert(vector.end(), options);
        return std::make_unique<Logger>(static_cast<int>(vector.size()), vector.data(), program, folder, &clock);
    }

    std::string LogText() const { return ScratchHome::ReadFile(folder.ToString().get() + std::string("/ordovan.log")); }
    bool LogExists() const { return ScratchHome::Exists(folder.ToString().get() + std::string("/ordovan.log")); }

    ScratchHome scratch;
    FixedClock clock;
    Path program { "/opt/ordovan/bin/ordovan" };
    Path folder { scratch.GetRoot().c_str() };
};

} // namespace

TEST_F(LoggerTest, LogFileIsNamedAfterTheProgramInTheGivenFolder)
{
    Path dotted("/opt/my.planner");
    Logger logger(1, std::vector<const char*> { "x" }.data(), dotted, folder, &clock);
    EXPECT_EQ(scratch.GetRoot() + "/my.log", logger.GetFileName());
}

TEST_F(LoggerTest, ByDefaultNothingBelowErrorIsWrittenAndNoFileMade)
{
    auto logger = Make({});
    logger->Log("here", 1, LogLevel::Warn, "quiet");
    logger.reset();
    EXPECT_FALSE(LogExists());
}

TEST_F(LoggerTest, InfoLevelWritesSeparatorStartAndShutdownRecords)
{
    auto logger = Make({ "/log", "info" });
    clock.ticks += 16;
    logger.reset();
    EXPECT_EQ(separator + "[2026-05-04 09:15:02 (T+0.000)] Info (toolbox::Logger::Logger:83) Logger initialized\n"
            + "[2026-05-04 09:15:02 (T+0.016)] Info (toolbox::Logger::~Logger:90) Shutting down logger\n",
        LogText());
}

TEST_F(LoggerTest, ErrorIsWrittenAtTheDefaultThreshold)
{
    auto logger = Make({});
    logger->Log("/src/model/Person.cpp", 12, LogLevel::Error, "lost %d of %s", 3, "tasks");
    EXPECT_TRUE(logger->IsFileOpen());
    EXPECT_EQ(separator + "[2026-05-04 09:15:02 (T+0.000)] Error (Person.cpp:12) lost 3 of tasks\n", LogText());
}

TEST_F(LoggerTest, LevelWordIsReadAfterLowering)
{
    EXPECT_EQ(static_cast<int>(LogLevel::Info), Make({ "/log", "INFO" })->GetThreshold());
    EXPECT_EQ(static_cast<int>(LogLevel::Fatal), Make({ "/log", "Fatal" })->GetThreshold());
    EXPECT_EQ(static_cast<int>(LogLevel::Debug), Make({ "/log", "debug" })->GetThreshold());
}

TEST_F(LoggerTest, OptionInCapitalsOrWithoutValueKeepsError)
{
    EXPECT_EQ(static_cast<int>(LogLevel::Error), Make({ "/LOG", "info" })->GetThreshold());
    EXPECT_EQ(static_cast<int>(LogLevel::Error), Make({ "/log" })->GetThreshold());
}

TEST_F(LoggerTest, UnknownWordSuppressesEveryRecord)
{
    auto logger = Make({ "/log", "verbose" });
    logger->Log("here", 1, LogLevel::Fatal, "dropped");
    logger.reset();
    EXPECT_FALSE(LogExists());
}

TEST_F(LoggerTest, LevelOutsideTheTableIsWrittenAsUnknown)
{
    auto logger = Make({ "/log", "fatal" });
    logger->Log("here", 7, static_cast<LogLevel>(99), "odd");
    EXPECT_NE(std::string::npos, LogText().find("] Unknown (here:7) odd\n"));
}

TEST_F(LoggerTest, TimeSinceStartCountsFromConstruction)
{
    auto logger = Make({});
    clock.ticks += 3500;
    logger->Log("here", 1, LogLevel::Error, "later");
    EXPECT_NE(std::string::npos, LogText().find("(T+3.500)] Error"));
}

TEST_F(LoggerTest, TimeSinceStartSurvivesTheTickCounterWrapping)
{
    clock.ticks = 0xFFFFFF00u;
    auto logger = Make({});
    clock.ticks = 0x100u;
    logger->Log("here", 1, LogLevel::Error, "wrapped");
    EXPECT_NE(std::string::npos, LogText().find("(T+0.512)]"));
}

TEST_F(LoggerTest, DateIsTheZoneStandardTime)
{
    clock.offset = -5 * 3600;
    auto logger = Make({});
    logger->Log("here", 1, LogLevel::Error, "west");
    EXPECT_NE(std::string::npos, LogText().find("[2026-05-04 02:15:02 (T+0.000)]"));
}

TEST_F(LoggerTest, MessageWithLineFeedsContinuesOnFurtherLines)
{
    auto logger = Make({});
    logger->Log("here", 1, LogLevel::Error, "one\ntwo");
    EXPECT_NE(std::string::npos, LogText().find(") one\ntwo\n"));
}

TEST_F(LoggerTest, LongMessageIsWrittenWhole)
{
    auto logger = Make({});
    std::string longText(5000, 'x');
    logger->Log("here", 1, LogLevel::Error, "%s|%d", longText.c_str(), 42);
    EXPECT_NE(std::string::npos, LogText().find(longText + "|42\n"));
}

TEST_F(LoggerTest, EveryRunAppendsAfterItsOwnSeparator)
{
    Make({ "/log", "info" }).reset();
    std::string firstRun = LogText();
    Make({ "/log", "info" }).reset();
    EXPECT_EQ(firstRun + firstRun, LogText());
}

TEST_F(LoggerTest, LibraryExceptionsReachTheLog)
{
    auto logger = Make({});
    toolbox::EIllegalState error("state lost", "toolbox::Thing::Do", 12);
    std::string expected
        = std::string("] Exception (toolbox::Thing::Do:12) ") + error.GetName() + ".\nMessage: state lost\n";
    EXPECT_NE(std::string::npos, LogText().find(expected));
}

TEST_F(LoggerTest, RecordsAfterShutdownAreDropped)
{
    auto logger = Make({ "/log", "info" });
    logger->Shutdown();
    EXPECT_EQ(nullptr, logger->GetFileName());
    std::string closed = LogText();
    logger->Log("here", 1, LogLevel::Fatal, "late");
    toolbox::GlobalLog("here", 2, LogLevel::Fatal, "late too");
    logger.reset();
    EXPECT_EQ(closed, LogText());
}

TEST_F(LoggerTest, ShutdownWithoutMemoryForItsRecordStillClosesAndStopsWriting)
{
    auto logger = Make({ "/log", "info" });
    {
        AllocationFailure exhausted(0);
        EXPECT_NO_THROW(logger->Shutdown());
        EXPECT_TRUE(exhausted.Struck());
    }
    EXPECT_FALSE(logger->IsFileOpen());
    EXPECT_EQ(nullptr, logger->GetFileName());
    std::string closed = LogText();
    toolbox::GlobalLog("here", 1, LogLevel::Fatal, "late");
    EXPECT_EQ(closed, LogText());
}

TEST_F(LoggerTest, SecondInstanceDropsItsRecordsWhileTheFirstHoldsTheFile)
{
    auto first = Make({});
    first->Log("first", 1, LogLevel::Error, "mine");
    auto second = Make({});
    second->Log("second", 1, LogLevel::Error, "theirs");
    EXPECT_FALSE(second->IsFileOpen());
    first.reset();
    second->Log("second", 2, LogLevel::Error, "now mine");
    std::string text = LogText();
    EXPECT_EQ(std::string::npos, text.find("theirs"));
    EXPECT_NE(std::string::npos, text.find("now mine"));
}

TEST_F(LoggerTest, FailedOpenIsTriedAgainWithTheNextRecord)
{
    folder.Append("later");
    auto logger = Make({});
    logger->Log("here", 1, LogLevel::Error, "lost");
    EXPECT_FALSE(logger->IsFileOpen());
    ASSERT_TRUE(folder.CreateDirectory());
    logger->Log("here", 2, LogLevel::Error, "kept");
    EXPECT_NE(std::string::npos, LogText().find("kept"));
    EXPECT_EQ(std::string::npos, LogText().find("lost"));
}

TEST_F(LoggerTest, ProgramPathWithoutNameRaisesIllegalArgument)
{
    const char* vector[] = { "/" };
    EXPECT_THROW(Logger(1, vector, Path("/"), folder, &clock), toolbox::EIllegalArgument);
}

TEST(LoggerClockTest, StandardOffsetLeavesDaylightSavingOut)
{
    ScratchHome scratch;
    ScratchHome::SetVariable("TZ", "EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(-5 * 3600, toolbox::LogClock::GetSystemClock().GetStandardOffsetSeconds());
    ScratchHome::SetVariable("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(3600, toolbox::LogClock::GetSystemClock().GetStandardOffsetSeconds());
}

TEST(GlobalLoggerTest, UsesTheProcessArgumentsProgramAndDocumentsFolder)
{
    ScratchHome scratch;
    toolbox::ProcessInfo::SetProgramFile("/opt/bin/ordovan");
    const char* vector[] = { "ordovan", "/log", "info" };
    toolbox::ProcessInfo::SetArguments(3, vector);
    toolbox::GlobalLog("early", 1, LogLevel::Fatal, "dropped");
    Logger::StartGlobal();
    ASSERT_NE(nullptr, Logger::GetGlobal());
    toolbox::GlobalLog("Module.cpp", 5, LogLevel::Warn, "through the route");
    Logger::ShutdownGlobal();
    EXPECT_EQ(nullptr, Logger::GetGlobal());
    toolbox::GlobalLog("late", 1, LogLevel::Fatal, "dropped");

    std::string text = ScratchHome::ReadFile(scratch.GetHome() + "/Documents/ordovan.log");
    EXPECT_NE(std::string::npos, text.find("Info (toolbox::Logger::Logger:83) Logger initialized\n"));
    EXPECT_NE(std::string::npos, text.find("Warn (Module.cpp:5) through the route\n"));
    EXPECT_NE(std::string::npos, text.find("Shutting down logger\n"));
    EXPECT_EQ(std::string::npos, text.find("dropped"));
}
