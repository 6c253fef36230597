#include "engine/FeedScan.h"

#include "engine/Error.h"
#include "engine/RecordFeed.h"
#include "engine/SqlCondition.h"
#include "engine/SqlRowStore.h"

#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace qbx::engine {

namespace {

// Batches small enough that the records a feed writes are still in a
// cache when the other core matches them, large enough that a hand-over
// (which may wait for the other thread to be scheduled) is rare, and
// enough of them that neither side waits for the other's every batch.
constexpr size_t kBatchBytes = size_t(256) << 10;
constexpr size_t kBatches = 6;

// A ring of batches between the feed (the producer, on the calling thread)
// and the matcher.
class BatchPipe final : public RecordSink {
public:
    // `positions`, when given, receives the feed position of each row kept.
    BatchPipe(uint32_t recordSize, const SqlCondition *condition, SqlRowStore &rows,
              std::vector<uint32_t> *positions)
        : recordSize_(recordSize), perBatch_(std::max<size_t>(1, kBatchBytes / recordSize)),
          condition_(condition), rows_(rows), positions_(positions)
    {
        for (Batch &b : batches_)
            b.bytes.resize(perBatch_ * recordSize_);
    }

    void Start()
    {
        try {
            matcher_ = std::thread([this] { MatchLoop(); });
        } catch (const std::system_error &) {
            // No thread to be had: each batch is matched when it is full.
        }
    }

    uint8_t *Next() override
    {
        Batch &b = batches_[fill_];
        if (b.count == perBatch_) {
            Hand();
            return Next();
        }
        if (b.count == 0)
            b.first = given_;
        ++given_;
        return b.bytes.data() + b.count++ * recordSize_;
    }

    // Hands the last batch over and waits until everything is matched.
    // Safe to call after a failure of the feed.
    void Finish()
    {
        if (batches_[fill_].count > 0)
            Hand();
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_all();
        if (matcher_.joinable())
            matcher_.join();
        if (error_)
            std::rethrow_exception(error_);
    }

    ~BatchPipe()
    {
        if (matcher_.joinable()) {
            {
                const std::lock_guard lock(mutex_);
                done_ = true;
                failed_ = true;
            }
            changed_.notify_all();
            matcher_.join();
        }
    }

    uint32_t Given() const { return given_; }

private:
    struct Batch {
        std::vector<uint8_t> bytes;
        size_t count = 0;
        uint32_t first = 0; // the feed position of the first record
    };

    void Match(const Batch &b)
    {
        const uint8_t *record = b.bytes.data();
        for (size_t i = 0; i < b.count; ++i, record += recordSize_)
            if (!condition_ || condition_->Matches(record)) {
                rows_.Add(record);
                if (positions_)
                    positions_->push_back(b.first + uint32_t(i));
            }
    }

    // Gives the filled batch to the matcher and takes the next one once the
    // matcher is done with it.
    void Hand()
    {
        if (!matcher_.joinable()) {
            Match(batches_[fill_]);
            batches_[fill_].count = 0;
            return;
        }
        std::unique_lock lock(mutex_);
        ++ready_;
        changed_.notify_all();
        fill_ = (fill_ + 1) % kBatches;
        changed_.wait(lock, [this] { return ready_ < kBatches || failed_; });
        if (failed_)
            std::rethrow_exception(error_);
        batches_[fill_].count = 0;
    }

    void MatchLoop()
    {
        size_t take = 0;
        for (;;) {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return ready_ > 0 || done_; });
            if (ready_ == 0 || failed_)
                return;
            lock.unlock();
            try {
                Match(batches_[take]);
            } catch (...) {
                lock.lock();
                error_ = std::current_exception();
                failed_ = true;
                changed_.notify_all();
                return;
            }
            take = (take + 1) % kBatches;
            lock.lock();
            --ready_;
            changed_.notify_all();
        }
    }

    const uint32_t recordSize_;
    const size_t perBatch_;
    const SqlCondition *condition_;
    SqlRowStore &rows_;
    std::vector<uint32_t> *positions_;
    std::array<Batch, kBatches> batches_;
    size_t fill_ = 0; // the batch the feed fills
    uint32_t given_ = 0;

    std::thread matcher_;
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t ready_ = 0; // filled batches the matcher has not finished
    bool done_ = false;
    bool failed_ = false;
    std::exception_ptr error_;
};

} // namespace

uint32_t ScanFeed(RecordFeed &feed, uint32_t recordSize, const SqlCondition *condition,
                  SqlRowStore &rows)
{
    const std::optional<SqlNeed> need = condition ? condition->Need() : std::nullopt;
    feed.Narrow(need ? &*need : nullptr);
    std::vector<uint32_t> positions;
    const bool outOfOrder = feed.GivesOutOfOrder();
    BatchPipe pipe(recordSize, condition, rows, outOfOrder ? &positions : nullptr);
    pipe.Start();
    feed.Run(pipe);
    pipe.Finish();
    if (outOfOrder) {
        const std::vector<uint32_t> order = feed.TableOrder(positions);
        if (order.size() != rows.Count())
            throw Error(ErrInvalidParameter, "The records' order is not known.");
        rows.Reorder(order);
    }
    // Records withheld were scanned too, as a table's would have been.
    return pipe.Given() + feed.Withheld();
}

} // namespace qbx::engine
