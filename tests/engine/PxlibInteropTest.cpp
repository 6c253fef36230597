// Tables we write read back through pxlib with the same values and the
// Cyrillic driver; tables pxlib writes read back through our engine.

#include "EngineTestSupport.h"
#include "PxlibOracle.h"

#include "engine/Table.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;

namespace {

const std::string kCyrillic = "\xc4\xe8\xf1\xea \xb8\xeb\xea\xe0 \xdf\xcf"; // Диск ёлка ЯП

// Catalogue records with NULLs, Cyrillic text, negative and huge sizes.
void AppendCatalogueRows(Table &t, int count)
{
    const double sizes[] = {
        0, 1, -1, 4294967296.0 + 7, 1099511627776.0 * 3 + 1, 9007199254740991.0, -2.5, 200.52};
    for (int i = 0; i < count; ++i) {
        const std::string path = kCyrillic + "\\" + std::to_string(i) + ".txt";
        const std::string producer = "Producer " + std::to_string(i);
        const std::string product(64, char('a' + i % 26)); // full width
        const Value v[] = {Value::Text(i % 2 ? std::string_view("DISC") : kCyrillic),
                           Value::Text(path),
                           i % 4 ? Value::Null() : Value::Text(producer),
                           Value::Text(product),
                           Value::Null(),
                           i % 9 == 5 ? Value::Null() : Value::Number(sizes[i % 8] * (i + 1)),
                           i % 3 ? Value::Null() : Value::Text(kCyrillic)};
        t.Append(v);
    }
}

TEST(PxlibInterop, CatalogueTablesReadThroughPxlib)
{
    test::TempFolder dir;
    for (int count : {0, 1, 65, 66, 700}) { // no block, one, one full, two, many
        SCOPED_TRACE(count);
        const std::string path = dir.File("cat" + std::to_string(count) + ".db");
        Table::Create(path, test::CatalogueFieldDefs(), {32, ""});
        Table t;
        t.Open(path, OpenMode::Exclusive);
        AppendCatalogueRows(t, count);
        t.Close();

        test::PxInfo info;
        const std::string ours = test::EngineDump(path);
        EXPECT_EQ(test::PxlibDump(path, &info), ours);
        EXPECT_EQ(info.codePage, 1251);
        EXPECT_EQ(info.sortOrder, 0x8F);
        EXPECT_EQ(info.driverId, "ancyrr");
        EXPECT_EQ(info.fileVersion, 7.0);
        EXPECT_EQ(info.blockKiB, 32);
        if (count > 3) {
            EXPECT_NE(ours.find("|" + kCyrillic + "\\3.txt |NULL"), std::string::npos);
            EXPECT_NE(ours.find("|17179869212 |"), std::string::npos); // (4 GiB + 7) * 4
        }
    }
}

TEST(PxlibInterop, FieldMixesReadThroughPxlib)
{
    test::TempFolder dir;
    const std::string path = dir.File("mix.db");
    Table::Create(path, {FieldDef::Short("S"), FieldDef::Alpha("A", 1), FieldDef::Long("L"),
                         FieldDef::Number("N"), FieldDef::Alpha("Wide", 255)});
    Table t;
    t.Open(path, OpenMode::Exclusive);
    for (int i = 0; i < 40; ++i) { // 7 records per 2 KiB block
        const std::string wide(size_t(i * 6), '\xe9');
        const Value v[] = {
            i % 5 ? Value::Number(i - 20) : Value::Null(), Value::Text(i % 2 ? "\xff" : ""),
            i % 7 ? Value::Number(-100000 * i + 3) : Value::Null(),
            i % 6 ? Value::Number(-1.0 / (i + 1)) : Value::Null(), Value::Text(wide)};
        t.Append(v);
        if (i == 10) {
            // Appends are in the file at once: an independent reader sees
            // them while the table is still open.
            EXPECT_NE(test::PxlibDump(path).find("records 11\n"), std::string::npos);
        }
    }
    t.Close();
    EXPECT_EQ(test::PxlibDump(path), test::EngineDump(path));
}

TEST(PxlibInterop, TablesWrittenByPxlibReadThroughOurEngine)
{
    test::TempFolder dir;
    const std::string path = dir.File("px.db");
    std::vector<std::vector<test::PxValue>> rows;
    for (int i = 0; i < 100; ++i)
        rows.push_back({kCyrillic + std::to_string(i), double(i) * -1.25, long(i * 1000 - 50000),
                        short(i - 50), i % 10 ? test::PxValue(std::string("x")) : test::PxValue()});
    rows.push_back(
        {std::monostate(), std::monostate(), std::monostate(), std::monostate(), std::monostate()});
    const std::vector<FieldDef> fields = {FieldDef::Alpha("Name", 20), FieldDef::Number("Num"),
                                          FieldDef::Long("Big"), FieldDef::Short("Small"),
                                          FieldDef::Alpha("Opt", 3)};
    test::PxlibWrite(path, fields, rows);

    EXPECT_EQ(test::EngineDump(path), test::PxlibDump(path));
    Table t;
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 101u);
    EXPECT_EQ(t.Header().codePage, 1251);
    ASSERT_TRUE(t.First());
    for (int i = 1; i <= 42; ++i)
        ASSERT_TRUE(t.Next());
    EXPECT_EQ(t.ReadText(0), kCyrillic + "42");
    EXPECT_EQ(t.ReadNumber(1), -52.5);
    EXPECT_EQ(t.ReadNumber(2), -8000.0);
    EXPECT_EQ(t.ReadNumber(3), -8.0);
}

TEST(PxlibInterop, TheOracleAgreesWithTheFixtureDumps)
{
    for (const char *name : {"AREACODE.DB", "ORDERS.DB", "fk4.db", "long.db"}) {
        const std::string path = test::FixturePath(name);
        if (path.empty())
            QBX_SKIP_WITHOUT_FIXTURES(name);
        EXPECT_EQ(test::PxlibDump(path), test::ReadBytes(path + ".expected.txt")) << name;
    }
}

} // namespace
