#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace qbx::engine {

// Copies of fixed-size records kept in chunks, so that a large result never
// needs one huge block of memory or a copy on growth.
class SqlRowStore {
public:
    explicit SqlRowStore(uint32_t recordSize = 0) : recordSize_(recordSize) {}

    void Add(const uint8_t *record)
    {
        const uint32_t slot = count_ % kRowsPerChunk;
        if (slot == 0)
            chunks_.push_back(
                std::make_unique_for_overwrite<uint8_t[]>(size_t(kRowsPerChunk) * recordSize_));
        std::memcpy(chunks_.back().get() + size_t(slot) * recordSize_, record, recordSize_);
        ++count_;
    }

    uint32_t Count() const { return count_; }

    const uint8_t *Row(uint32_t index) const
    {
        return chunks_[index / kRowsPerChunk].get() + size_t(index % kRowsPerChunk) * recordSize_;
    }

private:
    static constexpr uint32_t kRowsPerChunk = 4096;

    uint32_t recordSize_;
    uint32_t count_ = 0;
    std::vector<std::unique_ptr<uint8_t[]>> chunks_;
};

} // namespace qbx::engine
