#include "ConfigTestFiles.h"

#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigWriter.h"
#include "toolbox/GlobalLog.h"
#include "toolbox/SafeSave.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace toolbox;

namespace {

void Collect(void* context, const char*, int, LogLevel level, const char* format, va_list arguments)
{
    char text[2048];
    std::vsnprintf(text, sizeof text, format, arguments);
    if (level == LogLevel::Error)
        static_cast<std::vector<std::string>*>(context)->push_back(text);
}

// The real file operations, noting the renames and folder syncs in order.
class RecordingFileSystem : public ConfigFileSystem {
public:
    bool Rename(const char* from, const char* to) override
    {
        steps.push_back("rename to " + std::filesystem::path(to).filename().string());
        return ConfigFileSystem::Rename(from, to);
    }
    bool SyncFolder(const char* path) override
    {
        steps.push_back("sync");
        return ConfigFileSystem::SyncFolder(path);
    }

    std::vector<std::string> steps;
};

class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override { InstallGlobalLogSink(Collect, &errors); }
    void TearDown() override { RemoveGlobalLogSink(&errors); }

    std::string File() const { return folder.File("ordovan.cfg"); }
    std::string Old() const { return File() + ".old"; }
    std::string New() const { return File() + ".new"; }

    SaveReport Save(const std::string& text = "new state")
    {
        SafeSave save(fileSystem);
        return save.Save(File().c_str(), [&text](ConfigWriter& writer) { return writer.WriteString(text.c_str()); });
    }

    // The names in the folder other than the file and its companions.
    std::vector<std::string> StrayFiles() const
    {
        std::vector<std::string> stray;
        for (const auto& entry : std::filesystem::directory_iterator(folder.GetPath())) {
            std::string name = entry.path().string();
            if (name != File() && name != Old() && name != New())
                stray.push_back(name);
        }
        return stray;
    }

    static unsigned Permissions(const std::string& path)
    {
        struct stat status;
        return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
    }

    static void MakeFolderWithAFile(const std::string& path)
    {
        std::filesystem::create_directory(path);
        WriteBytes(path + "/inside", "kept");
    }

    ConfigTestFolder folder;
    RecordingFileSystem fileSystem;
    std::vector<std::string> errors;
};

} // namespace

TEST_F(SafeSaveTest, RegularSaveRenamesThenSyncsTheFolderAndLogsNothing)
{
    WriteBytes(File(), "previous state");
    SaveReport report = Save();
    EXPECT_EQ(SaveOutcome::Saved, report.outcome);
    EXPECT_EQ(nullptr, report.obstacle);
    EXPECT_EQ("new state", ReadBytes(File()));
    EXPECT_EQ("previous state", ReadBytes(Old()));
    EXPECT_EQ(
        (std::vector<std::string> { "rename to ordovan.cfg.old", "rename to ordovan.cfg", "sync" }), fileSystem.steps);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SafeSaveTest, LinkLeftAtTheNewFileIsReplacedNotWrittenThrough)
{
    std::string victim = folder.File("elsewhere.txt");
    WriteBytes(victim, "not ours");
    std::filesystem::create_symlink(victim, New());
    EXPECT_EQ(SaveOutcome::Saved, Save().outcome);
    EXPECT_EQ("not ours", ReadBytes(victim));
    EXPECT_EQ("new state", ReadBytes(File()));
    EXPECT_FALSE(std::filesystem::is_symlink(File()));
    EXPECT_FALSE(FileExists(New()));
}

TEST_F(SafeSaveTest, FolderInPlaceOfTheOldFileIsSavedAroundEverySessionAndReported)
{
    WriteBytes(File(), "previous state");
    MakeFolderWithAFile(Old());
    for (const char* text : { "first session", "second session" }) {
        SaveReport report = Save(text);
        EXPECT_EQ(SaveOutcome::SavedWithoutBackup, report.outcome);
        EXPECT_STREQ(Old().c_str(), report.obstacle.get());
        EXPECT_EQ(text, ReadBytes(File()));
    }
    EXPECT_EQ("kept", ReadBytes(Old() + "/inside"));
    EXPECT_FALSE(FileExists(New()));
    EXPECT_TRUE(StrayFiles().empty());
    ASSERT_EQ(2u, errors.size());
    EXPECT_NE(std::string::npos, errors[0].find(File()));
    EXPECT_NE(std::string::npos, errors[0].find(Old()));
    EXPECT_EQ("sync", fileSystem.steps.back());
}

TEST_F(SafeSaveTest, NewFileThatCannotBeMadeIsSavedAroundAndLeavesTheOldFileAlone)
{
    WriteBytes(File(), "previous state");
    WriteBytes(Old(), "older state");
    MakeFolderWithAFile(New());
    SaveReport report = Save();
    EXPECT_EQ(SaveOutcome::SavedWithoutBackup, report.outcome);
    EXPECT_STREQ(New().c_str(), report.obstacle.get());
    EXPECT_EQ("new state", ReadBytes(File()));
    EXPECT_EQ("older state", ReadBytes(Old()));
    EXPECT_EQ("kept", ReadBytes(New() + "/inside"));
    EXPECT_TRUE(StrayFiles().empty());
}

TEST_F(SafeSaveTest, NothingWritableFailsLogsAndLeavesNoTemporaryFile)
{
    std::filesystem::remove(folder.GetPath());
    SaveReport report = Save();
    EXPECT_EQ(SaveOutcome::Failed, report.outcome);
    EXPECT_FALSE(FileExists(File()));
    ASSERT_EQ(1u, errors.size());
    EXPECT_NE(std::string::npos, errors[0].find(File()));
    std::filesystem::create_directory(folder.GetPath());
}

TEST_F(SafeSaveTest, ReplacedFileKeepsItsPermissionsOnEitherWay)
{
    mode_t previousMask = ::umask(022);
    for (unsigned permissions : { 0600u, 0640u, 0604u }) {
        WriteBytes(File(), "previous state");
        std::filesystem::permissions(File(), static_cast<std::filesystem::perms>(permissions));
        Save();
        EXPECT_EQ(permissions, Permissions(File())) << std::oct << permissions;
    }
    std::filesystem::remove(Old());
    MakeFolderWithAFile(Old());
    std::filesystem::permissions(File(), static_cast<std::filesystem::perms>(0600));
    EXPECT_EQ(SaveOutcome::SavedWithoutBackup, Save().outcome);
    EXPECT_EQ(0600u, Permissions(File()));
    ::umask(previousMask);
}

TEST_F(SafeSaveTest, NewFileIsPrivateToTheUserWhateverTheUmask)
{
    mode_t previousMask = ::umask(0);
    Save();
    ::umask(previousMask);
    EXPECT_EQ(0600u, Permissions(File()));
}
