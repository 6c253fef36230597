#pragma once

#include "engine/Table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qbx::test {

// A temporary folder removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    std::string File(const std::string &name) const { return path_ + "/" + name; }
    const std::string &Path() const { return path_; }

private:
    std::string path_;
};

std::string FixturePath(const std::string &name); // "" without fixtures
std::string ReadBytes(const std::string &path);
void WriteBytes(const std::string &path, const std::string &bytes);

// The header lines and record lines of a table read by our engine.
std::string EngineDump(const std::string &path);

// The seven catalogue fields: Label, Path, Producer, Product, Version,
// ByteSize (number, or long integer for the old format), Description.
std::vector<engine::FieldDef> CatalogueFieldDefs(bool integerSize = false);

} // namespace qbx::test
