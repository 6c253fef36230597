#pragma once

#include "engine/FileSystem.h"

#include "platform/EngineFileName.h"
#include "storage/TreeRecords.h"

#include <QString>

#include <cstdint>

namespace qbx {

class TTreeNode;

// How a write ended. A failure leaves the target exactly as it was.
struct TWriteResult {
    enum Outcome { Written, Stopped, Failed };
    Outcome outcome = Failed;
    uint32_t records = 0;  // records the written catalogue holds
    int engineCode = 0;    // of a failure: the engine's error code...
    QString engineMessage; // ...and its message
    bool Ok() const { return outcome == Written; }
};

// The number of nodes below root and root itself (the progress maximum).
int CountNodes(const TTreeNode *root);

// Writes the records of the tree below root, in pre-order, into a new
// catalogue table that replaces `target` (or is made under that name): the
// table is written beside it, flushed, read back (it must hold every record
// written) and only then renamed over the target.
TWriteResult WriteCatalogueFile(const TTreeNode *root, TRecordSource source, const QString &target,
                                IWriteProgress &progress,
                                engine::FileSystem &fs = engine::SystemFileSystem());

// Appends the records of the tree below root to the existing catalogue
// `target`: a copy of it is made beside it, appended to, flushed, read back
// and renamed over it, so that a failure or Stop leaves it as it was.
TWriteResult AppendToCatalogueFile(const TTreeNode *root, TRecordSource source,
                                   const QString &target, IWriteProgress &progress,
                                   engine::FileSystem &fs = engine::SystemFileSystem());

// Copies the file `source` over `target` in the same safe way (a catalogue
// saved under a new name while it has no changes). Copying a file onto
// itself does nothing.
TWriteResult CopyCatalogueFile(const QString &source, const QString &target,
                               engine::FileSystem &fs = engine::SystemFileSystem());

} // namespace qbx
