#pragma once

#include <QString>

namespace qbx {

// A file opened read-only for the recognisers. Reads go straight to the
// system, unbuffered, so every byte they ask for is one byte read from disc
// and nothing more, with no calls beyond open, read, seek and close (a scan
// opens thousands of files). Failures to open, seek or read raise
// TInOutError naming the file.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString &path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    // Reads until count bytes are in, or the file ends; gives the number read.
    qint64 ReadUpTo(char *data, qint64 count);
    // Reads from the given position on, as ReadUpTo; a negative position
    // means the current one.
    qint64 ReadUpToAt(char *data, qint64 count, qint64 position);
    qint64 Size();

private:
    [[noreturn]] void Fail(int error) const;

    QString path_;
    int fd_ = -1;
};

} // namespace qbx
