#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace qbx {

// What the choice of the engine's working folder asks of the file systems.
struct TDiskSpace {
    // Bytes free on the file system holding the path; -1 when not known.
    std::function<qint64(const QString &)> freeBytes;
    // The root of the file system holding the path ("" when not known), so
    // that two folders on one file system are told apart from two file
    // systems.
    std::function<QString(const QString &)> volumeOf;

    // The mounted file systems of this machine.
    static TDiskSpace System();
};

// The folder where the engine keeps a query's temporary results: the
// temporary folder, unless it is known to have less room than the table
// has bytes; then the program's folder; and if that is short too, the root
// of the first fixed volume (other than those two folders' own) with room
// enough, or the last one tried. tableSize < 0 means not known: the
// temporary folder is used without comparing.
QString ChoosePrivateDirectory(qint64 tableSize, const QString &tempFolder,
                               const QString &appFolder, const QStringList &fixedDrives,
                               const TDiskSpace &disk);

} // namespace qbx
