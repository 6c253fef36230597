#include "scan/ReadOnlyFile.h"

#include "scan/TInOutError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace qbx {

ReadOnlyFile::ReadOnlyFile(const QString &path) : path_(path)
{
    const QByteArray local = QFile::encodeName(path);
    do {
        fd_ = ::open(local.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        Fail(errno);
}

ReadOnlyFile::~ReadOnlyFile()
{
    ::close(fd_);
}

qint64 ReadOnlyFile::ReadUpTo(char *data, qint64 count)
{
    return ReadUpToAt(data, count, -1);
}

qint64 ReadOnlyFile::ReadUpToAt(char *data, qint64 count, qint64 position)
{
    qint64 done = 0;
    while (done < count) {
        const auto want = size_t(count - done);
        const ssize_t got = position < 0 ? ::read(fd_, data + done, want)
                                         : ::pread(fd_, data + done, want, off_t(position + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(errno);
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

qint64 ReadOnlyFile::Size()
{
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    if (end < 0)
        Fail(errno);
    return qint64(end);
}

void ReadOnlyFile::Fail(int error) const
{
    throw TInOutError(QString::fromLocal8Bit(std::strerror(error)), path_);
}

} // namespace qbx
