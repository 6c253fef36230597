#pragma once

#include "interaction/ConflictAnswers.h"

#include <QString>

namespace qbx {

// Asks what to do when an item put into the catalogue tree already exists:
// the GUI shows the name-conflict form, tests answer from a script.
class IConflictPrompt {
public:
    virtual ~IConflictPrompt() = default;
    // fullItemPath: disc label, "\\" and the path below the disc. Gives
    // ConflictCancel..ConflictOverwriteAll.
    virtual TConflictAnswer AskConflict(const QString &fullItemPath) = 0;
};

} // namespace qbx
