#pragma once

#include <QByteArray>
#include <QString>

namespace qbx {

// Replaces the file's contents with `bytes` so that the old contents survive
// any failure: the new text is written beside the file, flushed to disc and
// then takes the file's name in one step. False (the old file untouched, no
// stray file left) when any step failed: a read-only folder, a full disc, a
// write cut short; *error (when given) then holds the system's reason.
bool WriteFileAtomically(const QString &fileName, const QByteArray &bytes,
                         QString *error = nullptr);

} // namespace qbx
