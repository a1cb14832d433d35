#include "ScratchHome.h"

#include "toolbox/CommandLine.h"
#include "toolbox/ProcessInfo.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using toolbox::ArrayList;
using toolbox::CommandLine;
using toolbox::String;

namespace {

class CommandLineTest : public testing::Test {
protected:
    CommandLineTest() { commandLine.DeclareOption("/log", 1); }

    void Parse(std::initializer_list<const char*> arguments)
    {
        std::vector<const char*> vector { "/usr/bin/ordovan" };
        vector.insert(vector.end(), arguments);
        commandLine.Parse(static_cast<int>(vector.size()), vector.data());
    }

    std::string Values(const char* name) const
    {
        ArrayList<String>* values = commandLine.GetOptionValues(name);
        if (!values)
            return "<none>";
        std::string joined;
        for (String* value : *values)
            joined += std::string(joined.empty() ? "" : "|") + value->GetText();
        return joined;
    }

    std::string Positional() const
    {
        std::string joined;
        for (String* argument : commandLine.GetArguments())
            joined += std::string("[") + argument->GetText() + "]";
        return joined;
    }

    CommandLine commandLine;
};

} // namespace

TEST_F(CommandLineTest, OptionTakesTheFollowingArgumentAsItsValue)
{
    Parse({ "/log", "DEBUG" });
    EXPECT_EQ("DEBUG", Values("/log"));
    EXPECT_TRUE(commandLine.GetOption("/log")->IsPresent());
    EXPECT_EQ("", Positional());
}

TEST_F(CommandLineTest, FirstArgumentIsTheProgramPath)
{
    Parse({ "plan.txt" });
    EXPECT_STREQ("/usr/bin/ordovan", commandLine.GetProgramPath().GetText());
    EXPECT_EQ("[plan.txt]", Positional());
}

TEST_F(CommandLineTest, DeclaredOptionThatDidNotOccurHasNoValues)
{
    Parse({ "a" });
    EXPECT_EQ("", Values("/log"));
    EXPECT_FALSE(commandLine.GetOption("/log")->IsPresent());
}

TEST_F(CommandLineTest, UnknownNameHasNoValueList)
{
    EXPECT_EQ("<none>", Values("/other"));
    EXPECT_EQ(nullptr, commandLine.GetOption(nullptr));
}

TEST_F(CommandLineTest, OptionAsTheLastArgumentIsPresentWithoutValue)
{
    Parse({ "/log" });
    EXPECT_EQ("", Values("/log"));
    EXPECT_TRUE(commandLine.GetOption("/log")->IsPresent());
}

TEST_F(CommandLineTest, MissingValuesEndTheParse)
{
    commandLine.DeclareOption("/size", 2);
    Parse({ "first", "/size", "10" });
    EXPECT_EQ("", Values("/size"));
    EXPECT_TRUE(commandLine.GetOption("/size")->IsPresent());
    EXPECT_EQ("[first]", Positional());
}

TEST_F(CommandLineTest, NamesMatchCaseAndLeadingCharacter)
{
    Parse({ "/LOG", "debug", "-log", "info" });
    EXPECT_EQ("", Values("/log"));
    EXPECT_EQ("[debug][info]", Positional());
}

TEST_F(CommandLineTest, UndeclaredOptionsAreKeptWithoutValues)
{
    Parse({ "/LOG", "debug" });
    EXPECT_EQ("", Values("/LOG"));
    EXPECT_TRUE(commandLine.GetOption("/LOG")->IsPresent());
    EXPECT_EQ(0, commandLine.GetOption("/LOG")->GetArgumentCount());
}

TEST_F(CommandLineTest, ValueMayLookLikeAnOption)
{
    Parse({ "/log", "/x", "-y" });
    EXPECT_EQ("/x", Values("/log"));
    EXPECT_EQ("<none>", Values("/x"));
    EXPECT_EQ("", Values("-y"));
}

TEST_F(CommandLineTest, RepeatedOptionKeepsItsLastValues)
{
    Parse({ "/log", "a", "/log", "b" });
    EXPECT_EQ("b", Values("/log"));
}

TEST_F(CommandLineTest, EmptyArgumentIsPositional)
{
    Parse({ "", "x" });
    EXPECT_EQ("[][x]", Positional());
}

TEST_F(CommandLineTest, DeclaringAgainReplacesTheOptionAndItsValues)
{
    Parse({ "/log", "info" });
    commandLine.DeclareOption("/log", 2);
    EXPECT_EQ("", Values("/log"));
    EXPECT_FALSE(commandLine.GetOption("/log")->IsPresent());
    EXPECT_EQ(2, commandLine.GetOption("/log")->GetArgumentCount());
}

TEST_F(CommandLineTest, NegativeValueCountTakesNoValues)
{
    commandLine.DeclareOption("/back", -3);
    Parse({ "/back", "a", "b" });
    EXPECT_EQ("", Values("/back"));
    EXPECT_EQ("[a][b]", Positional());
}

TEST_F(CommandLineTest, NullArgumentsReadAsEmpty)
{
    const char* vector[] = { nullptr, "/log", nullptr };
    commandLine.Parse(3, vector);
    EXPECT_EQ("", Values("/log"));
    EXPECT_EQ(1, commandLine.GetOption("/log")->GetValues()->GetCount());
    EXPECT_STREQ("", commandLine.GetProgramPath().GetText());
}

TEST(CommandLineProcessTest, ParsesTheArgumentsMainHandedOver)
{
    ScratchHome scratch;
    const char* vector[] = { "ordovan", "/log", "warn", "file" };
    toolbox::ProcessInfo::SetArguments(4, vector);
    CommandLine commandLine;
    commandLine.DeclareOption("/log", 1);
    commandLine.ParseProcessArguments();
    EXPECT_STREQ("warn", commandLine.GetOptionValues("/log")->GetFirst()->GetText());
    EXPECT_STREQ("file", commandLine.GetArguments().GetFirst()->GetText());
}

TEST(CommandLineProcessTest, ReadsTheProcessArgumentsWhenNoneWereHandedOver)
{
    ScratchHome scratch;
    CommandLine commandLine;
    commandLine.ParseProcessArguments();
    EXPECT_GT(commandLine.GetProgramPath().GetLength(), 0);
    EXPECT_STREQ(toolbox::ProcessInfo::GetArgument(0), commandLine.GetProgramPath().GetText());
}
