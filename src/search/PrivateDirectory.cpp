#include "search/PrivateDirectory.h"

#include "platform/Volumes.h"

namespace qbx {

TDiskSpace TDiskSpace::System()
{
    return {[](const QString &path) { return FreeSpace(path); },
            [](const QString &path) {
                const auto volume = VolumeHolding(path);
                return volume ? volume->root : QString();
            }};
}

QString ChoosePrivateDirectory(qint64 tableSize, const QString &tempFolder,
                               const QString &appFolder, const QStringList &fixedDrives,
                               const TDiskSpace &disk)
{
    const auto tooSmall = [tableSize](qint64 free) {
        return tableSize >= 0 && free >= 0 && free < tableSize;
    };
    if (!tooSmall(disk.freeBytes(tempFolder)))
        return tempFolder;
    QString chosen = appFolder;
    if (!tooSmall(disk.freeBytes(appFolder)))
        return chosen;
    const QString tempVolume = disk.volumeOf(tempFolder);
    const QString appVolume = disk.volumeOf(appFolder);
    for (const QString &root : fixedDrives) {
        const QString volume = disk.volumeOf(root);
        if (!volume.isEmpty() && (volume == tempVolume || volume == appVolume))
            continue;
        chosen = root;
        const qint64 free = disk.freeBytes(root);
        if (free >= 0 && free >= tableSize)
            break;
    }
    return chosen;
}

} // namespace qbx
