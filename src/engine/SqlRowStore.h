#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace qbx::engine {

// Copies of fixed-size records kept in chunks, so that a large result never
// needs one huge block of memory or a copy on growth. The first chunks are
// kept in memory; beyond them a large result goes to an unnamed temporary
// file in the spill folder (the engine's private directory), mapped into
// memory, so that a search matching millions of records does not take as
// much memory. When the folder cannot take the file (missing, read only,
// full), the rows stay in memory.
class SqlRowStore {
public:
    static constexpr uint32_t kRowsPerChunk = 4096;
    static constexpr size_t kMemoryChunks = 8;

    explicit SqlRowStore(uint32_t recordSize = 0, std::string spillFolder = {},
                         size_t memoryChunks = kMemoryChunks);

    void Add(const uint8_t *record)
    {
        const uint32_t slot = count_ % kRowsPerChunk;
        if (slot == 0)
            chunks_.push_back(NewChunk());
        std::memcpy(chunks_.back() + size_t(slot) * recordSize_, record, recordSize_);
        ++count_;
    }

    uint32_t Count() const { return count_; }

    const uint8_t *Row(uint32_t index) const
    {
        return chunks_[index / kRowsPerChunk] + size_t(index % kRowsPerChunk) * recordSize_;
    }

    // Whether some rows are in the spill file.
    bool Spilled() const { return spill_ && spill_->size > 0; }

private:
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
    std::string spillFolder_;
    size_t memoryChunks_;
    uint32_t count_ = 0;
    std::vector<uint8_t *> chunks_;
    std::vector<std::unique_ptr<uint8_t[]>> memory_;
    std::unique_ptr<SpillFile> spill_;
    bool spillFailed_ = false;
};

} // namespace qbx::engine
