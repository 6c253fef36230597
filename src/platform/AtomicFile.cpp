#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace qbx {

bool WriteFileAtomically(const QString &fileName, const QByteArray &bytes, QString *error)
{
    if (fileName.isEmpty())
        return false;
    // Unbuffered, so that a write the disc refuses fails here: a buffered
    // QSaveFile meets the error only when it closes, and commit() does not
    // look at it there, which would rename a cut-short file over the old one.
    QSaveFile file(fileName);
    const auto fail = [&file, error] {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail();
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const bool reported = fail();
        file.cancelWriting();
        file.commit(); // discards the new file
        return reported;
    }
    return file.commit() || fail();
}

} // namespace qbx
