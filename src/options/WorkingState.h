#pragma once

#include <cstdint>

namespace qbx {

// The modes of the main window (TWindowState::DbState, switched by the mode
// logic). The numbers are the ones
// tests and the help pages speak of: mode 0 .. mode 3.
enum TDbState : uint8_t {
    DbNone = 0,   // no catalogue
    DbOpen = 1,   // a catalogue is open, no pane is shown
    DbEntire = 2, // the whole catalogue is shown in MainTreeView
    DbFound = 3,  // the search results are shown in SearchTreeView
};

// The cancel flag of a long operation (TLongOperation::StopState).
enum TStopState : uint8_t {
    StopRunOn = 0,   // the operation goes on
    StopPressed = 1, // "Стоп" or Esc was pressed; the next check asks or stops
    StopNow = 2,     // the operation stops at its next check
};

// Where an in-place edit of a tree label stands (TCatalogueTree::EditState).
enum TEditState : uint8_t {
    EditNone = 0,          // no edit in progress
    EditLabel = 1,         // a node label is being edited in place
    EditRenamePending = 2, // an accepted rename waits to be carried out
    EditFromResults = 3,   // the description editor was asked for from the results
};

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

// Where the persisted options were loaded from or last saved to
// (TOptionsStorage::OptionsStore).
enum TOptionsStore : int8_t {
    StoreNowhere = -1,
    StoreRegistry = 0,
    StoreIni = 1,
};

} // namespace qbx
