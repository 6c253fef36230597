#include "engine/SqlRowStore.h"

#include "engine/Error.h"

#include <algorithm>
#include <cstdlib>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace qbx::engine {

namespace {

constexpr size_t kPage = 4096;

// An unnamed file in `folder`: gone from the folder at once, and from the
// disk when closed, even when the program is killed.
int OpenUnnamedFile(const std::string &folder)
{
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    std::string pattern = folder + "/qbxrowsXXXXXX";
    fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        ::unlink(pattern.c_str());
    return fd;
}

// Bytes of a text field up to its last non-NUL byte: what must be kept for
// the field to come back exactly.
uint16_t KeptLength(const uint8_t *p, uint32_t size)
{
    uint32_t n = size;
    for (; n >= 8; n -= 8) {
        uint64_t w;
        std::memcpy(&w, p + n - 8, 8);
        if (w != 0)
            break;
    }
    while (n > 0 && p[n - 1] == 0)
        --n;
    return uint16_t(n);
}

} // namespace

SqlRowStore::SqlRowStore(uint32_t recordSize, std::string spillFolder, size_t memoryChunks,
                         std::vector<TextSpan> texts)
    : recordSize_(recordSize), spillFolder_(std::move(spillFolder)), memoryChunks_(memoryChunks)
{
    std::sort(texts.begin(), texts.end(),
              [](const TextSpan &a, const TextSpan &b) { return a.offset < b.offset; });
    uint32_t at = 0; // the record is covered up to here
    for (const TextSpan &t : texts) {
        // A span outside the record, overlapping another or too long for
        // the length word is simply kept as raw bytes.
        if (t.offset < at || t.offset > recordSize || t.size > recordSize - t.offset ||
            t.size == 0 || t.size > UINT16_MAX)
            continue;
        if (t.offset > at)
            pieces_.push_back({at, t.offset - at, false});
        pieces_.push_back({t.offset, t.size, true});
        at = t.offset + t.size;
    }
    if (at < recordSize)
        pieces_.push_back({at, recordSize - at, false});
    maxRowBytes_ = recordSize;
    for (const Piece &p : pieces_)
        maxRowBytes_ += p.text ? 2 : 0;
    chunkBytes_ = std::max(kChunkBytes, (maxRowBytes_ + kPage - 1) / kPage * kPage);
    used_ = chunkBytes_;
}

SqlRowStore::SpillFile::~SpillFile()
{
    for (const auto &[address, bytes] : maps)
        ::munmap(address, bytes);
    if (fd >= 0)
        ::close(fd);
}

void SqlRowStore::Add(const uint8_t *record)
{
    if (used_ + maxRowBytes_ > chunkBytes_) {
        chunks_.push_back(NewChunk());
        used_ = 0;
    }
    uint8_t *const start = chunks_.back() + used_;
    uint8_t *d = start;
    for (const Piece &p : pieces_) {
        const uint8_t *s = record + p.offset;
        if (!p.text) {
            std::memcpy(d, s, p.size);
            d += p.size;
            continue;
        }
        const uint16_t kept = KeptLength(s, p.size);
        std::memcpy(d, &kept, 2);
        std::memcpy(d + 2, s, kept);
        d += 2 + kept;
    }
    rows_.push_back(uint64_t(chunks_.size() - 1) * chunkBytes_ + used_);
    used_ += size_t(d - start);
}

void SqlRowStore::Reorder(const std::vector<uint32_t> &order)
{
    if (order.size() != rows_.size())
        throw Error(ErrInvalidParameter, "A new order of the rows must name every row.");
    std::vector<uint64_t> rows(rows_.size());
    std::vector<bool> taken(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] >= rows_.size() || taken[order[i]])
            throw Error(ErrInvalidParameter, "A new order of the rows must name every row.");
        taken[order[i]] = true;
        rows[i] = rows_[order[i]];
    }
    rows_.swap(rows);
}

void SqlRowStore::CopyRow(uint32_t index, uint8_t *out) const
{
    const uint64_t at = rows_[index];
    const uint8_t *s = chunks_[size_t(at / chunkBytes_)] + size_t(at % chunkBytes_);
    for (const Piece &p : pieces_) {
        uint8_t *d = out + p.offset;
        if (!p.text) {
            std::memcpy(d, s, p.size);
            s += p.size;
            continue;
        }
        uint16_t kept;
        std::memcpy(&kept, s, 2);
        std::memcpy(d, s + 2, kept);
        std::memset(d + kept, 0, p.size - kept);
        s += 2 + kept;
    }
}

uint8_t *SqlRowStore::NewChunk()
{
    if (memory_.size() >= memoryChunks_ && !spillFolder_.empty() && !spillFailed_)
        if (uint8_t *chunk = SpillChunk(chunkBytes_))
            return chunk;
    memory_.push_back(std::make_unique_for_overwrite<uint8_t[]>(chunkBytes_));
    return memory_.back().get();
}

// Maps one more chunk of the spill file. The space is reserved on the disk
// first: writing into a mapped page that the disk has no room for would
// kill the program instead of failing.
uint8_t *SqlRowStore::SpillChunk(size_t bytes)
{
    if (!spill_) {
        auto spill = std::make_unique<SpillFile>();
        spill->fd = OpenUnnamedFile(spillFolder_);
        if (spill->fd < 0) {
            spillFailed_ = true;
            return nullptr;
        }
        spill_ = std::move(spill);
    }
    // Chunks are whole pages, so each starts on a page boundary of the file.
    if (::posix_fallocate(spill_->fd, off_t(spill_->size), off_t(bytes)) != 0) {
        spillFailed_ = true;
        return nullptr;
    }
    void *p =
        ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, spill_->fd, off_t(spill_->size));
    if (p == MAP_FAILED) {
        spillFailed_ = true;
        return nullptr;
    }
    spill_->maps.emplace_back(p, bytes);
    spill_->size += bytes;
    return static_cast<uint8_t *>(p);
}

} // namespace qbx::engine
