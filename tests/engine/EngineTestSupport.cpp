#include "EngineTestSupport.h"

#include "engine/TableDump.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <stdlib.h>

namespace qbx::test {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qbx-engine-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string FixturePath(const std::string &name)
{
    const std::string path = std::string(QBX_FIXTURES_DIR) + "/paradox/" + name;
    return std::filesystem::exists(path) ? path : std::string();
}

std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string EngineDump(const std::string &path)
{
    engine::Table t;
    t.Open(path);
    std::string out = engine::HeaderLines(t);
    uint64_t n = 0;
    for (bool ok = t.First(); ok; ok = t.Next())
        engine::AppendRecordLine(out, n++, t.Layout(), t.RecordData());
    return out;
}

std::vector<engine::FieldDef> CatalogueFieldDefs(bool integerSize)
{
    using engine::FieldDef;
    return {FieldDef::Alpha("Label", 32),
            FieldDef::Alpha("Path", 255),
            FieldDef::Alpha("Producer", 64),
            FieldDef::Alpha("Product", 64),
            FieldDef::Alpha("Version", 16),
            integerSize ? FieldDef::Long("ByteSize") : FieldDef::Number("ByteSize"),
            FieldDef::Alpha("Description", 64)};
}

} // namespace qbx::test
