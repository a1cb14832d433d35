#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigParameter.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace toolbox;

namespace {

std::set<std::string> Names(const PointeredList& list)
{
    std::set<std::string> names;
    for (PointeredListItem* item : list)
        names.insert(static_cast<const char*>(item->GetPointer()));
    return names;
}

} // namespace

TEST(ConfigSectionTest, GetLongStoresTheDefaultOnceAndKeepsIt)
{
    ConfigSection section("MainFrame");
    EXPECT_EQ(50, section.GetLong("XPos", 50));
    EXPECT_EQ(ParameterType::Long, section.GetParameter("XPos").GetType());
    EXPECT_EQ(50, section.GetLong("XPos", 70));
    EXPECT_EQ(1, section.GetParameterCount());
}

TEST(ConfigSectionTest, GetBoolAndGetStringStoreTheirDefaultsWithTheirKind)
{
    ConfigSection section("S");
    EXPECT_TRUE(section.GetBool("Flag", true));
    EXPECT_EQ(ParameterType::Bool, section.GetParameter("Flag").GetType());
    EXPECT_FALSE(section.GetBool("Other", false));
    EXPECT_STREQ("first", section.GetString("Text", "first"));
    EXPECT_STREQ("first", section.GetString("Text", "second"));
    EXPECT_EQ(ParameterType::String, section.GetParameter("Text").GetType());
}

TEST(ConfigSectionTest, FoundParameterIsConvertedNotReplacedByTheDefault)
{
    ConfigSection section("S");
    section.GetParameter("Count").SetString("12abc");
    EXPECT_EQ(12, section.GetLong("Count", 99));
    EXPECT_TRUE(section.GetBool("Count", false));
    EXPECT_EQ(ParameterType::String, section.GetParameter("Count").GetType());
}

TEST(ConfigSectionTest, GetSectionReturnsTheSameSectionForTheSameName)
{
    ConfigSection root("Root");
    ConfigSection& first = root.GetSection("Persons");
    first.GetLong("Marker", 3);
    ConfigSection& second = root.GetSection("Persons");
    EXPECT_EQ(&first, &second);
    EXPECT_STREQ("Persons", second.GetName());
    EXPECT_EQ(1, root.GetSectionCount());
}

TEST(ConfigSectionTest, NamesDifferingInCaseAreDifferentSections)
{
    ConfigSection root("Root");
    ConfigSection& upper = root.GetSection("A");
    ConfigSection& lower = root.GetSection("a");
    EXPECT_NE(&upper, &lower);
    EXPECT_EQ(2, root.GetSectionCount());
}

TEST(ConfigSectionTest, ParameterAndSectionMayShareAName)
{
    ConfigSection root("Root");
    root.GetParameter("Both").SetLong(1);
    root.GetSection("Both").GetLong("Inner", 2);
    EXPECT_EQ(1, root.GetParameterCount());
    EXPECT_EQ(1, root.GetSectionCount());
    EXPECT_EQ(1, root.GetLong("Both", 0));
}

TEST(ConfigSectionTest, RemoveSectionDestroysTheSubtreeAndIgnoresUnknownNames)
{
    ConfigSection root("Root");
    root.GetSection("Keep");
    root.GetSection("Gone").GetSection("Deeper").GetLong("X", 1);
    root.RemoveSection("Missing");
    EXPECT_EQ(2, root.GetSectionCount());
    root.RemoveSection("Gone");
    EXPECT_EQ(std::set<std::string> { "Keep" }, Names(*root.GetSubsectionNames()));
    EXPECT_EQ(0, root.GetSection("Gone").GetSectionCount());
}

TEST(ConfigSectionTest, ClearEmptiesOnlyItsOwnMap)
{
    ConfigSection root("Root");
    root.GetLong("P", 1);
    root.GetSection("S");
    root.ClearParameters();
    EXPECT_EQ(0, root.GetParameterCount());
    EXPECT_EQ(1, root.GetSectionCount());
    root.ClearSections();
    EXPECT_EQ(0, root.GetSectionCount());
}

TEST(ConfigSectionTest, ListsPointAtTheTreesOwnSectionsAndNames)
{
    ConfigSection root("Root");
    ConfigSection& a = root.GetSection("a");
    ConfigSection& b = root.GetSection("b");
    root.GetLong("p", 0);
    std::unique_ptr<PointeredList> sections = root.GetSubsections();
    std::set<ConfigSection*> found;
    for (PointeredListItem* item : *sections)
        found.insert(static_cast<ConfigSection*>(item->GetPointer()));
    EXPECT_EQ((std::set<ConfigSection*> { &a, &b }), found);
    EXPECT_EQ((std::set<std::string> { "a", "b" }), Names(*root.GetSubsectionNames()));
    EXPECT_EQ(std::set<std::string> { "p" }, Names(*root.GetParameterNames()));
}

TEST(ConfigSectionTest, ManyEntriesStayReachableAcrossGrowth)
{
    ConfigSection root("Root");
    for (int i = 0; i < 200; ++i)
        root.GetSection(std::to_string(i).c_str()).GetLong("Index", i);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(i, root.GetSection(std::to_string(i).c_str()).GetLong("Index", -1));
    EXPECT_EQ(200, root.GetSectionCount());
}
