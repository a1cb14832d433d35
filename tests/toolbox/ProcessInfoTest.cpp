#include "ScratchHome.h"

#include "toolbox/ProcessInfo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using toolbox::ProcessInfo;

namespace {

// The test program's own command line, read independently.
std::string FirstOwnArgument()
{
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    std::string first;
    std::getline(file, first, '\0');
    return first;
}

} // namespace

TEST(ProcessInfoTest, HandedOverArgumentsAreCopied)
{
    ScratchHome scratch;
    std::string changing = "first";
    const char* vector[] = { changing.c_str(), "second" };
    ProcessInfo::SetArguments(2, vector);
    changing = "other";
    EXPECT_EQ(2, ProcessInfo::GetArgumentCount());
    EXPECT_STREQ("first", ProcessInfo::GetArgument(0));
    EXPECT_STREQ("second", ProcessInfo::GetArgument(1));
    EXPECT_EQ(nullptr, ProcessInfo::GetArgument(2));
    EXPECT_EQ(nullptr, ProcessInfo::GetArgument(-1));
}

TEST(ProcessInfoTest, WithoutHandedOverArgumentsTheProcessOwnAreRead)
{
    ScratchHome scratch;
    ASSERT_GE(ProcessInfo::GetArgumentCount(), 1);
    EXPECT_EQ(FirstOwnArgument(), ProcessInfo::GetArgument(0));
}

TEST(ProcessInfoTest, ChosenProgramFileWinsUntilCleared)
{
    ScratchHome scratch;
    ProcessInfo::SetProgramFile("/elsewhere/ordovan");
    EXPECT_STREQ("/elsewhere/ordovan", ProcessInfo::GetProgramFile().GetText());
    ProcessInfo::SetProgramFile(nullptr);
    EXPECT_STRNE("/elsewhere/ordovan", ProcessInfo::GetProgramFile().GetText());
}
