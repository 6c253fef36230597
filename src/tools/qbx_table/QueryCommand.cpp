#include "Commands.h"

#include "engine/Query.h"
#include "engine/TableDump.h"

namespace qbx::tools {

int RunQuery(const std::vector<std::string> &arguments)
{
    std::string file;
    for (const char c : arguments[0]) {
        file.push_back(c);
        if (c == '"')
            file.push_back(c); // a quote inside the name is doubled
    }
    engine::Query query;
    query.Open("SELECT * FROM \"" + file + "\" WHERE " + arguments[1]);
    std::string out;
    uint64_t n = 0;
    for (bool ok = query.First(); ok; ok = query.Next()) {
        engine::AppendRecordLine(out, n++, query.Layout(), query.RecordData());
        if (out.size() > (1u << 20)) {
            WriteOut(out);
            out.clear();
        }
    }
    WriteOut(out);
    return 0;
}

} // namespace qbx::tools
