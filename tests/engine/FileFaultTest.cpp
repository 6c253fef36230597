// Writes that fail halfway (a full disk, an I/O error, a refused rename)
// never cost the table that was there before, and what is written reaches
// the disk before it replaces anything.

#include "EngineTestSupport.h"
#include "support/FaultyFileSystem.h"

#include "engine/Error.h"
#include "engine/Restructure.h"
#include "engine/Table.h"
#include "support/Fixtures.h"

#include <filesystem>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;
using test::FaultyFileSystem;
using Call = FaultyFileSystem::Call;

namespace {

void AppendRecords(Table &t, int count, int from = 0)
{
    for (int i = from; i < from + count; ++i) {
        const std::string path = "folder\\file" + std::to_string(i);
        const Value v[] = {Value::Text("DISC"), Value::Text(path), Value::Null(), Value::Null(),
                           Value::Null(),       Value::Number(i),  Value::Null()};
        t.Append(v);
    }
}

std::string MakeTable(const test::TempFolder &dir, const std::string &name, int records,
                      bool integerSize = false)
{
    const std::string path = dir.File(name);
    Table::Create(path, test::CatalogueFieldDefs(integerSize));
    Table t;
    t.Open(path, OpenMode::Exclusive);
    AppendRecords(t, records);
    t.Close();
    return path;
}

std::vector<std::string> FolderEntries(const test::TempFolder &dir)
{
    std::vector<std::string> names;
    for (const auto &e : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

int FailureCode(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Error &e) {
        return e.code();
    }
    return 0;
}

TEST(FileFaults, AppendThatRunsOutOfSpaceKeepsAReadableTableWithTheOldRecords)
{
    test::TempFolder dir;
    const std::string path = MakeTable(dir, "t.db", 10); // 2 KiB blocks, 4 records each
    // The disk fills at byte offsets of the next blocks, or any one of the
    // writes of an append (record, block count, header count, new block,
    // link) fails.
    struct Fault {
        uint64_t budget;
        int nthWrite;
    };
    std::vector<Fault> faults;
    for (uint64_t budget : {0, 1, 6, 2047, 2048, 2049, 4096, 9000})
        faults.push_back({budget, 0});
    for (int nth = 1; nth <= 24; ++nth)
        faults.push_back({0, nth});
    for (const Fault f : faults) {
        SCOPED_TRACE(std::to_string(f.budget) + "/" + std::to_string(f.nthWrite));
        FaultyFileSystem fs;
        Table t;
        t.Open(path, OpenMode::Exclusive, fs);
        if (f.nthWrite)
            fs.FailCall(Call::WriteAt, f.nthWrite);
        else
            fs.FailWritesAfter(f.budget);
        EXPECT_EQ(FailureCode([&] { AppendRecords(t, 40, 10); }), f.nthWrite ? ErrIo : ErrDiskFull);
        t.Close();
        // Whatever was posted before the failure stays, and the table opens.
        Table back;
        back.Open(path);
        ASSERT_GE(back.RecordCount(), 10u);
        int i = 0;
        for (bool ok = back.First(); ok && i < 10; ok = back.Next(), ++i)
            EXPECT_EQ(back.ReadNumber(5), i);
        EXPECT_EQ(i, 10);
    }
}

TEST(FileFaults, ClosingAfterAppendFlushesAndAFailedFlushIsReported)
{
    test::TempFolder dir;
    const std::string path = MakeTable(dir, "t.db", 1);
    for (bool mapped : {false, true}) {
        SCOPED_TRACE(mapped);
        FaultyFileSystem fs;
        fs.AllowMapping(mapped);
        Table t;
        t.Open(path, OpenMode::Exclusive, fs);
        AppendRecords(t, 5);
        EXPECT_EQ(fs.Find("flush"), -1);
        t.Close();
        EXPECT_EQ(fs.Log(), std::vector<std::string>{"flush " + path});
    }
    FaultyFileSystem fs;
    Table t;
    t.Open(path, OpenMode::Exclusive, fs);
    AppendRecords(t, 1);
    fs.FailCall(Call::Flush);
    EXPECT_EQ(FailureCode([&] { t.Flush(); }), ErrIo);
    // Reading only never flushes.
    FaultyFileSystem reader;
    t.Open(path, OpenMode::Exclusive, reader);
    t.First();
    t.Close();
    EXPECT_TRUE(reader.Log().empty());
}

TEST(FileFaults, CreateReplacesAnOldFileOnlyByARenameAfterTheFlush)
{
    test::TempFolder dir;
    const std::string path = MakeTable(dir, "t.db", 30);
    ::chmod(path.c_str(), 0640);
    const std::string old = test::ReadBytes(path);
    struct Case {
        FaultyFileSystem::Call call;
        int err;
    };
    for (const Case c : {Case{Call::CreateNew, EACCES}, Case{Call::WriteAt, ENOSPC},
                         Case{Call::Flush, EIO}, Case{Call::Rename, EPERM}}) {
        SCOPED_TRACE(int(c.call));
        FaultyFileSystem fs;
        fs.FailCall(c.call, 1, c.err);
        EXPECT_NE(FailureCode([&] { Table::Create(path, test::CatalogueFieldDefs(), {}, fs); }), 0);
        EXPECT_EQ(test::ReadBytes(path), old);
        EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"t.db"}); // no leftover
    }
    FaultyFileSystem full;
    full.FailWritesAfter(100);
    EXPECT_EQ(FailureCode([&] { Table::Create(path, test::CatalogueFieldDefs(), {}, full); }),
              ErrDiskFull);
    EXPECT_EQ(test::ReadBytes(path), old);

    FaultyFileSystem fs;
    Table::Create(path, test::CatalogueFieldDefs(), {}, fs);
    const int flush = fs.Find("flush " + dir.Path() + "/.t.db.");
    const int rename = fs.Find("rename " + dir.Path() + "/.t.db.");
    const int folder = fs.Find("flush-folder " + dir.Path());
    ASSERT_GE(flush, 0);
    EXPECT_LT(flush, rename);
    EXPECT_LT(rename, folder);
    Table t;
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 0u);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u); // the replacement keeps the permissions
    // The header names the table after its file, not after the temporary name.
    EXPECT_NE(test::ReadBytes(path).find(std::string("t.db\0", 5)), std::string::npos);
}

TEST(FileFaults, CreateRefusesAReadOnlyOrBusyFileAndLeavesIt)
{
    test::TempFolder dir;
    const std::string path = MakeTable(dir, "t.db", 3);
    const std::string old = test::ReadBytes(path);
    ::chmod(path.c_str(), 0444);
    if (::access(path.c_str(), W_OK) != 0) { // root may write anyway
        EXPECT_EQ(FailureCode([&] { Table::Create(path, test::CatalogueFieldDefs()); }),
                  ErrAccessDenied);
        EXPECT_EQ(test::ReadBytes(path), old);
    }
    ::chmod(path.c_str(), 0644);
    Table busy;
    busy.Open(path, OpenMode::Shared);
    EXPECT_EQ(FailureCode([&] { Table::Create(path, test::CatalogueFieldDefs()); }), ErrLocked);
    EXPECT_EQ(test::ReadBytes(path), old);
}

TEST(FileFaults, RestructureThatFailsAnywhereLeavesTheOldTable)
{
    test::TempFolder dir;
    const std::string path = MakeTable(dir, "old.db", 100, true);
    ::chmod(path.c_str(), 0600);
    const std::string old = test::ReadBytes(path);
    for (auto call : {Call::CreateNew, Call::WriteAt, Call::Flush, Call::Rename}) {
        for (int nth : {1, 2, 5}) {
            SCOPED_TRACE(std::to_string(int(call)) + "/" + std::to_string(nth));
            FaultyFileSystem fs;
            fs.FailCall(call, nth);
            try {
                RestructureTable(path, test::CatalogueFieldDefs(false), fs);
                // A later call than there are calls of that kind: it went through.
                EXPECT_NE(test::ReadBytes(path), old);
                test::WriteBytes(path, old);
            } catch (const Error &) {
                EXPECT_EQ(test::ReadBytes(path), old);
            }
            EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"old.db"});
        }
    }
    for (uint64_t budget : {0, 500, 5000, 40000}) {
        FaultyFileSystem fs;
        fs.FailWritesAfter(budget);
        EXPECT_EQ(FailureCode([&] { RestructureTable(path, test::CatalogueFieldDefs(false), fs); }),
                  ErrDiskFull);
        EXPECT_EQ(test::ReadBytes(path), old);
        EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"old.db"});
    }

    FaultyFileSystem fs;
    RestructureTable(path, test::CatalogueFieldDefs(false), fs);
    // The last flush of the new file comes before it takes the old name.
    int lastFlush = -1;
    for (size_t i = 0; i < fs.Log().size(); ++i)
        if (fs.Log()[i].starts_with("flush " + dir.Path() + "/.old.db."))
            lastFlush = int(i);
    const int rename = fs.Find("rename " + dir.Path() + "/.old.db.");
    ASSERT_GE(rename, 0);
    EXPECT_TRUE(fs.Log()[size_t(rename)].ends_with(" " + path));
    EXPECT_LT(lastFlush, rename);
    ASSERT_GE(lastFlush, 0);
    EXPECT_EQ(fs.Log().back(), "flush-folder " + dir.Path());
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    Table t;
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 100u);
    EXPECT_EQ(t.Fields()[5].type, FtNumber);
    EXPECT_NE(test::ReadBytes(path).find(std::string("old.db\0", 7)), std::string::npos);
}

// The end of the last record that the block chain of `bytes` claims.
uint64_t UsedEnd(const std::string &bytes)
{
    const auto *b = reinterpret_cast<const uint8_t *>(bytes.data());
    const uint32_t recordSize = GetU16(b), headerSize = GetU16(b + 2);
    const uint32_t blockSize = uint32_t(b[5]) * 1024;
    uint64_t end = 0;
    for (uint32_t n = GetU16(b + 0x0E), steps = 0; n != 0 && steps < 1000; ++steps) {
        const uint64_t at = headerSize + uint64_t(n - 1) * blockSize;
        const int last = int16_t(GetU16(b + at + 4));
        end = std::max(end, at + 6 + (last >= 0 ? uint64_t(last) + recordSize : 0));
        n = GetU16(b + at);
    }
    return end;
}

TEST(FileFaults, ATableCutShortAfterItsLastRecordReadsFullyAndGrowsBack)
{
    if (test::FixturePath("AREACODE.DB").empty())
        QBX_SKIP_WITHOUT_FIXTURES("AREACODE.DB");
    test::TempFolder dir;
    int cut = 0;
    for (const char *name : {"AREACODE.DB", "ORDERS.DB", "DECIMAL.DB", "long.db"}) {
        SCOPED_TRACE(name);
        const std::string original = test::FixturePath(name);
        const std::string bytes = test::ReadBytes(original);
        const uint64_t used = UsedEnd(bytes);
        if (used + 300 >= bytes.size())
            continue; // the last block is nearly full: nothing to cut
        ++cut;
        const std::string path = dir.File(name);
        test::WriteBytes(path, bytes.substr(0, used + 300));
        EXPECT_EQ(test::EngineDump(path), test::EngineDump(original));
        // A cut inside the last record is refused.
        const std::string damaged = dir.File(std::string("cut-") + name);
        test::WriteBytes(damaged, bytes.substr(0, used - 1));
        try {
            test::EngineDump(damaged);
            ADD_FAILURE() << "a table missing part of a record was read";
        } catch (const Error &e) {
            EXPECT_EQ(e.code(), ErrCorrupt);
            EXPECT_NE(std::string(e.what()).find("the file is shorter than its blocks"),
                      std::string::npos);
        }
    }
    ASSERT_GT(cut, 0);

    // Appending to a cut table gives it its full blocks back first.
    const std::string path = dir.File("grow.db");
    Table::Create(path, test::CatalogueFieldDefs());
    Table t;
    t.Open(path, OpenMode::Exclusive);
    AppendRecords(t, 2);
    t.Close();
    std::string bytes = test::ReadBytes(path);
    test::WriteBytes(path, bytes.substr(0, UsedEnd(bytes) + 10));
    t.Open(path, OpenMode::Exclusive);
    AppendRecords(t, 7, 2);
    t.Close();
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 9u);
    EXPECT_EQ(std::filesystem::file_size(path), 0x800u + 3 * 2048u);
    int i = 0;
    for (bool ok = t.First(); ok; ok = t.Next(), ++i)
        EXPECT_EQ(t.ReadNumber(5), i);
}

} // namespace
