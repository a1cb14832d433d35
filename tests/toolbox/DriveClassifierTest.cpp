#include "toolbox/DriveClassifier.h"
#include "toolbox/MountTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>

using toolbox::DriveClassifier;
using toolbox::DriveKind;
using Device = toolbox::DriveClassifier::Device;

TEST(DriveClassifierTest, NetworkFileSystemsAreShares)
{
    for (const char* type : { "nfs", "nfs4", "cifs", "smb3", "fuse.sshfs" })
        EXPECT_EQ(DriveKind::NetworkShare, DriveClassifier::Classify(type, Device::NotRemovable, 0)) << type;
}

TEST(DriveClassifierTest, MemoryFileSystemsAreRamDisks)
{
    EXPECT_EQ(DriveKind::RamDisk, DriveClassifier::Classify("tmpfs", Device::NotRemovable, 0));
    EXPECT_EQ(DriveKind::RamDisk, DriveClassifier::Classify("ramfs", Device::NotRemovable, 0));
}

TEST(DriveClassifierTest, DiscFileSystemsAreOpticalEvenOnRemovableDevices)
{
    EXPECT_EQ(DriveKind::Optical, DriveClassifier::Classify("iso9660", Device::Removable, 1 << 30));
    EXPECT_EQ(DriveKind::Optical, DriveClassifier::Classify("udf", Device::NotRemovable, 0));
}

TEST(DriveClassifierTest, RemovableDeviceIsSmallUpToEightMebibytes)
{
    const std::int64_t limit = 8 * 1024 * 1024;
    EXPECT_EQ(DriveKind::SmallRemovable, DriveClassifier::Classify("vfat", Device::Removable, limit));
    EXPECT_EQ(DriveKind::Removable, DriveClassifier::Classify("vfat", Device::Removable, limit + 1));
}

TEST(DriveClassifierTest, RemovableDeviceOfUnknownSizeCountsAsSmall)
{
    EXPECT_EQ(DriveKind::SmallRemovable, DriveClassifier::Classify("vfat", Device::Removable, -1));
}

TEST(DriveClassifierTest, OtherLocalFileSystemsAreFixed)
{
    EXPECT_EQ(DriveKind::Fixed, DriveClassifier::Classify("ext4", Device::NotRemovable, 1 << 30));
    EXPECT_EQ(DriveKind::Fixed, DriveClassifier::Classify("overlay", Device::NotRemovable, 0));
}

// Checks the whole chain against the mount that really holds a folder.
TEST(DriveClassifierTest, PathOnAMemoryFileSystemIsARamDisk)
{
    std::unique_ptr<toolbox::MountTable> table = toolbox::MountTable::ReadOwn();
    char resolved[PATH_MAX];
    if (!realpath("/dev/shm", resolved))
        GTEST_SKIP() << "no /dev/shm here";
    const toolbox::MountEntry* mount = table->FindFor(resolved);
    if (!mount || std::strcmp(mount->fileSystemType.GetText(), "tmpfs") != 0)
        GTEST_SKIP() << "/dev/shm is not a memory file system here";
    EXPECT_EQ(DriveKind::RamDisk, toolbox::Path("/dev/shm/not/yet/made").GetDriveKind());
}
