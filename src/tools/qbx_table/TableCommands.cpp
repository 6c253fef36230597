#include "Commands.h"

#include "engine/Table.h"
#include "engine/TableDump.h"

#include <cstdio>
#include <stdexcept>

namespace qbx::tools {

void WriteOut(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        throw std::runtime_error("Cannot write the output.");
}

int RunDump(const std::vector<std::string> &arguments)
{
    engine::Table table;
    table.Open(arguments[0]);
    std::string out = engine::HeaderLines(table);
    uint64_t n = 0;
    for (bool ok = table.First(); ok; ok = table.Next()) {
        engine::AppendRecordLine(out, n++, table.Layout(), table.RecordData());
        if (out.size() > (1u << 20)) {
            WriteOut(out);
            out.clear();
        }
    }
    WriteOut(out);
    return 0;
}

int RunInfo(const std::vector<std::string> &arguments)
{
    engine::Table table;
    table.Open(arguments[0]);
    WriteOut(engine::HeaderLines(table) + "langdriver " + table.LanguageDriverName() + "\n");
    return 0;
}

} // namespace qbx::tools
