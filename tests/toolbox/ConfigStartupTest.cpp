#include "ConfigTestFiles.h"

#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/ConfigStartup.h"
#include "toolbox/GlobalLog.h"
#include "toolbox/Path.h"
#include "toolbox/ProcessInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace toolbox;

namespace {

struct LogRecord {
    LogLevel level;
    std::string message;
};

void Collect(void* context, const char*, int, LogLevel level, const char* format, va_list arguments)
{
    char text[2048];
    std::vsnprintf(text, sizeof text, format, arguments);
    static_cast<std::vector<LogRecord>*>(context)->push_back({ level, text });
}

const std::string dataText = "<Source>data</>\r\n";
const std::string oldText = "<Source>old</>\r\n";
const std::string defaultsText = "<Source>defaults</>\r\n";

class ConfigStartupTest : public ::testing::Test {
protected:
    void SetUp() override { InstallGlobalLogSink(Collect, &records); }
    void TearDown() override { RemoveGlobalLogSink(&records); }

    std::string Data() const { return folder.File("ordovan.cfg"); }
    std::string Defaults() const { return folder.File("ordovan-defaults.cfg"); }

    ConfigOrigin Load(UnreadableDataFile unreadable = UnreadableDataFile::Keep)
    {
        WriteBytes(Defaults(), defaultsText);
        return ConfigStartup::Load(config, Data().c_str(), Defaults().c_str(), unreadable);
    }

    std::string Source() { return config.GetRootSection().GetString("Source", "none"); }

    // The files in the folder whose names start with the given text.
    std::vector<std::string> FilesStartingWith(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.GetPath())) {
            std::string name = entry.path().string();
            if (name.starts_with(prefix))
                found.push_back(name);
        }
        return found;
    }

    ConfigTestFolder folder;
    Config config;
    std::vector<LogRecord> records;
};

} // namespace

TEST_F(ConfigStartupTest, ReadableDataFileWins)
{
    WriteBytes(Data(), dataText);
    EXPECT_EQ(ConfigOrigin::DataFile, Load());
    EXPECT_EQ("data", Source());
    EXPECT_TRUE(records.empty());
}

TEST_F(ConfigStartupTest, MissingDataFileIsReplacedByItsOldCopy)
{
    WriteBytes(Data() + ".old", oldText);
    EXPECT_EQ(ConfigOrigin::DataFile, Load());
    EXPECT_EQ("old", Source());
}

TEST_F(ConfigStartupTest, NoDataFileAtAllReadsTheDefaults)
{
    EXPECT_EQ(ConfigOrigin::Defaults, Load());
    EXPECT_EQ("defaults", Source());
}

TEST_F(ConfigStartupTest, NothingReadableLeavesAnEmptyTree)
{
    EXPECT_EQ(ConfigOrigin::Nothing, ConfigStartup::Load(config, Data().c_str(), nullptr, UnreadableDataFile::Keep));
    EXPECT_EQ(0, config.GetRootSection().GetSectionCount());
}

TEST_F(ConfigStartupTest, UnreadableDataFileIsKeptAsideAndReported)
{
    const std::string broken = "<Persons><Ann></Persons>";
    WriteBytes(Data(), broken);
    EXPECT_EQ(ConfigOrigin::Defaults, Load());
    EXPECT_EQ("defaults", Source());
    EXPECT_FALSE(FileExists(Data()));
    std::vector<std::string> kept = FilesStartingWith(Data() + ".unreadable-");
    ASSERT_EQ(1u, kept.size());
    EXPECT_EQ(broken, ReadBytes(kept[0]));
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(LogLevel::Error, records[0].level);
    EXPECT_NE(std::string::npos, records[0].message.find(kept[0]));
}

TEST_F(ConfigStartupTest, KeptFileSurvivesTheNextTwoSaves)
{
    WriteBytes(Data(), "</Broken>");
    Load();
    ASSERT_TRUE(config.SaveFile(Data().c_str()));
    ASSERT_TRUE(config.SaveFile(Data().c_str()));
    std::vector<std::string> kept = FilesStartingWith(Data() + ".unreadable-");
    ASSERT_EQ(1u, kept.size());
    EXPECT_EQ("</Broken>", ReadBytes(kept[0]));
}

TEST_F(ConfigStartupTest, UnreadableOldCopyIsKeptWhenItWasTheFileRead)
{
    WriteBytes(Data() + ".old", "text at the top");
    EXPECT_EQ(ConfigOrigin::Defaults, Load());
    EXPECT_FALSE(FileExists(Data() + ".old"));
    ASSERT_EQ(1u, FilesStartingWith(Data() + ".old.unreadable-").size());
}

TEST_F(ConfigStartupTest, ProgramsThatNeverWriteLeaveTheUnreadableFileAlone)
{
    WriteBytes(Data(), "</Broken>");
    EXPECT_EQ(ConfigOrigin::Defaults, Load(UnreadableDataFile::Leave));
    EXPECT_EQ("</Broken>", ReadBytes(Data()));
    EXPECT_TRUE(FilesStartingWith(Data() + ".unreadable-").empty());
    EXPECT_TRUE(records.empty());
}

TEST_F(ConfigStartupTest, KeepingNeverOverwritesAnEarlierKeptFile)
{
    for (const char* text : { "first", "second", "third" }) {
        WriteBytes(Data(), text);
        ASSERT_NE(nullptr, ConfigStartup::KeepUnreadable(Data().c_str()));
    }
    std::vector<std::string> kept = FilesStartingWith(Data() + ".unreadable-");
    ASSERT_EQ(3u, kept.size());
    std::vector<std::string> contents;
    for (const std::string& name : kept)
        contents.push_back(ReadBytes(name));
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ((std::vector<std::string> { "first", "second", "third" }), contents);
}

TEST_F(ConfigStartupTest, FoldersNameTheFileAfterTheProgram)
{
    std::filesystem::create_directory(folder.File("data"));
    std::filesystem::create_directory(folder.File("program"));
    WriteBytes(folder.File("program/planner.cfg"), defaultsText);
    ProcessInfo::SetProgramFile(folder.File("program/planner").c_str());
    Path dataFolder(folder.File("data").c_str());
    EXPECT_EQ(
        ConfigOrigin::Defaults, ConfigStartup::LoadFromFolders(config, dataFolder, UnreadableDataFile::Keep).origin);
    EXPECT_EQ("defaults", Source());
    EXPECT_TRUE(config.SaveToFolder(dataFolder));
    EXPECT_EQ(defaultsText, ReadBytes(folder.File("data/planner.cfg")));
    Config again;
    EXPECT_TRUE(again.LoadFromFolder(dataFolder));
    EXPECT_TRUE(again.LoadFromProgramFolder());
    ProcessInfo::SetProgramFile(nullptr);
}

TEST_F(ConfigStartupTest, UnparsableDataFileGivesWayToItsGoodOldCopyWhichTwoSavesKeep)
{
    WriteBytes(Data(), "</Broken>");
    WriteBytes(Data() + ".old", oldText);
    EXPECT_EQ(ConfigOrigin::DataFile, Load());
    EXPECT_EQ("old", Source());
    ASSERT_EQ(1u, FilesStartingWith(Data() + ".unreadable-").size());
    ASSERT_TRUE(config.SaveFile(Data().c_str()));
    ASSERT_TRUE(config.SaveFile(Data().c_str()));
    Config next;
    EXPECT_EQ(ConfigOrigin::DataFile, ConfigStartup::Load(next, Data().c_str(), nullptr, UnreadableDataFile::Keep));
    EXPECT_STREQ("old", next.GetRootSection().GetString("Source", "none"));
    EXPECT_EQ(oldText, ReadBytes(Data() + ".old"));
}

TEST_F(ConfigStartupTest, DataFileThatCannotBeOpenedIsKeptAsideNotTakenForMissing)
{
    // A link to itself exists but cannot be opened, as a file without read
    // permission cannot.
    std::filesystem::create_symlink("ordovan.cfg", Data());
    WriteBytes(Data() + ".old", oldText);
    EXPECT_EQ(ConfigOrigin::DataFile, Load());
    EXPECT_EQ("old", Source());
    std::vector<std::string> kept = FilesStartingWith(Data() + ".unreadable-");
    ASSERT_EQ(1u, kept.size());
    EXPECT_TRUE(std::filesystem::is_symlink(kept[0]));
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(LogLevel::Error, records[0].level);
}

TEST_F(ConfigStartupTest, DataFileThatCannotBeReadIsKeptAsideWithWhatItHolds)
{
    std::filesystem::create_directory(Data());
    WriteBytes(Data() + "/inside", "kept");
    EXPECT_EQ(ConfigOrigin::Defaults, Load());
    std::vector<std::string> kept = FilesStartingWith(Data() + ".unreadable-");
    ASSERT_EQ(1u, kept.size());
    EXPECT_EQ("kept", ReadBytes(kept[0] + "/inside"));
    EXPECT_FALSE(FileExists(Data()));
}

TEST_F(ConfigStartupTest, UnreadableFileThatCannotBeMovedAsideIsNamedAsLeftInPlace)
{
    // The kept name would be longer than a file name may be.
    std::string data = folder.File(std::string(240, 'd') + ".cfg");
    WriteBytes(data, "</Broken>");
    ConfigStartupResult result = ConfigStartup::LoadReporting(config, data.c_str(), nullptr, UnreadableDataFile::Keep);
    ASSERT_NE(nullptr, result.unreadableLeftInPlace);
    EXPECT_EQ(data, result.unreadableLeftInPlace.get());
    EXPECT_EQ("</Broken>", ReadBytes(data));
    ASSERT_EQ(1u, records.size());
    EXPECT_NE(std::string::npos, records[0].message.find("could not be moved aside"));
}

TEST_F(ConfigStartupTest, ProgramsThatNeverWriteStillReadTheOldCopyOfAFileThatCannotBeOpened)
{
    std::filesystem::create_symlink("ordovan.cfg", Data());
    WriteBytes(Data() + ".old", oldText);
    EXPECT_EQ(ConfigOrigin::DataFile, Load(UnreadableDataFile::Leave));
    EXPECT_EQ("old", Source());
    EXPECT_TRUE(std::filesystem::is_symlink(Data()));
    EXPECT_TRUE(records.empty());
}

TEST_F(ConfigStartupTest, AnotherProgramsFileIsNamedAfterThatProgram)
{
    ProcessInfo::SetProgramFile(folder.File("program/planner-tool").c_str());
    Path dataFolder(folder.File("data").c_str());
    std::unique_ptr<Path> file = ConfigStartup::FileOf(dataFolder, Path(folder.File("program/planner").c_str()));
    ASSERT_NE(file, nullptr);
    EXPECT_STREQ(folder.File("data/planner.cfg").c_str(), file->ToString().get());
    EXPECT_EQ(ConfigStartup::FileOf(dataFolder, Path("/")), nullptr);
    ProcessInfo::SetProgramFile(nullptr);
}

TEST_F(ConfigStartupTest, ProgramFolderLoadFailsWhenTheProgramPathHasNoName)
{
    ProcessInfo::SetProgramFile("/");
    EXPECT_FALSE(config.LoadFromProgramFolder());
    ProcessInfo::SetProgramFile(nullptr);
}
