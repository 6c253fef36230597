#pragma once

#include "session/IStorageStatus.h"
#include "session/LongOperation.h"
#include "session/MainShell.h"
#include "session/MainView.h"

namespace qbx {

// The storage operations' view of the main window: status panel 0, pending
// events and command freezing, through the shell's own interfaces.
class TShellStorageStatus : public IStorageStatus {
public:
    TShellStorageStatus(IMainView &view, IOperationView &operationView, TMainShell &shell)
        : view_(view), operationView_(operationView), shell_(shell)
    {
    }

    void SetStatusText(const QString &text) override { view_.SetStatusPanelText(text); }
    QString StatusText() const override { return view_.StatusPanelText(); }
    void ProcessPendingEvents() override { operationView_.ProcessEvents(); }
    void EnableCommands(bool enable) override { shell_.EnableCommands(enable); }

private:
    IMainView &view_;
    IOperationView &operationView_;
    TMainShell &shell_;
};

} // namespace qbx
