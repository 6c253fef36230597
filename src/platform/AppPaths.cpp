#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace qbx::paths {

namespace {

QString &Override()
{
    static QString path;
    return path;
}

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// The executable's path with the extension of its file name replaced.
QString ChangeExtension(const QString &ext)
{
    const QString path = ExecutablePath();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? path.left(dot) : path) + ext;
}

} // namespace

QString ExecutablePath()
{
    if (!Override().isEmpty())
        return Override();
    return QCoreApplication::applicationFilePath();
}

void SetExecutablePathOverride(const QString &path)
{
    Override() = path;
}

QString AppFolder()
{
    const QString path = ExecutablePath();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? WithSlash(QDir::currentPath()) : path.left(slash + 1);
}

QString DefaultDbFolder()
{
    return AppFolder();
}

QString IniFileName()
{
    return ChangeExtension(QStringLiteral(".ini"));
}

QString HelpFile()
{
    return ChangeExtension(QStringLiteral(".qch"));
}

QString ConfigFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return WithSlash(base) + QStringLiteral("Qubrix/");
}

QString TempFolder()
{
    return WithSlash(QDir::tempPath());
}

QString CreateTempFile(const QString &folder)
{
    const QString base = folder.isEmpty() ? TempFolder() : WithSlash(folder);
    // QTemporaryFile creates the file exclusively (O_EXCL), so an existing
    // file is never taken over.
    QTemporaryFile file(base + QStringLiteral("QbxXXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    return QFileInfo(file.fileName()).absoluteFilePath();
}

} // namespace qbx::paths
