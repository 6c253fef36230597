#include "engine/RecordCodec.h"

#include "engine/Error.h"

#include <cmath>
#include <string>

namespace qbx::engine {

namespace {

[[noreturn]] void BadValue(const FieldDef &f, const char *why)
{
    throw Error(ErrInvalidParameter, std::string(why) + ". Field: " + f.name);
}

// Integer value of `v` for an integer field, checked against the range the
// encoding can hold (its lowest value is the NULL pattern).
int64_t IntegerValue(const FieldDef &f, double v, int64_t max)
{
    if (!(v == std::trunc(v)) || v < double(-max) || v > double(max))
        BadValue(f, "Value out of range for an integer field");
    return int64_t(v);
}

} // namespace

std::vector<FieldLayout> LayoutOf(std::span<const FieldDef> fields)
{
    std::vector<FieldLayout> layout;
    layout.reserve(fields.size());
    uint32_t offset = 0;
    for (const FieldDef &f : fields) {
        layout.push_back({f.type, offset, f.size});
        offset += f.size;
    }
    return layout;
}

void EncodeRecord(std::span<const FieldDef> fields, std::span<const FieldLayout> layout,
                  std::span<const Value> values, uint8_t *record)
{
    if (values.size() != fields.size() || layout.size() != fields.size())
        throw Error(ErrInvalidParameter, "Wrong number of field values.");
    for (size_t i = 0; i < values.size(); ++i) {
        const FieldDef &f = fields[i];
        const Value &v = values[i];
        uint8_t *p = record + layout[i].offset;
        if (v.kind == Value::Kind::Null) {
            EncodeNull(p, f.size);
        } else if (f.type == FtAlpha) {
            if (v.kind != Value::Kind::Text)
                BadValue(f, "A number cannot go into a text field");
            EncodeAlpha(p, f.size, v.text);
        } else if (v.kind != Value::Kind::Number) {
            BadValue(f, "Text cannot go into a number field");
        } else if (f.type == FtNumber || f.type == FtMoney) {
            EncodeNumber(p, v.number);
        } else if (f.type == FtLong || f.type == FtAutoInc || f.type == FtDate) {
            EncodeLong(p, int32_t(IntegerValue(f, v.number, INT32_MAX)));
        } else if (f.type == FtShort) {
            EncodeShort(p, int16_t(IntegerValue(f, v.number, INT16_MAX)));
        } else {
            BadValue(f, "Only an empty value can go into a field of this type");
        }
    }
}

} // namespace qbx::engine
