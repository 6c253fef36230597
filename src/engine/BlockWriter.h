#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qbx::engine {

// Writes the blocks of a bulk append on a thread of its own while the caller
// fills the next ones, so that copying them into the file (the page cache)
// overlaps the encoding on a second processor.
//
// The blocks live in a small ring of buffers: the caller fills the one
// Buffer() gives and hands it over with Submit(); the thread writes the
// blocks one by one in the order they were handed over, through the single
// function it was given, and gives the buffer back. When a write fails, the
// thread writes nothing more; the error is thrown to the caller at its next
// Buffer(), Submit() or Finish(), and again at every later one.
// Without a thread (none can be had) the blocks are written in Submit().
class BlockWriter {
public:
    // Writes one block: `block` (blockSize bytes) holding `count` records.
    using WriteBlock = std::function<void(uint8_t *block, uint16_t count)>;

    // The buffers start zero-filled.
    BlockWriter(size_t blockSize, size_t buffers, WriteBlock write);
    // Waits for the blocks handed over (their errors are dropped).
    ~BlockWriter();
    BlockWriter(const BlockWriter &) = delete;
    BlockWriter &operator=(const BlockWriter &) = delete;

    // A buffer to fill, once the thread has one to spare. Its contents are
    // what the last block written from it left there.
    uint8_t *Buffer();
    // Hands the buffer Buffer() gave last over as a block of `count` records.
    void Submit(uint16_t count);
    // Waits until every block handed over is written and ends the thread
    // (the next Submit starts one again).
    void Finish();
    // Finish without throwing: whether every block was written.
    bool FinishQuietly() noexcept;
    // The error of the write that failed; null while none did.
    std::exception_ptr Failure() const { return error_; }
    // Another function to write with; only while no thread runs (after
    // Finish), as when the table it writes for moves.
    void Rebind(WriteBlock write) { write_ = std::move(write); }

private:
    struct Job {
        size_t buffer;
        uint16_t count;
    };

    void Run();
    void Stop() noexcept;
    uint8_t *At(size_t buffer) { return memory_.data() + buffer * blockSize_; }

    size_t blockSize_;
    std::vector<uint8_t> memory_; // the ring's buffers, one after another
    WriteBlock write_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<size_t> free_;  // buffers the caller may fill
    std::deque<Job> jobs_;      // handed over, oldest first
    size_t current_ = SIZE_MAX; // the buffer the caller fills now
    size_t wakeAt_;             // free buffers or blocks waiting that wake the other side
    bool callerWaits_ = false;  // for free buffers
    bool writerWaits_ = false;  // for blocks
    bool stop_ = false;
    std::exception_ptr error_; // the first write that failed
    std::thread thread_;
};

} // namespace qbx::engine
