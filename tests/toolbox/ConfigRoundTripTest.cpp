#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigTextWriter.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>

using namespace toolbox;

namespace {

// A section as plain values: parameters as text, subsections recursively.
struct Snapshot {
    std::map<std::string, std::string> parameters;
    std::map<std::string, Snapshot> sections;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(ConfigSection& section)
{
    Snapshot snapshot;
    std::unique_ptr<PointeredList> names = section.GetParameterNames();
    for (PointeredListItem* item : *names) {
        const char* name = static_cast<const char*>(item->GetPointer());
        snapshot.parameters[name] = section.GetParameter(name).AsString();
    }
    std::unique_ptr<PointeredList> subsections = section.GetSubsections();
    for (PointeredListItem* item : *subsections) {
        auto* child = static_cast<ConfigSection*>(item->GetPointer());
        snapshot.sections[child->GetName()] = Take(*child);
    }
    return snapshot;
}

std::string TrimSpaces(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Builds random trees whose texts hold every byte but NUL, with the special
// bytes of the format drawn often. Tags keep the blanks of names; a value
// loses its outer blanks, which are not escaped.
class TreeGenerator {
public:
    explicit TreeGenerator(unsigned seed)
        : random(seed)
    {
    }

    void Fill(ConfigSection& section, Snapshot& expected, int depth)
    {
        std::set<std::string> parameterNames;
        int parameters = Below(5);
        for (int i = 0; i < parameters; ++i) {
            std::string name = UniqueName(parameterNames);
            std::string value = RandomText(12);
            if (TrimSpaces(value).empty())
                value.clear();
            section.GetParameter(name.c_str()).SetString(value.c_str());
            expected.parameters[name] = TrimSpaces(value);
        }
        std::set<std::string> sectionNames;
        int sections = depth < 4 ? Below(4) : 0;
        for (int i = 0; i < sections; ++i) {
            std::string name = UniqueName(sectionNames);
            Fill(section.GetSection(name.c_str()), expected.sections[name], depth + 1);
        }
    }

private:
    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random); }

    std::string UniqueName(std::set<std::string>& taken)
    {
        for (;;) {
            std::string name = RandomText(8);
            if (taken.insert(name).second)
                return name;
        }
    }

    std::string RandomText(int maximumLength)
    {
        static const std::string special = "\\/<> \t\r\n\f0ntfr";
        std::string text;
        int length = Below(maximumLength + 1);
        for (int i = 0; i < length; ++i) {
            if (Below(2) == 0)
                text += special[Below(static_cast<int>(special.size()))];
            else
                text += static_cast<char>(1 + Below(255));
        }
        return text;
    }

    std::mt19937 random;
};

std::string Text(const Config& config)
{
    ConfigTextWriter writer;
    EXPECT_TRUE(config.WriteTo(writer));
    return writer.GetText();
}

} // namespace

TEST(ConfigRoundTripTest, RandomTreesWriteAndParseBackEqualButForOuterBlanks)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Config original;
        Snapshot expected;
        TreeGenerator(seed).Fill(original.GetRootSection(), expected, 0);
        std::string text = Text(original);
        Config parsed;
        ASSERT_TRUE(parsed.Parse(text.c_str())) << "seed " << seed;
        EXPECT_TRUE(expected == Take(parsed.GetRootSection())) << "seed " << seed;
    }
}

TEST(ConfigRoundTripTest, WrittenTextIsAFixedPointOfParseAndWrite)
{
    for (unsigned seed = 1000; seed < 1100; ++seed) {
        Config original;
        Snapshot ignored;
        TreeGenerator(seed).Fill(original.GetRootSection(), ignored, 0);
        Config once;
        ASSERT_TRUE(once.Parse(Text(original).c_str()));
        std::string first = Text(once);
        Config twice;
        ASSERT_TRUE(twice.Parse(first.c_str()));
        EXPECT_EQ(first, Text(twice)) << "seed " << seed;
    }
}
