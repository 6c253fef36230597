#pragma once

#include <QString>

namespace qbx {

// What the save dialog is asked to show. Filter is "name (*.ext)|*.ext|...";
// FilterIndex counts its entries from 1. OverwritePrompt makes the dialog
// ask before it gives the name of an existing file.
struct TSaveDialogState {
    QString Title;
    QString Filter;
    int FilterIndex = 1;
    QString InitialFolder;
    QString FileName;
    bool OverwritePrompt = true;
};

// The name the user chose and the filter entry chosen with it; an empty name
// means the dialog was cancelled.
struct TSaveDialogAnswer {
    QString FileName;
    int FilterIndex = 1;
};

// Seam of the save dialog: the GUI shows the system's dialog (existing
// folders only, read-only files refused), tests answer from a script.
class ISaveDialog {
public:
    virtual ~ISaveDialog() = default;
    virtual TSaveDialogAnswer GetSaveFileName(const TSaveDialogState &state) = 0;
};

} // namespace qbx
