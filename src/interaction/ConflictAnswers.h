#pragma once

#include <cstdint>

namespace qbx {

// Answers to a name conflict (TConflictAnswers::ConflictAnswer); the "All"
// answers hold for the rest of the operation.
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

// The answers given to the name-conflict question during one operation: the
// answer in force (an "All" answer holds for the rest of the operation, and
// ConflictCancel ends it) and, while a folder is scanned, the answer in force
// for its description. The operation that may ask owns one and hands it to
// what asks; the answer in force is the operation's outcome.
struct TConflictAnswers {
    TConflictAnswer ConflictAnswer = ConflictNotAsked;
    uint8_t ScanAnswer = 0;

    bool Cancelled() const { return ConflictAnswer == ConflictCancel; }
    void Reset() { *this = TConflictAnswers(); }
};

} // namespace qbx
