#pragma once

#include "engine/FieldCodec.h"
#include "engine/Table.h"

#include <cstdint>
#include <string>
#include <vector>

// The plain-text form of a table used by the command-line tool and by
// tests: header lines, then one "rec N:" line per record.
namespace qbx::engine {

// "fileversion", "codepage", "records", "fields" and one "field" line per
// field, each ending in a newline.
std::string HeaderLines(const Table &table);

// Appends "rec N: |v |v ...\n" for one record: alpha bytes as stored,
// numbers and money like %.17g, integers in decimal, NULL for an empty
// value and <type tt> for any other type.
void AppendRecordLine(std::string &out, uint64_t index, const std::vector<FieldLayout> &layout,
                      const uint8_t *record);

} // namespace qbx::engine
