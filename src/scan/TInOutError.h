#pragma once

#include <QString>

#include <stdexcept>

namespace qbx {

// A file on disc could not be opened or read. Raised by the readers of outside
// files; the scan catches it, reports the folder it was scanning and stops.
class TInOutError : public std::runtime_error {
public:
    TInOutError(const QString &message, const QString &fileName)
        : std::runtime_error(message.toStdString()), message_(message), fileName_(fileName)
    {
    }

    const QString &Message() const noexcept { return message_; }
    const QString &FileName() const noexcept { return fileName_; }

private:
    QString message_;
    QString fileName_;
};

} // namespace qbx
