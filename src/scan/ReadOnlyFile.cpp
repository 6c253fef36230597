#include "scan/ReadOnlyFile.h"

#include "scan/TInOutError.h"

namespace qbx {

ReadOnlyFile::ReadOnlyFile(const QString &path) : file_(path)
{
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        Fail();
}

qint64 ReadOnlyFile::ReadUpTo(char *data, qint64 count)
{
    qint64 done = 0;
    while (done < count) {
        const qint64 got = file_.read(data + done, count - done);
        if (got < 0)
            Fail();
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

qint64 ReadOnlyFile::Size() const
{
    return file_.size();
}

void ReadOnlyFile::Seek(qint64 position)
{
    if (!file_.seek(position))
        Fail();
}

void ReadOnlyFile::Fail() const
{
    throw TInOutError(file_.errorString(), file_.fileName());
}

} // namespace qbx
