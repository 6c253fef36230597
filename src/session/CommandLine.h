#pragma once

#include <QString>
#include <QStringList>

namespace qbx {

// The file named first on the command line, once resolved.
struct TCommandLineFile {
    enum Kind { None, Catalogue, Query };
    Kind kind = None;
    QString path;   // the name to open
    QString folder; // folder the name was re-based on ("" = not re-based)
};

// Resolves the first argument: it must name an existing file (a relative name
// tested against currentDir). A relative name is then re-based on appFolder
// (its folder part appended to appFolder) when that folder exists. A name
// whose extension is ".cdq" in any case is a query file, anything else a
// catalogue. Further arguments are ignored.
TCommandLineFile ResolveCommandLine(const QStringList &arguments, const QString &appFolder,
                                    const QString &currentDir);

} // namespace qbx
