#include "engine/TableDump.h"

#include <cstdio>

namespace qbx::engine {

std::string HeaderLines(const Table &table)
{
    const TableHeader &h = table.Header();
    std::string out = "fileversion " + h.VersionText() + "\ncodepage " +
                      std::to_string(h.codePage) + "\nrecords " + std::to_string(h.numRecords) +
                      "\nfields " + std::to_string(h.fields.size()) + "\n";
    char type[8];
    for (size_t i = 0; i < h.fields.size(); ++i) {
        const FieldDef &f = h.fields[i];
        std::snprintf(type, sizeof type, "0x%02x", f.type);
        out += "field " + std::to_string(i) + " " + f.name + " type=" + type +
               " size=" + std::to_string(f.size) + "\n";
    }
    return out;
}

void AppendRecordLine(std::string &out, uint64_t index, const std::vector<FieldLayout> &layout,
                      const uint8_t *record)
{
    char buf[40];
    out += "rec ";
    out += std::to_string(index);
    out += ':';
    for (const FieldLayout &f : layout) {
        out += " |";
        const uint8_t *p = record + f.offset;
        const FieldKind kind = KindOfType(f.type);
        if (kind == FieldKind::Other) {
            std::snprintf(buf, sizeof buf, "<type %02x>", f.type);
            out += buf;
        } else if (IsNullValue(p, f.size)) {
            out += "NULL";
        } else if (kind == FieldKind::String) {
            out += AlphaValue(p, f.size);
        } else if (kind == FieldKind::Float) {
            std::snprintf(buf, sizeof buf, "%.17g", DecodeNumber(p));
            out += buf;
        } else {
            out += std::to_string(f.type == FtShort ? int32_t(DecodeShort(p)) : DecodeLong(p));
        }
    }
    out += '\n';
}

} // namespace qbx::engine
