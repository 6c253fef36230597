#pragma once

#include <QString>

// The executable's folder and the file names derived from it, and the
// temporary folder. Folders end in "/".
namespace qbx::paths {

// Full path of the running executable. Tests set an override so that the
// derived names point into a temporary folder; an empty path removes it.
QString ExecutablePath();
void SetExecutablePathOverride(const QString &path);

// The folder with a trailing "/" (added only when missing).
QString WithSlash(const QString &folder);

// The executable's folder, ending in "/".
QString AppFolder();

// A portable copy keeps its options file and working folders in its own
// folder. A copy runs portable when the user may write into the executable's
// folder and that folder is not the "bin" folder of an installed prefix (one
// with "../share/qubrix/" beside it). An installed program (under /usr, or
// "cmake --install" into any prefix) uses the user's places instead: even
// when the user could write into the prefix, options do not belong there.
bool IsPortableCopy();

// Default folder of catalogues and query files: AppFolder() for a portable
// copy; otherwise the user's documents folder, or the home folder when there
// is no documents folder.
QString DefaultDbFolder();
// The options file, named like the executable with ".ini" (the extension of
// its file name, the part after its last '.', if any, replaced): beside the
// executable for a portable copy, else in ConfigFolder().
QString IniFileName();
// The help file, named like the executable with ".qch": beside the
// executable when it is there (the build tree, a portable copy), else in
// "../share/qubrix/" (an installed program); beside the executable when
// neither exists (the help command is then not offered).
QString HelpFile();

// The help command is offered only while the help file exists.
bool HelpFileExists(const QString &helpFile);

// The program's configuration folder (registry stores): $XDG_CONFIG_HOME, or
// ~/.config when that is unset or relative, followed by "/Qubrix/".
QString ConfigFolder();

// A path as the user reads it in messages: the home folder shown as "~".
QString ShownPath(const QString &path);

// The system's temporary folder ($TMPDIR or /tmp), ending in "/".
QString TempFolder();
// Creates a new empty file "QbxXXXXXX.tmp" (X: letters and digits) in the
// folder (the temporary folder when empty) without replacing any existing
// file, and returns its full path; "" when no file could be created.
QString CreateTempFile(const QString &folder = QString());

} // namespace qbx::paths
