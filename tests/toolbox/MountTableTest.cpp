#include "toolbox/MountTable.h"

#include <gtest/gtest.h>

using toolbox::MountEntry;
using toolbox::MountTable;

namespace {

const char* const sampleTable = "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
                                "30 22 0:26 / /home rw shared:5 master:2 - btrfs /dev/sdb1 rw\n"
                                "31 22 8:17 / /media/stick\\040one rw - vfat /dev/sdc1 rw\n"
                                "32 22 0:40 / /homework rw - nfs4 server:/w rw\n"
                                "broken line\n"
                                "33 22 0:41 / /home rw - tmpfs tmpfs rw\n";

} // namespace

TEST(MountTableTest, ReadsDeviceTypeAndMountPointOfEveryWellFormedLine)
{
    MountTable table(sampleTable);
    ASSERT_EQ(5, table.GetCount());
    const MountEntry* first = table.Get(0);
    EXPECT_STREQ("/", first->mountPoint.GetText());
    EXPECT_STREQ("ext4", first->fileSystemType.GetText());
    EXPECT_EQ(8, first->major);
    EXPECT_EQ(2, first->minor);
}

TEST(MountTableTest, SkipsOptionalFieldsUpToTheDash)
{
    MountTable table(sampleTable);
    EXPECT_STREQ("btrfs", table.Get(1)->fileSystemType.GetText());
}

TEST(MountTableTest, DecodesEscapedBlanksInMountPoints)
{
    MountTable table(sampleTable);
    EXPECT_STREQ("/media/stick one", table.Get(2)->mountPoint.GetText());
    EXPECT_STREQ("vfat", table.FindFor("/media/stick one/plans")->fileSystemType.GetText());
}

TEST(MountTableTest, MatchesMountPointsOnlyAtComponentBoundaries)
{
    MountTable table(sampleTable);
    EXPECT_STREQ("nfs4", table.FindFor("/homework/x")->fileSystemType.GetText());
    EXPECT_STREQ("ext4", table.FindFor("/homes")->fileSystemType.GetText());
    EXPECT_STREQ("ext4", table.FindFor("/")->fileSystemType.GetText());
}

TEST(MountTableTest, LaterMountOnTheSamePointCoversTheEarlierOne)
{
    MountTable table(sampleTable);
    EXPECT_STREQ("tmpfs", table.FindFor("/home/ann")->fileSystemType.GetText());
}

TEST(MountTableTest, FindsNothingForRelativePathsOrAnEmptyTable)
{
    EXPECT_EQ(nullptr, MountTable(sampleTable).FindFor("home"));
    EXPECT_EQ(nullptr, MountTable("").FindFor("/"));
    EXPECT_EQ(0, MountTable(nullptr).GetCount());
}

TEST(MountTableTest, OwnTableCoversTheRoot)
{
    std::unique_ptr<MountTable> table = MountTable::ReadOwn();
    EXPECT_NE(nullptr, table->FindFor("/"));
}
