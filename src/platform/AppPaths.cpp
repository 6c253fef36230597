#include "platform/AppPaths.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <unistd.h>

namespace qbx::paths {

namespace {

QString &Override()
{
    static QString path;
    return path;
}

// The executable's file name with its extension replaced.
QString ChangeExtension(const QString &ext)
{
    const QString path = ExecutablePath();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.mid(slash + 1, (dot > slash ? dot : path.size()) - slash - 1) + ext;
}

bool IsInstalledBinFolder(const QString &folder)
{
    const QDir dir(folder);
    return dir.dirName() == QLatin1String("bin") &&
           QFileInfo(dir.filePath(QStringLiteral("../share/qubrix"))).isDir();
}

} // namespace

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

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

bool IsPortableCopy()
{
    const QString folder = AppFolder();
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0 &&
           !IsInstalledBinFolder(folder);
}

QString DefaultDbFolder()
{
    if (IsPortableCopy())
        return AppFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return WithSlash(documents);
    return WithSlash(QDir::homePath());
}

QString IniFileName()
{
    return (IsPortableCopy() ? AppFolder() : ConfigFolder()) +
           ChangeExtension(QStringLiteral(".ini"));
}

namespace {

// The help file `name` beside the executable, else in ../share/qubrix/; the
// one beside the executable when neither exists.
QString FindHelpFile(const QString &name)
{
    const QString beside = AppFolder() + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir::cleanPath(AppFolder() + QStringLiteral("../share/qubrix/") + name);
    return QFileInfo::exists(shared) ? shared : beside;
}

} // namespace

QString HelpFile()
{
    const QString name = ChangeExtension(QStringLiteral(".qch"));
    // The help in the language the program speaks: English has a help file
    // of its own ("qubrix_en.qch"); the Russian one is the fallback.
    if (CurrentLanguage() == UiLanguage::English) {
        QString english = name;
        english.insert(english.size() - 4, QStringLiteral("_en"));
        const QString found = FindHelpFile(english);
        if (QFileInfo::exists(found))
            return found;
    }
    return FindHelpFile(name);
}

QString ConfigFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return WithSlash(base) + QStringLiteral("Qubrix/");
}

QString ShownPath(const QString &path)
{
    const QString home = WithSlash(QDir::homePath());
    if (home != QLatin1String("/") && path.startsWith(home))
        return QStringLiteral("~/") + path.mid(home.size());
    return path;
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

bool HelpFileExists(const QString &helpFile)
{
    return !helpFile.isEmpty() && QFileInfo(helpFile).isFile();
}

} // namespace qbx::paths
