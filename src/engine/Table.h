#pragma once

#include "engine/BlockWriter.h"
#include "engine/FieldCodec.h"
#include "engine/FileSystem.h"
#include "engine/RecordCodec.h"
#include "engine/TableFile.h"
#include "engine/TableHeader.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qbx::engine {

enum class OpenMode {
    Shared,    // read only; fails while someone holds the table exclusively
    Exclusive, // read and append (read only for a read-only file); fails
               // while anyone else has the table open
};

// Settings of a new table.
struct CreateOptions {
    uint8_t blockKiB = 2; // 1-32; catalogue tables use 32
    std::string driver;   // language driver ID; empty = the engine's default
};

// A Paradox table file: open, read in stored order, append, create.
// Reading keeps one block in a buffer. Appending posts each record to the
// file at once: a new block is written whole, records and counters go
// through a shared mapping of the file (or positioned writes when it cannot
// be mapped), so the header and the block counts always agree on disk.
class Table {
public:
    static constexpr uint32_t kMaxBlocks = 65535;

    Table() = default;
    ~Table() { Close(); }
    Table(Table &&) noexcept;
    Table &operator=(Table &&) noexcept;
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    // Opens a table; checks the header and the whole block chain. Throws
    // Error when the file is missing, locked, encrypted, damaged or no table.
    // A file cut short inside its last blocks opens as long as every record
    // the chain claims lies inside it.
    void Open(const std::string &path, OpenMode mode = OpenMode::Shared,
              FileSystem &fs = SystemFileSystem());
    // Forces what was appended to the disk; throws Error when it cannot.
    void Flush();
    // Closes the table, flushing first after an append (a failure of that
    // flush is lost: call Flush first to learn of it).
    void Close() noexcept;
    bool IsOpen() const { return file_.IsOpen(); }
    const std::string &Path() const { return file_.Path(); }

    const TableHeader &Header() const { return header_; }
    const std::vector<FieldDef> &Fields() const { return header_.fields; }
    // Offsets and types of the fields inside a record, in field order.
    const std::vector<FieldLayout> &Layout() const { return layout_; }
    uint32_t RecordSize() const { return header_.recordSize; }
    uint32_t RecordCount() const { return header_.numRecords; }
    // Language driver ID ("ancyrr", "ascii"...); for level 3 tables the
    // name known for the sort byte, or "".
    std::string LanguageDriverName() const;

    // Cursor over the records in stored order. First and Next return false
    // when there is no (further) record.
    bool First();
    bool Next();
    // Bytes of the current record (RecordSize() of them); nullptr when the
    // cursor is not on a record. Valid until the next First, Next, Append
    // or Close.
    const uint8_t *RecordData() const { return onRecord_ ? record_ : nullptr; }

    // Block-wise access for scans that read in parallel: the blocks of the
    // chain in stored order; ReadChainBlock reads the records of block
    // `index` into `buffer` (at least BlockSize() bytes) and gives their
    // count. It only does positioned reads, so threads may call it at once.
    size_t ChainLength() const { return blocks_.size(); }
    uint32_t ReadChainBlock(size_t index, uint8_t *buffer) const;
    // The same records in place: MapForReading maps the file read only (a
    // file system that cannot be mapped leaves it unmapped); then
    // MappedChainBlock gives the first record of block `index` inside the
    // mapping with their count in `count`, or nullptr when the block lies
    // outside it (read it with ReadChainBlock). Threads may call it at once.
    // The mapping lasts until Close; the table's lock keeps other writers
    // of the program from cutting the file short meanwhile.
    void MapForReading();
    const uint8_t *MappedChainBlock(size_t index, uint32_t &count) const;

    // Values of the current record. ReadText gives the bytes of an alpha
    // field ("" for NULL); ReadNumber the value of a number, money or
    // integer field (0 for NULL). Both throw for another field type.
    std::string_view ReadText(size_t field) const;
    double ReadNumber(size_t field) const;
    bool IsNull(size_t field) const;

    // Appends a record (one value per field) at the end of the table.
    // Throws ErrTableFull ("Table is full.") when a new block would pass
    // the block limit.
    void Append(std::span<const Value> values);
    void AppendRaw(const uint8_t *record);
    // From now on until Close, appended records collect in memory and go to
    // the file a whole block at a time; Flush writes the last, partial one.
    // For a table written beside the file it will replace: in between, the
    // file holds whole blocks only and counts only the records they hold.
    // The full blocks are written by a second thread while the next ones
    // fill (in order, one write per block, each followed by the counters
    // and the link that take it in), so a write error shows at a later
    // Append or at Flush. Once a block could not be written the bulk append
    // has failed: RecordCount() is what the file holds, and every later
    // Append and Flush throws that first error again. Until Flush, Header()
    // does not tell the blocks written so far.
    void StartBulkAppend();
    // In a bulk append: room for the next record at the end of the table,
    // counted at once, which the caller fills completely (every byte, as
    // EncodeRecord would) before the next Append, BulkRecord, Flush or
    // Close. Throws as Append does.
    uint8_t *BulkRecord();
    // Highest block count the table may reach (at most kMaxBlocks).
    void SetBlockLimit(uint32_t blocks);

    // Creates an empty unkeyed table, replacing any file of that name. An
    // existing file is replaced only by a rename of the new, flushed file
    // over it (keeping its permissions), so a failure leaves it as it was;
    // a file that is read only or open elsewhere is refused. The header
    // names the table `tableName`, or after the file when it is empty (a
    // table written under a temporary name takes the final one's).
    static void Create(const std::string &path, const std::vector<FieldDef> &fields,
                       const CreateOptions &options = {}, FileSystem &fs = SystemFileSystem(),
                       const std::string &tableName = {});
    // Writes the header of an empty unkeyed table named `tableName` into a
    // new, empty file that the caller has open (the new file of a
    // replacement, which must stay the same file until it takes its name).
    static void CreateIn(File &file, const std::vector<FieldDef> &fields,
                         const CreateOptions &options, const std::string &tableName);

private:
    struct BlockRef {
        uint16_t number;
        uint16_t count;
    };

    void WalkBlocks(uint64_t fileSize);
    bool LoadBlock(size_t index);
    const FieldDef &CheckedField(size_t field) const;
    uint64_t BlockOffset(uint32_t number) const;
    void StartWriting();
    void Put(uint64_t offset, const void *data, size_t size);
    void PutWord(uint64_t offset, uint16_t value);
    // Adds an empty block, or the whole block `block` (BlockSize() bytes:
    // room for the 6-byte header, `count` records, zeros) at the chain's end.
    void AddBlock();
    void AddBlock(uint8_t *block, uint16_t count);
    void WritePending();
    // Writes a block collected in bulk (on the writer thread, or on the
    // calling one for the last block), then the record count.
    void WriteBulkBlock(uint8_t *block, uint16_t count);
    // Where the next record collected in bulk goes; a full block is handed
    // to the writer first.
    uint8_t *BulkSlot();
    void SubmitPending();
    // Waits for the writer; then the blocks written are all the table has.
    void SettleBulk();
    // Ends a bulk append that failed with `error` (or the writer's earlier
    // one) and gives the error to throw.
    std::exception_ptr FailBulk(std::exception_ptr error) noexcept;
    BlockWriter::WriteBlock BulkWriteFunction();
    void PutBlockCounters(const TableHeader &h);
    void Restore(const std::function<void()> &undo) noexcept;
    void Unmap() noexcept;

    TableFile file_;
    TableHeader header_;
    std::vector<FieldLayout> layout_;
    std::vector<BlockRef> blocks_; // the chain in stored order
    std::vector<uint8_t> buffer_;  // the block the cursor is in
    std::vector<uint8_t> newRecord_;
    size_t blockIndex_ = 0;
    uint32_t recordIndex_ = 0;
    const uint8_t *record_ = nullptr;
    bool onRecord_ = false;
    uint32_t blockLimit_ = kMaxBlocks;
    uint8_t *map_ = nullptr;
    size_t mapSize_ = 0;
    const uint8_t *readMap_ = nullptr; // MapForReading's mapping
    size_t readMapSize_ = 0;
    bool writing_ = false;
    bool bulk_ = false;
    // StartBulkAppend: the writer thread with its buffers, and the block
    // filling now (one of them; records after 6 bytes of header room).
    std::unique_ptr<BlockWriter> writer_;
    uint8_t *pending_ = nullptr;
    uint32_t pendingCount_ = 0;
    uint32_t bulkBlocks_ = 0;     // blocks the table has with those handed to the writer
    uint32_t writtenRecords_ = 0; // records in the blocks written (the file's count)
    std::exception_ptr bulkError_;
    uint64_t writebackFrom_ = 0; // StartBulkAppend: blocks before this are on their way to disk
};

// Language driver ID of a table file (see Table::LanguageDriverName).
std::string LanguageDriverOfFile(const std::string &path);

} // namespace qbx::engine
