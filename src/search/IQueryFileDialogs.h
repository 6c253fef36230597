#pragma once

#include "interaction/IFileDialogs.h"

namespace qbx {

// Seam of the query editor's two file dialogs; the window shows the
// system's dialogs, tests answer from a script.
class IQueryFileDialogs {
public:
    virtual ~IQueryFileDialogs() = default;
    // The chosen existing file, or "" when cancelled.
    virtual QString GetOpenFileName(const TOpenDialogState &state) = 0;
    // The chosen file name, or "" when cancelled; with askOverwrite the
    // dialog itself asks before an existing file is chosen.
    virtual QString GetSaveFileName(const TOpenDialogState &state, bool askOverwrite) = 0;
};

} // namespace qbx
