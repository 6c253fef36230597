#include "engine/Restructure.h"

#include "engine/Error.h"
#include "engine/LanguageDriver.h"
#include "engine/Table.h"

#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace qbx::engine {

namespace {

bool Convertible(const FieldDef &from, const FieldDef &to)
{
    if (from.type == to.type)
        return true;
    const FieldKind a = from.Kind(), b = to.Kind();
    if (a == FieldKind::String || b == FieldKind::String)
        return false;
    if (a == FieldKind::Other || b == FieldKind::Other)
        return false;
    // Numbers go into number fields freely; into an integer field only from
    // a narrower integer.
    return b == FieldKind::Float || (a == FieldKind::Integer && from.size <= to.size);
}

// Removes the half-written new table when the copy fails.
class TempFileGuard {
public:
    explicit TempFileGuard(std::string path) : path_(std::move(path)) {}
    ~TempFileGuard()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

} // namespace

void RestructureTable(const std::string &path, const std::vector<FieldDef> &fields)
{
    Table source;
    source.Open(path, OpenMode::Exclusive); // held until the new file is in place
    const std::vector<FieldDef> &old = source.Fields();
    if (fields.size() != old.size())
        throw Error(ErrInvalidParameter, "Restructure needs one descriptor per field.");
    for (size_t i = 0; i < fields.size(); ++i)
        if (!Convertible(old[i], fields[i]))
            throw Error(ErrInvalidParameter,
                        "Field " + old[i].name + " cannot be converted to the new type.");

    CreateOptions options;
    options.blockKiB = source.Header().blockKiB;
    const std::string driver = source.LanguageDriverName();
    if (FindLanguageDriver(driver))
        options.driver = driver;
    const std::string temp = path + ".restructure~";
    TempFileGuard guard(temp);
    Table::Create(temp, fields, options);
    Table target;
    target.Open(temp, OpenMode::Exclusive);

    std::vector<uint8_t> record(target.RecordSize());
    const std::vector<FieldLayout> &from = source.Layout();
    const std::vector<FieldLayout> &to = target.Layout();
    for (bool ok = source.First(); ok; ok = source.Next()) {
        const uint8_t *in = source.RecordData();
        for (size_t i = 0; i < fields.size(); ++i) {
            uint8_t *out = record.data() + to[i].offset;
            const uint8_t *value = in + from[i].offset;
            double number = 0;
            if (from[i].type == to[i].type && from[i].size == to[i].size)
                std::memcpy(out, value, to[i].size);
            else if (to[i].type == FtAlpha)
                EncodeAlpha(out, to[i].size, AlphaValue(value, from[i].size));
            else if (!NumericValue(in, from[i], number))
                EncodeNull(out, to[i].size);
            else if (to[i].type == FtNumber || to[i].type == FtMoney)
                EncodeNumber(out, number);
            else if (to[i].type == FtShort)
                EncodeShort(out, int16_t(number));
            else
                EncodeLong(out, int32_t(number));
        }
        target.AppendRaw(record.data());
    }
    target.Close();
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        throw Error(ErrIo, "Cannot replace the table: " + std::string(std::strerror(errno)) +
                               ". File: " + path);
    guard.Release();
}

} // namespace qbx::engine
