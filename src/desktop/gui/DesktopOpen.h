#pragma once

#include <QString>

namespace qbx {

// Opens a file with the desktop's default application for it (the result is
// not checked: the desktop reports its own failures).
void OpenWithDesktop(const QString &filePath);

// OpenOnDisc over the volumes mounted now, opening with the desktop.
int OpenOnDiscWithDesktop(const QString &discLabel, const QString &itemPath);

} // namespace qbx
