#pragma once

#include <QString>

namespace qbx {

// Makes files with the extension (".db") open with this program: under
// HKEY_CLASSES_ROOT the extension key names the type (typeName), whose keys
// carry the description, the icon ("<exe>,<iconIndex>") and the open command
// ("\"<exe>\" \"%1\""). An extension bound to a type whose open command does
// not name this executable's file name (compared ignoring case) belongs to
// another program and is left alone; a type that names it is deleted and
// written anew, so a moved executable re-points its own file types. Failures
// are silent. The desktop itself learns the types from the installed
// .desktop file and MIME package.
void RegisterFileType(const QString &extension, const QString &typeName, int iconIndex,
                      const QString &description, const QString &executablePath);

// The same for the running executable (qbx::paths::ExecutablePath()).
void RegisterFileType(const QString &extension, const QString &typeName, int iconIndex,
                      const QString &description);

} // namespace qbx
