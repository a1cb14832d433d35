#include "ConfigTestFiles.h"

#include "toolbox/Config.h"
#include "toolbox/RecoveryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace toolbox;

namespace {

class RecoveryFileTest : public ::testing::Test {
protected:
    std::string Data() const { return folder.File("ordovan.cfg"); }
    std::string Recovery() const { return Data() + ".recovery"; }

    static void SetTime(const std::string& path, int seconds)
    {
        auto origin = std::filesystem::file_time_type(std::chrono::hours(24 * 365 * 50));
        std::filesystem::last_write_time(path, origin + std::chrono::seconds(seconds));
    }

    ConfigTestFolder folder;
    RecoveryFile recovery { Data().c_str() };
};

} // namespace

TEST_F(RecoveryFileTest, IsPendingUnlessTheDataFileIsNewerAndCountsTheOldCopyOfABrokenOffSave)
{
    EXPECT_EQ(RecoveryState::None, recovery.Inspect());
    WriteBytes(Recovery() + ".old", "<A>1</>");
    EXPECT_EQ(RecoveryState::Pending, recovery.Inspect());
    WriteBytes(Data(), "<A>0</>");
    SetTime(Data(), 100);
    SetTime(Recovery() + ".old", 100);
    EXPECT_EQ(RecoveryState::Pending, recovery.Inspect());
    SetTime(Recovery() + ".old", 50);
    EXPECT_EQ(RecoveryState::Stale, recovery.Inspect());
}

TEST_F(RecoveryFileTest, KeepingAsideRenamesWithTheReasonAndLeavesNoCompanionBehind)
{
    Config config;
    ASSERT_TRUE(recovery.Save(config));
    ASSERT_TRUE(recovery.Save(config));
    WriteBytes(Recovery(), "changes");
    WriteBytes(Recovery() + ".new", "partial");
    std::unique_ptr<char[]> kept = recovery.KeepAside("declined");
    ASSERT_NE(nullptr, kept);
    EXPECT_TRUE(std::string(kept.get()).starts_with(Recovery() + ".declined-"));
    EXPECT_EQ("changes", ReadBytes(kept.get()));
    for (const char* suffix : { "", ".old", ".new" })
        EXPECT_FALSE(FileExists(Recovery() + suffix)) << suffix;
    EXPECT_EQ(nullptr, recovery.KeepAside("declined"));
}
