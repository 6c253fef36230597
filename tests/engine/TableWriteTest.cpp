// Creating, appending, reading back, the block limit and restructuring.

#include "EngineTestSupport.h"

#include "engine/Engine.h"
#include "engine/Error.h"
#include "engine/Restructure.h"
#include "engine/Table.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;

namespace {

uint16_t U16At(const std::string &b, size_t at)
{
    return GetU16(reinterpret_cast<const uint8_t *>(b.data() + at));
}

// Appends `count` catalogue records whose values derive from their number.
void AppendNumbered(Table &t, int count, int from = 0)
{
    for (int i = from; i < from + count; ++i) {
        const std::string path = "\xcf\xe0\xef\xea\xe0\\file" + std::to_string(i) + ".txt";
        const Value values[] = {Value::Text("DISC"),
                                Value::Text(path),
                                Value::Null(),
                                Value::Text("Product"),
                                Value::Text("1.0"),
                                Value::Number(double(i) * 3.5 - 7),
                                i % 3 ? Value::Null() : Value::Text("desc")};
        t.Append(values);
    }
}

TEST(TableWrite, NewCatalogueHeaderCarriesCyrillicDriverAndLevel7Values)
{
    test::TempFolder dir;
    const std::string path = dir.File("cat.db");
    Table::Create(path, test::CatalogueFieldDefs(), {32, ""});
    const std::string b = test::ReadBytes(path);
    ASSERT_EQ(b.size(), 0x800u); // an empty table is its header alone
    EXPECT_EQ(U16At(b, 0x00), 32 + 255 + 64 + 64 + 16 + 8 + 64);
    EXPECT_EQ(uint8_t(b[0x05]), 32);   // 32 KiB blocks
    EXPECT_EQ(uint8_t(b[0x29]), 0x8F); // sort byte of ancyrr
    EXPECT_EQ(uint8_t(b[0x39]), 0x0C); // level 7
    EXPECT_EQ(U16At(b, 0x6A), 1251);   // code page
    const size_t id = 0x58 + U16At(b, 0x6E);
    EXPECT_EQ(std::string(b.c_str() + id), "ancyrr");
    EXPECT_EQ(U16At(b, 0x51), id + 7); // realHeaderSize just past the ID
    EXPECT_EQ(b.substr(0x7C + 6 * 7, 7), std::string("cat.db\0", 7));

    Table t;
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 0u);
    EXPECT_EQ(t.LanguageDriverName(), "ancyrr");
    ASSERT_EQ(t.Fields().size(), 7u);
    EXPECT_EQ(t.Fields()[5].name, "ByteSize");
    EXPECT_EQ(t.Fields()[5].Kind(), FieldKind::Float);
}

TEST(TableWrite, AppendedRecordsReadBackInOrderAcrossBlocks)
{
    test::TempFolder dir;
    const std::string path = dir.File("many.db");
    Table::Create(path, test::CatalogueFieldDefs()); // 2 KiB blocks: 4 records each
    Table t;
    t.Open(path, OpenMode::Exclusive);
    AppendNumbered(t, 50);
    EXPECT_EQ(t.RecordCount(), 50u);
    int i = 0;
    for (bool ok = t.First(); ok; ok = t.Next(), ++i) {
        EXPECT_EQ(t.ReadText(1), "\xcf\xe0\xef\xea\xe0\\file" + std::to_string(i) + ".txt");
        EXPECT_EQ(t.ReadNumber(5), double(i) * 3.5 - 7);
        EXPECT_TRUE(t.IsNull(2));
        EXPECT_EQ(t.ReadText(6), i % 3 ? "" : "desc");
    }
    EXPECT_EQ(i, 50);
    AppendNumbered(t, 3, 50); // appending after reading continues the chain
    t.Close();

    const std::string b = test::ReadBytes(path);
    EXPECT_EQ(b.size(), 0x800u + 14 * 2048u); // 53 records in 14 whole blocks
    EXPECT_EQ(U16At(b, 0x0C), 14);
    EXPECT_EQ(U16At(b, 0x10), 14);
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 53u);
}

TEST(TableWrite, ValuesThatDoNotFitAreRefused)
{
    test::TempFolder dir;
    const std::string path = dir.File("mix.db");
    Table::Create(path,
                  {FieldDef::Alpha("Name", 4), FieldDef::Long("Count"), FieldDef::Short("Small")});
    Table t;
    t.Open(path, OpenMode::Exclusive);
    const Value textInNumber[] = {Value::Text("a"), Value::Text("1"), Value::Null()};
    EXPECT_THROW(t.Append(textInNumber), Error);
    const Value tooBig[] = {Value::Text("a"), Value::Number(3e9), Value::Null()};
    EXPECT_THROW(t.Append(tooBig), Error);
    const Value fraction[] = {Value::Text("a"), Value::Null(), Value::Number(1.5)};
    EXPECT_THROW(t.Append(fraction), Error);
    const Value ok[] = {Value::Text("abcdef"), Value::Number(-5), Value::Number(-32767)};
    t.Append(ok);
    EXPECT_EQ(t.RecordCount(), 1u);
    ASSERT_TRUE(t.First());
    EXPECT_EQ(t.ReadText(0), "abcd"); // cut to the field size
    EXPECT_EQ(t.ReadNumber(1), -5.0);
    EXPECT_EQ(t.ReadNumber(2), -32767.0);

    Table shared;
    t.Close();
    shared.Open(path);
    EXPECT_THROW(shared.Append(ok), Error); // shared opens are read only
    EXPECT_THROW(Table::Create(dir.File("x.db"), {}), Error);
    EXPECT_THROW(
        Table::Create(dir.File("x.db"), {FieldDef::Alpha("A", 1), FieldDef::Alpha("a", 1)}),
        Error); // names differ only in case
    EXPECT_THROW(Table::Create(dir.File("x.db"), {FieldDef::Alpha("A", 300)}), Error);
}

TEST(TableWrite, TableIsFullAtTheBlockLimitAndKeepsItsRecords)
{
    test::TempFolder dir;
    const std::string path = dir.File("full.db");
    Table::Create(path, test::CatalogueFieldDefs());
    Table t;
    t.Open(path, OpenMode::Exclusive);
    t.SetBlockLimit(3);
    AppendNumbered(t, 12); // 3 blocks of 4 records
    try {
        AppendNumbered(t, 1, 12);
        FAIL() << "append passed the block limit";
    } catch (const Error &e) {
        EXPECT_EQ(e.code(), ErrTableFull);
        EXPECT_STREQ(e.what(), "Table is full.");
    }
    t.Close();
    EXPECT_EQ(test::EngineDump(path).find("rec 12:"), std::string::npos);
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 12u);
}

TEST(TableWrite, DefaultDriverFollowsTheEngineSetting)
{
    test::TempFolder dir;
    SetDefaultLanguageDriver("ANSIINTL");
    Table::Create(dir.File("a.db"), {FieldDef::Alpha("A", 1)});
    Shutdown(); // settings return to their defaults
    EXPECT_TRUE(Initialize("0009"));
    Table::Create(dir.File("b.db"), {FieldDef::Alpha("A", 1)});
    EXPECT_EQ(LanguageDriverOfFile(dir.File("a.db")), "ANSIINTL");
    EXPECT_EQ(LanguageDriverOfFile(dir.File("b.db")), "ancyrr");
    EXPECT_THROW(SetDefaultLanguageDriver("klingon"), Error);
    EXPECT_THROW(Table::Create(dir.File("c.db"), {FieldDef::Alpha("A", 1)}, {2, "klingon"}), Error);

    EXPECT_THROW(SetPrivateDirectory(dir.File("missing")), Error);
}

TEST(TableWrite, RestructureTurnsIntegerSizesIntoNumbersKeepingData)
{
    test::TempFolder dir;
    const std::string path = dir.File("old.db");
    Table::Create(path, test::CatalogueFieldDefs(true), {32, ""});
    Table t;
    t.Open(path, OpenMode::Exclusive);
    for (int i = 0; i < 200; ++i) {
        const std::string path = "p" + std::to_string(i);
        const Value v[] = {Value::Text("L"), Value::Text(path),
                           Value::Null(),    Value::Null(),
                           Value::Null(),    i == 7 ? Value::Null() : Value::Number(i * 1000 - 5),
                           Value::Text("d")};
        t.Append(v);
    }
    t.Close();
    const std::string before = test::EngineDump(path);

    RestructureTable(path, test::CatalogueFieldDefs(false));
    t.Open(path);
    EXPECT_EQ(t.Fields()[5].type, FtNumber);
    EXPECT_EQ(t.Header().blockKiB, 32);
    EXPECT_EQ(t.LanguageDriverName(), "ancyrr");
    int i = 0;
    for (bool ok = t.First(); ok; ok = t.Next(), ++i) {
        EXPECT_EQ(t.ReadText(1), "p" + std::to_string(i));
        if (i == 7)
            EXPECT_TRUE(t.IsNull(5));
        else
            EXPECT_EQ(t.ReadNumber(5), i * 1000 - 5);
    }
    EXPECT_EQ(i, 200);
    t.Close();
    // Only the field type line differs from the old dump.
    std::string after = test::EngineDump(path);
    after.replace(after.find("ByteSize type=0x06 size=8"), 25, "ByteSize type=0x04 size=4");
    EXPECT_EQ(after, before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

} // namespace

TEST(TableWrite, BulkAppendWritesTheBlocksOneByOneAppendingWould)
{
    // The same records once one by one and once collected a block at a
    // time: the block chains must match byte for byte, the last, partial
    // block included (zeros after its records, not the records of the full
    // block before it).
    test::TempFolder dir;
    const std::string single = dir.File("single.db"), bulk = dir.File("bulk.db");
    for (const std::string &path : {single, bulk}) {
        Table::Create(path, test::CatalogueFieldDefs()); // 4 records a block
        Table t;
        t.Open(path, OpenMode::Exclusive);
        if (path == bulk)
            t.StartBulkAppend();
        AppendNumbered(t, 10); // 2 full blocks and one of 2 records
        t.Flush();
        EXPECT_EQ(t.RecordCount(), 10u);
    }
    const std::string a = test::ReadBytes(single), b = test::ReadBytes(bulk);
    ASSERT_EQ(a.size(), 0x800u + 3 * 2048u);
    ASSERT_EQ(b.size(), a.size());
    EXPECT_TRUE(a.compare(0x800, std::string::npos, b, 0x800, std::string::npos) == 0);
    for (size_t at : {0x06, 0x08, 0x0A, 0x0C, 0x0E, 0x10, 0x3A}) // counts and chain ends
        EXPECT_EQ(U16At(b, at), U16At(a, at)) << at;

    // At the block limit the flush of the last block fails: the records of
    // the blocks written stay, and only they are counted.
    const std::string full = dir.File("full.db");
    Table::Create(full, test::CatalogueFieldDefs());
    Table t;
    t.Open(full, OpenMode::Exclusive);
    t.SetBlockLimit(2);
    t.StartBulkAppend();
    AppendNumbered(t, 9);
    try {
        t.Flush();
        FAIL() << "bulk append passed the block limit";
    } catch (const Error &e) {
        EXPECT_EQ(e.code(), ErrTableFull);
    }
    EXPECT_EQ(t.RecordCount(), 8u);
    t.Close();
    t.Open(full);
    EXPECT_EQ(t.RecordCount(), 8u);
}

TEST(TableWrite, LargeBulkAppendReadsBackWhole)
{
    // Over 8 MiB of 32 KiB blocks: finished blocks are handed to the disk
    // while the append goes on; every record reads back, in order.
    test::TempFolder dir;
    const std::string path = dir.File("large.db");
    Table::Create(path, test::CatalogueFieldDefs(), {32, ""});
    Table t;
    t.Open(path, OpenMode::Exclusive);
    t.StartBulkAppend();
    constexpr int kCount = 24000;
    AppendNumbered(t, kCount);
    t.Flush();
    t.Close();
    EXPECT_GT(std::filesystem::file_size(path), uint64_t(8) << 20);
    t.Open(path);
    ASSERT_EQ(t.RecordCount(), uint32_t(kCount));
    int i = 0;
    for (bool ok = t.First(); ok; ok = t.Next(), ++i)
        if (t.ReadNumber(5) != double(i) * 3.5 - 7)
            break;
    EXPECT_EQ(i, kCount);
}
