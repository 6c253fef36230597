#pragma once

#include "interaction/CommandState.h"

namespace qbx {

// Whether the open catalogue's tree holds changes its file lacks. Save is
// offered exactly while it does, so setting the flag sets SaveDbAction; the
// flag is never read back from the command, whose state a long operation
// freezes and restores.
class TUnsavedChanges {
public:
    explicit TUnsavedChanges(TCommandState &commands) : commands_(commands) {}

    bool Any() const { return unsaved_; }
    void Set(bool unsaved)
    {
        unsaved_ = unsaved;
        commands_.SetEnabled(cmd::SaveDbAction, unsaved);
    }

private:
    TCommandState &commands_;
    bool unsaved_ = false;
};

} // namespace qbx
