#include "model/CompareByName.h"
#include "model/Resource.h"

#include <gtest/gtest.h>

namespace {

int Compare(const char* left, const char* right)
{
    Resource a;
    Resource b;
    a.SetName(left);
    b.SetName(right);
    return CompareByName(&a, &b);
}

} // namespace

TEST(CompareByName, IgnoresTheCaseOfAsciiLetters)
{
    EXPECT_EQ(Compare("apple", "Banana"), -1);
    EXPECT_EQ(Compare("Banana", "apple"), 1);
    EXPECT_EQ(Compare("KITCHEN", "kitchen"), 0);
}

TEST(CompareByName, UnderscoreSortsBetweenCapitalsAndLowerCaseAfterFolding)
{
    EXPECT_EQ(Compare("B", "b_"), -1);
    EXPECT_EQ(Compare("b_", "ba"), -1);
    EXPECT_EQ(Compare("ba", "b_"), 1);
}

TEST(CompareByName, PrefixSortsFirst)
{
    EXPECT_EQ(Compare("Bath", "Bathroom"), -1);
    EXPECT_EQ(Compare("Bathroom", "bath"), 1);
    EXPECT_EQ(Compare("", "a"), -1);
    EXPECT_EQ(Compare("", ""), 0);
}

TEST(CompareByName, HighBytesCompareAsUnsignedAndAreNotFolded)
{
    EXPECT_EQ(Compare("z", "\xe9"), -1);
    EXPECT_EQ(Compare("\xc9", "\xe9"), -1);
}
