#include "interaction/CommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace qbx {

namespace {

TCommandLineFile::Kind KindOf(const QString &path)
{
    return QFileInfo(path).suffix().compare(u"cdq", Qt::CaseInsensitive) == 0
               ? TCommandLineFile::Query
               : TCommandLineFile::Catalogue;
}

} // namespace

TCommandLineFile ResolveCommandLine(const QStringList &arguments, const QString &appFolder,
                                    const QString &currentDir)
{
    TCommandLineFile result;
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return result;
    const QString name = arguments.first();
    if (!QDir::isRelativePath(name)) {
        if (QFileInfo(name).isFile()) {
            result.path = name;
            result.kind = KindOf(name);
        }
        return result;
    }
    // A user in a terminal means the current folder; a name found only below
    // the program's folder is taken from there.
    for (const QString &base : {currentDir, appFolder}) {
        if (base.isEmpty())
            continue;
        const QFileInfo file(QDir(base), name);
        if (file.isFile()) {
            result.path = QDir::cleanPath(file.absoluteFilePath());
            result.folder = QFileInfo(result.path).path();
            result.kind = KindOf(result.path);
            return result;
        }
    }
    return result;
}

} // namespace qbx
