#pragma once

#include "engine/Table.h"

#include <QString>

namespace qbx {

// Why a catalogue table could not be opened.
enum class TOpenProblem {
    None,         // the table is open
    Missing,      // there is no such file
    Refused,      // the system refused access to the file
    Busy,         // another program holds the table
    Damaged,      // the file cannot be read as a table
    Protected,    // the table is password protected
    NotCatalogue, // a table, but not with a catalogue's fields
};

// A catalogue table as OpenCatalogueTable leaves it.
struct TOpenedCatalogue {
    TOpenProblem problem = TOpenProblem::None;
    // The engine's error code behind a problem other than NotCatalogue; its
    // words are TableProblemText's.
    int engineCode = 0;
    // TfCurrent or TfOld once open.
    int format = 0;
    // Open exactly when problem is None; reads start from here.
    engine::Table table;

    bool Ok() const { return problem == TOpenProblem::None; }
};

// Opens fileName as a catalogue table and checks its fields on the same open
// table, so that what is checked is what is read: nothing can take or replace
// the file between a check and the reading. This is where a catalogue's
// file name goes down to the engine. Never throws an engine error.
TOpenedCatalogue OpenCatalogueTable(const QString &fileName, engine::OpenMode mode);

// The problem an engine error code stands for.
TOpenProblem OpenProblemOf(int engineCode);

} // namespace qbx
