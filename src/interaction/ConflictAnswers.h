#pragma once

#include "options/WorkingState.h"

#include <cstdint>

namespace qbx {

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
