#include "storage/FileReplacement.h"
#include "platform/EngineFileName.h"

#include "engine/Error.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <vector>

namespace qbx {

namespace {

constexpr size_t kCopyChunk = size_t(1) << 20;
// A search copy younger than this may still be on its way to being held by
// the program that made it.
constexpr qint64 kStaleCopySeconds = 10 * 60;

// New files of a replacement of a file named `name`, and the ones the table
// engine makes beside those while it creates a table in them.
bool IsLeftoverOf(const QString &entry, const QString &name)
{
    return entry.endsWith(QLatin1String(".tmp")) &&
           (entry.startsWith(QLatin1Char('.') + name + QLatin1Char('.')) ||
            entry.startsWith(QLatin1String("..") + name + QLatin1Char('.')));
}

// A search copy, "Qbx" and six characters then ".tmp", or a file written
// beside one to replace it (see ReplacementPrefix).
bool IsSearchCopy(const QString &entry)
{
    static const QRegularExpression copy(
        QStringLiteral("^\\.{0,2}Qbx[A-Za-z0-9]{6}\\.tmp(\\.[A-Za-z0-9]{6}\\.tmp)?$"));
    return copy.match(entry).hasMatch();
}

} // namespace

TFileReplacement::TFileReplacement(engine::FileSystem &fs, const std::string &target)
    : fs_(fs), target_(target)
{
    const std::optional<unsigned> mode = fs.Mode(target);
    if (mode) {
        oldFile_ = fs.Open(target, true, engine::FileLock::Exclusive);
        if (!oldFile_->Writable())
            throw engine::Error(engine::ErrAccessDenied, "The file is read only. File: " + target);
    }
    newFile_ = engine::CreateUniqueFile(fs, engine::FolderOf(target),
                                        engine::ReplacementPrefix(target), ".tmp", mode, newPath_);
}

TFileReplacement::~TFileReplacement()
{
    newFile_.reset();
    if (committed_)
        return;
    try {
        fs_.Remove(newPath_);
    } catch (const engine::Error &) {
        // A leftover that the next save of the target removes.
    }
}

void TFileReplacement::Commit()
{
    newFile_.reset();
    fs_.Rename(newPath_, target_);
    committed_ = true;
    oldFile_.reset();
    // The rename stands even when the folder cannot be flushed; the error
    // still tells the caller that the new name may not be on the disk yet.
    fs_.FlushFolder(engine::FolderOf(target_));
}

void TFileReplacement::CopyFrom(const engine::File &from)
{
    std::vector<uint8_t> buffer(kCopyChunk);
    uint64_t offset = 0;
    for (;;) {
        const size_t got = from.ReadAt(offset, buffer.data(), buffer.size());
        if (got == 0)
            break;
        newFile_->WriteAt(offset, buffer.data(), got);
        offset += got;
    }
}

void RemoveReplacementLeftovers(engine::FileSystem &fs, const std::string &target)
{
    const QString folder = QString::fromStdString(engine::FolderOf(target));
    const QString name = QString::fromStdString(engine::FileNameOf(target));
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString &entry : entries) {
        if (!IsLeftoverOf(entry, name))
            continue;
        try {
            fs.Remove(EngineFileName(folder + QLatin1Char('/') + entry));
        } catch (const engine::Error &) {
        }
    }
}

void RemoveStaleSearchCopies(engine::FileSystem &fs, const QString &folder)
{
    if (folder.isEmpty())
        return;
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kStaleCopySeconds);
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {QStringLiteral("*Qbx*.tmp")}, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        if (!IsSearchCopy(entry.fileName()) || entry.lastModified().toUTC() > before)
            continue;
        const std::string path = EngineFileName(entry.absoluteFilePath());
        try {
            // Held by a running program: its lock refuses this one.
            fs.Open(path, false, engine::FileLock::Exclusive).reset();
            fs.Remove(path);
        } catch (const engine::Error &) {
        }
    }
}

} // namespace qbx
