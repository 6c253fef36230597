#pragma once

#include <QString>

namespace qbx {

// Seam for choosing a folder on disc. The GUI shows the system's folder
// dialog; tests script the answer.
class IFolderPicker {
public:
    virtual ~IFolderPicker() = default;
    // Shows the folder chooser titled with the prompt and opened at the folder
    // given in `folder`. Returns true and the chosen folder in `folder` (a
    // file-system path without a trailing separator; callers add one) when
    // the user picks a folder; false with `folder` unchanged when cancelled.
    virtual bool PickFolder(const QString &prompt, QString &folder) = 0;
};

} // namespace qbx
