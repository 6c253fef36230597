#include "session/CommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace qbx {

TCommandLineFile ResolveCommandLine(const QStringList &arguments, const QString &appFolder,
                                    const QString &currentDir)
{
    TCommandLineFile result;
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return result;
    QString name = arguments.first();
    if (!QFileInfo(QDir(currentDir), name).isFile())
        return result;

    if (QDir::isRelativePath(name)) {
        const qsizetype slash = name.lastIndexOf(u'/');
        const QString folder = QDir::cleanPath(appFolder + u'/' + name.left(slash < 0 ? 0 : slash));
        if (QFileInfo(folder).isDir()) {
            name = folder + u'/' + name.mid(slash + 1);
            result.folder = folder;
        }
    }
    result.path = name;
    result.kind = QFileInfo(name).suffix().compare(u"cdq", Qt::CaseInsensitive) == 0
                      ? TCommandLineFile::Query
                      : TCommandLineFile::Catalogue;
    return result;
}

} // namespace qbx
