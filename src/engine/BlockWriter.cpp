#include "engine/BlockWriter.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace qbx::engine {

BlockWriter::BlockWriter(size_t blockSize, size_t buffers, WriteBlock write)
    : blockSize_(blockSize), memory_(blockSize * buffers, 0), write_(std::move(write)),
      wakeAt_(std::max<size_t>(1, buffers / 2))
{
    // Handed out from the back: buffer 0 first.
    for (size_t i = buffers; i-- > 0;)
        free_.push_back(i);
}

BlockWriter::~BlockWriter()
{
    Stop();
}

uint8_t *BlockWriter::Buffer()
{
    std::unique_lock lock(mutex_);
    if (current_ == SIZE_MAX && free_.empty() && !error_) {
        // Waits until the writer has given back half the ring, not for its
        // every block: two threads waking each other for each 32 KiB cost
        // more processor time than copying it.
        callerWaits_ = true;
        if (writerWaits_)
            changed_.notify_all();
        changed_.wait(lock, [this] { return free_.size() >= wakeAt_ || error_; });
        callerWaits_ = false;
    }
    if (error_)
        std::rethrow_exception(error_);
    if (current_ == SIZE_MAX) {
        current_ = free_.back();
        free_.pop_back();
    }
    return At(current_);
}

void BlockWriter::Submit(uint16_t count)
{
    std::unique_lock lock(mutex_);
    if (error_)
        std::rethrow_exception(error_);
    const size_t buffer = std::exchange(current_, SIZE_MAX);
    if (!thread_.joinable()) {
        stop_ = false;
        try {
            thread_ = std::thread(&BlockWriter::Run, this);
        } catch (const std::system_error &) {
            // No thread to be had: the block is written here, below.
        }
    }
    if (thread_.joinable()) {
        jobs_.push_back({buffer, count});
        // An idle writer is woken when half the ring waits for it.
        if (writerWaits_ && jobs_.size() >= wakeAt_)
            changed_.notify_all();
        return;
    }
    lock.unlock();
    try {
        write_(At(buffer), count);
    } catch (...) {
        lock.lock();
        error_ = std::current_exception();
        free_.push_back(buffer);
        throw;
    }
    lock.lock();
    free_.push_back(buffer);
}

void BlockWriter::Run()
{
    std::unique_lock lock(mutex_);
    // Woken when half the ring waits to be written, when the caller waits
    // for a buffer, or to stop.
    const auto ready = [this] {
        return jobs_.size() >= wakeAt_ || stop_ || (callerWaits_ && !jobs_.empty());
    };
    for (;;) {
        if (!ready()) {
            writerWaits_ = true;
            changed_.wait(lock, ready);
            writerWaits_ = false;
        }
        if (jobs_.empty())
            return; // stopped, and every block handed over is done
        const Job job = jobs_.front();
        jobs_.pop_front();
        // After a failed write the blocks behind it are dropped: the file
        // must not hold a block whose predecessor is missing.
        if (!error_) {
            lock.unlock();
            std::exception_ptr failed;
            try {
                write_(At(job.buffer), job.count);
            } catch (...) {
                failed = std::current_exception();
            }
            lock.lock();
            if (failed) {
                error_ = failed;
                changed_.notify_all();
            }
        }
        free_.push_back(job.buffer);
        if (callerWaits_ && free_.size() >= wakeAt_)
            changed_.notify_all();
    }
}

void BlockWriter::Stop() noexcept
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable())
        thread_.join();
}

void BlockWriter::Finish()
{
    Stop();
    if (error_)
        std::rethrow_exception(error_);
}

bool BlockWriter::FinishQuietly() noexcept
{
    Stop();
    return !error_;
}

} // namespace qbx::engine
