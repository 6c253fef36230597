#pragma once

#include <QString>

#include <cstdint>

namespace qbx {

// Answers to a name conflict (the value of TOptions::ConflictAnswer).
enum TConflictAnswer : uint8_t {
    ConflictNotAsked = 0,
    ConflictCancel = 1,
    ConflictKeep = 2,
    ConflictKeepAll = 3,
    ConflictComplement = 4,
    ConflictComplementAll = 5,
    ConflictOverwrite = 6,
    ConflictOverwriteAll = 7,
};

// Asks what to do when an item put into the catalogue tree already exists:
// the GUI shows the name-conflict form, tests answer from a script.
class IConflictPrompt {
public:
    virtual ~IConflictPrompt() = default;
    // fullItemPath: disc label, "\\" and the path below the disc. Gives 1..7.
    virtual uint8_t AskConflict(const QString &fullItemPath) = 0;
};

} // namespace qbx
