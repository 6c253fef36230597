// Fuzz target of the table reader: the input is a table file; it is opened
// and every field of every record is read. Errors are expected; crashes,
// hangs and unbounded allocations are the faults looked for.

#include "engine/Error.h"
#include "engine/Table.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

const std::string &InputPath()
{
    static const std::string path = "/tmp/qbx-fuzz-table-" + std::to_string(::getpid()) + ".db";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &path = InputPath();
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    const bool written = std::fwrite(data, 1, size, f) == size;
    std::fclose(f);
    if (!written)
        return 0;
    try {
        qbx::engine::Table table;
        table.Open(path);
        (void)table.LanguageDriverName();
        double sum = 0;
        for (bool ok = table.First(); ok; ok = table.Next()) {
            for (size_t i = 0; i < table.Fields().size(); ++i) {
                switch (table.Fields()[i].Kind()) {
                case qbx::engine::FieldKind::String:
                    sum += double(table.ReadText(i).size());
                    break;
                case qbx::engine::FieldKind::Float:
                case qbx::engine::FieldKind::Integer:
                    sum += table.ReadNumber(i);
                    break;
                default:
                    sum += table.IsNull(i) ? 0 : 1;
                }
            }
        }
        (void)sum;
    } catch (const qbx::engine::Error &) {
    }
    return 0;
}
