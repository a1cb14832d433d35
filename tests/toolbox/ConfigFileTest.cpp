#include "ConfigTestFiles.h"

#include "toolbox/Config.h"
#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/SafeSave.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace toolbox;

namespace {

const std::string previousText = "<Version>1</>\r\n";

// The real file operations, with one chosen step failing.
class FailingFileSystem : public ConfigFileSystem {
public:
    enum class Step { None, Open, Write, Close, RenameToOld, RenameNew };

    explicit FailingFileSystem(Step failing)
        : failing(failing)
    {
    }

    // A failing open, write or close strikes every file, as a full disk does.
    std::unique_ptr<ConfigWriter> OpenWriter(const char* path, unsigned permissions) override
    {
        if (failing == Step::Open)
            return nullptr;
        return Wrapped(ConfigFileSystem::OpenWriter(path, permissions));
    }
    std::unique_ptr<ConfigWriter> OpenUniqueWriter(
        const char* prefix, unsigned permissions, std::unique_ptr<char[]>& created) override
    {
        if (failing == Step::Open)
            return nullptr;
        return Wrapped(ConfigFileSystem::OpenUniqueWriter(prefix, permissions, created));
    }
    bool CloseWriter(std::unique_ptr<ConfigWriter> writer) override
    {
        if (auto* half = dynamic_cast<HalfWriter*>(writer.get()))
            return ConfigFileSystem::CloseWriter(std::move(half->inner));
        bool closed = ConfigFileSystem::CloseWriter(std::move(writer));
        return closed && failing != Step::Close;
    }
    bool Rename(const char* from, const char* to) override
    {
        bool toOld = std::string(to).ends_with(".old");
        if ((toOld && failing == Step::RenameToOld) || (!toOld && failing == Step::RenameNew))
            return false;
        return ConfigFileSystem::Rename(from, to);
    }

private:
    std::unique_ptr<ConfigWriter> Wrapped(std::unique_ptr<ConfigWriter> writer)
    {
        if (failing == Step::Write && writer)
            return std::make_unique<HalfWriter>(std::move(writer));
        return writer;
    }

    // Passes the first bytes on, then fails.
    class HalfWriter : public ConfigWriter {
    public:
        explicit HalfWriter(std::unique_ptr<ConfigWriter> inner)
            : inner(std::move(inner))
        {
        }
        bool WriteString(const char* text) override
        {
            for (; *text; ++text) {
                if (!WriteChar(*text))
                    return false;
            }
            return true;
        }
        bool WriteChar(char c) override { return budget-- > 0 && inner->WriteChar(c); }
        std::unique_ptr<ConfigWriter> inner;

    private:
        int budget = 5;
    };

    Step failing;
};

class ConfigFileTest : public ::testing::Test {
protected:
    std::string File() const { return folder.File("ordovan.cfg"); }
    std::string Old() const { return File() + ".old"; }
    std::string New() const { return File() + ".new"; }

    // A tree whose text differs from previousText.
    static void FillNewState(Config& config) { config.GetRootSection().GetParameter("Version").SetLong(2); }

    // Whether anything but the file and its companions lies in the folder.
    bool OnlyTheFileAndItsCompanions() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(folder.GetPath())) {
            std::string name = entry.path().string();
            if (name != File() && name != Old() && name != New())
                return false;
        }
        return true;
    }

    ConfigTestFolder folder;
};

using Step = FailingFileSystem::Step;

} // namespace

TEST_F(ConfigFileTest, SaveThenLoadRestoresTheTree)
{
    Config saved;
    saved.GetRootSection().GetSection("MainFrame").GetParameter("XPos").SetLong(-20);
    saved.GetRootSection().GetSection("Persons");
    ASSERT_TRUE(saved.SaveFile(File().c_str()));
    Config loaded;
    ASSERT_TRUE(loaded.LoadFile(File().c_str()));
    EXPECT_EQ(-20, loaded.GetRootSection().GetSection("MainFrame").GetLong("XPos", 0));
    EXPECT_EQ(2, loaded.GetRootSection().GetSectionCount());
    EXPECT_EQ("<MainFrame>\r\n\t<XPos>-20</>\r\n</MainFrame>\r\n\r\n<Persons>\r\n</Persons>\r\n", ReadBytes(File()));
}

TEST_F(ConfigFileTest, SuccessfulSaveKeepsThePreviousFileAsOldAndLeavesNoNewFile)
{
    WriteBytes(File(), previousText);
    WriteBytes(Old(), "<Ancient>0</>");
    Config config;
    FillNewState(config);
    ASSERT_TRUE(config.SaveFile(File().c_str()));
    EXPECT_EQ(previousText, ReadBytes(Old()));
    EXPECT_EQ("<Version>2</>\r\n", ReadBytes(File()));
    EXPECT_FALSE(FileExists(New()));
}

TEST_F(ConfigFileTest, MissingFileFallsBackToTheOldFile)
{
    WriteBytes(Old(), previousText);
    Config config;
    EXPECT_EQ(ConfigFileLoad::LoadedOld, config.LoadFileReporting(File().c_str()));
    EXPECT_EQ(1, config.GetRootSection().GetLong("Version", 0));
}

TEST_F(ConfigFileTest, UnparsableFileIsNotReplacedByTheOldFile)
{
    WriteBytes(File(), "</Broken>");
    WriteBytes(Old(), previousText);
    Config config;
    config.GetRootSection().GetSection("Before");
    EXPECT_EQ(ConfigFileLoad::Unparsable, config.LoadFileReporting(File().c_str()));
    EXPECT_EQ(0, config.GetRootSection().GetSectionCount());
    EXPECT_FALSE(config.LoadFile(File().c_str()));
}

TEST_F(ConfigFileTest, NothingToOpenLeavesTheTreeAsItWas)
{
    Config config;
    config.GetRootSection().GetParameter("Kept").SetLong(3);
    EXPECT_FALSE(config.LoadFile(File().c_str()));
    EXPECT_EQ(3, config.GetRootSection().GetLong("Kept", 0));
}

TEST_F(ConfigFileTest, EmptyFileLoadsAsAnEmptyTree)
{
    WriteBytes(File(), "");
    Config config;
    config.GetRootSection().GetSection("Before");
    EXPECT_TRUE(config.LoadFile(File().c_str()));
    EXPECT_EQ(0, config.GetRootSection().GetSectionCount());
}

TEST_F(ConfigFileTest, NulByteEndsTheText)
{
    WriteBytes(File(), std::string("<A>1</>\0<B>", 11));
    Config config;
    EXPECT_TRUE(config.LoadFile(File().c_str()));
    EXPECT_EQ(1, config.GetRootSection().GetParameterCount());
}

TEST_F(ConfigFileTest, FolderInPlaceOfTheFileCountsAsNotOpened)
{
    std::filesystem::create_directory(File());
    Config config;
    EXPECT_EQ(ConfigFileLoad::NotOpened, config.LoadFileReporting(File().c_str()));
}

TEST_F(ConfigFileTest, FailureWhileWritingKeepsFileAndOldFileUntouched)
{
    for (Step step : { Step::Open, Step::Write, Step::Close }) {
        WriteBytes(File(), previousText);
        WriteBytes(Old(), "<Ancient>0</>");
        Config config;
        FillNewState(config);
        FailingFileSystem fileSystem(step);
        EXPECT_FALSE(config.SaveFile(File().c_str(), fileSystem));
        EXPECT_EQ(previousText, ReadBytes(File()));
        EXPECT_EQ("<Ancient>0</>", ReadBytes(Old()));
        EXPECT_TRUE(OnlyTheFileAndItsCompanions());
        Config next;
        ASSERT_TRUE(next.LoadFile(File().c_str()));
        EXPECT_EQ(1, next.GetRootSection().GetLong("Version", 0));
    }
}

TEST_F(ConfigFileTest, FailedMoveToOldStillSavesTheNewStateWithoutBackup)
{
    WriteBytes(File(), previousText);
    WriteBytes(Old(), "<Ancient>0</>");
    Config config;
    FillNewState(config);
    FailingFileSystem fileSystem(Step::RenameToOld);
    SaveReport report = config.SaveFileReporting(File().c_str(), fileSystem);
    EXPECT_EQ(SaveOutcome::SavedWithoutBackup, report.outcome);
    EXPECT_STREQ(Old().c_str(), report.obstacle.get());
    EXPECT_EQ("<Version>2</>\r\n", ReadBytes(File()));
    EXPECT_FALSE(FileExists(New()));
    EXPECT_TRUE(OnlyTheFileAndItsCompanions());
}

TEST_F(ConfigFileTest, FailedFinalRenameLeavesThePreviousStateInTheOldFile)
{
    WriteBytes(File(), previousText);
    Config config;
    FillNewState(config);
    FailingFileSystem fileSystem(Step::RenameNew);
    EXPECT_FALSE(config.SaveFile(File().c_str(), fileSystem));
    EXPECT_FALSE(FileExists(File()));
    EXPECT_EQ(previousText, ReadBytes(Old()));
    EXPECT_TRUE(OnlyTheFileAndItsCompanions());
    Config next;
    EXPECT_EQ(ConfigFileLoad::LoadedOld, next.LoadFileReporting(File().c_str()));
    EXPECT_EQ(1, next.GetRootSection().GetLong("Version", 0));
}

TEST_F(ConfigFileTest, NextSaveAfterAFailureReplacesTheLeftoverNewFile)
{
    WriteBytes(New(), "partial garbage that is longer than the new text");
    Config config;
    FillNewState(config);
    ASSERT_TRUE(config.SaveFile(File().c_str()));
    EXPECT_EQ("<Version>2</>\r\n", ReadBytes(File()));
    EXPECT_FALSE(FileExists(Old()));
}

TEST_F(ConfigFileTest, SaveIntoAMissingFolderFails)
{
    Config config;
    EXPECT_FALSE(config.SaveFile(folder.File("missing/ordovan.cfg").c_str()));
}
