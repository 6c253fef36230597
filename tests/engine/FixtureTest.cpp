// The fixture tables (written by other Paradox engines) read back exactly as
// an independent reader decoded them.

#include "EngineTestSupport.h"

#include "engine/Error.h"
#include "engine/Table.h"
#include "support/Fixtures.h"

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
        QBX_SKIP_WITHOUT_FIXTURES("AREACODE.DB");
    for (const char *name : kFixtures) {
        SCOPED_TRACE(name);
        const std::string path = test::FixturePath(name);
        EXPECT_EQ(test::EngineDump(path), test::ReadBytes(path + ".expected.txt"));
    }
}

TEST(FixtureTables, FieldKindsAndValues)
{
    const std::string orders = test::FixturePath("ORDERS.DB");
    if (orders.empty())
        QBX_SKIP_WITHOUT_FIXTURES("ORDERS.DB");
    Table t;
    t.Open(orders);
    const auto &f = t.Fields();
    EXPECT_EQ(f[0].Kind(), FieldKind::Float);
    EXPECT_EQ(f[0].CharSize(), 0u);
    EXPECT_EQ(f[2].Kind(), FieldKind::Other); // date
    EXPECT_EQ(f[4].CharSize(), 7u);
    ASSERT_TRUE(t.First());
    EXPECT_EQ(t.ReadNumber(0), 1001.0);
    EXPECT_EQ(t.ReadText(4), "UPS");
    EXPECT_THROW(t.ReadText(0), Error);   // a number field has no text
    EXPECT_THROW(t.ReadNumber(2), Error); // a date is not read as a number

    t.Open(test::FixturePath("fk4.db"));
    ASSERT_TRUE(t.First());
    EXPECT_EQ(t.Fields()[0].Kind(), FieldKind::Integer);
    EXPECT_TRUE(t.IsNull(1));
    EXPECT_EQ(t.ReadNumber(1), 0.0);

    // Keyed tables are read, never appended to.
    test::TempFolder dir;
    const std::string copy = dir.File("fk4.db");
    test::WriteBytes(copy, test::ReadBytes(t.Path()));
    t.Open(copy, OpenMode::Exclusive);
    const Value v[] = {Value::Number(3), Value::Null(), Value::Text("3"), Value::Null()};
    EXPECT_THROW(t.Append(v), Error);
    t.Close();
    EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(test::FixturePath("fk4.db")));
}

TEST(FixtureTables, LanguageDrivers)
{
    if (test::FixturePath("DECIMAL.DB").empty())
        QBX_SKIP_WITHOUT_FIXTURES("DECIMAL.DB");
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
