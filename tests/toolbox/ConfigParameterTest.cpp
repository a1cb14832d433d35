#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigTextWriter.h"

#include <gtest/gtest.h>

#include <string>

using namespace toolbox;

namespace {

std::string Written(const ConfigParameter& parameter)
{
    ConfigTextWriter writer;
    EXPECT_TRUE(parameter.Write(writer));
    return writer.GetText();
}

ConfigParameter& WithString(ConfigParameter& parameter, const char* text)
{
    parameter.SetString(text);
    return parameter;
}

} // namespace

TEST(ConfigParameterTest, NewParameterHasNoValueAndConvertsToNothing)
{
    ConfigParameter parameter;
    EXPECT_EQ(ParameterType::None, parameter.GetType());
    EXPECT_FALSE(parameter.AsBool());
    EXPECT_EQ(0, parameter.AsLong());
    EXPECT_STREQ("", parameter.AsString());
    EXPECT_EQ("\\0", Written(parameter));
}

TEST(ConfigParameterTest, BoolReadsAsOneOrZeroInEveryForm)
{
    ConfigParameter parameter;
    parameter.SetBool(true);
    EXPECT_EQ(ParameterType::Bool, parameter.GetType());
    EXPECT_TRUE(parameter.AsBool());
    EXPECT_EQ(1, parameter.AsLong());
    EXPECT_STREQ("1", parameter.AsString());
    parameter.SetBool(false);
    EXPECT_EQ(0, parameter.AsLong());
    EXPECT_EQ("0", Written(parameter));
}

TEST(ConfigParameterTest, LongHasNoTextButIsWrittenInDecimal)
{
    ConfigParameter parameter;
    parameter.SetLong(-1234);
    EXPECT_EQ(ParameterType::Long, parameter.GetType());
    EXPECT_STREQ("", parameter.AsString());
    EXPECT_TRUE(parameter.AsBool());
    EXPECT_EQ(-1234, parameter.AsLong());
    EXPECT_EQ("-1234", Written(parameter));
}

TEST(ConfigParameterTest, StringConvertsByItsLeadingDecimalValue)
{
    ConfigParameter parameter;
    EXPECT_TRUE(WithString(parameter, "1").AsBool());
    EXPECT_FALSE(WithString(parameter, "0").AsBool());
    EXPECT_FALSE(WithString(parameter, "yes").AsBool());
    EXPECT_FALSE(WithString(parameter, "true").AsBool());
    EXPECT_EQ(12, WithString(parameter, "12abc").AsLong());
    EXPECT_EQ(0, WithString(parameter, "abc").AsLong());
    EXPECT_EQ(-7, WithString(parameter, " -7").AsLong());
    EXPECT_STREQ(" -7", parameter.AsString());
}

TEST(ConfigParameterTest, SettingAnotherKindDropsTheText)
{
    ConfigParameter parameter;
    parameter.SetString("42");
    parameter.SetLong(5);
    EXPECT_STREQ("", parameter.AsString());
    EXPECT_EQ("5", Written(parameter));
}

TEST(ConfigParameterTest, SetStringAcceptsItsOwnText)
{
    ConfigParameter parameter;
    parameter.SetString("same text");
    parameter.SetString(parameter.AsString());
    EXPECT_STREQ("same text", parameter.AsString());
}

TEST(ConfigParameterTest, DoubleTruncatesTowardZero)
{
    ConfigParameter parameter;
    parameter.SetDouble(-2.75);
    EXPECT_EQ(-2, parameter.AsLong());
    EXPECT_TRUE(parameter.AsBool());
    EXPECT_STREQ("", parameter.AsString());
    EXPECT_EQ("-2.75", Written(parameter));
    parameter.SetDouble(0.0);
    EXPECT_FALSE(parameter.AsBool());
}

TEST(ConfigParameterTest, CharIsTrueForTheYesLettersAndOneAndReadsDigits)
{
    ConfigParameter parameter;
    for (char c : std::string("1yYtT")) {
        parameter.SetChar(c);
        EXPECT_TRUE(parameter.AsBool()) << c;
    }
    for (char c : std::string("0nNfF2")) {
        parameter.SetChar(c);
        EXPECT_FALSE(parameter.AsBool()) << c;
    }
    parameter.SetChar('7');
    EXPECT_EQ(7, parameter.AsLong());
    parameter.SetChar('x');
    EXPECT_EQ(0, parameter.AsLong());
    parameter.SetChar('<');
    EXPECT_EQ("\\<", Written(parameter));
}

TEST(ConfigParameterTest, ParseLongReadsLikeAtol)
{
    EXPECT_EQ(0, ConfigParameter::ParseLong(""));
    EXPECT_EQ(0, ConfigParameter::ParseLong(nullptr));
    EXPECT_EQ(15, ConfigParameter::ParseLong("\t\n +15 minutes"));
    EXPECT_EQ(0, ConfigParameter::ParseLong("- 3"));
    EXPECT_EQ(0, ConfigParameter::ParseLong("--3"));
    EXPECT_EQ(-32767, ConfigParameter::ParseLong("-32767"));
}

TEST(ConfigParameterTest, ParseLongClampsValuesBeyondThirtyTwoBits)
{
    EXPECT_EQ(2147483647, ConfigParameter::ParseLong("2147483647"));
    EXPECT_EQ(2147483647, ConfigParameter::ParseLong("2147483648"));
    EXPECT_EQ(2147483647, ConfigParameter::ParseLong("99999999999999999999999999"));
    EXPECT_EQ(-2147483647 - 1, ConfigParameter::ParseLong("-2147483648"));
    EXPECT_EQ(-2147483647 - 1, ConfigParameter::ParseLong("-2147483649"));
}
