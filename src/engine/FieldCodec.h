#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Encoding of single field values inside Paradox records: integers and
// numbers are big-endian with the sign bit changed; alpha values are
// NUL-padded bytes of the table's code page; all-zero bytes are NULL.
namespace qbx::engine {

enum class FieldKind { String, Float, Integer, Other };

// Paradox field type bytes.
enum FieldType : uint8_t {
    FtAlpha = 0x01,
    FtDate = 0x02,
    FtShort = 0x03,
    FtLong = 0x04,
    FtMoney = 0x05,
    FtNumber = 0x06,
    FtAutoInc = 0x16,
};

// Where a field lies in a record and how to read it.
struct FieldLayout {
    uint8_t type = 0;    // Paradox type byte
    uint32_t offset = 0; // from the start of the record
    uint32_t size = 0;   // bytes in the record
};

// How the program sees a field type: alpha → string, number and money →
// float, short/long/auto-increment → integer, anything else → other.
FieldKind KindOfType(uint8_t type);

bool IsNullValue(const uint8_t *p, uint32_t size);

// Alpha value: the bytes up to the first NUL (or the whole field).
std::string_view AlphaValue(const uint8_t *p, uint32_t size);

// Decoders of single values; the caller has checked the value is not NULL.
double DecodeNumber(const uint8_t *p); // 8 bytes (number, money)
int32_t DecodeLong(const uint8_t *p);  // 4 bytes (long, auto-increment, date)
int16_t DecodeShort(const uint8_t *p); // 2 bytes

// Numeric value of a number, money, short, long or auto-increment field as
// a double; false for NULL or for any other type.
bool NumericValue(const uint8_t *record, const FieldLayout &field, double &out);

// Encoders; each writes exactly the field's size.
void EncodeAlpha(uint8_t *p, uint32_t size, std::string_view value); // cut to size
void EncodeNumber(uint8_t *p, double value);
void EncodeLong(uint8_t *p, int32_t value);
void EncodeShort(uint8_t *p, int16_t value);
void EncodeNull(uint8_t *p, uint32_t size);

} // namespace qbx::engine
