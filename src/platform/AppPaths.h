#pragma once

#include <QString>

// The executable's folder and the file names derived from it, and the
// temporary folder. Folders end in "/".
namespace qbx::paths {

// Full path of the running executable. Tests set an override so that the
// derived names point into a temporary folder; an empty path removes it.
QString ExecutablePath();
void SetExecutablePathOverride(const QString &path);

// The executable's folder, ending in "/".
QString AppFolder();
// Default folder of catalogues and query files: AppFolder().
QString DefaultDbFolder();
// The executable's path with its extension (the part of the file name after
// its last '.', if any) replaced by ".ini" / ".qch".
QString IniFileName();
QString HelpFile();

// The program's configuration folder (registry stores): $XDG_CONFIG_HOME, or
// ~/.config when that is unset or relative, followed by "/Qubrix/".
QString ConfigFolder();

// The system's temporary folder ($TMPDIR or /tmp), ending in "/".
QString TempFolder();
// Creates a new empty file "QbxXXXXXX.tmp" (X: letters and digits) in the
// folder (the temporary folder when empty) without replacing any existing
// file, and returns its full path; "" when no file could be created.
QString CreateTempFile(const QString &folder = QString());

} // namespace qbx::paths
