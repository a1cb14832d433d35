#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigTextWriter.h"

#include <gtest/gtest.h>

#include <string>

using namespace toolbox;

namespace {

std::string Text(const Config& config)
{
    ConfigTextWriter writer;
    EXPECT_TRUE(config.WriteTo(writer));
    return writer.GetText();
}

std::string Escaped(const char* text)
{
    ConfigTextWriter writer;
    EXPECT_TRUE(ConfigWriter::WriteEscaped(writer, text));
    return writer.GetText();
}

// Accepts a fixed number of bytes, then fails every write.
class FailingWriter : public ConfigWriter {
public:
    explicit FailingWriter(int budget)
        : budget(budget)
    {
    }
    bool WriteString(const char* text) override
    {
        ++calls;
        for (; *text; ++text) {
            if (!Take())
                return false;
        }
        return true;
    }
    bool WriteChar(char) override
    {
        ++calls;
        return Take();
    }
    int calls = 0;
    int callsAtFailure = -1;

private:
    bool Take()
    {
        if (budget-- > 0)
            return true;
        if (callsAtFailure < 0)
            callsAtFailure = calls;
        return false;
    }
    int budget;
};

} // namespace

TEST(ConfigWriteTest, EmptyTreeWritesNothing)
{
    Config config;
    EXPECT_EQ("", Text(config));
}

TEST(ConfigWriteTest, EscapesEverySpecialByteAndOnlyThose)
{
    EXPECT_EQ("\\0", Escaped(""));
    EXPECT_EQ("\\t\\n\\f\\r", Escaped("\t\n\f\r"));
    EXPECT_EQ("\\/\\<\\>\\\\", Escaped("/<>\\"));
    EXPECT_EQ("a b\x01\x7f\x80\xff", Escaped("a b\x01\x7f\x80\xff"));
    EXPECT_EQ("a\\<b\\nc:\\\\x", Escaped("a<b\nc:\\x"));
}

TEST(ConfigWriteTest, ParameterLinesUseEscapesForNameAndValue)
{
    Config config;
    config.GetRootSection().GetParameter("Note").SetString("a<b\nc:\\x");
    config.GetRootSection().GetParameter("Empty").SetString("");
    EXPECT_EQ("<Empty>\\0</>\r\n<Note>a\\<b\\nc:\\\\x</>\r\n", Text(config));
}

TEST(ConfigWriteTest, SectionsAreIndentedByTabsAndSeparatedByEmptyLines)
{
    Config config;
    ConfigSection& root = config.GetRootSection();
    root.GetSection("B").GetSection("Inner").GetParameter("X").SetLong(1);
    root.GetSection("A");
    root.GetParameter("P").SetBool(true);
    EXPECT_EQ("<P>1</>\r\n"
              "\r\n"
              "<A>\r\n"
              "</A>\r\n"
              "\r\n"
              "<B>\r\n"
              "\t<Inner>\r\n"
              "\t\t<X>1</>\r\n"
              "\t</Inner>\r\n"
              "</B>\r\n",
        Text(config));
}

TEST(ConfigWriteTest, NamesAreSortedIgnoringCaseOfAsciiLetters)
{
    Config config;
    ConfigSection& root = config.GetRootSection();
    for (const char* name : { "b", "C", "a", "_", "B2" })
        root.GetParameter(name).SetLong(0);
    EXPECT_EQ("<_>0</>\r\n<a>0</>\r\n<b>0</>\r\n<B2>0</>\r\n<C>0</>\r\n", Text(config));
}

TEST(ConfigWriteTest, NamesEqualButForCaseKeepTheMapsOrder)
{
    Config config;
    ConfigSection& root = config.GetRootSection();
    root.GetParameter("x").SetLong(1);
    root.GetParameter("X").SetLong(2);
    std::unique_ptr<PointeredList> names = root.GetParameterNames();
    std::string expected;
    for (PointeredListItem* item : *names)
        expected += std::string("<") + static_cast<const char*>(item->GetPointer()) + ">"
            + (static_cast<const char*>(item->GetPointer())[0] == 'x' ? "1" : "2") + "</>\r\n";
    EXPECT_EQ(expected, Text(config));
}

TEST(ConfigWriteTest, StopsAtTheFirstFailedWrite)
{
    Config config;
    ConfigSection& root = config.GetRootSection();
    root.GetSection("A").GetParameter("X").SetString("value");
    root.GetSection("B").GetParameter("Y").SetString("value");
    for (int budget = 0; budget < 30; ++budget) {
        FailingWriter writer(budget);
        EXPECT_FALSE(config.WriteTo(writer)) << budget;
        EXPECT_EQ(writer.callsAtFailure, writer.calls) << budget;
    }
}
