#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qbx::engine {

// An open table file: the descriptor, its OS lock and positioned I/O.
// Failures raise Error with the file name in the message.
class TableFile {
public:
    enum class Lock { Shared, Exclusive };

    TableFile() = default;
    ~TableFile() { Close(); }
    TableFile(TableFile &&other) noexcept;
    TableFile &operator=(TableFile &&other) noexcept;
    TableFile(const TableFile &) = delete;
    TableFile &operator=(const TableFile &) = delete;

    // Opens an existing file for reading (and writing when `writable` and
    // the file permits it; see Writable()) and
    // takes the lock without waiting: a conflicting lock raises ErrLocked.
    void Open(const std::string &path, bool writable, Lock lock);
    // Creates or truncates the file, locked exclusively.
    void Create(const std::string &path);
    void Close() noexcept;

    bool IsOpen() const { return fd_ >= 0; }
    bool Writable() const { return writable_; }
    int Descriptor() const { return fd_; }
    const std::string &Path() const { return path_; }

    uint64_t Size() const;
    // Reads exactly `size` bytes at `offset`; a short file raises ErrCorrupt.
    void ReadAt(uint64_t offset, void *buffer, size_t size) const;
    void WriteAt(uint64_t offset, const void *buffer, size_t size);
    void Resize(uint64_t size);

private:
    [[noreturn]] void Fail(int code, const std::string &what) const;

    int fd_ = -1;
    bool writable_ = false;
    std::string path_;
};

} // namespace qbx::engine
