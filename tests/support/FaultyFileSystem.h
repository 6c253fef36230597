#pragma once

#include "engine/FileSystem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qbx::test {

// A file system over the real one that fails on cue: any call of a kind
// (the nth one from now, with a chosen errno), or a write that needs more
// new space than a byte budget (a disk that fills up after N more bytes:
// the bytes that fit are written, then ENOSPC; overwriting bytes a file
// already has needs no space). Files it opens offer no mapping unless allowed, so
// every byte written goes through WriteAt and counts. It logs the calls that
// change files ("flush <path>", "rename <from> <to>"...) in order.
class FaultyFileSystem : public engine::FileSystem {
public:
    enum class Call {
        Open,
        CreateNew,
        ReadAt,
        WriteAt,
        Truncate,
        Flush,
        Rename,
        Remove,
        FlushFolder
    };

    explicit FaultyFileSystem(engine::FileSystem &base = engine::SystemFileSystem()) : base_(base)
    {
    }

    // The `nth` call of `call` from now on fails with `err`.
    void FailCall(Call call, int nth = 1, int err = EIO);
    // Writes fail with `err` once files have grown by `bytes` more bytes.
    void FailWritesAfter(uint64_t bytes, int err = ENOSPC);
    void AllowMapping(bool allow) { allowMapping_ = allow; }
    // No fault armed, nothing logged.
    void Reset()
    {
        faults_ = {};
        budgeted_ = false;
        log_.clear();
    }

    // Bytes by which written files have grown.
    uint64_t BytesWritten() const { return written_; }
    const std::vector<std::string> &Log() const { return log_; }
    // The index in Log() of the first entry that begins with `prefix`; -1 if none.
    int Find(const std::string &prefix) const;

    std::unique_ptr<engine::File> Open(const std::string &path, bool writable,
                                       engine::FileLock lock) override;
    std::unique_ptr<engine::File> CreateNew(const std::string &path,
                                            std::optional<unsigned> mode) override;
    void Rename(const std::string &from, const std::string &to) override;
    void Remove(const std::string &path) override;
    void FlushFolder(const std::string &folder) override;
    std::optional<unsigned> Mode(const std::string &path) override { return base_.Mode(path); }

    // Used by the files it opens.
    void Check(Call call, const std::string &path);
    // How many of `size` bytes at `offset` of a file of `fileSize` bytes
    // fit; counts the growth.
    size_t Fit(uint64_t offset, size_t size, uint64_t fileSize);
    void Note(const std::string &entry) { log_.push_back(entry); }
    bool MappingAllowed() const { return allowMapping_; }
    [[noreturn]] void FailWrite(const std::string &path);

private:
    struct Fault {
        int countdown = 0; // 0 = not armed
        int err = EIO;
    };

    engine::FileSystem &base_;
    std::array<Fault, 9> faults_{};
    bool budgeted_ = false;
    uint64_t budget_ = 0;
    int budgetErr_ = ENOSPC;
    uint64_t written_ = 0;
    bool allowMapping_ = false;
    std::vector<std::string> log_;
};

} // namespace qbx::test
