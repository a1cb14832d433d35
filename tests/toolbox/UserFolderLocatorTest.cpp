#include "toolbox/UserFolderLocator.h"

#include <gtest/gtest.h>

using toolbox::UserFolderLocator;
using toolbox::String;

namespace {

const char* Find(const char* fileText, String& text)
{
    if (!UserFolderLocator::FindUserDirectory(fileText, "XDG_DOCUMENTS_DIR", "/home/ann", text))
        return nullptr;
    return text.GetText();
}

} // namespace

TEST(UserFolderLocatorTest, ExpandsHomeAtTheStartOfTheValue)
{
    String text;
    EXPECT_STREQ("/home/ann/Dokumente", Find("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", text));
}

TEST(UserFolderLocatorTest, IgnoresOtherKeysAndComments)
{
    String text;
    const char* file = "# XDG_DOCUMENTS_DIR=\"/wrong\"\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                       "XDG_DOCUMENTS_DIR_OLD=\"/old\"\n  XDG_DOCUMENTS_DIR=\"/srv/docs\"\n";
    EXPECT_STREQ("/srv/docs", Find(file, text));
}

TEST(UserFolderLocatorTest, LaterAssignmentWins)
{
    String text;
    EXPECT_STREQ("/second", Find("XDG_DOCUMENTS_DIR=\"/first\"\nXDG_DOCUMENTS_DIR=\"/second\"", text));
}

TEST(UserFolderLocatorTest, ReadsEscapedCharactersInQuotes)
{
    String text;
    EXPECT_STREQ("/home/ann/My \"Docs\"", Find("XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n", text));
}

TEST(UserFolderLocatorTest, RejectsRelativeValuesAndLookalikeVariables)
{
    String text("unchanged");
    EXPECT_EQ(nullptr, Find("XDG_DOCUMENTS_DIR=\"Documents\"\n", text));
    EXPECT_EQ(nullptr, Find("XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", text));
    EXPECT_EQ(nullptr, Find("", text));
    EXPECT_STREQ("unchanged", text.GetText());
}

TEST(UserFolderLocatorTest, HomeItselfIsAValidFolder)
{
    String text;
    EXPECT_STREQ("/home/ann", Find("XDG_DOCUMENTS_DIR=$HOME\n", text));
}
