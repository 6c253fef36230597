#include "engine/FileSystem.h"

#include "engine/Error.h"

#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx::engine {

namespace {

int ErrorCodeOf(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return ErrFileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrAccessDenied;
    case EEXIST:
        return ErrFileExists;
    case ENOSPC:
    case EDQUOT:
        return ErrDiskFull;
    default:
        return ErrIo;
    }
}

[[noreturn]] void Fail(int err, const std::string &what, const std::string &path)
{
    ThrowFileError(err, what, path);
}

class SystemFile final : public File {
public:
    SystemFile(int fd, bool writable, std::string path)
        : fd_(fd), writable_(writable), path_(std::move(path))
    {
    }
    ~SystemFile() override { ::close(fd_); } // closing releases the lock

    const std::string &Path() const override { return path_; }
    bool Writable() const override { return writable_; }
    int MapDescriptor() const override { return fd_; }

    uint64_t Size() const override
    {
        struct stat st {};
        if (::fstat(fd_, &st) != 0)
            Fail(errno, "Cannot read table", path_);
        return uint64_t(st.st_size);
    }

    size_t ReadAt(uint64_t offset, void *buffer, size_t size) const override
    {
        auto *p = static_cast<uint8_t *>(buffer);
        size_t done = 0;
        while (done < size) {
            const ssize_t got = ::pread(fd_, p + done, size - done, off_t(offset + done));
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                Fail(errno, "Cannot read table", path_);
            }
            if (got == 0)
                break;
            done += size_t(got);
        }
        return done;
    }

    void WriteAt(uint64_t offset, const void *buffer, size_t size) override
    {
        auto *p = static_cast<const uint8_t *>(buffer);
        while (size > 0) {
            const ssize_t put = ::pwrite(fd_, p, size, off_t(offset));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                Fail(errno, "Cannot write table", path_);
            }
            p += put;
            size -= size_t(put);
            offset += uint64_t(put);
        }
    }

    void Truncate(uint64_t size) override
    {
        if (::ftruncate(fd_, off_t(size)) != 0)
            Fail(errno, "Cannot write table", path_);
    }

    void Flush() override
    {
        if (::fsync(fd_) != 0)
            Fail(errno, "Cannot write table to disk", path_);
    }

    void StartWriteback(uint64_t offset, uint64_t size) override
    {
        // Starts the writing without waiting for it; an error shows at Flush.
        (void)::sync_file_range(fd_, off_t(offset), off_t(size), SYNC_FILE_RANGE_WRITE);
    }

private:
    int fd_;
    bool writable_;
    std::string path_;
};

void TakeLock(int fd, FileLock lock, const std::string &path)
{
    if (lock == FileLock::None)
        return;
    // flock locks belong to the open file description, so a second opener
    // in this same process conflicts as well as one in another process.
    if (::flock(fd, (lock == FileLock::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
        return;
    const int err = errno;
    ::close(fd);
    if (err == EWOULDBLOCK)
        throw Error(ErrLocked,
                    "Table is busy: it is in use by another user or program. File: " + path);
    Fail(err, "Cannot lock table", path);
}

class SystemFiles final : public FileSystem {
public:
    std::unique_ptr<File> Open(const std::string &path, bool writable, FileLock lock) override
    {
        // Non-blocking, so that opening a FIFO named like a table does not
        // wait for a writer; such a file is refused below.
        int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0 && writable && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            // A read-only file (a catalogue on a CD, say) still opens for
            // reading; writing to it then fails.
            writable = false;
            fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        }
        if (fd < 0) {
            const int err = errno;
            if (err == ENOENT)
                throw Error(ErrFileNotFound, "Table does not exist. File: " + path);
            Fail(err, "Cannot open table", path);
        }
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            throw Error(ErrCorrupt, "Not a table file. File: " + path);
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        TakeLock(fd, lock, path);
        return std::make_unique<SystemFile>(fd, writable, path);
    }

    std::unique_ptr<File> CreateNew(const std::string &path, std::optional<unsigned> mode) override
    {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0)
            Fail(errno, "Cannot create table", path);
        auto file = std::make_unique<SystemFile>(fd, true, path);
        // The mode given to open passes through the umask; a replacement
        // takes the bits of the file it replaces exactly.
        const bool ok = (!mode || ::fchmod(fd, mode_t(*mode & 07777)) == 0) &&
                        ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (!ok) {
            const int err = errno;
            file.reset();
            ::unlink(path.c_str());
            Fail(err, "Cannot create table", path);
        }
        return file;
    }

    void Rename(const std::string &from, const std::string &to) override
    {
        if (::rename(from.c_str(), to.c_str()) != 0)
            Fail(errno, "Cannot replace the table", to);
    }

    void Remove(const std::string &path) override
    {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            Fail(errno, "Cannot delete the file", path);
    }

    void FlushFolder(const std::string &folder) override
    {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            Fail(errno, "Cannot open the folder", folder);
        const int rc = ::fsync(fd);
        const int err = errno;
        ::close(fd);
        // Some file systems cannot flush a folder; the rename still stands.
        if (rc != 0 && err != EINVAL && err != ENOTSUP)
            Fail(err, "Cannot write the folder to disk", folder);
    }

    std::optional<unsigned> Mode(const std::string &path) override
    {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            return std::nullopt;
        return unsigned(st.st_mode & 07777);
    }
};

} // namespace

void ThrowFileError(int err, const std::string &what, const std::string &path)
{
    throw Error(ErrorCodeOf(err), what + ": " + std::strerror(err) + ". File: " + path);
}

FileSystem &SystemFileSystem()
{
    static SystemFiles files;
    return files;
}

std::string FolderOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ReplacementPrefix(const std::string &path)
{
    std::string prefix(1, '.');
    prefix += FileNameOf(path);
    prefix += '.';
    return prefix;
}

std::unique_ptr<File> CreateUniqueFile(FileSystem &fs, const std::string &folder,
                                       const std::string &prefix, const std::string &suffix,
                                       std::optional<unsigned> mode, std::string &path)
{
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0;; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 6; ++i)
            name += kLetters[random() % (sizeof kLetters - 1)];
        path = (folder.empty() ? std::string(".") : folder) + "/" + name + suffix;
        try {
            return fs.CreateNew(path, mode);
        } catch (const Error &e) {
            if (e.code() != ErrFileExists || attempt >= 100)
                throw;
        }
    }
}

FileRemover::~FileRemover()
{
    if (path_.empty())
        return;
    try {
        fs_.Remove(path_);
    } catch (const Error &) {
        // Nothing more to do: the file is only a leftover beside the target.
    }
}

} // namespace qbx::engine
