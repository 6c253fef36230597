#pragma once

#include "engine/FieldCodec.h"
#include "engine/TableHeader.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qbx::engine {

// One value of a record to append. Text is in the table's code page.
struct Value {
    enum class Kind : uint8_t { Null, Text, Number };
    Kind kind = Kind::Null;
    std::string_view text; // not owned: keep the bytes alive until Append returns
    double number = 0;

    static Value Null() { return {}; }
    static Value Text(std::string_view t) { return {Kind::Text, t, 0}; }
    static Value Number(double d) { return {Kind::Number, {}, d}; }
};

// Where each field lies in a record: the fields one after another.
std::vector<FieldLayout> LayoutOf(std::span<const FieldDef> fields);

// The bytes of a record of these fields with one value per field, exactly
// as a table stores it (every byte of the record is written). Throws
// Error(ErrInvalidParameter) for a wrong number of values or a value the
// field cannot take.
void EncodeRecord(std::span<const FieldDef> fields, std::span<const FieldLayout> layout,
                  std::span<const Value> values, uint8_t *record);

} // namespace qbx::engine
