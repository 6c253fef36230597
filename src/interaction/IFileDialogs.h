#pragma once

#include <QString>

namespace qbx {

// What an open dialog is asked to show: its title, its filter in the
// "name (*.ext)|*.ext|..." form, the folder it starts in and the proposed
// file name.
struct TOpenDialogState {
    QString Title;
    QString Filter;
    QString InitialFolder;
    QString FileName;
};

// Seam of the file dialogs: the GUI shows the system's dialog, tests answer
// from a script.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen existing file (a file that may not be written is refused and
    // the dialog stays open), or "" when the dialog is cancelled.
    virtual QString GetOpenFileName(const TOpenDialogState &state) = 0;
};

} // namespace qbx
