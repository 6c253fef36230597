#include "engine/TableHeader.h"

#include "engine/Error.h"
#include "engine/LanguageDriver.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace qbx::engine {

namespace {

[[noreturn]] void Corrupt(const std::string &fileName, const std::string &detail)
{
    throw Error(ErrCorrupt, "Corrupt table header: " + detail + ". Table: " + fileName);
}

// Bytes a field of a fixed-size type must have; 0 when any size 1-255 is legal.
uint32_t FixedSizeOfType(uint8_t type)
{
    switch (type) {
    case FtDate:
    case FtLong:
    case FtAutoInc:
    case 0x14: // time
        return 4;
    case FtShort:
        return 2;
    case FtMoney:
    case FtNumber:
    case 0x15: // timestamp
        return 8;
    case 0x09: // logical
        return 1;
    case 0x17: // BCD
        return 17;
    default:
        return 0;
    }
}

// Size of the table-name area for a file version id.
uint32_t TableNameArea(uint8_t versionId)
{
    return versionId >= 0x0C ? 261u : 79u;
}

bool SameNameNoCase(const std::string &a, const std::string &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
        return up(x) == up(y);
    });
}

} // namespace

std::string TableHeader::VersionText() const
{
    if (versionId <= 3)
        return "3.0";
    if (versionId == 4)
        return "3.5";
    if (versionId <= 9)
        return "4.0";
    if (versionId <= 11)
        return "5.0";
    return "7.0";
}

uint16_t RecordedHeaderSize(const uint8_t *data, size_t size)
{
    return size >= 4 ? GetU16(data + 2) : 0;
}

namespace {

// The fixed part, 0x00..0x57, read without checks; numFields is the field
// count as recorded (signed, so that a negative count is caught).
TableHeader ReadFixedPart(const uint8_t *data, int &numFields)
{
    TableHeader h;
    h.recordSize = GetU16(data + 0x00);
    h.headerSize = GetU16(data + 0x02);
    h.fileType = data[0x04];
    h.blockKiB = data[0x05];
    h.numRecords = GetU32(data + 0x06);
    h.nextBlock = GetU16(data + 0x0A);
    h.fileBlocks = GetU16(data + 0x0C);
    h.firstBlock = GetU16(data + 0x0E);
    h.lastBlock = GetU16(data + 0x10);
    h.sortByte = data[0x29];
    h.versionId = data[0x39];
    h.autoInc = GetU32(data + 0x49);
    numFields = int16_t(GetU16(data + 0x21));
    return h;
}

// Level 4 and later keep a data header at 0x58..0x77 inside the header.
bool HasDataHeader(const TableHeader &h)
{
    return h.versionId >= 5;
}

void CheckFixedPart(const TableHeader &h, int numFields, size_t size, uint64_t fileSize,
                    const std::string &fileName)
{
    if (h.fileType != 0 && h.fileType != 2)
        Corrupt(fileName, "the file is not a data table");
    if (h.versionId < 3 || h.versionId > 0x0C)
        Corrupt(fileName, "unknown file version");
    if (h.headerSize < kFixedHeaderSize || h.headerSize > size || h.headerSize > fileSize)
        Corrupt(fileName, "bad header size");
    if (h.blockKiB < 1 || h.blockKiB > 32)
        Corrupt(fileName, "bad block size");
    if (h.recordSize == 0 || h.recordSize > h.BlockSize() - 6)
        Corrupt(fileName, "bad record size");
    if (numFields < 1 || numFields > 255)
        Corrupt(fileName, "bad field count");
    if (HasDataHeader(h) && h.headerSize < 0x78)
        Corrupt(fileName, "bad header size");
}

void CheckNotEncrypted(const uint8_t *data, const TableHeader &h, const std::string &fileName)
{
    const uint32_t encryption = HasDataHeader(h) ? GetU32(data + 0x5C) : GetU32(data + 0x25);
    if (encryption != 0)
        throw Error(ErrEncrypted, "Table is encrypted; a password is required. Table: " + fileName);
}

// The n field types and sizes at pos; each size must suit its type and
// together they must make up the record.
void ReadFieldDescriptors(const uint8_t *data, uint32_t pos, uint32_t n, TableHeader &h,
                          const std::string &fileName)
{
    if (pos + 2 * n > h.headerSize)
        Corrupt(fileName, "field descriptors pass the end of the header");
    h.fields.resize(n);
    uint32_t sum = 0;
    for (uint32_t i = 0; i < n; ++i) {
        FieldDef &f = h.fields[i];
        f.type = data[pos + 2 * i];
        f.size = data[pos + 2 * i + 1];
        const uint32_t fixed = FixedSizeOfType(f.type);
        if (f.size == 0 || (fixed != 0 && f.size != fixed))
            Corrupt(fileName, "bad size of field " + std::to_string(i + 1));
        sum += f.size;
    }
    if (sum != h.recordSize)
        Corrupt(fileName, "record size differs from the sum of the field sizes");
}

// The zero-terminated string at pos, which must end before limit; pos moves
// past its terminator. overrun: the error's detail when it does not.
std::string ReadTerminated(const uint8_t *data, uint32_t &pos, uint32_t limit,
                           const std::string &fileName, const char *overrun)
{
    if (pos >= limit)
        Corrupt(fileName, overrun);
    const void *nul = std::memchr(data + pos, 0, limit - pos);
    if (!nul)
        Corrupt(fileName, overrun);
    const uint32_t len = uint32_t(static_cast<const uint8_t *>(nul) - (data + pos));
    std::string text(reinterpret_cast<const char *>(data + pos), len);
    pos += len + 1;
    return text;
}

// The block counters are checked against the file's length block by block
// when the chain is walked: a copy cut at the used length of its last block
// is still a whole table.
void CheckBlockCounters(const TableHeader &h, const std::string &fileName)
{
    if (h.firstBlock > h.fileBlocks || h.lastBlock > h.fileBlocks)
        Corrupt(fileName, "block number out of range");
    if (h.numRecords > uint64_t(h.fileBlocks) * h.RecordsPerBlock())
        Corrupt(fileName, "more records than the blocks can hold");
    if (h.numRecords > 0 && h.firstBlock == 0)
        Corrupt(fileName, "records without a first block");
}

} // namespace

TableHeader ParseTableHeader(const uint8_t *data, size_t size, uint64_t fileSize,
                             const std::string &fileName)
{
    if (size < kFixedHeaderSize || fileSize < kFixedHeaderSize)
        Corrupt(fileName, "the file is shorter than a table header");
    int numFields = 0;
    TableHeader h = ReadFixedPart(data, numFields);
    CheckFixedPart(h, numFields, size, fileSize, fileName);
    CheckNotEncrypted(data, h, fileName);

    // Variable part: field types, pointers, table name, field names,
    // then (level 4 and later) field numbers and the sort order ID.
    const uint32_t n = uint32_t(numFields);
    const uint32_t limit = h.headerSize;
    uint32_t pos = HasDataHeader(h) ? 0x78 : 0x58;
    ReadFieldDescriptors(data, pos, n, h, fileName);
    pos += 2 * n + 4 + 4 * n + TableNameArea(h.versionId);
    for (uint32_t i = 0; i < n; ++i)
        h.fields[i].name = ReadTerminated(data, pos, limit, fileName,
                                            "field names pass the end of the header");
    if (HasDataHeader(h)) {
        h.codePage = GetU16(data + 0x6A);
        pos += 2 * n; // field numbers
        h.driverId = ReadTerminated(data, pos, limit, fileName,
                                    "sort order passes the end of the header");
    }
    CheckBlockCounters(h, fileName);
    return h;
}

namespace {

// Sizes that follow from a new table's fields.
struct NewHeaderSizes {
    uint32_t recordSize = 0;
    uint32_t namesSize = 0; // the field names with their terminators
};

// Checks the field definitions and the block size a new table is made with.
NewHeaderSizes CheckNewFields(const std::vector<FieldDef> &fields, uint8_t blockKiB)
{
    auto invalid = [](const std::string &what) {
        throw Error(ErrInvalidParameter, "Invalid field descriptor: " + what + ".");
    };
    if (fields.empty() || fields.size() > 255)
        invalid("a table needs 1 to 255 fields");
    if (blockKiB < 1 || blockKiB > 32)
        throw Error(ErrInvalidParameter, "Invalid block size.");
    NewHeaderSizes sizes;
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDef &f = fields[i];
        if (f.name.empty() || f.name.size() > 25 || f.name.find('\0') != std::string::npos)
            invalid("bad name of field " + std::to_string(i + 1));
        for (size_t j = 0; j < i; ++j)
            if (SameNameNoCase(fields[j].name, f.name))
                invalid("duplicate field name " + f.name);
        const uint32_t fixed = FixedSizeOfType(f.type);
        if (f.size < 1 || f.size > 255 || (fixed != 0 && f.size != fixed))
            invalid("bad size of field " + f.name);
        sizes.recordSize += f.size;
        sizes.namesSize += uint32_t(f.name.size()) + 1;
    }
    if (sizes.recordSize > uint32_t(blockKiB) * 1024u - 6)
        throw Error(ErrInvalidParameter, "Record size is too big for the table's block size.");
    return sizes;
}

// Where the parts of a new level 7 header lie.
struct NewHeaderLayout {
    static constexpr uint32_t nameArea = 261;
    uint32_t fieldNumbers = 0; // offset of the field numbers
    uint32_t driverPos = 0;    // offset of the sort order ID
    uint32_t realSize = 0;     // bytes in use
    uint32_t headerSize = 0;   // realSize rounded up to 2 KiB
};

NewHeaderLayout LayOutNewHeader(uint32_t n, uint32_t namesSize, std::string_view driverId)
{
    NewHeaderLayout l;
    l.fieldNumbers = 0x7C + 6 * n + NewHeaderLayout::nameArea + namesSize;
    l.driverPos = l.fieldNumbers + 2 * n;
    l.realSize = l.driverPos + uint32_t(driverId.size()) + 1;
    l.headerSize = (l.realSize + 0x7FF) & ~0x7FFu;
    if (l.headerSize > 0xF800)
        throw Error(ErrInvalidParameter,
                    "Invalid field descriptor: the field names do not fit in a header.");
    return l;
}

// The fixed part and the data header, 0x00..0x77.
void WriteFixedPart(uint8_t *p, uint32_t n, uint32_t recordSize, uint8_t blockKiB,
                    const NewHeaderLayout &l, std::string_view driverId)
{
    PutU16(p + 0x00, uint16_t(recordSize));
    PutU16(p + 0x02, uint16_t(l.headerSize));
    p[0x04] = 2; // unkeyed data table
    p[0x05] = blockKiB;
    PutU16(p + 0x21, uint16_t(n));
    PutU32(p + 0x25, 0xFF00FF00u);
    p[0x2D] = 2;
    p[0x2E] = 1;
    PutU32(p + 0x30, 0x78 + 2 * n);
    PutU32(p + 0x34, 0x78);
    p[0x39] = 0x0C;
    p[0x3E] = 0x1F;
    p[0x3F] = 0x0F;
    PutU16(p + 0x51, uint16_t(l.realSize));
    p[0x56] = 0x20;
    PutU16(p + 0x58, 0x010C);
    PutU16(p + 0x5A, 0x010C);
    PutU32(p + HoUpdateTime, uint32_t(std::time(nullptr)));
    PutU16(p + 0x64, uint16_t(n + 1));
    PutU16(p + 0x66, uint16_t(l.fieldNumbers - 0x58));
    p[0x6C] = 1;
    p[0x6D] = 1;
    PutU16(p + 0x6E, uint16_t(l.driverPos - 0x58));
    PutU16(p + 0x70, 1);
    if (const LanguageDriver *d = FindLanguageDriver(driverId)) {
        p[0x29] = d->sortByte;
        PutU16(p + 0x6A, d->codePage);
    }
}

// Field types and sizes, the table name, the field names, the field numbers
// and the sort order ID, from 0x78 on.
void WriteVariablePart(uint8_t *p, const std::vector<FieldDef> &fields,
                       const std::string &tableName, std::string_view driverId)
{
    const uint32_t n = uint32_t(fields.size());
    const uint32_t nameArea = NewHeaderLayout::nameArea;
    uint32_t pos = 0x78;
    for (const FieldDef &f : fields) {
        p[pos++] = f.type;
        p[pos++] = uint8_t(f.size);
    }
    pos += 4 + 4 * n; // name pointers stay 0
    std::memcpy(p + pos, tableName.data(), std::min<size_t>(tableName.size(), nameArea - 1));
    pos += nameArea;
    for (const FieldDef &f : fields) {
        std::memcpy(p + pos, f.name.data(), f.name.size());
        pos += uint32_t(f.name.size()) + 1;
    }
    for (uint32_t i = 1; i <= n; ++i, pos += 2)
        PutU16(p + pos, uint16_t(i));
    std::memcpy(p + pos, driverId.data(), driverId.size());
}

} // namespace

std::vector<uint8_t> BuildTableHeader(const std::vector<FieldDef> &fields, uint8_t blockKiB,
                                      const std::string &tableName, std::string_view driverId)
{
    const NewHeaderSizes sizes = CheckNewFields(fields, blockKiB);
    const uint32_t n = uint32_t(fields.size());
    const NewHeaderLayout layout = LayOutNewHeader(n, sizes.namesSize, driverId);
    std::vector<uint8_t> h(layout.headerSize, 0);
    WriteFixedPart(h.data(), n, sizes.recordSize, blockKiB, layout, driverId);
    WriteVariablePart(h.data(), fields, tableName, driverId);
    return h;
}

} // namespace qbx::engine
