#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qbx {

// A mounted file system: the counterpart of a drive.
struct TVolume {
    QString root;        // the mount point, always ending in "/" ("/", "/media/cd/")
    QString label;       // the file-system label, "" when it has none
    QString fsType;      // "ext4", "iso9660", "tmpfs"...
    QString device;      // the mount source ("/dev/sda1", "proc"...)
    bool fixed = false;  // a local block-device file system that is not removable
    bool cdrom = false;  // iso9660/udf, or mounted from an optical drive
    bool pseudo = false; // proc, sysfs, tmpfs, cgroup, overlay and the like
};

// Every mounted file system in mount order (/proc/self/mountinfo), with labels
// and removable devices looked up. Empty when the mount table cannot be read.
QList<TVolume> MountedVolumes();

// The mount table's text as the kernel writes it, classified by file-system
// type and device name only (no label or removable-device lookup). A mount
// point mounted over again is listed once, at its first place, with the
// values of the mount that is visible. Malformed lines are skipped.
QList<TVolume> ParseMountInfo(const QByteArray &text);

// Roots of the fixed volumes in mount order.
QStringList FixedDrives(const QList<TVolume> &volumes);
inline QStringList FixedDrives()
{
    return FixedDrives(MountedVolumes());
}

// Root of the first CD-ROM volume, or "" when there is none.
QString FirstCdRomRoot(const QList<TVolume> &volumes);
inline QString FirstCdRomRoot()
{
    return FirstCdRomRoot(MountedVolumes());
}

// The volume whose file system holds the path (the longest root the absolute,
// cleaned path lies under), or nullopt.
std::optional<TVolume> VolumeHolding(const QString &path, const QList<TVolume> &volumes);
inline std::optional<TVolume> VolumeHolding(const QString &path)
{
    return VolumeHolding(path, MountedVolumes());
}

// Bytes available to the user on the file system holding the path, or -1
// when it cannot be told.
qint64 FreeSpace(const QString &path);

} // namespace qbx
