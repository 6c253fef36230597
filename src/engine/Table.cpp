#include "engine/Table.h"

#include "engine/Engine.h"
#include "engine/Error.h"
#include "engine/LanguageDriver.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <functional>
#include <optional>
#include <utility>

#include <sys/mman.h>

namespace qbx::engine {

Table::Table(Table &&other) noexcept
{
    *this = std::move(other);
}

Table &Table::operator=(Table &&other) noexcept
{
    if (this != &other) {
        Close();
        // The writer writes for `other`: it finishes first, and writes for
        // this table from here on.
        if (other.writer_ && !other.writer_->FinishQuietly())
            other.FailBulk(nullptr);
        file_ = std::move(other.file_);
        header_ = std::move(other.header_);
        layout_ = std::move(other.layout_);
        blocks_ = std::move(other.blocks_);
        buffer_ = std::move(other.buffer_);
        newRecord_ = std::move(other.newRecord_);
        blockIndex_ = other.blockIndex_;
        recordIndex_ = other.recordIndex_;
        record_ = std::exchange(other.record_, nullptr);
        onRecord_ = std::exchange(other.onRecord_, false);
        blockLimit_ = other.blockLimit_;
        map_ = std::exchange(other.map_, nullptr);
        mapSize_ = std::exchange(other.mapSize_, 0);
        readMap_ = std::exchange(other.readMap_, nullptr);
        readMapSize_ = std::exchange(other.readMapSize_, 0);
        writing_ = std::exchange(other.writing_, false);
        bulk_ = std::exchange(other.bulk_, false);
        writer_ = std::move(other.writer_);
        if (writer_)
            writer_->Rebind(BulkWriteFunction());
        pending_ = std::exchange(other.pending_, nullptr);
        pendingCount_ = std::exchange(other.pendingCount_, 0);
        bulkBlocks_ = other.bulkBlocks_;
        writtenRecords_ = other.writtenRecords_;
        bulkError_ = std::exchange(other.bulkError_, nullptr);
        writebackFrom_ = other.writebackFrom_;
    }
    return *this;
}

void Table::Open(const std::string &path, OpenMode mode, FileSystem &fs)
{
    Close();
    const bool exclusive = mode == OpenMode::Exclusive;
    file_.Open(fs, path, exclusive,
               exclusive ? TableFile::Lock::Exclusive : TableFile::Lock::Shared);
    try {
        const uint64_t fileSize = file_.Size();
        uint8_t fixed[kFixedHeaderSize];
        if (fileSize < kFixedHeaderSize)
            throw Error(ErrCorrupt, "Corrupt table header: the file is shorter than a table "
                                    "header. Table: " +
                                        path);
        file_.ReadAt(0, fixed, sizeof fixed);
        const uint32_t headerSize = RecordedHeaderSize(fixed, sizeof fixed);
        std::vector<uint8_t> raw(
            std::max<uint64_t>(kFixedHeaderSize, std::min<uint64_t>(headerSize, fileSize)));
        file_.ReadAt(0, raw.data(), raw.size());
        header_ = ParseTableHeader(raw.data(), raw.size(), fileSize, path);
        layout_ = LayoutOf(header_.fields);
        WalkBlocks(fileSize);
        buffer_.assign(header_.BlockSize(), 0);
        newRecord_.assign(header_.recordSize, 0);
    } catch (...) {
        Close();
        throw;
    }
}

// Follows the chain from the first block, at most fileBlocks steps, and
// checks every link and per-block count before any record is read. A block
// may pass the end of the file (a copy cut at its used length) as long as
// the records it claims lie inside.
void Table::WalkBlocks(uint64_t fileSize)
{
    blocks_.clear();
    const uint32_t perBlock = header_.RecordsPerBlock();
    uint64_t total = 0;
    uint32_t number = header_.firstBlock;
    auto corrupt = [this](const std::string &what) {
        throw Error(ErrCorrupt, "Corrupt table: " + what + ". Table: " + Path());
    };
    while (number != 0) {
        if (number > header_.fileBlocks)
            corrupt("block link out of range");
        if (blocks_.size() >= header_.fileBlocks)
            corrupt("the block chain loops");
        if (BlockOffset(number) + 6 > fileSize)
            corrupt("the file is shorter than its blocks");
        uint8_t bh[6];
        file_.ReadAt(BlockOffset(number), bh, sizeof bh);
        const int lastOffset = int16_t(GetU16(bh + 4));
        uint32_t count = 0;
        if (lastOffset >= 0) {
            if (lastOffset % header_.recordSize != 0)
                corrupt("bad record offset in block " + std::to_string(number));
            count = uint32_t(lastOffset) / header_.recordSize + 1;
            if (count > perBlock)
                corrupt("too many records in block " + std::to_string(number));
            if (BlockOffset(number) + 6 + uint64_t(count) * header_.recordSize > fileSize)
                corrupt("the file is shorter than its blocks");
        }
        blocks_.push_back({uint16_t(number), uint16_t(count)});
        total += count;
        number = GetU16(bh);
    }
    if (total != header_.numRecords)
        corrupt("the record count differs from the blocks");
}

void Table::Flush()
{
    if (!writing_)
        return;
    if (bulk_) {
        if (bulkError_)
            std::rethrow_exception(bulkError_);
        try {
            SettleBulk();
            WritePending();
        } catch (...) {
            std::rethrow_exception(FailBulk(std::current_exception()));
        }
    }
    // One sync for both kinds of writes: the pages changed through the
    // shared mapping are the file's own cached pages, which the file's
    // flush (fsync) writes and whose write errors it reports.
    file_.Flush();
}

void Table::Close() noexcept
{
    try {
        Flush();
    } catch (const Error &) {
        // Close always succeeds; a caller that must know calls Flush first.
    }
    writer_.reset(); // its thread has ended: Flush waited for it, or it failed
    Unmap();
    file_.Close();
    blocks_.clear();
    onRecord_ = false;
    record_ = nullptr;
    writing_ = false;
    bulk_ = false;
    pending_ = nullptr;
    pendingCount_ = 0;
    bulkError_ = nullptr;
    blockLimit_ = kMaxBlocks;
}

void Table::Unmap() noexcept
{
    if (map_)
        ::munmap(map_, mapSize_);
    map_ = nullptr;
    mapSize_ = 0;
    if (readMap_)
        ::munmap(const_cast<uint8_t *>(readMap_), readMapSize_);
    readMap_ = nullptr;
    readMapSize_ = 0;
}

std::string Table::LanguageDriverName() const
{
    if (header_.versionId >= 5)
        return header_.driverId;
    return DriverNameOfSortByte(header_.sortByte);
}

// Bytes of finished blocks a bulk append collects before it hands them to the
// disk.
constexpr uint64_t kWritebackBytes = uint64_t(8) << 20;

uint64_t Table::BlockOffset(uint32_t number) const
{
    return header_.headerSize + uint64_t(number - 1) * header_.BlockSize();
}

bool Table::LoadBlock(size_t index)
{
    while (index < blocks_.size() && blocks_[index].count == 0)
        ++index;
    blockIndex_ = index;
    recordIndex_ = 0;
    onRecord_ = index < blocks_.size();
    if (!onRecord_) {
        record_ = nullptr;
        return false;
    }
    const BlockRef &b = blocks_[index];
    file_.ReadAt(BlockOffset(b.number), buffer_.data(), 6 + size_t(b.count) * header_.recordSize);
    record_ = buffer_.data() + 6;
    return true;
}

bool Table::First()
{
    if (!IsOpen())
        throw Error(ErrInvalidParameter, "Table is not open.");
    // The cursor reads the chain: the blocks handed to the writer first
    // become part of it (or the append fails).
    if (bulk_ && !bulkError_) {
        try {
            SettleBulk();
        } catch (...) {
            std::rethrow_exception(FailBulk(std::current_exception()));
        }
    }
    return LoadBlock(0);
}

bool Table::Next()
{
    if (!onRecord_)
        return false;
    if (++recordIndex_ < blocks_[blockIndex_].count) {
        record_ += header_.recordSize;
        return true;
    }
    return LoadBlock(blockIndex_ + 1);
}

const FieldDef &Table::CheckedField(size_t field) const
{
    if (!onRecord_)
        throw Error(ErrInvalidParameter, "No current record.");
    if (field >= header_.fields.size())
        throw Error(ErrInvalidParameter, "Invalid field number " + std::to_string(field) + ".");
    return header_.fields[field];
}

std::string_view Table::ReadText(size_t field) const
{
    const FieldDef &f = CheckedField(field);
    if (f.type != FtAlpha)
        throw Error(ErrInvalidParameter, "Field is not a text field: " + f.name);
    return AlphaValue(record_ + layout_[field].offset, f.size);
}

double Table::ReadNumber(size_t field) const
{
    const FieldDef &f = CheckedField(field);
    double v = 0;
    if (f.Kind() != FieldKind::Float && f.Kind() != FieldKind::Integer)
        throw Error(ErrInvalidParameter, "Field is not a number field: " + f.name);
    return NumericValue(record_, layout_[field], v) ? v : 0.0;
}

bool Table::IsNull(size_t field) const
{
    const FieldDef &f = CheckedField(field);
    return IsNullValue(record_ + layout_[field].offset, f.size);
}

void Table::SetBlockLimit(uint32_t blocks)
{
    blockLimit_ = std::min(blocks, kMaxBlocks);
}

void Table::Append(std::span<const Value> values)
{
    if (!IsOpen())
        throw Error(ErrInvalidParameter, "Table is not open.");
    if (values.size() != header_.fields.size())
        throw Error(ErrInvalidParameter, "Wrong number of field values.");
    if (bulk_) {
        // Encoded in place, in the block that goes to the file.
        onRecord_ = false;
        record_ = nullptr;
        uint8_t *slot = BulkSlot();
        EncodeRecord(header_.fields, layout_, values, slot);
        ++pendingCount_;
        ++header_.numRecords;
        return;
    }
    uint8_t *rec = newRecord_.data();
    EncodeRecord(header_.fields, layout_, values, rec);
    AppendRaw(rec);
}

uint8_t *Table::BulkRecord()
{
    if (!bulk_)
        throw Error(ErrInvalidParameter, "Table is not in a bulk append.");
    onRecord_ = false;
    record_ = nullptr;
    uint8_t *slot = BulkSlot();
    ++pendingCount_;
    ++header_.numRecords;
    return slot;
}

void Table::StartWriting()
{
    if (!file_.Writable())
        throw Error(ErrAccessDenied, "Table is open read only. Table: " + Path());
    // A keyed table keeps its records in key order with a primary index
    // beside it; appending at the end would break both.
    if (header_.fileType != 2)
        throw Error(ErrInvalidParameter, "Cannot append to a keyed table. Table: " + Path());
    // Reserve address space for the largest file the table may grow to;
    // only the pages the file covers are ever touched.
    // A file cut short inside its last block gets its full length back
    // first: records land in that block, and a mapping must not touch pages
    // past the end of the file.
    const uint64_t blocksEnd = BlockOffset(header_.fileBlocks + 1);
    if (file_.Size() < blocksEnd)
        file_.Resize(blocksEnd);
    const size_t size = header_.headerSize + size_t(kMaxBlocks) * header_.BlockSize();
    const int fd = file_.MapDescriptor();
    void *p =
        fd < 0 ? MAP_FAILED : ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (p != MAP_FAILED) {
        map_ = static_cast<uint8_t *>(p);
        mapSize_ = size;
    } // else every write goes through pwrite
    writing_ = true;
    if (header_.versionId >= 5) {
        uint8_t t[4];
        PutU32(t, uint32_t(std::time(nullptr)));
        Put(HoUpdateTime, t, 4);
    }
}

void Table::Put(uint64_t offset, const void *data, size_t size)
{
    if (map_)
        std::memcpy(map_ + offset, data, size);
    else
        file_.WriteAt(offset, data, size);
}

void Table::PutWord(uint64_t offset, uint16_t value)
{
    uint8_t b[2];
    PutU16(b, value);
    Put(offset, b, 2);
}

void Table::PutBlockCounters(const TableHeader &h)
{
    PutWord(HoFileBlocks, h.fileBlocks);
    PutWord(HoMaxBlocks, h.fileBlocks);
    PutWord(HoNextBlock, h.nextBlock);
    PutWord(HoLastBlock, h.lastBlock);
    PutWord(HoFirstBlock, h.firstBlock);
}

void Table::AddBlock()
{
    std::memset(buffer_.data(), 0, buffer_.size());
    AddBlock(buffer_.data(), 0);
}

void Table::AddBlock(uint8_t *block, uint16_t count)
{
    if (header_.fileBlocks >= blockLimit_)
        throw Error(ErrTableFull, "Table is full.");
    const uint16_t number = uint16_t(header_.fileBlocks + 1);
    const uint16_t prev = blocks_.empty() ? 0 : blocks_.back().number;
    // The new block goes to the file whole (its records, zeros after them)
    // with one write, which also extends the file; records appended one by
    // one then land in pages that are already in the page cache.
    PutU16(block, 0);
    PutU16(block + 2, prev);
    PutU16(block + 4, uint16_t((int(count) - 1) * int(header_.recordSize)));
    file_.WriteAt(BlockOffset(number), block, header_.BlockSize());
    // The header counts the block before the chain links to it: cut off in
    // between, the table has an unused block, never a link past its blocks.
    // (Only the block counters are kept and restored: on the writer thread
    // of a bulk append the record count is the calling thread's.)
    const uint16_t before[] = {header_.fileBlocks, header_.nextBlock, header_.lastBlock,
                               header_.firstBlock};
    header_.fileBlocks = number;
    header_.nextBlock = uint16_t(header_.nextBlock + 1);
    header_.lastBlock = number;
    if (header_.firstBlock == 0)
        header_.firstBlock = number;
    try {
        PutBlockCounters(header_);
        if (prev != 0)
            PutWord(BlockOffset(prev), number);
    } catch (const Error &) {
        header_.fileBlocks = before[0];
        header_.nextBlock = before[1];
        header_.lastBlock = before[2];
        header_.firstBlock = before[3];
        Restore([&] {
            if (prev != 0)
                PutWord(BlockOffset(prev), 0);
            PutBlockCounters(header_);
        });
        throw;
    }
    blocks_.push_back({number, count});
}

// Buffers of the bulk append's ring: the block filling, the one being
// written and several ready in between. Each side sleeps until half of them
// is ready for it, so the threads wake each other every few blocks only.
constexpr size_t kBulkBuffers = 8;

BlockWriter::WriteBlock Table::BulkWriteFunction()
{
    return [this](uint8_t *block, uint16_t count) { WriteBulkBlock(block, count); };
}

void Table::StartBulkAppend()
{
    if (!writing_)
        StartWriting();
    if (bulk_)
        return; // the records collected so far stay
    // The records collect in the block as it will be written: header room
    // first, so that a full block goes to the file without another copy.
    writer_ = std::make_unique<BlockWriter>(header_.BlockSize(), kBulkBuffers, BulkWriteFunction());
    pending_ = writer_->Buffer();
    pendingCount_ = 0;
    bulkBlocks_ = header_.fileBlocks;
    writtenRecords_ = header_.numRecords;
    bulkError_ = nullptr;
    writebackFrom_ = BlockOffset(uint16_t(header_.fileBlocks + 1));
    bulk_ = true;
}

void Table::WriteBulkBlock(uint8_t *block, uint16_t count)
{
    AddBlock(block, count);
    // The file never counts a record it does not hold.
    writtenRecords_ += count;
    uint8_t n[4];
    PutU32(n, writtenRecords_);
    Put(HoNumRecords, n, 4);
    // A large save hands its blocks to the disk while it goes on encoding,
    // instead of leaving all of them to the flush at the end. The newest
    // block is left out: its link to the next one is still to be written.
    const uint64_t written = BlockOffset(header_.fileBlocks);
    if (written >= writebackFrom_ + kWritebackBytes) {
        file_.StartWriteback(writebackFrom_, written - writebackFrom_);
        writebackFrom_ = written;
    }
}

// Writes the records collected in bulk as the last block, on this thread
// once the writer has written every block before it.
void Table::WritePending()
{
    if (pendingCount_ == 0)
        return;
    // Zeros after the records: a last, partial block must not carry the
    // records of the full block before it.
    const size_t used = 6 + size_t(pendingCount_) * header_.recordSize;
    std::memset(pending_ + used, 0, header_.BlockSize() - used);
    WriteBulkBlock(pending_, uint16_t(pendingCount_));
    ++bulkBlocks_;
    pendingCount_ = 0;
}

void Table::SubmitPending()
{
    try {
        // The limit is known here, without waiting for the writer: the
        // append fails at the record that would need the block past it.
        if (bulkBlocks_ >= blockLimit_)
            throw Error(ErrTableFull, "Table is full.");
        writer_->Submit(uint16_t(pendingCount_));
        ++bulkBlocks_;
        pendingCount_ = 0;
        pending_ = writer_->Buffer();
    } catch (...) {
        std::rethrow_exception(FailBulk(std::current_exception()));
    }
}

void Table::SettleBulk()
{
    writer_->Finish();
}

std::exception_ptr Table::FailBulk(std::exception_ptr error) noexcept
{
    // A write the writer failed came before whatever failed here.
    if (writer_ && !writer_->FinishQuietly())
        error = writer_->Failure();
    if (!bulkError_)
        bulkError_ = error;
    // The records not written are not counted either.
    header_.numRecords = writtenRecords_;
    pendingCount_ = 0;
    return bulkError_;
}

uint8_t *Table::BulkSlot()
{
    if (bulkError_)
        std::rethrow_exception(bulkError_);
    if (pendingCount_ == header_.RecordsPerBlock())
        SubmitPending();
    return pending_ + 6 + size_t(pendingCount_) * header_.recordSize;
}

void Table::AppendRaw(const uint8_t *record)
{
    if (!writing_)
        StartWriting();
    onRecord_ = false; // the cursor's block buffer may no longer match the file
    record_ = nullptr;
    if (bulk_) {
        std::memcpy(BulkSlot(), record, header_.recordSize);
        ++pendingCount_;
        ++header_.numRecords;
        return;
    }
    if (blocks_.empty() || blocks_.back().count >= header_.RecordsPerBlock())
        AddBlock();
    BlockRef &last = blocks_.back();
    const uint64_t block = BlockOffset(last.number);
    Put(block + 6 + uint64_t(last.count) * header_.recordSize, record, header_.recordSize);
    // The block's count and the header's must agree: when the second write
    // fails, the first is taken back.
    const auto putCounts = [&](uint16_t count, uint32_t records) {
        PutWord(block + 4, uint16_t((count - 1) * header_.recordSize));
        uint8_t n[4];
        PutU32(n, records);
        Put(HoNumRecords, n, 4);
    };
    try {
        putCounts(uint16_t(last.count + 1), header_.numRecords + 1);
    } catch (const Error &) {
        Restore([&] { putCounts(last.count, header_.numRecords); });
        throw;
    }
    ++last.count;
    ++header_.numRecords;
}

// Runs a write that takes back part of a failed one. It may fail as well
// (the disk is gone): the first error is the one to report.
void Table::Restore(const std::function<void()> &undo) noexcept
{
    try {
        undo();
    } catch (const Error &) {
    }
}

void Table::Create(const std::string &path, const std::vector<FieldDef> &fields,
                   const CreateOptions &options, FileSystem &fs, const std::string &tableName)
{
    const std::string driver = options.driver.empty() ? DefaultLanguageDriver() : options.driver;
    if (!FindLanguageDriver(driver))
        throw Error(ErrInvalidParameter, "Unknown language driver: " + driver + ".");
    const std::vector<uint8_t> header = BuildTableHeader(
        fields, options.blockKiB, tableName.empty() ? FileNameOf(path) : tableName, driver);
    const std::optional<unsigned> mode = fs.Mode(path);
    std::unique_ptr<File> old; // held, locked, until the new file is in its place
    if (mode) {
        old = fs.Open(path, true, FileLock::Exclusive);
        if (!old->Writable())
            throw Error(ErrAccessDenied,
                        "Cannot create table: the file is read only. File: " + path);
    }
    std::string written = path;
    std::unique_ptr<File> file =
        mode ? CreateUniqueFile(fs, FolderOf(path), ReplacementPrefix(path), ".tmp", mode, written)
             : fs.CreateNew(path, std::nullopt);
    FileRemover remover(fs, written);
    file->WriteAt(0, header.data(), header.size());
    file->Flush();
    file.reset();
    if (mode)
        fs.Rename(written, path);
    remover.Release();
    fs.FlushFolder(FolderOf(path));
}

void Table::CreateIn(File &file, const std::vector<FieldDef> &fields, const CreateOptions &options,
                     const std::string &tableName)
{
    const std::string driver = options.driver.empty() ? DefaultLanguageDriver() : options.driver;
    if (!FindLanguageDriver(driver))
        throw Error(ErrInvalidParameter, "Unknown language driver: " + driver + ".");
    const std::vector<uint8_t> header =
        BuildTableHeader(fields, options.blockKiB, tableName, driver);
    file.WriteAt(0, header.data(), header.size());
}

std::string LanguageDriverOfFile(const std::string &path)
{
    Table t;
    t.Open(path, OpenMode::Shared);
    return t.LanguageDriverName();
}

uint32_t Table::ReadChainBlock(size_t index, uint8_t *buffer) const
{
    if (!IsOpen() || index >= blocks_.size())
        throw Error(ErrInvalidParameter, "Invalid block index " + std::to_string(index) + ".");
    const BlockRef &b = blocks_[index];
    if (b.count > 0)
        file_.ReadAt(BlockOffset(b.number) + 6, buffer, size_t(b.count) * header_.recordSize);
    return b.count;
}

void Table::MapForReading()
{
    if (readMap_ || !IsOpen())
        return;
    const int fd = file_.MapDescriptor();
    const uint64_t size = file_.Size();
    if (fd < 0 || size == 0 || size > SIZE_MAX)
        return;
    void *p = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, fd, 0);
    if (p == MAP_FAILED)
        return; // the records are read with ReadChainBlock instead
    // Scans go through the file once, front to back in each thread's run.
    ::madvise(p, size_t(size), MADV_SEQUENTIAL);
    readMap_ = static_cast<const uint8_t *>(p);
    readMapSize_ = size_t(size);
}

const uint8_t *Table::MappedChainBlock(size_t index, uint32_t &count) const
{
    if (!readMap_ || index >= blocks_.size())
        return nullptr;
    const BlockRef &b = blocks_[index];
    const uint64_t start = BlockOffset(b.number) + 6;
    if (start + uint64_t(b.count) * header_.recordSize > readMapSize_)
        return nullptr;
    count = b.count;
    return readMap_ + start;
}

} // namespace qbx::engine
