#include "platform/Volumes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qbx;

namespace {

const QByteArray kMountInfo = "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
                              "27 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda1 rw\n"
                              "28 27 0:25 / /tmp rw - tmpfs tmpfs rw\n"
                              "29 27 8:17 /@home /home rw master:3 - btrfs /dev/sdb1 rw\n"
                              "30 27 11:0 / /media/My\\040Disc ro - iso9660 /dev/sr0 ro\n"
                              "31 27 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
                              "32 27 0:40 / /net rw - nfs server:/export rw\n"
                              "33 27 8:33 / /data rw - xfs /dev/sdc1 rw\n"
                              "34 27 11:1 / /media/dvd ro - udf /dev/sr1 ro\n"
                              "35 27 0:50 / /var/lib/docker/x rw - overlay overlay rw,lowerdir=a\n"
                              "garbage line\n"
                              "36 27 8:1 / /data rw - ext4 /dev/sdd1 rw\n"
                              "37 27 8:2 / relative rw - ext4 /dev/sdd2 rw\n";

} // namespace

TEST(Volumes, MountTableIsClassifiedInMountOrder)
{
    const QList<TVolume> v = ParseMountInfo(kMountInfo);
    QStringList roots;
    for (const TVolume &x : v)
        roots << x.root;
    EXPECT_EQ(roots,
              QStringList({"/proc/", "/", "/tmp/", "/home/", "/media/My Disc/", "/snap/core/1/",
                           "/net/", "/data/", "/media/dvd/", "/var/lib/docker/x/"}));
    // /data is mounted over: the visible mount's values at the first place.
    EXPECT_EQ(v[7].device, "/dev/sdd1");
    EXPECT_EQ(v[7].fsType, "ext4");
    EXPECT_TRUE(v[0].pseudo && v[2].pseudo && v[9].pseudo);
    EXPECT_FALSE(v[1].pseudo || v[4].pseudo || v[6].pseudo);
    EXPECT_TRUE(v[4].cdrom && v[8].cdrom);
    EXPECT_FALSE(v[4].fixed);

    EXPECT_EQ(FixedDrives(v), QStringList({"/", "/home/", "/data/"}));
    EXPECT_EQ(FirstCdRomRoot(v), "/media/My Disc/");
    EXPECT_EQ(FirstCdRomRoot(ParseMountInfo(kMountInfo.left(kMountInfo.indexOf("30 27")))), "");
}

TEST(Volumes, PathBelongsToTheDeepestMount)
{
    const QList<TVolume> v = ParseMountInfo(kMountInfo);
    EXPECT_EQ(VolumeHolding("/home/user/file.db", v)->root, "/home/");
    EXPECT_EQ(VolumeHolding("/home", v)->root, "/home/");
    EXPECT_EQ(VolumeHolding("/homework/x", v)->root, "/");
    EXPECT_EQ(VolumeHolding("/media/My Disc/../dvd/a", v)->root, "/media/dvd/");
    EXPECT_FALSE(VolumeHolding("/x", {}).has_value());
}

TEST(Volumes, TheRunningSystem)
{
    const QList<TVolume> v = MountedVolumes();
    ASSERT_FALSE(v.isEmpty());
    for (const TVolume &x : v) {
        EXPECT_TRUE(x.root.startsWith('/') && x.root.endsWith('/')) << x.root.toStdString();
        EXPECT_FALSE(x.fixed && (x.pseudo || x.cdrom)) << x.root.toStdString();
    }
    ASSERT_TRUE(VolumeHolding(QDir::tempPath(), v).has_value());
    QTemporaryDir dir;
    EXPECT_GT(FreeSpace(dir.path()), 0);
    EXPECT_EQ(FreeSpace(dir.path() + "/missing/folder"), -1);
}
