// Tables written by the original engine read back exactly as an independent
// reader decoded them.

#include "EngineTestSupport.h"

#include "engine/Error.h"
#include "engine/Table.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;

namespace {

const char *const kFixtures[] = {"AREACODE.DB", "DECIMAL.DB", "ORDERS.DB",
                                 "fk4.db",      "long.db",    "paradox-ascii.db"};

TEST(FixtureTables, EveryTableDumpsAsExpected)
{
    if (test::FixturePath("AREACODE.DB").empty())
        GTEST_SKIP() << "no fixtures";
    for (const char *name : kFixtures) {
        SCOPED_TRACE(name);
        const std::string path = test::FixturePath(name);
        EXPECT_EQ(test::EngineDump(path), test::ReadBytes(path + ".expected.txt"));
    }
}

TEST(FixtureTables, FieldKindsSizesAndValues)
{
    const std::string orders = test::FixturePath("ORDERS.DB");
    if (orders.empty())
        GTEST_SKIP() << "no fixtures";
    Table t;
    t.Open(orders);
    const auto &f = t.Fields();
    ASSERT_EQ(f.size(), 11u);
    EXPECT_EQ(f[0].name, "Order No");
    EXPECT_EQ(f[0].Kind(), FieldKind::Float);
    EXPECT_EQ(f[0].CharSize(), 0u);
    EXPECT_EQ(f[2].Kind(), FieldKind::Other); // date
    EXPECT_EQ(f[4].Kind(), FieldKind::String);
    EXPECT_EQ(f[4].CharSize(), 7u);
    ASSERT_TRUE(t.First());
    EXPECT_EQ(t.ReadNumber(0), 1001.0);
    EXPECT_EQ(t.ReadText(4), "UPS");
    EXPECT_THROW(t.ReadText(0), Error);   // a number field has no text
    EXPECT_THROW(t.ReadNumber(2), Error); // a date is not read as a number
    uint32_t n = 1;
    while (t.Next())
        ++n;
    EXPECT_EQ(n, t.RecordCount());

    Table ints;
    ints.Open(test::FixturePath("fk4.db"));
    ASSERT_TRUE(ints.First());
    EXPECT_EQ(ints.Fields()[0].Kind(), FieldKind::Integer);
    EXPECT_EQ(ints.ReadNumber(0), 1.0);
    EXPECT_TRUE(ints.IsNull(1));
    EXPECT_EQ(ints.ReadNumber(1), 0.0);

    Table empty;
    empty.Open(test::FixturePath("paradox-ascii.db"));
    EXPECT_EQ(empty.RecordCount(), 0u);
    EXPECT_FALSE(empty.First());
    EXPECT_EQ(empty.RecordData(), nullptr);
}

TEST(FixtureTables, LanguageDrivers)
{
    if (test::FixturePath("DECIMAL.DB").empty())
        GTEST_SKIP() << "no fixtures";
    EXPECT_EQ(LanguageDriverOfFile(test::FixturePath("DECIMAL.DB")), "ANSII850");
    EXPECT_EQ(LanguageDriverOfFile(test::FixturePath("AREACODE.DB")), "ascii");
}

TEST(FixtureTables, MissingFileAndNonTable)
{
    test::TempFolder dir;
    try {
        Table t;
        t.Open(dir.File("none.db"));
        FAIL() << "opened a missing file";
    } catch (const Error &e) {
        EXPECT_EQ(e.code(), ErrFileNotFound);
    }
    test::WriteBytes(dir.File("text.db"), std::string(3000, 'x'));
    Table t;
    EXPECT_THROW(t.Open(dir.File("text.db")), Error);
    EXPECT_FALSE(t.IsOpen());
    EXPECT_THROW(t.Open(dir.Path()), Error); // a folder
}

} // namespace
