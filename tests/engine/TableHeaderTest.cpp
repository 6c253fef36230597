// A table header is read and checked part by part: a new header reads back
// as it was built, each kind of damage is told by its own reason, and field
// definitions a new table cannot hold are refused with theirs.

#include "engine/Error.h"
#include "engine/TableHeader.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace qbx::engine;

namespace {

const std::vector<FieldDef> kPartFields = {FieldDef::Alpha("Name", 20), FieldDef::Long("Size"),
                                           FieldDef::Number("Rate")};

std::vector<uint8_t> NewHeader()
{
    return BuildTableHeader(kPartFields, 4, "parts", "ancyrr");
}

// The message of the engine error the call throws ("" when it throws none)
// and its code.
std::string ErrorOf(const std::function<void()> &call, int *code = nullptr)
{
    try {
        call();
    } catch (const Error &e) {
        if (code)
            *code = e.code();
        return e.what();
    }
    return {};
}

std::string ParseError(const std::vector<uint8_t> &bytes, size_t size, int *code = nullptr)
{
    return ErrorOf([&] { ParseTableHeader(bytes.data(), size, bytes.size(), "t.db"); }, code);
}

void SetWord(std::vector<uint8_t> &b, size_t at, uint16_t v)
{
    b[at] = uint8_t(v & 0xFF);
    b[at + 1] = uint8_t(v >> 8);
}

// Offset of the first byte of text in the header.
size_t OffsetOf(const std::vector<uint8_t> &b, const char *text)
{
    const auto *t = reinterpret_cast<const uint8_t *>(text);
    return size_t(std::search(b.begin(), b.end(), t, t + std::strlen(text)) - b.begin());
}

TEST(TableHeaderParts, ANewHeaderReadsBackAsItWasBuilt)
{
    const std::vector<uint8_t> bytes = NewHeader();
    ASSERT_EQ(bytes.size() % 0x800, 0u);
    const TableHeader h = ParseTableHeader(bytes.data(), bytes.size(), bytes.size(), "t.db");
    EXPECT_EQ(h.recordSize, 20 + 4 + 8);
    EXPECT_EQ(h.headerSize, bytes.size());
    EXPECT_EQ(h.blockKiB, 4);
    EXPECT_EQ(h.fileType, 2);
    EXPECT_EQ(h.versionId, 0x0C);
    EXPECT_EQ(h.numRecords, 0u);
    EXPECT_EQ(h.driverId, "ancyrr");
    EXPECT_EQ(h.codePage, 1251);
    EXPECT_EQ(h.sortByte, 0x8F);
    ASSERT_EQ(h.fields.size(), kPartFields.size());
    for (size_t i = 0; i < kPartFields.size(); ++i) {
        EXPECT_EQ(h.fields[i].name, kPartFields[i].name);
        EXPECT_EQ(h.fields[i].type, kPartFields[i].type);
        EXPECT_EQ(h.fields[i].size, kPartFields[i].size);
    }
    // The table's name sits in its own area, before the field names.
    EXPECT_LT(OffsetOf(bytes, "parts"), OffsetOf(bytes, "Name"));
}

TEST(TableHeaderParts, EachDamageIsToldByItsOwnReason)
{
    const std::vector<uint8_t> good = NewHeader();
    const size_t names = OffsetOf(good, "Name");
    const size_t driver = OffsetOf(good, "ancyrr");
    ASSERT_LT(driver, good.size());
    const struct {
        const char *reason;
        std::function<void(std::vector<uint8_t> &)> damage;
    } cases[] = {
        {"not a data table", [](auto &b) { b[0x04] = 1; }},
        {"unknown file version", [](auto &b) { b[0x39] = 0x20; }},
        {"bad header size", [](auto &b) { SetWord(b, 0x02, 0x20); }},
        // Past the fixed part but inside the level 7 data header.
        {"bad header size", [](auto &b) { SetWord(b, 0x02, 0x60); }},
        {"bad block size", [](auto &b) { b[0x05] = 0; }},
        {"bad record size", [](auto &b) { SetWord(b, 0x00, 0); }},
        {"bad field count", [](auto &b) { SetWord(b, 0x21, 0); }},
        {"field descriptors pass the end of the header",
         [](auto &b) {
             SetWord(b, 0x02, 0x80);
             SetWord(b, 0x21, 10);
         }},
        {"bad size of field 2", [](auto &b) { b[0x78 + 3] = 3; }},
        {"record size differs from the sum of the field sizes", [](auto &b) { SetWord(b, 0x00, 33); }},
        {"field names pass the end of the header",
         [&](auto &b) { std::fill(b.begin() + long(names), b.end(), 'x'); }},
        {"sort order passes the end of the header",
         [&](auto &b) { std::fill(b.begin() + long(driver), b.end(), 'x'); }},
        {"block number out of range", [](auto &b) { SetWord(b, 0x0E, 1); }},
        {"more records than the blocks can hold", [](auto &b) { b[0x06] = 1; }},
        {"records without a first block",
         [](auto &b) {
             b[0x06] = 1;
             SetWord(b, 0x0C, 1);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        std::vector<uint8_t> bad = good;
        c.damage(bad);
        int code = 0;
        const std::string message = ParseError(bad, bad.size(), &code);
        EXPECT_EQ(code, ErrCorrupt);
        EXPECT_NE(message.find(std::string(c.reason) + ". Table: t.db"), std::string::npos)
            << message;
    }

    int code = 0;
    EXPECT_NE(ParseError(good, 0x50, &code).find("shorter than a table header"), std::string::npos);
    std::vector<uint8_t> locked = good;
    locked[0x5C] = 1;
    EXPECT_NE(ParseError(locked, locked.size(), &code).find("encrypted"), std::string::npos);
    EXPECT_EQ(code, ErrEncrypted);
}

TEST(TableHeaderParts, DefinitionsANewTableCannotHoldAreRefused)
{
    const auto refusal = [](std::vector<FieldDef> fields, uint8_t blockKiB = 2) {
        int code = 0;
        const std::string message =
            ErrorOf([&] { BuildTableHeader(fields, blockKiB, "t", "ascii"); }, &code);
        EXPECT_EQ(code, message.empty() ? 0 : ErrInvalidParameter);
        return message;
    };
    EXPECT_EQ(refusal({}), "Invalid field descriptor: a table needs 1 to 255 fields.");
    EXPECT_EQ(refusal(kPartFields, 0), "Invalid block size.");
    EXPECT_EQ(refusal(kPartFields, 33), "Invalid block size.");
    EXPECT_EQ(refusal({FieldDef::Long("A"), FieldDef::Long("")}),
              "Invalid field descriptor: bad name of field 2.");
    EXPECT_EQ(refusal({FieldDef::Long(std::string(26, 'a'))}),
              "Invalid field descriptor: bad name of field 1.");
    EXPECT_EQ(refusal({FieldDef::Long("Size"), FieldDef::Short("SIZE")}),
              "Invalid field descriptor: duplicate field name SIZE.");
    EXPECT_EQ(refusal({{"Odd", FtLong, 3}}), "Invalid field descriptor: bad size of field Odd.");
    EXPECT_EQ(refusal({FieldDef::Alpha("Long", 256)}),
              "Invalid field descriptor: bad size of field Long.");
    EXPECT_EQ(refusal({FieldDef::Alpha("A", 255), FieldDef::Alpha("B", 255),
                       FieldDef::Alpha("C", 255), FieldDef::Alpha("D", 255)},
                      1),
              "Record size is too big for the table's block size.");
    EXPECT_EQ(refusal({FieldDef::Alpha("A", 255), FieldDef::Alpha("B", 255),
                       FieldDef::Alpha("C", 255), FieldDef::Alpha("D", 255)},
                      2),
              "");
}

} // namespace
