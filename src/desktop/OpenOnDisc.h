#pragma once

#include "platform/Volumes.h"

#include <QList>
#include <QString>

#include <functional>

namespace qbx {

// Where the mounted volumes come from (MountedVolumes in the program).
using TVolumeSource = std::function<QList<TVolume>()>;
// Opens a file with the desktop's default application for it.
using TFileOpener = std::function<void(const QString &filePath)>;

// Opens a catalogued file from the real disc: on every mounted volume whose
// label equals the disc label, ignoring case, the file at the catalogue path
// below the volume's root is handed to the opener. Pseudo file systems are
// skipped. Nothing happens without a match, for an empty label or path, or for
// a path that would lead outside the volume ("..\\"). Returns the number of
// files handed to the opener.
int OpenOnDisc(const QString &discLabel, const QString &itemPath, const TVolumeSource &volumes,
               const TFileOpener &open);

} // namespace qbx
