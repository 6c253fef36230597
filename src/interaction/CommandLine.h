#pragma once

#include <QString>
#include <QStringList>

namespace qbx {

// The file named first on the command line, once resolved.
struct TCommandLineFile {
    enum Kind { None, Catalogue, Query };
    Kind kind = None;
    QString path;   // the name to open
    QString folder; // folder of a relative name once found ("" = name was absolute)
};

// Resolves the first argument, which must name an existing file. A relative
// name is looked for in currentDir first and then below appFolder; the one
// found becomes an absolute name and its folder the folder to change to. A
// name whose extension is ".cdq" in any case is a query file, anything else
// a catalogue. Further arguments are ignored.
TCommandLineFile ResolveCommandLine(const QStringList &arguments, const QString &appFolder,
                                    const QString &currentDir);

} // namespace qbx
