#include "model/DisplayText.h"

#include <gtest/gtest.h>

TEST(DisplayText, KeepsValidUtf8AsItIs)
{
    EXPECT_EQ(DisplayText::ToUtf8("B\xc3\xa4"
                                  "cker"),
        "B\xc3\xa4"
        "cker");
}

TEST(DisplayText, ReadsInvalidUtf8AsLatin1)
{
    EXPECT_EQ(DisplayText::ToUtf8("B\xe4"
                                  "cker"),
        "B\xc3\xa4"
        "cker");
    EXPECT_EQ(DisplayText::ToUtf8("\xff\x41"), "\xc3\xbf\x41");
}

TEST(DisplayText, ShowsNullAsEmpty)
{
    EXPECT_EQ(DisplayText::ToUtf8(nullptr), "");
}

TEST(DisplayText, TreatsATruncatedSequenceAsInvalid)
{
    EXPECT_FALSE(DisplayText::IsValidUtf8("abc\xc3"));
    EXPECT_FALSE(DisplayText::IsValidUtf8("\xe2\x82"));
    EXPECT_TRUE(DisplayText::IsValidUtf8("abc"));
    EXPECT_TRUE(DisplayText::IsValidUtf8(""));
    EXPECT_TRUE(DisplayText::IsValidUtf8(nullptr));
}

TEST(DisplayText, RejectsOverlongFormsSurrogatesAndCodePointsBeyondUnicode)
{
    EXPECT_FALSE(DisplayText::IsValidUtf8("\xc0\xaf"));
    EXPECT_FALSE(DisplayText::IsValidUtf8("\xe0\x80\xaf"));
    EXPECT_FALSE(DisplayText::IsValidUtf8("\xed\xa0\x80"));
    EXPECT_FALSE(DisplayText::IsValidUtf8("\xf4\x90\x80\x80"));
    EXPECT_TRUE(DisplayText::IsValidUtf8("\xf4\x8f\xbf\xbf"));
    EXPECT_TRUE(DisplayText::IsValidUtf8("\xe2\x82\xac"));
}
