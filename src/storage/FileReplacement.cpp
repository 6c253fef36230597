#include "storage/FileReplacement.h"
#include "platform/EngineFileName.h"

#include "engine/Error.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <vector>

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A lock of an open file description over the whole file: the engine's
// flock locks neither meet it nor are met by it.
bool OfdLock(int fd, short type, int command)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    if (::fcntl(fd, command, &lock) != 0)
        return false;
    return command != F_OFD_GETLK || lock.l_type == F_UNLCK;
}

// True when a running program holds the file: a replacement's hold, or an
// engine lock (a table being made or written in it).
bool HeldByAProgram(int fd)
{
    return !OfdLock(fd, F_WRLCK, F_OFD_GETLK) || ::flock(fd, LOCK_EX | LOCK_NB) != 0;
}

// The new file takes the replaced file's owner and group where the system
// lets this program give them (a save as root keeps the user's file the
// user's); otherwise it keeps this program's.
void KeepOwner(const std::string &target, const std::string &newPath)
{
    struct stat old {
    }, made{};
    if (::stat(target.c_str(), &old) != 0 || ::stat(newPath.c_str(), &made) != 0)
        return;
    if (old.st_uid == made.st_uid && old.st_gid == made.st_gid)
        return;
    if (::chown(newPath.c_str(), old.st_uid, old.st_gid) != 0)
        (void)!::chown(newPath.c_str(), uid_t(-1), old.st_gid);
}

} // namespace

std::string FollowLinks(const std::string &path)
{
    std::string current = path;
    // As many links as the system itself follows; a longer chain is a loop,
    // which the open of the target then reports.
    for (int i = 0; i < 40; ++i) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n <= 0 || size_t(n) >= link.size())
            return current;
        link.resize(size_t(n));
        current = link.front() == '/' ? link : engine::FolderOf(current) + '/' + link;
    }
    return current;
}

TFileReplacement::Hold::Hold(const std::string &path)
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd_ >= 0 && !OfdLock(fd_, F_RDLCK, F_OFD_SETLK)) {
        ::close(fd_);
        fd_ = -1;
    }
}

TFileReplacement::Hold::~Hold()
{
    if (fd_ >= 0)
        ::close(fd_);
}

TFileReplacement::Hold &TFileReplacement::Hold::operator=(Hold &&other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

TFileReplacement::TFileReplacement(engine::FileSystem &fs, const std::string &target)
    : fs_(fs), target_(FollowLinks(target))
{
    const std::optional<unsigned> mode = fs.Mode(target_);
    if (mode) {
        oldFile_ = fs.Open(target_, true, engine::FileLock::Exclusive);
        if (!oldFile_->Writable())
            throw engine::Error(engine::ErrAccessDenied, "The file is read only. File: " + target_);
    }
    // The new file is created locked; the hold is taken before that lock
    // goes, so the file is never free for another program's clean-up.
    newFile_ = engine::CreateUniqueFile(fs, engine::FolderOf(target_),
                                        engine::ReplacementPrefix(target_), ".tmp", mode, newPath_);
    hold_ = Hold(newPath_);
    if (mode)
        KeepOwner(target_, newPath_);
    // Only now, with the right to write known, is anything removed.
    RemoveReplacementLeftovers(fs, target_);
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
        const std::string path = EngineFileName(folder + QLatin1Char('/') + entry);
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        // Removed while this program holds it, so no other takes it meanwhile.
        if (!HeldByAProgram(fd)) {
            try {
                fs.Remove(path);
            } catch (const engine::Error &) {
            }
        }
        ::close(fd);
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
