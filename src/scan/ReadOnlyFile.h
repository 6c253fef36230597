#pragma once

#include <QFile>
#include <QString>

namespace qbx {

// A file opened read-only and unbuffered for the recognisers, so that every
// byte they ask for is one byte read from disc and nothing more. Failures to
// open, seek or read raise TInOutError naming the file.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString &path);

    // Reads until count bytes are in, or the file ends; gives the number read.
    qint64 ReadUpTo(char *data, qint64 count);
    qint64 Size() const;
    void Seek(qint64 position);

private:
    [[noreturn]] void Fail() const;

    QFile file_;
};

} // namespace qbx
