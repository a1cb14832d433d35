#include "ConfigTestFiles.h"

#include "toolbox/FileLock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

using toolbox::FileLock;
using toolbox::LockOutcome;

namespace {

class FileLockTest : public ::testing::Test {
protected:
    std::string LockFile() const { return folder.File("ordovan.cfg.lock"); }

    ConfigTestFolder folder;
};

} // namespace

TEST_F(FileLockTest, SecondHolderIsRefusedUntilTheFirstLetsGo)
{
    FileLock first;
    FileLock second;
    EXPECT_EQ(LockOutcome::Held, first.Acquire(LockFile().c_str()));
    EXPECT_EQ(LockOutcome::HeldElsewhere, second.Acquire(LockFile().c_str()));
    EXPECT_FALSE(second.IsHeld());
    first.Release();
    EXPECT_EQ(LockOutcome::Held, second.Acquire(LockFile().c_str()));
}

TEST_F(FileLockTest, LockFileIsPrivateAndStaysBehind)
{
    {
        FileLock lock;
        ASSERT_EQ(LockOutcome::Held, lock.Acquire(LockFile().c_str()));
    }
    struct stat status;
    ASSERT_EQ(0, ::stat(LockFile().c_str(), &status));
    EXPECT_EQ(0600u, status.st_mode & 0777);
}

TEST_F(FileLockTest, LinkOrMissingFolderMakesTheLockUnavailableWithoutCreatingAnything)
{
    std::string target = folder.File("target");
    std::filesystem::create_symlink(target, LockFile());
    FileLock lock;
    EXPECT_EQ(LockOutcome::Unavailable, lock.Acquire(LockFile().c_str()));
    EXPECT_FALSE(FileExists(target));
    EXPECT_EQ(LockOutcome::Unavailable, lock.Acquire(folder.File("missing/ordovan.cfg.lock").c_str()));
    EXPECT_FALSE(lock.IsHeld());
}
