#pragma once

#include "engine/FieldCodec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qbx::engine {

// One field of a table: its name (bytes of the table's code page), its
// Paradox type byte and its size in bytes inside a record.
struct FieldDef {
    std::string name;
    uint8_t type = FtAlpha;
    uint32_t size = 0;

    FieldKind Kind() const { return KindOfType(type); }
    // Size as the program sees it: characters of an alpha field, 0 otherwise.
    uint32_t CharSize() const { return type == FtAlpha ? size : 0; }

    static FieldDef Alpha(std::string name, uint32_t size)
    {
        return {std::move(name), FtAlpha, size};
    }
    static FieldDef Number(std::string name) { return {std::move(name), FtNumber, 8}; }
    static FieldDef Long(std::string name) { return {std::move(name), FtLong, 4}; }
    static FieldDef Short(std::string name) { return {std::move(name), FtShort, 2}; }
};

// The parts of a .DB header the engine uses. Block numbers count from 1.
struct TableHeader {
    uint16_t recordSize = 0;
    uint16_t headerSize = 0;
    uint8_t fileType = 2;
    uint8_t blockKiB = 2;
    uint32_t numRecords = 0;
    uint16_t nextBlock = 0;
    uint16_t fileBlocks = 0;
    uint16_t firstBlock = 0;
    uint16_t lastBlock = 0;
    uint8_t sortByte = 0;
    uint8_t versionId = 0x0C;
    uint16_t codePage = 0; // 0 when the file records none (level 3)
    uint32_t autoInc = 0;
    std::string driverId; // sortOrderID; empty for level 3
    std::vector<FieldDef> fields;

    uint32_t BlockSize() const { return uint32_t(blockKiB) * 1024u; }
    uint32_t RecordsPerBlock() const { return (BlockSize() - 6) / recordSize; }
    // "3.0", "3.5", "4.0", "5.0" or "7.0".
    std::string VersionText() const;
};

// Offsets of the counters inside the fixed header, for in-place updates.
enum HeaderOffset : uint32_t {
    HoNumRecords = 0x06,
    HoNextBlock = 0x0A,
    HoFileBlocks = 0x0C,
    HoFirstBlock = 0x0E,
    HoLastBlock = 0x10,
    HoMaxBlocks = 0x3A,
    HoUpdateTime = 0x60,
};

// Smallest prefix of a file ParseTableHeader needs to find headerSize.
inline constexpr uint32_t kFixedHeaderSize = 0x58;

// Header size recorded at offset 2 (the caller reads that many bytes).
uint16_t RecordedHeaderSize(const uint8_t *data, size_t size);

// Parses and checks a header: `data` holds the first `size` bytes of a file
// of `fileSize` bytes (at least headerSize of them). Throws Error for a file
// that is not a table, is damaged or truncated, or is encrypted.
TableHeader ParseTableHeader(const uint8_t *data, size_t size, uint64_t fileSize,
                             const std::string &fileName);

// The header bytes of a new empty unkeyed level 7 table (headerSize bytes).
// Throws Error for field definitions a table cannot hold.
std::vector<uint8_t> BuildTableHeader(const std::vector<FieldDef> &fields, uint8_t blockKiB,
                                      const std::string &tableName, std::string_view driverId);

// Little-endian helpers for headers and block headers.
inline uint16_t GetU16(const uint8_t *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}
inline uint32_t GetU32(const uint8_t *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void PutU16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void PutU32(uint8_t *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

} // namespace qbx::engine
