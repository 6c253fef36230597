#pragma once

#include "interaction/IStorageStatus.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/MainView.h"

namespace qbx {

// The storage operations' view of the main window: status panel 0, pending
// events and command freezing, through the mode logic's own interfaces.
class TWindowStorageStatus : public IStorageStatus {
public:
    TWindowStorageStatus(IMainView &view, IOperationView &operationView, TModeLogic &modes)
        : view_(view), operationView_(operationView), modes_(modes)
    {
    }

    void SetStatusText(const QString &text) override { view_.SetStatusPanelText(text); }
    QString StatusText() const override { return view_.StatusPanelText(); }
    void ProcessPendingEvents() override { operationView_.ProcessEvents(); }
    void EnableCommands(bool enable) override { modes_.EnableCommands(enable); }

private:
    IMainView &view_;
    IOperationView &operationView_;
    TModeLogic &modes_;
};

} // namespace qbx
