#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace qbx {

bool WriteFileAtomically(const QString &fileName, const QByteArray &bytes)
{
    if (fileName.isEmpty())
        return false;
    // Unbuffered, so that a write the disc refuses fails here: a buffered
    // QSaveFile meets the error only when it closes, and commit() does not
    // look at it there, which would rename a cut-short file over the old one.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit(); // discards the new file
        return false;
    }
    return file.commit();
}

} // namespace qbx
