#include "engine/TableFile.h"

#include "engine/Error.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx::engine {

namespace {

int OpenErrorCode(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return ErrFileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrAccessDenied;
    default:
        return ErrIo;
    }
}

} // namespace

TableFile::TableFile(TableFile &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), writable_(other.writable_), path_(std::move(other.path_))
{
}

TableFile &TableFile::operator=(TableFile &&other) noexcept
{
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        writable_ = other.writable_;
        path_ = std::move(other.path_);
    }
    return *this;
}

void TableFile::Fail(int code, const std::string &what) const
{
    throw Error(code, what + ": " + std::strerror(errno) + ". File: " + path_);
}

void TableFile::Open(const std::string &path, bool writable, Lock lock)
{
    Close();
    path_ = path;
    fd_ = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd_ < 0 && writable && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        // A read-only file (a catalogue on a CD, say) still opens for
        // reading; appending to it then fails.
        writable = false;
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        const int err = errno;
        throw Error(OpenErrorCode(err),
                    (err == ENOENT ? std::string("Table does not exist")
                                   : "Cannot open table: " + std::string(std::strerror(err))) +
                        ". File: " + path);
    }
    writable_ = writable;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        Close();
        throw Error(ErrCorrupt, "Not a table file. File: " + path);
    }
    // flock locks belong to the open file description, so a second opener
    // in this same process conflicts as well as one in another process.
    if (::flock(fd_, (lock == Lock::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        const int err = errno;
        Close();
        if (err == EWOULDBLOCK)
            throw Error(ErrLocked, "Table is busy: it is in use by another user or program. "
                                   "File: " +
                                       path);
        errno = err;
        Fail(ErrIo, "Cannot lock table");
    }
}

void TableFile::Create(const std::string &path)
{
    Close();
    path_ = path;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        const int err = errno;
        throw Error(OpenErrorCode(err),
                    "Cannot create table: " + std::string(std::strerror(err)) + ". File: " + path);
    }
    writable_ = true;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        Close();
        throw Error(ErrLocked,
                    "Table is busy: it is in use by another user or program. File: " + path);
    }
    if (::ftruncate(fd_, 0) != 0)
        Fail(ErrIo, "Cannot create table");
}

void TableFile::Close() noexcept
{
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
    fd_ = -1;
    writable_ = false;
}

uint64_t TableFile::Size() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        Fail(ErrIo, "Cannot read table");
    return uint64_t(st.st_size);
}

void TableFile::ReadAt(uint64_t offset, void *buffer, size_t size) const
{
    auto *p = static_cast<uint8_t *>(buffer);
    while (size > 0) {
        const ssize_t got = ::pread(fd_, p, size, off_t(offset));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Fail(ErrIo, "Cannot read table");
        }
        if (got == 0)
            throw Error(ErrCorrupt, "Corrupt table: the file ends inside a block. File: " + path_);
        p += got;
        size -= size_t(got);
        offset += uint64_t(got);
    }
}

void TableFile::WriteAt(uint64_t offset, const void *buffer, size_t size)
{
    auto *p = static_cast<const uint8_t *>(buffer);
    while (size > 0) {
        const ssize_t put = ::pwrite(fd_, p, size, off_t(offset));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            Fail(ErrIo, "Cannot write table");
        }
        p += put;
        size -= size_t(put);
        offset += uint64_t(put);
    }
}

void TableFile::Resize(uint64_t size)
{
    if (::ftruncate(fd_, off_t(size)) != 0)
        Fail(ErrIo, "Cannot write table");
}

} // namespace qbx::engine
