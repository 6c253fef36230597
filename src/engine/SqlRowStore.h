#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace qbx::engine {

// Copies of fixed-size records kept in chunks, so that a large result never
// needs one huge block of memory or a copy on growth. Text fields are kept
// without the NUL bytes that pad them to their size (most of a catalogue
// record), and come back byte for byte. The first chunks are kept in
// memory; beyond them a large result goes to an unnamed temporary file in
// the spill folder (the engine's private directory), mapped into memory, so
// that a search matching millions of records does not take as much memory.
// When the folder cannot take the file (missing, read only, full), the rows
// stay in memory.
class SqlRowStore {
public:
    static constexpr size_t kChunkBytes = size_t(2) << 20; // whole pages
    static constexpr size_t kMemoryChunks = 8;

    // Where a text field lies in the record.
    struct TextSpan {
        uint32_t offset;
        uint32_t size;
    };

    // `texts` are the text fields, inside the record and not overlapping
    // (a span that is not is kept as raw bytes).
    explicit SqlRowStore(uint32_t recordSize = 0, std::string spillFolder = {},
                         size_t memoryChunks = kMemoryChunks, std::vector<TextSpan> texts = {});

    void Add(const uint8_t *record);
    uint32_t Count() const { return uint32_t(rows_.size()); }
    uint32_t RecordSize() const { return recordSize_; }
    // Puts the rows in a new order: row i becomes the row that was
    // order[i]. `order` must name every row once.
    void Reorder(const std::vector<uint32_t> &order);
    // Copies row `index` (below Count) into `out`, RecordSize() bytes.
    void CopyRow(uint32_t index, uint8_t *out) const;

    // Whether some rows are in the spill file.
    bool Spilled() const { return spill_ && spill_->size > 0; }

private:
    // A stretch of the record: raw bytes, or a text field kept as a two-byte
    // length and the bytes up to its last non-NUL byte.
    struct Piece {
        uint32_t offset;
        uint32_t size;
        bool text;
    };

    // The unnamed file and the chunks mapped from it.
    struct SpillFile {
        int fd = -1;
        uint64_t size = 0;
        std::vector<std::pair<void *, size_t>> maps;
        ~SpillFile();
    };

    uint8_t *NewChunk();
    uint8_t *SpillChunk(size_t bytes);

    uint32_t recordSize_;
    size_t maxRowBytes_; // the encoded size of a record at most
    size_t chunkBytes_;  // kChunkBytes, or more for a huge record
    std::string spillFolder_;
    size_t memoryChunks_;
    std::vector<Piece> pieces_;
    std::vector<uint64_t> rows_; // chunk * kChunkBytes + offset of each row
    std::vector<uint8_t *> chunks_;
    size_t used_ = kChunkBytes; // bytes taken in the last chunk
    std::vector<std::unique_ptr<uint8_t[]>> memory_;
    std::unique_ptr<SpillFile> spill_;
    bool spillFailed_ = false;
};

} // namespace qbx::engine
