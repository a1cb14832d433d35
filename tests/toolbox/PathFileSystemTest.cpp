#include "ScratchHome.h"

#include "toolbox/Exception.h"
#include "toolbox/Path.h"
#include "toolbox/ProcessInfo.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

using toolbox::FolderCreation;
using toolbox::Path;
using toolbox::ProcessInfo;
using toolbox::SpecialFolder;

namespace {

std::string Text(const Path& path)
{
    return path.ToString().get();
}

class PathFileSystemTest : public testing::Test {
protected:
    ScratchHome scratch;
    std::string root = scratch.GetRoot();
};

} // namespace

TEST_F(PathFileSystemTest, CreateDirectoriesCreatesOnlyTheMissingFolders)
{
    ASSERT_TRUE(Path((root + "/a").c_str()).CreateDirectory());
    ScratchHome::WriteFile(root + "/a/kept", "x");
    EXPECT_TRUE(Path((root + "/a/b/c").c_str()).CreateDirectories());
    EXPECT_TRUE(ScratchHome::IsDirectory(root + "/a/b/c"));
    EXPECT_EQ("x", ScratchHome::ReadFile(root + "/a/kept"));
}

TEST_F(PathFileSystemTest, CreateDirectoriesFailsWhereAFileIsInTheWay)
{
    ScratchHome::WriteFile(root + "/file", "x");
    EXPECT_FALSE(Path((root + "/file/sub").c_str()).CreateDirectories());
    EXPECT_FALSE(Path((root + "/file").c_str()).CreateDirectories());
}

TEST_F(PathFileSystemTest, CreateDirectoryNeedsItsParent)
{
    EXPECT_FALSE(Path((root + "/missing/child").c_str()).CreateDirectory());
    Path single((root + "/single").c_str());
    EXPECT_FALSE(single.Exists());
    EXPECT_TRUE(single.CreateDirectory());
    EXPECT_TRUE(single.Exists());
    EXPECT_FALSE(single.CreateDirectory());
}

TEST_F(PathFileSystemTest, TotalSizeIsZeroForAMissingPathAndPositiveForAnExistingOne)
{
    EXPECT_EQ(0, Path((root + "/nothing/here").c_str()).GetTotalSize());
    EXPECT_GT(Path(root.c_str()).GetTotalSize(), 0);
}

TEST_F(PathFileSystemTest, ProgramFileGivesTheApplicationPaths)
{
    ProcessInfo::SetProgramFile("/opt/ordovan/bin/ordovan");
    EXPECT_EQ("/opt/ordovan/bin/ordovan", Text(*Path::CreateApplicationPath()));
    EXPECT_EQ("/opt/ordovan/bin", Text(*Path::CreateApplicationDirectoryPath()));
    EXPECT_EQ("/data/ordovan.cfg", Text(*Path::CreateApplicationLikePath(Path("/data"), "cfg")));
}

TEST_F(PathFileSystemTest, ApplicationLikePathLeavesTheFolderUnchanged)
{
    ProcessInfo::SetProgramFile("/opt/my.planner");
    Path folder("/data");
    std::unique_ptr<Path> config = Path::CreateApplicationLikePath(folder, ".cfg");
    EXPECT_EQ("/data/my.cfg", Text(*config));
    EXPECT_EQ("/data", Text(folder));
}

TEST_F(PathFileSystemTest, LikePathTakesTheNameOfTheGivenFile)
{
    ProcessInfo::SetProgramFile("/opt/ordovan/bin/ordovan-plan");
    std::unique_ptr<Path> like = Path::CreateLikePath(Path("/data"), Path("/opt/ordovan/bin/ordovan.x"), "cfg");
    ASSERT_NE(like, nullptr);
    EXPECT_EQ("/data/ordovan.cfg", Text(*like));
    EXPECT_EQ(Path::CreateLikePath(Path("/data"), Path("/"), "cfg"), nullptr);
}

TEST_F(PathFileSystemTest, BareProgramNameHasTheCurrentFolderAsItsFolder)
{
    ProcessInfo::SetProgramFile("ordovan");
    std::unique_ptr<Path> folder = Path::CreateApplicationDirectoryPath();
    EXPECT_EQ(0, folder->GetCount());
    EXPECT_EQ("", Text(*folder));
    EXPECT_TRUE(folder->Exists());
}

TEST_F(PathFileSystemTest, ProgramFileWithoutNameRaisesIllegalState)
{
    ProcessInfo::SetProgramFile("/");
    Path folder("/data");
    try {
        Path::CreateApplicationLikePathInternal(folder, "cfg");
        FAIL() << "no exception";
    } catch (const toolbox::EIllegalState& e) {
        EXPECT_STREQ("The __argv[0] does not denote a valid path", e.GetMessage());
    }
    EXPECT_EQ("/data", Text(folder));
}

TEST_F(PathFileSystemTest, ProgramFileIsTheRunningExecutable)
{
    char resolved[PATH_MAX];
    ASSERT_TRUE(realpath("/proc/self/exe", resolved));
    EXPECT_EQ(std::string(resolved), Text(*Path::CreateApplicationPath()));
}

TEST_F(PathFileSystemTest, DataFolderFollowsXdgDataHome)
{
    ScratchHome::SetVariable("XDG_DATA_HOME", root + "/data");
    Path path;
    EXPECT_TRUE(path.SetToSpecialFolder(SpecialFolder::LocalApplicationData, FolderCreation::CreateMissing));
    EXPECT_EQ(root + "/data", Text(path));
    EXPECT_TRUE(ScratchHome::IsDirectory(root + "/data"));
}

TEST_F(PathFileSystemTest, DataFolderIgnoresARelativeXdgDataHome)
{
    ScratchHome::SetVariable("XDG_DATA_HOME", "relative/data");
    Path path;
    EXPECT_TRUE(path.SetToSpecialFolder(SpecialFolder::LocalApplicationData, FolderCreation::CreateMissing));
    EXPECT_EQ(scratch.GetHome() + "/.local/share", Text(path));
}

TEST_F(PathFileSystemTest, MissingFolderWithoutCreateLeavesThePathUnchanged)
{
    Path path("/kept");
    EXPECT_FALSE(path.SetToSpecialFolder(SpecialFolder::LocalApplicationData, FolderCreation::LeaveMissing));
    EXPECT_EQ("/kept", Text(path));
    EXPECT_FALSE(ScratchHome::Exists(scratch.GetHome() + "/.local"));
}

TEST_F(PathFileSystemTest, LocatingAFolderNeitherNeedsNorCreatesIt)
{
    Path path("/kept");
    EXPECT_TRUE(path.LocateSpecialFolder(SpecialFolder::LocalApplicationData));
    EXPECT_EQ(scratch.GetHome() + "/.local/share", Text(path));
    EXPECT_FALSE(ScratchHome::Exists(scratch.GetHome() + "/.local"));
    ScratchHome::ClearVariable("HOME");
    EXPECT_FALSE(path.LocateSpecialFolder(SpecialFolder::Documents));
    EXPECT_EQ(scratch.GetHome() + "/.local/share", Text(path));
}

TEST_F(PathFileSystemTest, DocumentsFolderComesFromTheUserDirsFile)
{
    ScratchHome::SetVariable("XDG_CONFIG_HOME", root + "/config");
    ASSERT_TRUE(Path((root + "/config").c_str()).CreateDirectory());
    ScratchHome::WriteFile(root + "/config/user-dirs.dirs", "# written by hand\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    EXPECT_EQ(scratch.GetHome() + "/Papers", Text(*Path::CreateDocumentsPath()));
    EXPECT_TRUE(ScratchHome::IsDirectory(scratch.GetHome() + "/Papers"));
}

TEST_F(PathFileSystemTest, DocumentsFolderReadsUserDirsBelowHomeWithoutConfigHome)
{
    ASSERT_TRUE(Path((scratch.GetHome() + "/.config").c_str()).CreateDirectory());
    ScratchHome::WriteFile(scratch.GetHome() + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + root + "/docs\"\n");
    EXPECT_EQ(root + "/docs", Text(*Path::CreateDocumentsPath()));
}

TEST_F(PathFileSystemTest, DocumentsFolderDefaultsToDocumentsBelowHome)
{
    EXPECT_EQ(scratch.GetHome() + "/Documents", Text(*Path::CreateDocumentsPath()));
    EXPECT_TRUE(ScratchHome::IsDirectory(scratch.GetHome() + "/Documents"));
}

TEST_F(PathFileSystemTest, DocumentsFolderFallsBackToTheProgramFolderWithoutHome)
{
    ScratchHome::ClearVariable("HOME");
    ProcessInfo::SetProgramFile((root + "/bin/ordovan").c_str());
    EXPECT_EQ(root + "/bin", Text(*Path::CreateDocumentsPath()));
}

TEST_F(PathFileSystemTest, DocumentsFolderFallsBackWhenItCannotBeCreated)
{
    ScratchHome::WriteFile(scratch.GetHome() + "/Documents", "not a folder");
    ProcessInfo::SetProgramFile((root + "/bin/ordovan").c_str());
    EXPECT_EQ(root + "/bin", Text(*Path::CreateDocumentsPath()));
}
