#include "PxlibOracle.h"

#include "EngineTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

// The library's header has no C++ linkage guards.
extern "C" {
#include <paradox.h>
}

namespace qbx::test {

namespace {

void OnPxError(pxdoc_t *, int, const char *msg, void *)
{
    std::fprintf(stderr, "pxlib: %s\n", msg);
}

struct PxDoc {
    PxDoc()
    {
        PX_boot();
        doc = PX_new2(OnPxError, nullptr, nullptr, nullptr);
    }
    ~PxDoc()
    {
        PX_close(doc);
        PX_delete(doc);
        if (fp)
            std::fclose(fp);
    }
    pxdoc_t *doc;
    FILE *fp = nullptr;
};

bool AllZero(const char *p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

} // namespace

std::string PxlibDump(const std::string &path, PxInfo *info)
{
    PxDoc px;
    px.fp = std::fopen(path.c_str(), "rb");
    if (!px.fp || PX_open_fp(px.doc, px.fp) < 0)
        throw std::runtime_error("pxlib cannot open " + path);
    float v = 0;
    char line[64];
    std::string out;
    PX_get_value(px.doc, "fileversion", &v);
    std::snprintf(line, sizeof line, "fileversion %.1f\n", double(v));
    out += line;
    if (info)
        info->fileVersion = v;
    PX_get_value(px.doc, "codepage", &v);
    out += "codepage " + std::to_string(int(v)) + "\n";
    if (info)
        info->codePage = int(v);
    PX_get_value(px.doc, "numrecords", &v);
    const int records = int(v);
    out += "records " + std::to_string(records) + "\n";
    if (info) {
        PX_get_value(px.doc, "sortorder", &v);
        info->sortOrder = int(v) & 0xFF;
        PX_get_value(px.doc, "maxtablesize", &v);
        info->blockKiB = int(v);
        const std::string bytes = ReadBytes(path);
        const size_t at = 0x58 + engine::GetU16(reinterpret_cast<const uint8_t *>(&bytes[0x6E]));
        info->driverId = at < bytes.size() ? std::string(bytes.c_str() + at) : std::string();
    }
    const int n = PX_get_num_fields(px.doc);
    pxfield_t *fields = PX_get_fields(px.doc);
    out += "fields " + std::to_string(n) + "\n";
    int recordSize = 0;
    for (int i = 0; i < n; ++i) {
        std::snprintf(line, sizeof line, " type=0x%02x size=%d\n", fields[i].px_ftype & 0xFF,
                      fields[i].px_flen);
        out += "field " + std::to_string(i) + " " + fields[i].px_fname + line;
        recordSize += fields[i].px_flen;
    }
    std::vector<char> rec(size_t(recordSize) + 1);
    for (int r = 0; r < records; ++r) {
        if (!PX_get_record(px.doc, r, rec.data()))
            throw std::runtime_error("pxlib cannot read record " + std::to_string(r));
        out += "rec " + std::to_string(r) + ":";
        char *p = rec.data();
        for (int i = 0; i < n; ++i, p += fields[i - 1].px_flen) {
            const int len = fields[i].px_flen;
            out += " |";
            char *s = nullptr;
            double d = 0;
            long l = 0;
            short sh = 0;
            switch (fields[i].px_ftype) {
            case pxfAlpha:
                if (PX_get_data_alpha(px.doc, p, len, &s) > 0 && s) {
                    out += s;
                    px.doc->free(px.doc, s);
                } else {
                    out += "NULL";
                }
                break;
            case pxfNumber:
            case pxfCurrency:
                if (PX_get_data_double(px.doc, p, len, &d) > 0) {
                    std::snprintf(line, sizeof line, "%.17g", d);
                    out += line;
                } else {
                    out += "NULL";
                }
                break;
            case pxfLong:
            case pxfAutoInc:
                if (!AllZero(p, len) && PX_get_data_long(px.doc, p, len, &l) > 0)
                    out += std::to_string(l);
                else
                    out += "NULL";
                break;
            case pxfShort:
                if (PX_get_data_short(px.doc, p, len, &sh) > 0)
                    out += std::to_string(sh);
                else
                    out += "NULL";
                break;
            default:
                std::snprintf(line, sizeof line, "<type %02x>", fields[i].px_ftype & 0xFF);
                out += line;
            }
        }
        out += "\n";
    }
    return out;
}

void PxlibWrite(const std::string &path, const std::vector<engine::FieldDef> &defs,
                const std::vector<std::vector<PxValue>> &records)
{
    PxDoc px;
    const int n = int(defs.size());
    // pxlib takes ownership of the malloc'ed field array and names.
    auto *fields = static_cast<pxfield_t *>(std::calloc(size_t(n), sizeof(pxfield_t)));
    int recordSize = 0;
    for (int i = 0; i < n; ++i) {
        fields[i].px_fname = strdup(defs[size_t(i)].name.c_str());
        fields[i].px_ftype = char(defs[size_t(i)].type);
        fields[i].px_flen = int(defs[size_t(i)].size);
        recordSize += fields[i].px_flen;
    }
    if (PX_create_file(px.doc, fields, n, path.c_str(), pxfFileTypNonIndexDB) < 0)
        throw std::runtime_error("pxlib cannot create " + path);
    PX_set_tablename(px.doc, "pxlib.db");
    PX_set_value(px.doc, "codepage", 1251);
    std::vector<char> rec(static_cast<size_t>(recordSize));
    for (const auto &values : records) {
        std::memset(rec.data(), 0, rec.size());
        char *p = rec.data();
        for (int i = 0; i < n; ++i) {
            const PxValue &v = values[size_t(i)];
            const int len = fields[i].px_flen;
            if (auto *s = std::get_if<std::string>(&v))
                PX_put_data_alpha(px.doc, p, len, const_cast<char *>(s->c_str()));
            else if (auto *d = std::get_if<double>(&v))
                PX_put_data_double(px.doc, p, len, *d);
            else if (auto *l = std::get_if<long>(&v))
                PX_put_data_long(px.doc, p, len, int(*l));
            else if (auto *sh = std::get_if<short>(&v))
                PX_put_data_short(px.doc, p, len, *sh);
            p += len;
        }
        if (PX_put_record(px.doc, rec.data()) < 0)
            throw std::runtime_error("pxlib cannot write a record");
    }
}

} // namespace qbx::test
