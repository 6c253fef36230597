#pragma once

#include <QString>

namespace qbx {

// What the catalogue storage operations need of the main window while they
// work: the first panel of the status bar, a chance for pending window
// messages to run, and switching the commands off and on. The main window
// implements it; tests record the calls.
class IStorageStatus {
public:
    virtual ~IStorageStatus() = default;
    virtual void SetStatusText(const QString &text) = 0;
    virtual QString StatusText() const = 0;
    virtual void ProcessPendingEvents() = 0;
    virtual void EnableCommands(bool enable) = 0;
};

} // namespace qbx
