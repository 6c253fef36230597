#pragma once

#include "platform/Volumes.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qbx {

// Facts about the place the program runs in, found once at start and only
// read afterwards: where the options file and the help file are, the
// program's folder, whether this is a portable or an installed copy, the
// default and temporary folders and the fixed volumes. The program computes
// one and hands it down by const reference; tests build their own and point
// the folders into temporary ones.
struct TEnvironment {
    // Everything from the running executable and the mounted volumes.
    static TEnvironment Detect();
    // The same with the drive scan run over the given volumes.
    static TEnvironment Detect(const QList<TVolume> &volumes);

    QString IniFileName; // "qubrix.ini" beside a portable copy, else in the configuration folder
    QString HelpFile;    // executable path with ".qch"
    QString AppFolder;   // executable's folder, ending in "/"
    bool PortableCopy = true;
    // Defaults of DbFolder and QryFolder, ending in "/": the executable's
    // folder for a portable copy, else the user's documents folder.
    QString DefaultDbFolder;
    QString DefaultQryFolder;
    QString TempFolder; // the system's temporary folder, ending in "/"
    // Roots of the fixed volumes (mount points ending in "/") in mount order,
    // joined by '\n': "/\n/home/\n/data/". Split with FixedDriveList().
    QString FixedDrives;
    QString CdRoot; // root of the first CD-ROM, else of the first fixed volume, else ""

    QStringList FixedDriveList() const;
};

} // namespace qbx
