#include "toolbox/String.h"

#include "AllocationFailure.h"
#include "toolbox/Exception.h"

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using toolbox::String;

TEST(StringTest, AppendingToACopyLeavesTheOriginalAndItsBufferAlone)
{
    String original("abc");
    String copy(original);
    EXPECT_EQ(copy.GetText(), original.GetText());

    copy.Append("def");
    EXPECT_STREQ(original.GetText(), "abc");
    EXPECT_STREQ(copy.GetText(), "abcdef");
    EXPECT_NE(copy.GetText(), original.GetText());
}

TEST(StringTest, EitherOfTwoSharingCopiesCanGoFirst)
{
    for (bool firstGoesFirst : { true, false }) {
        auto first = std::make_unique<String>("shared");
        auto second = std::make_unique<String>(*first);
        (firstGoesFirst ? first : second).reset();
        String& survivor = firstGoesFirst ? *second : *first;
        EXPECT_STREQ(survivor.GetText(), "shared");
        survivor.AppendChar('!');
        EXPECT_STREQ(survivor.GetText(), "shared!");
    }
}

TEST(StringTest, RemovingTheMiddleOfThreeKeepsTheOuterTwoLinked)
{
    String first("abc");
    auto middle = std::make_unique<String>(first);
    String last(*middle);
    middle.reset();
    EXPECT_EQ(first.GetText(), last.GetText());

    // The buffer has room for one more byte: a string that wrongly thought it
    // owned it alone would write in place and change its partner.
    first.AppendChar('x');
    EXPECT_STREQ(last.GetText(), "abc");
    last.AppendChar('y');
    EXPECT_STREQ(first.GetText(), "abcx");
    EXPECT_STREQ(last.GetText(), "abcy");
}

TEST(StringTest, AssigningToItselfOrToASharingCopyKeepsTheChain)
{
    String first("abc");
    String second(first);
    const char* buffer = first.GetText();
    first.Assign(first);
    second.Assign(first);
    first.Assign(second);
    EXPECT_EQ(first.GetText(), buffer);
    EXPECT_EQ(second.GetText(), buffer);

    first.AppendChar('x');
    EXPECT_STREQ(second.GetText(), "abc");
}

TEST(StringTest, AssigningAStringLeavesTheOldChainAndJoinsTheNewOne)
{
    String left("left");
    String right("right");
    String copy(right);
    copy = left;
    EXPECT_EQ(copy.GetText(), left.GetText());
    EXPECT_STREQ(right.GetText(), "right");

    copy.Assign("own");
    EXPECT_STREQ(left.GetText(), "left");
    EXPECT_STREQ(copy.GetText(), "own");
    EXPECT_EQ(copy.GetLength(), 3);
}

TEST(StringTest, TextsTakenFromTheStringItselfSurviveGrowth)
{
    String text("abc");
    text.Append(text.GetText());
    text.Append(text.GetText());
    EXPECT_STREQ(text.GetText(), "abcabcabcabc");
    text.Assign(text.GetText() + 9);
    EXPECT_STREQ(text.GetText(), "abc");
}

TEST(StringTest, GrowsFromCapacity20To44ToHold21Bytes)
{
    String text;
    EXPECT_EQ(text.GetCapacity(), 4);
    text.Reserve(16, String::Contents::Discard);
    EXPECT_EQ(text.GetCapacity(), 20);
    text.Assign("0123456789");
    text.Reserve(21, String::Contents::Keep);
    EXPECT_EQ(text.GetCapacity(), 44);
    EXPECT_STREQ(text.GetText(), "0123456789");
}

TEST(StringTest, GrowsToSixteenFirstAndByHalfAbove16KiB)
{
    String small;
    small.Append("abcd");
    EXPECT_EQ(small.GetCapacity(), 20);

    String large;
    large.Reserve(16384, String::Contents::Discard);
    EXPECT_EQ(large.GetCapacity(), 16388);
    large.Reserve(16389, String::Contents::Keep);
    EXPECT_EQ(large.GetCapacity(), 16388 + 16388 / 2 + 2);
}

TEST(StringTest, TruncateAndCutEndClampTheirArguments)
{
    String text("abc");
    text.Truncate(5);
    text.CutEnd(-1);
    EXPECT_STREQ(text.GetText(), "abc");
    text.CutEnd(1);
    EXPECT_STREQ(text.GetText(), "ab");
    EXPECT_EQ(text.GetLength(), 2);

    String copy(text);
    copy.Truncate(-1);
    EXPECT_STREQ(copy.GetText(), "");
    EXPECT_STREQ(text.GetText(), "ab");
    text.CutEnd(10);
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(StringTest, FindsCharactersAndTextsFromAPosition)
{
    String text("abcabc");
    EXPECT_EQ(text.IndexOf('c'), 2);
    EXPECT_EQ(text.IndexOf('z'), -1);
    EXPECT_EQ(text.IndexOf("bc", -4), 1);
    EXPECT_EQ(text.IndexOf("bc", 2), 4);
    EXPECT_EQ(text.IndexOf("", 6), 6);
    EXPECT_EQ(text.IndexOf("", 7), -1);
    EXPECT_EQ(text.IndexOf("cab", 3), -1);
}

TEST(StringTest, EndsWithMatchesOnlySuffixesThatFit)
{
    String text("abc");
    EXPECT_TRUE(text.EndsWith(""));
    EXPECT_TRUE(String().EndsWith(""));
    EXPECT_TRUE(text.EndsWith("bc"));
    EXPECT_FALSE(text.EndsWith("ab"));
    EXPECT_FALSE(text.EndsWith("abcd"));
}

TEST(StringTest, ToLowerFoldsAsciiAndLatin1CapitalsOnly)
{
    String text("@AZ[\xC0\xD6\xD7\xD8\xDE\xDF\xBF");
    String copy(text);
    text.ToLower();
    EXPECT_STREQ(text.GetText(), "@az[\xE0\xF6\xD7\xF8\xFE\xDF\xBF");
    EXPECT_STREQ(copy.GetText(), "@AZ[\xC0\xD6\xD7\xD8\xDE\xDF\xBF");
}

TEST(StringTest, FormatGrowsUntilTheTextFitsAndCountsItsLengthLater)
{
    char expected[200];
    std::snprintf(expected, sizeof expected, "%-97s|%d", "left", 42);
    String text("old");
    text.Format("%-97s|%d", "left", 42);
    EXPECT_STREQ(text.GetText(), expected);
    EXPECT_EQ(text.GetLength(), static_cast<int>(std::strlen(expected)));

    text.Format("%s", "");
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(StringTest, FormatMayReadItsArgumentsFromTheStringItself)
{
    String text("0123456789");
    String copy(text);
    text.Format("%s-%s-%s-%s", text.GetText(), text.GetText(), text.GetText(), copy.GetText());
    EXPECT_STREQ(text.GetText(), "0123456789-0123456789-0123456789-0123456789");
    EXPECT_STREQ(copy.GetText(), "0123456789");
}

TEST(StringTest, AppendNumberWritesSignedDecimalsAndCountsLater)
{
    String text("n=");
    text.AppendNumber(-2147483647 - 1);
    text.AppendChar(',');
    text.AppendNumber(0);
    EXPECT_STREQ(text.GetText(), "n=-2147483648,0");
    EXPECT_EQ(text.GetLength(), 15);
}

TEST(StringTest, ComparesBytesAsUnsignedLikeStrcmp)
{
    String text("abc");
    EXPECT_TRUE(text == "abc");
    EXPECT_TRUE(text != "abd");
    EXPECT_TRUE(text < "abd");
    EXPECT_FALSE(text < "ab");
    EXPECT_TRUE(String("z") < String("\xE9"));
    EXPECT_EQ(String('x'), String("x"));
}

TEST(StringTest, FailedAllocationLeavesTheStringInItsChain)
{
    String original("abc");
    String copy(original);
    {
        AllocationFailure failure(0);
        EXPECT_THROW(copy.Append("more"), toolbox::EOutOfMemory);
        EXPECT_TRUE(failure.Struck());
    }
    EXPECT_EQ(copy.GetText(), original.GetText());
    copy.AppendChar('d');
    EXPECT_STREQ(original.GetText(), "abc");
    EXPECT_STREQ(copy.GetText(), "abcd");
}

// A format of 192 MiB starts at a quarter of the limit, so one doubling
// reaches it; padding of the same size from a short format would take many
// slow rounds. About 1 GB is taken for a moment.
TEST(StringTest, FormattingOf512MiBOrMoreRaisesAndLeavesTheTextEmpty)
{
    const char padding[] = "%100000000s";
    std::string format(0xC000000 - (sizeof padding - 1), 'x');
    format += padding;
    String text("before");
    try {
        text.Format(format.c_str(), "");
        FAIL() << "no exception";
    } catch (const toolbox::EIllegalArgument& error) {
        EXPECT_STREQ(error.GetMessage(), "Formatted string requires too much space (>512MB)");
        EXPECT_STREQ(error.GetSourceFile(), "toolbox::String::FormatFromVargs");
        EXPECT_EQ(error.GetLine(), 1147);
    }
    EXPECT_STREQ(text.GetText(), "");
    EXPECT_LT(text.GetCapacity(), 0x20000000);
}
