#include "toolbox/StrICmp.h"

#include <gtest/gtest.h>

using toolbox::StrICmp;

TEST(StrICmpTest, TextsDifferingOnlyInLetterCaseAreEqual)
{
    EXPECT_EQ(StrICmp("Persons", "pERSONS"), 0);
    EXPECT_EQ(StrICmp("", ""), 0);
}

TEST(StrICmpTest, OrdersByTheFirstDifferingByteAndShorterPrefixFirst)
{
    EXPECT_LT(StrICmp("apple", "Banana"), 0);
    EXPECT_GT(StrICmp("Cherry", "banana"), 0);
    EXPECT_LT(StrICmp("Task", "task 2"), 0);
    EXPECT_GT(StrICmp("task 2", "TASK"), 0);
}

TEST(StrICmpTest, FoldsToLowerCaseSoPunctuationBetweenTheCasesSortsBeforeLetters)
{
    // '_' lies between 'Z' and 'a': folding to upper case would put it last.
    EXPECT_LT(StrICmp("_", "A"), 0);
    EXPECT_GT(StrICmp("a", "_"), 0);
}

TEST(StrICmpTest, LeavesNonAsciiBytesUnfoldedAndComparesThemUnsigned)
{
    EXPECT_NE(StrICmp("\xC4", "\xE4"), 0);
    EXPECT_GT(StrICmp("\x80", "z"), 0);
}

TEST(StrICmpTest, NullSortsBeforeEveryText)
{
    EXPECT_LT(StrICmp(nullptr, ""), 0);
    EXPECT_GT(StrICmp("a", nullptr), 0);
    EXPECT_EQ(StrICmp(nullptr, nullptr), 0);
}
