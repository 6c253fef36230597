#pragma once

#include "engine/TableHeader.h"

#include <string>
#include <variant>
#include <vector>

// pxlib used as an independent reader and writer of table files.
namespace qbx::test {

struct PxInfo {
    int codePage = 0;
    int sortOrder = 0; // the sort byte, 0-255
    double fileVersion = 0;
    int blockKiB = 0;
    std::string driverId; // read from the file bytes: pxlib does not expose it
};

// The table as pxlib decodes it, in the dump format of our engine (long
// integer NULLs are told from the raw bytes, which pxlib misreads).
std::string PxlibDump(const std::string &path, PxInfo *info = nullptr);

// A value for PxlibWrite: monostate = NULL, string = alpha, double = number,
// long = long integer, short = short.
using PxValue = std::variant<std::monostate, std::string, double, long, short>;

// Writes a level-7 unkeyed table with code page 1251 through pxlib.
void PxlibWrite(const std::string &path, const std::vector<engine::FieldDef> &fields,
                const std::vector<std::vector<PxValue>> &records);

} // namespace qbx::test
