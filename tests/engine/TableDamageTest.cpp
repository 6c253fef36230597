// Damaged and truncated files raise errors; they never crash, hang or make
// the reader allocate without bound.

#include "EngineTestSupport.h"

#include "engine/Error.h"
#include "engine/Table.h"

#include <functional>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;

namespace {

// A three-block table (2 KiB blocks, 100-byte records): 60 records.
std::string GoodTable(const test::TempFolder &dir)
{
    const std::string path = dir.File("good.db");
    Table::Create(path, {FieldDef::Alpha("Name", 84), FieldDef::Number("N"), FieldDef::Long("I"),
                         FieldDef::Long("J")});
    Table t;
    t.Open(path, OpenMode::Exclusive);
    for (int i = 0; i < 60; ++i) {
        const std::string name = "row" + std::to_string(i);
        const Value v[] = {Value::Text(name), Value::Number(i), Value::Number(-i), Value::Null()};
        t.Append(v);
    }
    return test::ReadBytes(path);
}

// Opens the bytes as a table and reads every field of every record; gives
// the error code, or 0 when the whole table read.
int ReadAll(const test::TempFolder &dir, const std::string &bytes)
{
    const std::string path = dir.File("bad.db");
    test::WriteBytes(path, bytes);
    try {
        Table t;
        t.Open(path);
        uint32_t n = 0;
        for (bool ok = t.First(); ok; ok = t.Next(), ++n)
            for (size_t f = 0; f < t.Fields().size(); ++f)
                if (t.Fields()[f].Kind() == FieldKind::String)
                    (void)t.ReadText(f);
                else if (t.Fields()[f].Kind() != FieldKind::Other)
                    (void)t.ReadNumber(f);
        EXPECT_EQ(n, t.RecordCount());
        return 0;
    } catch (const Error &e) {
        return e.code();
    }
}

void Put16(std::string &b, size_t at, uint16_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

TEST(TableDamage, EachBrokenHeaderValueIsRejected)
{
    test::TempFolder dir;
    const std::string good = GoodTable(dir);
    ASSERT_EQ(ReadAll(dir, good), 0);
    const size_t block1 = 0x800, block2 = block1 + 2048, block3 = block2 + 2048;
    const struct {
        const char *what;
        std::function<void(std::string &)> damage;
        int code;
    } cases[] = {
        {"record size 0", [](std::string &b) { Put16(b, 0, 0); }, ErrCorrupt},
        {"record size off the fields", [](std::string &b) { Put16(b, 0, 99); }, ErrCorrupt},
        {"header past the file", [](std::string &b) { Put16(b, 2, 0xF000); }, ErrCorrupt},
        {"header too small", [](std::string &b) { Put16(b, 2, 0x20); }, ErrCorrupt},
        {"header ends inside the data header", [](std::string &b) { Put16(b, 2, 0x5A); },
         ErrCorrupt},
        {"block size 0", [](std::string &b) { b[5] = 0; }, ErrCorrupt},
        {"block size 64 KiB", [](std::string &b) { b[5] = 64; }, ErrCorrupt},
        {"keyed index file", [](std::string &b) { b[4] = 1; }, ErrCorrupt},
        {"no fields", [](std::string &b) { Put16(b, 0x21, 0); }, ErrCorrupt},
        {"negative field count", [](std::string &b) { Put16(b, 0x21, 0x8000); }, ErrCorrupt},
        {"field count past the header", [](std::string &b) { Put16(b, 0x21, 255); }, ErrCorrupt},
        {"number of 4 bytes", [](std::string &b) { b[0x78 + 3] = 4; }, ErrCorrupt},
        {"unknown version", [](std::string &b) { b[0x39] = 0x20; }, ErrCorrupt},
        {"chain into a block past the file",
         [&](std::string &b) {
             Put16(b, 0x0C, 9);
             Put16(b, block3, 9);
         },
         ErrCorrupt},
        {"first block past the end", [](std::string &b) { Put16(b, 0x0E, 4); }, ErrCorrupt},
        {"more records than blocks hold", [](std::string &b) { b[6] = char(0xFF); }, ErrCorrupt},
        {"record count off the blocks", [](std::string &b) { b[6] = 59; }, ErrCorrupt},
        {"chain loops", [&](std::string &b) { Put16(b, block3, 1); }, ErrCorrupt},
        {"chain loops onto itself", [&](std::string &b) { Put16(b, block2, 2); }, ErrCorrupt},
        {"link past the blocks", [&](std::string &b) { Put16(b, block1, 200); }, ErrCorrupt},
        {"odd record offset", [&](std::string &b) { Put16(b, block2 + 4, 150); }, ErrCorrupt},
        {"record offset past the block", [&](std::string &b) { Put16(b, block2 + 4, 2000); },
         ErrCorrupt},
        {"unterminated names",
         [](std::string &b) {
             for (size_t i = 0x7C + 6 * 4 + 261; i < 0x800; ++i)
                 b[i] = 'x';
         },
         ErrCorrupt},
        {"encrypted", [](std::string &b) { b[0x5C] = 1; }, ErrEncrypted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::string bad = good;
        c.damage(bad);
        EXPECT_EQ(ReadAll(dir, bad), c.code);
    }
}

TEST(TableDamage, EveryTruncationIsRejected)
{
    test::TempFolder dir;
    const std::string good = GoodTable(dir);
    for (size_t len = 0; len < good.size(); len += (len < 0x900 ? 37 : 331)) {
        SCOPED_TRACE(len);
        EXPECT_NE(ReadAll(dir, good.substr(0, len)), 0);
    }
}

} // namespace
