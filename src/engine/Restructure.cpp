#include "engine/Restructure.h"

#include "engine/Error.h"
#include "engine/LanguageDriver.h"
#include "engine/Table.h"

#include <cstring>
#include <optional>

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

} // namespace

void RestructureTable(const std::string &path, const std::vector<FieldDef> &fields, FileSystem &fs)
{
    Table source;
    source.Open(path, OpenMode::Exclusive, fs); // held until the new file is in place
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
    // The new table starts as an empty file with the old one's permissions,
    // which creating the table over it keeps.
    std::string temp;
    CreateUniqueFile(fs, FolderOf(path), ReplacementPrefix(path), ".tmp", fs.Mode(path), temp);
    FileRemover remover(fs, temp);
    Table::Create(temp, fields, options, fs, FileNameOf(path));
    Table target;
    target.Open(temp, OpenMode::Exclusive, fs);

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
    // The new file must be on the disk before it takes the old one's name:
    // a crash after the rename must not leave a table with lost records.
    target.Flush();
    target.Close();
    fs.Rename(temp, path);
    remover.Release();
    fs.FlushFolder(FolderOf(path));
}

} // namespace qbx::engine
