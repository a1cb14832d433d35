#include "toolbox/Config.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigParser.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigTextWriter.h"
#include "toolbox/Configurable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace toolbox;

namespace {

std::string Text(const Config& config)
{
    ConfigTextWriter writer;
    EXPECT_TRUE(config.WriteTo(writer));
    return writer.GetText();
}

bool IsEmpty(Config& config)
{
    return config.GetRootSection().GetSectionCount() == 0 && config.GetRootSection().GetParameterCount() == 0;
}

const char* const exampleFile = "<Application>\r\n"
                                "\t<OnceActions>\r\n"
                                "\t\t<FirstRun>0</>\r\n"
                                "\t</OnceActions>\r\n"
                                "</Application>\r\n"
                                "\r\n"
                                "<MainFrame>\r\n"
                                "\t<Maximized>0</>\r\n"
                                "\t<XPos>50</>\r\n"
                                "\t<XSize>500</>\r\n"
                                "\t<YPos>50</>\r\n"
                                "\t<YSize>300</>\r\n"
                                "</MainFrame>\r\n";

class Recorder : public Configurable {
public:
    bool Configure(ConfigSection& section, ConfigExchange saving) override
    {
        calls.push_back({ section.GetName(), saving });
        return true;
    }
    std::vector<std::pair<std::string, ConfigExchange>> calls;
};

} // namespace

TEST(ConfigParseTest, ExampleFileReproducesItselfByteForByte)
{
    Config config;
    ASSERT_TRUE(config.Parse(exampleFile));
    EXPECT_EQ(0, config.GetRootSection().GetSection("Application").GetSection("OnceActions").GetLong("FirstRun", 1));
    EXPECT_EQ(500, config.GetRootSection().GetSection("MainFrame").GetLong("XSize", 0));
    EXPECT_EQ(exampleFile, Text(config));
}

TEST(ConfigParseTest, AnonymousAndNamedClosingTagsBothMakeAParameter)
{
    for (const char* text : { "<A><B>1</></A>", "<A><B>1</B></A>" }) {
        Config config;
        ASSERT_TRUE(config.Parse(text)) << text;
        ConfigSection& a = config.GetRootSection().GetSection("A");
        EXPECT_EQ(1, config.GetRootSection().GetSectionCount());
        EXPECT_EQ(0, a.GetSectionCount()) << text;
        EXPECT_STREQ("1", a.GetString("B", "")) << text;
    }
}

TEST(ConfigParseTest, ClosingNameInOtherCaseFailsAndEmptiesTheTree)
{
    Config config;
    config.GetRootSection().GetLong("Before", 1);
    EXPECT_FALSE(config.Parse("<A><B>1</></a>"));
    EXPECT_TRUE(IsEmpty(config));
}

TEST(ConfigParseTest, MalformedStructuresFail)
{
    for (const char* text : { "<A>", "</A>", "text", "<A></A></>", "<A><B></B>", "</>" }) {
        Config config;
        EXPECT_FALSE(config.Parse(text)) << text;
        EXPECT_TRUE(IsEmpty(config)) << text;
    }
}

TEST(ConfigParseTest, EmptyAndBlankTextsAreAnEmptyTree)
{
    for (const char* text : { "", " \r\n\t\f\r\n" }) {
        Config config;
        config.GetRootSection().GetSection("Old");
        EXPECT_TRUE(config.Parse(text));
        EXPECT_TRUE(IsEmpty(config));
    }
}

TEST(ConfigParseTest, LineEndsAndIndentationCarryNoMeaning)
{
    Config config;
    ASSERT_TRUE(config.Parse("<S>\n<P>  v  </>\n\n\n    <T></T></S>"));
    ConfigSection& s = config.GetRootSection().GetSection("S");
    EXPECT_STREQ("v", s.GetString("P", "?"));
    EXPECT_EQ(1, s.GetSectionCount());
}

TEST(ConfigParseTest, EscapedEmptyValueIsAnEmptyStringParameter)
{
    Config config;
    ASSERT_TRUE(config.Parse("<P>\\0</>"));
    ConfigParameter& p = config.GetRootSection().GetParameter("P");
    EXPECT_EQ(ParameterType::String, p.GetType());
    EXPECT_STREQ("", p.AsString());
    EXPECT_EQ(0, config.GetRootSection().GetSectionCount());
}

TEST(ConfigParseTest, BlankValueBecomesAnEmptySection)
{
    Config config;
    ASSERT_TRUE(config.Parse("<P>   </>"));
    EXPECT_EQ(0, config.GetRootSection().GetParameterCount());
    EXPECT_EQ(1, config.GetRootSection().GetSectionCount());
}

TEST(ConfigParseTest, UnescapesControlLettersAndKeepsOtherEscapedBytes)
{
    Config config;
    ASSERT_TRUE(config.Parse("<P>\\t\\n\\f\\r\\q\\\\\\<\\>\\/x\\0y</>"));
    EXPECT_STREQ("\t\n\f\r"
                 "q\\<>/xy",
        config.GetRootSection().GetString("P", ""));
}

TEST(ConfigParseTest, BackslashLeftLastByTrimmingStays)
{
    Config config;
    ASSERT_TRUE(config.Parse("<P>a\\ </>"));
    EXPECT_STREQ("a\\", config.GetRootSection().GetString("P", ""));
}

TEST(ConfigParseTest, EscapedNamesAreUnescaped)
{
    Config config;
    ASSERT_TRUE(config.Parse("<a\\/b\\<c\\>>\r\n</a\\/b\\<c\\>>\r\n"));
    EXPECT_EQ(1, config.GetRootSection().GetSectionCount());
    std::unique_ptr<PointeredList> names = config.GetRootSection().GetSubsectionNames();
    EXPECT_STREQ("a/b<c>", static_cast<const char*>(names->GetHead()->GetPointer()));
}

TEST(ConfigParseTest, ValueAfterANestedSectionStaysASectionAndParameter)
{
    Config config;
    ASSERT_TRUE(config.Parse("<A><B></B>1</A>"));
    ConfigSection& root = config.GetRootSection();
    EXPECT_STREQ("1", root.GetString("A", ""));
    EXPECT_EQ(0, root.GetSectionCount());
}

TEST(ConfigParseTest, RefusesNestingBeyondTheLimit)
{
    std::string deep;
    for (int i = 0; i <= ConfigParser::maximumDepth; ++i)
        deep += "<a>";
    for (int i = 0; i <= ConfigParser::maximumDepth; ++i)
        deep += "</>";
    Config config;
    EXPECT_FALSE(config.Parse(deep.c_str()));
    std::string allowed = deep.substr(3, deep.size() - 6);
    EXPECT_TRUE(config.Parse(allowed.c_str()));
}

TEST(ConfigParseTest, ConfigurablesAreCalledAfterALoadAndBeforeASave)
{
    Config config;
    Recorder recorder;
    config.RegisterConfigurable("Window", recorder);
    ASSERT_TRUE(config.Parse("<Other></Other>"));
    ASSERT_EQ(1u, recorder.calls.size());
    EXPECT_EQ("Window", recorder.calls[0].first);
    EXPECT_EQ(ConfigExchange::AfterLoad, recorder.calls[0].second);
    EXPECT_EQ(2, config.GetRootSection().GetSectionCount());
    EXPECT_FALSE(config.Parse("</Other>"));
    EXPECT_EQ(1u, recorder.calls.size());
    config.ExchangeWithConfigurables(ConfigExchange::BeforeSave);
    EXPECT_EQ(ConfigExchange::BeforeSave, recorder.calls.back().second);
    config.UnregisterConfigurable("Window");
    config.ExchangeWithConfigurables(ConfigExchange::BeforeSave);
    EXPECT_EQ(2u, recorder.calls.size());
}
