#pragma once

#include "engine/FileSystem.h"
#include "engine/TableHeader.h"

#include <string>
#include <vector>

namespace qbx::engine {

// Rewrites a table with new field descriptors, field i of the old table
// becoming field i of the new one (same count). Values are converted:
// alpha to alpha (cut to the new size), any number or integer to a number
// field, integers to integer fields when they fit. The new table is written
// beside the old file, keeps its block size and language driver, and is
// flushed to the disk and then renamed over it, so a failure leaves the old
// file as it was. Throws Error (the table is locked by someone else, a
// conversion is not possible, writing fails).
void RestructureTable(const std::string &path, const std::vector<FieldDef> &fields,
                      FileSystem &fs = SystemFileSystem());

} // namespace qbx::engine
