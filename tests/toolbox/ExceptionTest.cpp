#include "toolbox/Exception.h"
#include "toolbox/GlobalLog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace toolbox;

namespace {

struct Record {
    std::string source;
    int line;
    LogLevel level;
    std::string message;
};

void Collect(void* context, const char* source, int line, LogLevel level, const char* format, va_list arguments)
{
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    static_cast<std::vector<Record>*>(context)->push_back({ source, line, level, text });
}

class ExceptionTest : public ::testing::Test {
protected:
    void SetUp() override { InstallGlobalLogSink(Collect, &records); }
    void TearDown() override { RemoveGlobalLogSink(&records); }
    std::vector<Record> records;
};

} // namespace

TEST_F(ExceptionTest, OneWithASourceLocationLogsItselfOnceAtLevelException)
{
    EIllegalState e("The __argv[0] does not denote a valid path", "toolbox::Path::CreateApplicationLikePathInternal", 875);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].level, LogLevel::Exception);
    EXPECT_EQ(records[0].source, "toolbox::Path::CreateApplicationLikePathInternal");
    EXPECT_EQ(records[0].line, 875);
    EXPECT_EQ(records[0].message, "EIllegalState.\nMessage: The __argv[0] does not denote a valid path");
    EXPECT_STREQ(e.GetName(), "EIllegalState");
}

TEST_F(ExceptionTest, OutOfMemoryAndNameOnlyExceptionsLogNothing)
{
    EOutOfMemory e;
    Exception plain("EIllegalArgument");
    EAutoBreaking noLine("EIllegalArgument", "m", "source", 0);
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(e.GetMessage(), nullptr);
    EXPECT_EQ(e.GetSourceFile(), nullptr);
}

TEST_F(ExceptionTest, KeepsOnlyTheFileNameOfASourcePath)
{
    EIllegalArgument windows("m", "C:\\src\\toolbox\\String.cpp", 1);
    EIllegalArgument posix("m", "/home/dev/toolbox/Path.cpp", 2);
    EIllegalArgument plain("m", "toolbox::Logger::Logger", 39);
    EXPECT_STREQ(windows.GetSourceFile(), "String.cpp");
    EXPECT_STREQ(posix.GetSourceFile(), "Path.cpp");
    EXPECT_STREQ(plain.GetSourceFile(), "toolbox::Logger::Logger");
}

TEST_F(ExceptionTest, NullMessageStaysNullAndLogsTheLibraryText)
{
    EIllegalArgument e(nullptr, "source", 3);
    EXPECT_EQ(e.GetMessage(), nullptr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].message, "EIllegalArgument.\nMessage: (null)");
}

TEST_F(ExceptionTest, CopiesOwnTheirTexts)
{
    auto* original = new EIllegalArgument("message", "dir/file.cpp", 7);
    EIllegalArgument copy(*original);
    EXPECT_NE(copy.GetMessage(), original->GetMessage());
    delete original;
    EXPECT_STREQ(copy.GetMessage(), "message");
    EXPECT_STREQ(copy.GetSourceFile(), "file.cpp");
    EXPECT_EQ(copy.GetLine(), 7);
    EXPECT_EQ(records.size(), 1u) << "copies do not log again";
}

TEST_F(ExceptionTest, IsCaughtThroughItsBaseClasses)
{
    try {
        throw EIllegalState("state", "s", 1);
    } catch (const EAutoBreaking& e) {
        EXPECT_STREQ(e.GetMessage(), "state");
        return;
    }
    FAIL() << "not caught as EAutoBreaking";
}

TEST_F(ExceptionTest, RecordsAreDroppedWithoutASink)
{
    RemoveGlobalLogSink(&records);
    EIllegalArgument e("m", "s", 1);
    EXPECT_TRUE(records.empty());
}

TEST_F(ExceptionTest, AFailingLogStepLeavesTheExceptionWholeAndThrowable)
{
    auto throwingSink = [](void*, const char*, int, LogLevel, const char*, va_list) { throw EOutOfMemory(); };
    InstallGlobalLogSink(throwingSink, &records);
    try {
        throw EIllegalState("state lost", "dir/Thing.cpp", 12);
    } catch (const EIllegalState& e) {
        EXPECT_STREQ(e.GetMessage(), "state lost");
        EXPECT_STREQ(e.GetSourceFile(), "Thing.cpp");
        return;
    } catch (...) {
    }
    FAIL() << "the log step's failure replaced the exception";
}
