#include "ConfigTestFiles.h"

#include "toolbox/Config.h"
#include "toolbox/ConfigSection.h"
#include "toolbox/RecoveryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace toolbox;

namespace {

class RecoveryFileTest : public ::testing::Test {
protected:
    std::string Data() const { return folder.File("ordovan.cfg"); }
    std::string Recovery() const { return Data() + ".recovery"; }

    // Sets the file's modification time to `seconds` after an arbitrary origin.
    static void SetTime(const std::string& path, int seconds)
    {
        auto origin = std::filesystem::file_time_type(std::chrono::hours(24 * 365 * 50));
        std::filesystem::last_write_time(path, origin + std::chrono::seconds(seconds));
    }

    std::vector<std::string> FilesStartingWith(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.GetPath())) {
            if (entry.path().string().starts_with(prefix))
                found.push_back(entry.path().string());
        }
        return found;
    }

    ConfigTestFolder folder;
    RecoveryFile recovery { Data().c_str() };
};

} // namespace

TEST_F(RecoveryFileTest, LiesBesideTheDataFile)
{
    EXPECT_EQ(Recovery(), recovery.GetPath());
}

TEST_F(RecoveryFileTest, IsPendingWhenNewerThanTheDataFileOrWithoutOne)
{
    EXPECT_EQ(RecoveryState::None, recovery.Inspect());
    WriteBytes(Recovery(), "<A>1</>");
    EXPECT_EQ(RecoveryState::Pending, recovery.Inspect());
    WriteBytes(Data(), "<A>0</>");
    SetTime(Data(), 100);
    SetTime(Recovery(), 200);
    EXPECT_EQ(RecoveryState::Pending, recovery.Inspect());
    SetTime(Recovery(), 100);
    EXPECT_EQ(RecoveryState::Pending, recovery.Inspect());
    SetTime(Recovery(), 50);
    EXPECT_EQ(RecoveryState::Stale, recovery.Inspect());
}

TEST_F(RecoveryFileTest, TheOldCopyOfABrokenOffSaveCountsAsTheRecoveryFile)
{
    WriteBytes(Recovery() + ".old", "<A>1</>");
    EXPECT_EQ(RecoveryState::Pending, recovery.Inspect());
    Config config;
    EXPECT_EQ(ConfigFileLoad::LoadedOld, recovery.Load(config));
    EXPECT_EQ(1, config.GetRootSection().GetLong("A", 0));
}

TEST_F(RecoveryFileTest, SavesTheWholeStoreAndRemovesEveryCompanion)
{
    Config config;
    config.GetRootSection().GetSection("Persons").GetSection("Ben");
    ASSERT_TRUE(recovery.Save(config));
    ASSERT_TRUE(recovery.Save(config));
    WriteBytes(Recovery() + ".new", "partial");
    EXPECT_EQ("<Persons>\r\n\t<Ben>\r\n\t</Ben>\r\n</Persons>\r\n", ReadBytes(Recovery()));
    EXPECT_TRUE(FileExists(Recovery() + ".old"));
    EXPECT_TRUE(recovery.Remove());
    EXPECT_TRUE(FilesStartingWith(Recovery()).empty());
    EXPECT_EQ(RecoveryState::None, recovery.Inspect());
}

TEST_F(RecoveryFileTest, KeepingAsideRenamesWithTheReasonAndLeavesNothingPending)
{
    WriteBytes(Recovery(), "changes");
    WriteBytes(Recovery() + ".old", "earlier changes");
    std::unique_ptr<char[]> kept = recovery.KeepAside("declined");
    ASSERT_NE(nullptr, kept);
    EXPECT_TRUE(std::string(kept.get()).starts_with(Recovery() + ".declined-"));
    EXPECT_EQ("changes", ReadBytes(kept.get()));
    EXPECT_EQ(RecoveryState::None, recovery.Inspect());
    EXPECT_FALSE(FileExists(Recovery() + ".old"));
}

TEST_F(RecoveryFileTest, KeepingAsideWithoutAFileMovesNothing)
{
    EXPECT_EQ(nullptr, recovery.KeepAside("declined"));
}
