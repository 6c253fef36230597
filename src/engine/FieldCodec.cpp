#include "engine/FieldCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace qbx::engine {

FieldKind KindOfType(uint8_t type)
{
    switch (type) {
    case FtAlpha:
        return FieldKind::String;
    case FtNumber:
    case FtMoney:
        return FieldKind::Float;
    case FtShort:
    case FtLong:
    case FtAutoInc:
        return FieldKind::Integer;
    default:
        return FieldKind::Other;
    }
}

bool IsNullValue(const uint8_t *p, uint32_t size)
{
    for (uint32_t i = 0; i < size; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

std::string_view AlphaValue(const uint8_t *p, uint32_t size)
{
    const void *nul = std::memchr(p, 0, size);
    const size_t len = nul ? size_t(static_cast<const uint8_t *>(nul) - p) : size;
    return {reinterpret_cast<const char *>(p), len};
}

double DecodeNumber(const uint8_t *p)
{
    uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u = (u << 8) | p[i];
    if (u & 0x8000000000000000ull)
        u &= ~0x8000000000000000ull;
    else
        u = ~u;
    return std::bit_cast<double>(u);
}

int32_t DecodeLong(const uint8_t *p)
{
    const uint32_t u =
        (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
    return static_cast<int32_t>(u ^ 0x80000000u);
}

int16_t DecodeShort(const uint8_t *p)
{
    const uint16_t u = static_cast<uint16_t>((p[0] << 8) | p[1]);
    return static_cast<int16_t>(u ^ 0x8000u);
}

bool NumericValue(const uint8_t *record, const FieldLayout &field, double &out)
{
    const uint8_t *p = record + field.offset;
    switch (field.type) {
    case FtNumber:
    case FtMoney:
        if (field.size != 8 || IsNullValue(p, 8))
            return false;
        out = DecodeNumber(p);
        return true;
    case FtLong:
    case FtAutoInc:
        if (field.size != 4 || IsNullValue(p, 4))
            return false;
        out = DecodeLong(p);
        return true;
    case FtShort:
        if (field.size != 2 || IsNullValue(p, 2))
            return false;
        out = DecodeShort(p);
        return true;
    default:
        return false;
    }
}

void EncodeAlpha(uint8_t *p, uint32_t size, std::string_view value)
{
    const size_t n = std::min<size_t>(size, value.size());
    std::memcpy(p, value.data(), n);
    std::memset(p + n, 0, size - n);
}

void EncodeNumber(uint8_t *p, double value)
{
    if (value == 0.0)
        value = 0.0; // store -0.0 as +0.0
    uint64_t u = std::bit_cast<uint64_t>(value);
    if (u & 0x8000000000000000ull)
        u = ~u;
    else
        u |= 0x8000000000000000ull;
    for (int i = 7; i >= 0; --i) {
        p[i] = static_cast<uint8_t>(u & 0xFF);
        u >>= 8;
    }
}

void EncodeLong(uint8_t *p, int32_t value)
{
    const uint32_t u = static_cast<uint32_t>(value) ^ 0x80000000u;
    p[0] = uint8_t(u >> 24);
    p[1] = uint8_t(u >> 16);
    p[2] = uint8_t(u >> 8);
    p[3] = uint8_t(u);
}

void EncodeShort(uint8_t *p, int16_t value)
{
    const uint16_t u = static_cast<uint16_t>(static_cast<uint16_t>(value) ^ 0x8000u);
    p[0] = uint8_t(u >> 8);
    p[1] = uint8_t(u);
}

void EncodeNull(uint8_t *p, uint32_t size)
{
    std::memset(p, 0, size);
}

} // namespace qbx::engine
