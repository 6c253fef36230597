// Statements run against table files, and the query command of qbx-table.
#include "CatalogueRecords.h"

#include "engine/Error.h"
#include "engine/Query.h"
#include "engine/Table.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace qbx::test {
namespace {

namespace fs = std::filesystem;
using engine::Value;

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("qbx-sql-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A catalogue table holding the rows, in order.
    std::string MakeCatalogue(const std::string &name, const std::vector<CatalogueRow> &rows)
    {
        const std::string path = (dir_ / name).string();
        std::vector<engine::FieldDef> defs;
        for (const engine::SqlField &f : CatalogueSqlFields())
            defs.push_back({f.name, f.layout.type, f.layout.size});
        engine::Table::Create(path, defs, {32, "ancyrr"});
        engine::Table table;
        table.Open(path, engine::OpenMode::Exclusive);
        for (const CatalogueRow &r : rows) {
            const std::array<std::string, 6> texts = {W(r.label),   W(r.path),    W(r.producer),
                                                      W(r.product), W(r.version), W(r.description)};
            const std::array<Value, 7> values = {
                Value::Text(texts[0]), Value::Text(texts[1]),
                Value::Text(texts[2]), Value::Text(texts[3]),
                Value::Text(texts[4]), r.size ? Value::Number(*r.size) : Value::Null(),
                Value::Text(texts[5]),
            };
            table.Append(values);
        }
        return path;
    }

    static std::string Select(const std::string &file, const std::string &condition)
    {
        return "SELECT * FROM \"" + file + "\" WHERE " + W(condition);
    }

    fs::path dir_;
};

const std::vector<CatalogueRow> kRows = {
    {"DISK1", "", "", "", "", 700000000, "Дистрибутив"},
    {"DISK1", "Soft\\", "", "", "", 0, ""},
    {"DISK1", "Soft\\abc.exe", "ABC Corp", "Tool", "1.0", 6442450944.0, ""},
    {"Архив", "", "", "", "", 1, ""},
    {"Архив", "Фото\\лето.jpg", "", "", "", 2048, "Отдых в Абхазии"},
};

TEST_F(QueryTest, GlobalSearchGivesTheMatchingRecordsInStoredOrder)
{
    const std::string file = MakeCatalogue("cat.db", kRows);
    engine::Query query;
    query.Open(Select(file,
                      R"(((UPPER (Label) LIKE "%АБ%") OR (UPPER (Path) LIKE "%АБ%") OR )"
                      R"((UPPER (Description) LIKE "%АБ%") OR (UPPER (Path) LIKE "%ABC%")))"));
    ASSERT_TRUE(query.IsOpen());
    EXPECT_EQ(query.TableName(), file);
    ASSERT_EQ(query.RecordCount(), 2u);
    ASSERT_EQ(query.Fields().size(), 7u);
    EXPECT_EQ(query.Fields()[5].name, "ByteSize");
    EXPECT_EQ(query.Fields()[1].CharSize(), 255u);

    ASSERT_TRUE(query.First());
    EXPECT_EQ(query.ReadText(1), "Soft\\abc.exe");
    EXPECT_EQ(query.ReadText(2), "ABC Corp");
    EXPECT_EQ(query.ReadNumber(5), 6442450944.0);
    EXPECT_TRUE(query.IsNull(6));
    ASSERT_TRUE(query.Next());
    EXPECT_EQ(query.ReadText(0), W("Архив"));
    EXPECT_EQ(query.ReadText(6), W("Отдых в Абхазии"));
    EXPECT_FALSE(query.Next());
    EXPECT_EQ(query.RecordData(), nullptr);
    EXPECT_THROW(query.ReadText(0), engine::Error);
    // Reading again from the start.
    ASSERT_TRUE(query.First());
    EXPECT_EQ(query.ReadText(1), "Soft\\abc.exe");
    EXPECT_THROW(query.ReadText(5), engine::Error);
    EXPECT_THROW(query.ReadNumber(0), engine::Error);
    EXPECT_THROW(query.ReadText(7), engine::Error);

    // Nothing found is an open, empty result.
    query.Open(Select(file, R"(Label = "none")"));
    EXPECT_TRUE(query.IsOpen());
    EXPECT_EQ(query.RecordCount(), 0u);
    EXPECT_FALSE(query.First());

    // Without a condition every record is a row.
    query.Open("SELECT * FROM \"" + file + "\"");
    EXPECT_EQ(query.RecordCount(), kRows.size());
}

TEST_F(QueryTest, FailuresLeaveTheQueryClosedWithTheEnginesMessage)
{
    const std::string file = MakeCatalogue("cat.db", kRows);
    engine::Query query;
    query.Open(Select(file, R"(Label LIKE "%")"));
    ASSERT_EQ(query.RecordCount(), kRows.size());

    const std::string prefix = "SELECT * FROM \"" + file + "\" WHERE ";
    try {
        query.Open(prefix + "(Label = \"a\"");
        FAIL() << "no error";
    } catch (const engine::Error &e) {
        EXPECT_EQ(e.code(), engine::ErrSqlSyntax);
        EXPECT_EQ(std::string(e.what()), "Expected \")\" but found end of statement at position " +
                                             std::to_string(prefix.size() + 13) + ".");
    }
    EXPECT_FALSE(query.IsOpen());
    EXPECT_EQ(query.RecordCount(), 0u);
    EXPECT_FALSE(query.First());

    try {
        query.Open(prefix + "Size > 10");
        FAIL() << "no error";
    } catch (const engine::Error &e) {
        EXPECT_EQ(std::string(e.what()),
                  "Unknown field \"Size\" at position " + std::to_string(prefix.size() + 1) + ".");
    }

    const std::string missing = (dir_ / "missing.db").string();
    EXPECT_THROW(query.Open(Select(missing, R"(Label = "a")")), engine::Error);
    EXPECT_FALSE(query.IsOpen());

    // A table someone holds exclusively cannot be searched.
    engine::Table holder;
    holder.Open(file, engine::OpenMode::Exclusive);
    EXPECT_THROW(query.Open(Select(file, R"(Label = "a")")), engine::Error);
}

TEST_F(QueryTest, RowsStayReadableAfterTheFileIsReplacedOrLocked)
{
    const std::string file = MakeCatalogue("cat.db", kRows);
    engine::Query query;
    query.Open(Select(file, R"(ByteSize >= 2048)"));
    ASSERT_EQ(query.RecordCount(), 3u);
    // The query does not keep the file: it can be opened exclusively and replaced.
    {
        engine::Table table;
        EXPECT_NO_THROW(table.Open(file, engine::OpenMode::Exclusive));
    }
    MakeCatalogue("cat.db", {});
    ASSERT_TRUE(query.First());
    engine::Query empty;
    empty.Open(Select(file, R"(ByteSize >= 2048)"));
    EXPECT_EQ(empty.RecordCount(), 0u);
    EXPECT_FALSE(empty.First());
    EXPECT_EQ(query.ReadNumber(5), 700000000.0);
    query.Next();
    query.Next();
    EXPECT_EQ(query.ReadText(1), W("Фото\\лето.jpg"));
}

TEST_F(QueryTest, ManyRowsAcrossBlocksAndChunks)
{
    std::vector<CatalogueRow> rows;
    for (int i = 0; i < 10000; ++i)
        rows.push_back({"D", "f" + std::to_string(i) + (i % 3 == 0 ? ".txt" : ".bin"), "", "", "",
                        double(i), ""});
    const std::string file = MakeCatalogue("big.db", rows);
    engine::Query query;
    query.Open(Select(file, R"(Path LIKE "%.txt" AND ByteSize >= 30)"));
    ASSERT_EQ(query.RecordCount(), 3324u);
    int expected = 30;
    for (bool ok = query.First(); ok; ok = query.Next(), expected += 3)
        ASSERT_EQ(query.ReadNumber(5), expected);
    EXPECT_EQ(expected, 30 + 3 * 3324);
}

TEST_F(QueryTest, FileNamesWithQuotesAndQualifiedFieldNames)
{
    const std::string file = MakeCatalogue("my \"best\" disks.db", kRows);
    std::string doubled;
    for (char c : file)
        doubled += c == '"' ? std::string("\"\"") : std::string(1, c);
    engine::Query query;
    query.Open(Select(doubled, R"(Label = "DISK1")"));
    EXPECT_EQ(query.RecordCount(), 3u);
    // The name as it is, quotes not doubled.
    query.Open(Select(file, R"(Label = "DISK1" AND Path LIKE "%\")"));
    EXPECT_EQ(query.RecordCount(), 1u);
    query.Open(Select(file, R"("cat"."ByteSize" > 1 AND cat.Label = "DISK1")"));
    EXPECT_EQ(query.RecordCount(), 2u);
}

#ifdef QBX_TABLE_TOOL
// Runs qbx-table; gives its exit status, stdout and stderr.
struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun RunTool(const fs::path &dir, const std::string &file, const std::string &condition)
{
    const std::string conditionFile = (dir / "condition.txt").string();
    std::ofstream(conditionFile, std::ios::binary) << condition;
    const std::string outFile = (dir / "out.txt").string(), errFile = (dir / "err.txt").string();
    const std::string command = std::string("'") + QBX_TABLE_TOOL + "' query '" + file +
                                "' \"$(cat '" + conditionFile + "')\" >'" + outFile + "' 2>'" +
                                errFile + "'";
    const int status = std::system(command.c_str());
    auto read = [](const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    };
    return {status, read(outFile), read(errFile)};
}

TEST_F(QueryTest, ToolPrintsTheRowsFoundLikeDump)
{
    const std::string file = MakeCatalogue("cat.db", kRows);
    ToolRun run = RunTool(dir_, file, W(R"(UPPER (Description) LIKE "%АБХАЗ%" OR Path = "Soft\")"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "rec 0: |DISK1 |Soft\\ |NULL |NULL |NULL |0 |NULL\n" +
                  W("rec 1: |Архив |Фото\\лето.jpg |NULL |NULL |NULL |2048 |Отдых в Абхазии\n"));

    run = RunTool(dir_, file, "Label = \"none\"");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");

    run = RunTool(dir_, file, "Label = ");
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Expected a field name, a string or a number but found end of "
                           "statement at position"),
              std::string::npos);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);

    run = RunTool(dir_, (dir_ / "missing.db").string(), "Label = \"a\"");
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

TEST_F(QueryTest, ToolAgreesWithAnIndependentReadingOfARealTable)
{
    const fs::path fixture = fs::path(QBX_FIXTURES_DIR) / "paradox" / "ORDERS.DB";
    if (!fs::exists(fixture))
        QBX_SKIP_WITHOUT_FIXTURES(fixture.string());
    // The records whose Terms are "FOB" and whose Payment Method is "Visa",
    // picked from the independent decoding and numbered from 0.
    std::ifstream in(fixture.string() + ".expected.txt", std::ios::binary);
    std::string line, expected;
    int n = 0;
    while (std::getline(in, line)) {
        if (line.rfind("rec ", 0) != 0 || line.find(" |FOB |Visa |") == std::string::npos)
            continue;
        expected += "rec " + std::to_string(n++) + line.substr(line.find(':')) + "\n";
    }
    ASSERT_GT(n, 3);
    const ToolRun run =
        RunTool(dir_, fixture.string(), R"(o.Terms = "FOB" AND o."Payment Method" = "Visa")");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
}
#endif

} // namespace
} // namespace qbx::test
