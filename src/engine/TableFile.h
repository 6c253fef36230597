#pragma once

#include "engine/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace qbx::engine {

// An open table file of some file system: its lock and positioned I/O that
// reads whole ranges. Failures raise Error with the file name in the message.
class TableFile {
public:
    enum class Lock { Shared, Exclusive };

    // Opens an existing file for reading (and writing when `writable` and
    // the file permits it; see Writable()) and takes the lock without
    // waiting: a conflicting lock raises ErrLocked.
    void Open(FileSystem &fs, const std::string &path, bool writable, Lock lock);
    void Close() noexcept;

    bool IsOpen() const { return file_ != nullptr; }
    bool Writable() const { return file_ && file_->Writable(); }
    // A descriptor to map the file with; -1 when it must be written by WriteAt.
    int MapDescriptor() const { return file_ ? file_->MapDescriptor() : -1; }
    const std::string &Path() const { return path_; }

    uint64_t Size() const { return file_->Size(); }
    // Reads exactly `size` bytes at `offset`; a short file raises ErrCorrupt.
    void ReadAt(uint64_t offset, void *buffer, size_t size) const;
    void WriteAt(uint64_t offset, const void *buffer, size_t size)
    {
        file_->WriteAt(offset, buffer, size);
    }
    void Resize(uint64_t size) { file_->Truncate(size); }
    void Flush() { file_->Flush(); }
    void StartWriteback(uint64_t offset, uint64_t size) { file_->StartWriteback(offset, size); }

private:
    std::unique_ptr<File> file_;
    std::string path_;
};

} // namespace qbx::engine
