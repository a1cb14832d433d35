#include "app/InformationOptions.h"

#include <sstream>

#include <gtest/gtest.h>

TEST(InformationOptions, VersionPrintsTheVersionLine)
{
    const char* argv[] = { "ordovan", "--version" };
    std::ostringstream out;
    EXPECT_TRUE(InformationOptions::Handle(2, argv, out));
    EXPECT_EQ(out.str(), "Ordovan Version 1.1.1\n");
}

TEST(InformationOptions, HelpPrintsUsageNamingTheLogOption)
{
    const char* argv[] = { "ordovan", "--help" };
    std::ostringstream out;
    EXPECT_TRUE(InformationOptions::Handle(2, argv, out));
    EXPECT_NE(out.str().find("Usage: ordovan"), std::string::npos);
    EXPECT_NE(out.str().find("/log LEVEL"), std::string::npos);
}

TEST(InformationOptions, OrdinaryStartAnswersNothing)
{
    const char* argv[] = { "ordovan", "/log", "debug" };
    std::ostringstream out;
    EXPECT_FALSE(InformationOptions::Handle(3, argv, out));
    EXPECT_FALSE(InformationOptions::Handle(1, argv, out));
    EXPECT_TRUE(out.str().empty());
}

TEST(InformationOptions, TheWordAfterLogIsNeverTakenAsAnOption)
{
    const char* argv[] = { "ordovan", "/log", "--version" };
    std::ostringstream out;
    EXPECT_FALSE(InformationOptions::Handle(3, argv, out));
    EXPECT_TRUE(out.str().empty());
}
