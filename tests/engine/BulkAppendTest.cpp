// Bulk appending with the blocks written on a second thread: the file sees
// the same writes in the same order as when one thread wrote them, and a
// failed write stops the append, is thrown as it was raised, leaves a file
// that counts only what it holds and no thread behind.

#include "EngineTestSupport.h"
#include "support/FaultyFileSystem.h"

#include "engine/Error.h"
#include "engine/Table.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;
using Call = qbx::test::FaultyFileSystem::Call;

namespace {

constexpr uint32_t kBlock = 2048; // the test tables' block: 4 catalogue records
constexpr uint32_t kPerBlock = 4;

void AppendOne(Table &t, int i)
{
    const std::string path = "\xcf\xe0\xef\xea\xe0\\file" + std::to_string(i) + ".txt";
    const Value values[] = {Value::Text("DISC"),    Value::Text(path),  Value::Null(),
                            Value::Text("Product"), Value::Text("1.0"), Value::Number(double(i)),
                            Value::Text("desc")};
    t.Append(values);
}

// Threads of this process: a writer that was not ended shows here.
size_t ThreadCount()
{
    return size_t(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                                std::filesystem::directory_iterator()));
}

// The table holds records 0..count-1 in order, and counts exactly them.
void ExpectNumbered(const std::string &path, uint32_t count)
{
    Table t;
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), count);
    uint32_t i = 0;
    for (bool ok = t.First(); ok; ok = t.Next(), ++i)
        if (t.ReadNumber(5) != double(i))
            break;
    EXPECT_EQ(i, count);
}

// A file system that notes every write (offset and size) and offers no
// mapping, so the counters and links are writes too.
class WriteLog final : public FileSystem {
public:
    struct Write {
        uint64_t offset;
        size_t size;
        bool operator==(const Write &) const = default;
    };

    std::unique_ptr<File> Open(const std::string &path, bool writable, FileLock lock) override
    {
        return std::make_unique<Logged>(SystemFileSystem().Open(path, writable, lock), *this);
    }
    std::unique_ptr<File> CreateNew(const std::string &path, std::optional<unsigned> mode) override
    {
        return SystemFileSystem().CreateNew(path, mode);
    }
    void Rename(const std::string &from, const std::string &to) override
    {
        SystemFileSystem().Rename(from, to);
    }
    void Remove(const std::string &path) override { SystemFileSystem().Remove(path); }
    void FlushFolder(const std::string &folder) override { SystemFileSystem().FlushFolder(folder); }
    std::optional<unsigned> Mode(const std::string &path) override
    {
        return SystemFileSystem().Mode(path);
    }

    std::vector<Write> writes;
    // How long each write of a whole block takes: a slow disk.
    std::chrono::microseconds blockDelay{0};

private:
    class Logged final : public File {
    public:
        Logged(std::unique_ptr<File> file, WriteLog &fs) : file_(std::move(file)), fs_(fs) {}
        const std::string &Path() const override { return file_->Path(); }
        bool Writable() const override { return file_->Writable(); }
        uint64_t Size() const override { return file_->Size(); }
        size_t ReadAt(uint64_t offset, void *buffer, size_t size) const override
        {
            return file_->ReadAt(offset, buffer, size);
        }
        void WriteAt(uint64_t offset, const void *buffer, size_t size) override
        {
            fs_.writes.push_back({offset, size});
            if (size == kBlock)
                std::this_thread::sleep_for(fs_.blockDelay);
            file_->WriteAt(offset, buffer, size);
        }
        void Truncate(uint64_t size) override { file_->Truncate(size); }
        void Flush() override { file_->Flush(); }
        int MapDescriptor() const override { return -1; }

    private:
        std::unique_ptr<File> file_;
        WriteLog &fs_;
    };
};

// The writes of a bulk append of `blocks` blocks, in the order they must come.
void ExpectWritesInOrder(const std::vector<WriteLog::Write> &writes, uint64_t headerSize,
                         uint32_t blocks)
{
    std::vector<WriteLog::Write> expected{{0x60, 4}}; // the time of the change
    for (uint32_t n = 1; n <= blocks; ++n) {
        const uint64_t at = headerSize + uint64_t(n - 1) * kBlock;
        expected.push_back({at, kBlock});
        for (uint64_t counter : {0x0C, 0x3A, 0x0A, 0x10, 0x0E})
            expected.push_back({counter, 2});
        if (n > 1)
            expected.push_back({at - kBlock, 2});
        expected.push_back({0x06, 4});
    }
    ASSERT_EQ(writes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(writes[i].offset, expected[i].offset) << "write " << i;
        EXPECT_EQ(writes[i].size, expected[i].size) << "write " << i;
    }
}

} // namespace

TEST(BulkAppend, WritesEachBlockThenTheCountersThatTakeItIn)
{
    // Every block is one write, followed by the header's block counters, the
    // previous block's link to it and the record count, before the next
    // block: a table cut off anywhere counts only blocks it holds. The same
    // whether the disk keeps up with the records (the writer waits for
    // blocks) or not (the append waits for buffers).
    for (const auto delay : {std::chrono::microseconds(0), std::chrono::microseconds(300)}) {
        SCOPED_TRACE(delay.count());
        test::TempFolder dir;
        const std::string path = dir.File("order.db");
        Table::Create(path, test::CatalogueFieldDefs());
        WriteLog fs;
        fs.blockDelay = delay;
        Table t;
        t.Open(path, OpenMode::Exclusive, fs);
        t.StartBulkAppend();
        constexpr uint32_t kBlocks = 60;
        for (uint32_t i = 0; i < kBlocks * kPerBlock - 1; ++i) { // the last block one short
            AppendOne(t, int(i));
            if (delay.count() == 0 && i % 7 == 0)
                std::this_thread::sleep_for(std::chrono::microseconds(50)); // slow records
        }
        t.Flush();
        const uint64_t headerSize = t.Header().headerSize;
        t.Close();
        ExpectWritesInOrder(fs.writes, headerSize, kBlocks);
        ExpectNumbered(path, kBlocks * kPerBlock - 1);
    }
}

TEST(BulkAppend, WriteFailureMidwayStopsTheAppendAndKeepsTheBlocksBeforeIt)
{
    test::TempFolder dir;
    const std::string path = dir.File("failed.db");
    Table::Create(path, test::CatalogueFieldDefs());
    test::FaultyFileSystem fs;
    const size_t threads = ThreadCount();
    Table t;
    t.Open(path, OpenMode::Exclusive, fs);
    t.StartBulkAppend();
    // Writes per block: the block, five counters, the link (not for the
    // first), the record count. The 40th is block 6 itself.
    fs.FailCall(Call::WriteAt, 7 + 4 * 8 + 1);
    constexpr int kRecords = 400;
    int failedAt = -1;
    std::string message;
    for (int i = 0; i < kRecords && failedAt < 0; ++i) {
        try {
            AppendOne(t, i);
        } catch (const Error &e) {
            failedAt = i;
            message = e.what();
            EXPECT_EQ(e.code(), ErrIo);
        }
    }
    // The append learns of the failure a few blocks later at most (the
    // writer's buffers), not at the end.
    ASSERT_GE(failedAt, 0) << "the failed write was not reported by Append";
    EXPECT_LT(failedAt, 20 * int(kPerBlock));
    EXPECT_EQ(message,
              "Injected failure of write: " + std::string(std::strerror(EIO)) + ". File: " + path);
    EXPECT_EQ(ThreadCount(), threads) << "the writer thread is still running";
    EXPECT_EQ(t.RecordCount(), 5 * kPerBlock);

    // The append has failed for good: what follows would leave a gap.
    EXPECT_THROW(AppendOne(t, failedAt), Error);
    try {
        t.Flush();
        FAIL() << "a flush after the failure succeeded";
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
    EXPECT_EQ(t.RecordCount(), 5 * kPerBlock);
    t.Close();
    EXPECT_EQ(ThreadCount(), threads);
    ExpectNumbered(path, 5 * kPerBlock);
}

TEST(BulkAppend, FailureOfTheLastBlockIsThrownByFlush)
{
    // The last block is written by the flush, after the writer wrote the
    // others: partial, or full with no record after it.
    for (const uint32_t count : {10 * kPerBlock + 2, 10 * kPerBlock}) {
        SCOPED_TRACE(count);
        test::TempFolder dir;
        const std::string path = dir.File("last.db");
        Table::Create(path, test::CatalogueFieldDefs());
        test::FaultyFileSystem fs;
        const size_t threads = ThreadCount();
        Table t;
        t.Open(path, OpenMode::Exclusive, fs);
        t.StartBulkAppend();
        const uint32_t blocks = (count + kPerBlock - 1) / kPerBlock;
        fs.FailWritesAfter(uint64_t(blocks - 1) * kBlock); // room for all but the last
        for (uint32_t i = 0; i < count; ++i)
            AppendOne(t, int(i));
        try {
            t.Flush();
            FAIL() << "the last block did not fit, yet the flush succeeded";
        } catch (const Error &e) {
            EXPECT_EQ(e.code(), ErrDiskFull);
        }
        EXPECT_EQ(ThreadCount(), threads);
        EXPECT_EQ(t.RecordCount(), (blocks - 1) * kPerBlock);
        t.Close();
        ExpectNumbered(path, (blocks - 1) * kPerBlock);
    }
}

TEST(BulkAppend, BlockLimitStopsTheAppendAtTheBlockPastIt)
{
    // Known without waiting for the writer, as when one thread wrote: the
    // record that finds a full sixth block to hand over fails.
    test::TempFolder dir;
    const std::string path = dir.File("limit.db");
    Table::Create(path, test::CatalogueFieldDefs());
    Table t;
    t.Open(path, OpenMode::Exclusive);
    t.SetBlockLimit(5);
    t.StartBulkAppend();
    for (uint32_t i = 0; i < 6 * kPerBlock; ++i)
        AppendOne(t, int(i));
    try {
        AppendOne(t, int(6 * kPerBlock));
        FAIL() << "appended past the block limit";
    } catch (const Error &e) {
        EXPECT_EQ(e.code(), ErrTableFull);
        EXPECT_EQ(std::string(e.what()), "Table is full.");
    }
    // The five blocks were written; the sixth block's records are not counted.
    EXPECT_EQ(t.RecordCount(), 5 * kPerBlock);
    t.Close();
    ExpectNumbered(path, 5 * kPerBlock);
}

TEST(BulkAppend, MovedTableGoesOnWritingWhereItWas)
{
    test::TempFolder dir;
    const std::string path = dir.File("moved.db");
    Table::Create(path, test::CatalogueFieldDefs());
    Table a;
    a.Open(path, OpenMode::Exclusive);
    a.StartBulkAppend();
    for (int i = 0; i < 50; ++i)
        AppendOne(a, i);
    Table b = std::move(a);
    for (int i = 50; i < 103; ++i)
        AppendOne(b, i);
    b.Flush();
    EXPECT_EQ(b.RecordCount(), 103u);
    b.Close();
    ExpectNumbered(path, 103);
}
