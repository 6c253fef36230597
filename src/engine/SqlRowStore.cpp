#include "engine/SqlRowStore.h"

#include <cstdlib>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace qbx::engine {

namespace {

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

} // namespace

SqlRowStore::SqlRowStore(uint32_t recordSize, std::string spillFolder, size_t memoryChunks)
    : recordSize_(recordSize), spillFolder_(std::move(spillFolder)), memoryChunks_(memoryChunks)
{
}

SqlRowStore::SpillFile::~SpillFile()
{
    for (const auto &[address, bytes] : maps)
        ::munmap(address, bytes);
    if (fd >= 0)
        ::close(fd);
}

uint8_t *SqlRowStore::NewChunk()
{
    const size_t bytes = size_t(kRowsPerChunk) * recordSize_;
    if (memory_.size() >= memoryChunks_ && !spillFolder_.empty() && !spillFailed_)
        if (uint8_t *chunk = SpillChunk(bytes))
            return chunk;
    memory_.push_back(std::make_unique_for_overwrite<uint8_t[]>(bytes));
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
    // A chunk holds 4096 records, so its length is a whole number of pages
    // and every chunk starts on a page boundary of the file.
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
