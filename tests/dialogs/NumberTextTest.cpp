#include "dialogs/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();

TEST(NumberText, ReadsDigitsUpToTheFirstOtherCharacter)
{
    EXPECT_EQ(NumberText::ToWholeNumber("45min"), 45);
    EXPECT_EQ(NumberText::ToWholeNumber("3"), 3);
    EXPECT_EQ(NumberText::ToWholeNumber("12 34"), 12);
    EXPECT_EQ(NumberText::ToWholeNumber("007"), 7);
}

TEST(NumberText, SkipsLeadingBlanksOfEveryKind)
{
    EXPECT_EQ(NumberText::ToWholeNumber("   8"), 8);
    EXPECT_EQ(NumberText::ToWholeNumber("\t\n\v\f\r9"), 9);
}

TEST(NumberText, TakesOneOptionalSign)
{
    EXPECT_EQ(NumberText::ToWholeNumber("-15"), -15);
    EXPECT_EQ(NumberText::ToWholeNumber("+15"), 15);
    EXPECT_EQ(NumberText::ToWholeNumber("  -3x"), -3);
    EXPECT_EQ(NumberText::ToWholeNumber("--3"), 0);
    EXPECT_EQ(NumberText::ToWholeNumber("- 3"), 0);
}

TEST(NumberText, GivesZeroWithoutLeadingDigits)
{
    EXPECT_EQ(NumberText::ToWholeNumber(""), 0);
    EXPECT_EQ(NumberText::ToWholeNumber("x"), 0);
    EXPECT_EQ(NumberText::ToWholeNumber("abc12"), 0);
    EXPECT_EQ(NumberText::ToWholeNumber("-"), 0);
}

TEST(NumberText, ClampsToThe32BitRangeInsteadOfWrapping)
{
    EXPECT_EQ(NumberText::ToWholeNumber("2147483647"), Highest);
    EXPECT_EQ(NumberText::ToWholeNumber("2147483648"), Highest);
    EXPECT_EQ(NumberText::ToWholeNumber("99999999999999999999999"), Highest);
    EXPECT_EQ(NumberText::ToWholeNumber("-2147483648"), Lowest);
    EXPECT_EQ(NumberText::ToWholeNumber("-2147483649"), Lowest);
    EXPECT_EQ(NumberText::ToWholeNumber("-99999999999999999999999"), Lowest);
}

TEST(NumberText, IgnoresDigitsOfOtherScripts)
{
    EXPECT_EQ(NumberText::ToWholeNumber(QString::fromUtf8("\u0663")), 0);
    EXPECT_EQ(NumberText::ToWholeNumber(QString::fromUtf8("4\u0663")), 4);
}

TEST(NumberText, FormatsPlainAndTwoDigitNumbers)
{
    EXPECT_EQ(NumberText::FromWholeNumber(0), "0");
    EXPECT_EQ(NumberText::FromWholeNumber(-12), "-12");
    EXPECT_EQ(NumberText::FromWholeNumber(Highest), "2147483647");
    EXPECT_EQ(NumberText::FromWholeNumberTwoDigits(5), "05");
    EXPECT_EQ(NumberText::FromWholeNumberTwoDigits(18), "18");
    EXPECT_EQ(NumberText::FromWholeNumberTwoDigits(125), "125");
    EXPECT_EQ(NumberText::FromWholeNumberTwoDigits(-5), "-5");
}

} // namespace
