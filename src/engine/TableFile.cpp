#include "engine/TableFile.h"

#include "engine/Error.h"

namespace qbx::engine {

void TableFile::Open(FileSystem &fs, const std::string &path, bool writable, Lock lock)
{
    Close();
    path_ = path;
    file_ =
        fs.Open(path, writable, lock == Lock::Exclusive ? FileLock::Exclusive : FileLock::Shared);
}

void TableFile::Close() noexcept
{
    file_.reset(); // closing releases the lock
}

void TableFile::ReadAt(uint64_t offset, void *buffer, size_t size) const
{
    if (file_->ReadAt(offset, buffer, size) != size)
        throw Error(ErrCorrupt, "Corrupt table: the file ends inside a block. File: " + path_);
}

} // namespace qbx::engine
