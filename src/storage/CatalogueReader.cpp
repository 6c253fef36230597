#include "storage/CatalogueReader.h"

#include "engine/Error.h"
#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "storage/CatalogueTable.h"
#include "tree/TCatalogueTree.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace qbx {

void TCatalogueReader::Decode(size_t field, Field &last, QString &text)
{
    const std::string_view bytes = table_.ReadText(field);
    if (bytes.empty()) {
        text = QString();
    } else if (bytes == last.bytes) {
        // Usually still shared from the previous record: nothing to do.
        if (text.constData() != last.text.constData())
            text = last.text;
    } else {
        last.bytes.assign(bytes);
        last.text = codec::FromCp1251(bytes);
        text = last.text;
    }
}

const TCatalogueRecord &TCatalogueReader::Read()
{
    Decode(CfLabel, last_[0], record_.Label);
    Decode(CfProducer, last_[1], record_.Producer);
    Decode(CfProduct, last_[2], record_.Product);
    Decode(CfVersion, last_[3], record_.Version);
    Decode(CfDescription, last_[4], record_.Description);
    codec::FromCp1251(table_.ReadText(CfPath), record_.Path); // differs on every record
    record_.Size = ByteSizeFromField(table_.ReadNumber(CfByteSize));
    return record_;
}

namespace {

// Records travel from the reading thread to the tree in batches: few enough
// hand-overs to cost nothing, small enough that the tree starts at once.
constexpr size_t kBatchRecords = 512;
constexpr size_t kBatchesAhead = 8;

// The records of a table read and decoded on a thread of their own, handed
// to the caller's thread in table order. The caller may stop taking them at
// any time; the thread then ends at its next batch.
class TRecordReader {
public:
    explicit TRecordReader(engine::Table &table) : table_(table) {}
    ~TRecordReader() { Stop(); }

    void Start()
    {
        try {
            thread_ = std::thread([this] { Produce(); });
        } catch (const std::system_error &) {
            inline_ = true; // no thread to be had: read each batch when asked
            reader_.emplace(table_);
            try {
                more_ = table_.First();
            } catch (...) {
                error_ = std::current_exception();
            }
        }
    }

    // The next batch; empty at the end. Throws what the reading threw, after
    // every record read before it has been taken.
    std::vector<TCatalogueRecord> Take()
    {
        if (inline_) {
            if (error_)
                std::rethrow_exception(std::exchange(error_, nullptr));
            std::vector<TCatalogueRecord> batch;
            try {
                ReadBatch(batch);
            } catch (...) {
                error_ = std::current_exception();
                more_ = false;
                if (batch.empty())
                    throw;
            }
            return batch;
        }
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
        if (ready_.empty()) {
            if (error_)
                std::rethrow_exception(std::exchange(error_, nullptr));
            return {};
        }
        std::vector<TCatalogueRecord> batch = std::move(ready_.front());
        ready_.pop_front();
        changed_.notify_all();
        return batch;
    }

    void Stop()
    {
        if (!thread_.joinable())
            return;
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

private:
    // Adds the next records to batch; what was read before a failure stays
    // in it.
    void ReadBatch(std::vector<TCatalogueRecord> &batch)
    {
        batch.reserve(kBatchRecords);
        for (; more_ && batch.size() < kBatchRecords; more_ = table_.Next())
            batch.push_back(reader_->Read());
    }

    // Waits for room and hands the batch over; false once stopped.
    bool Hand(std::vector<TCatalogueRecord> &batch)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ready_.size() < kBatchesAhead || stopped_; });
        if (stopped_)
            return false;
        if (!batch.empty())
            ready_.push_back(std::move(batch));
        changed_.notify_all();
        return true;
    }

    void Produce()
    {
        std::exception_ptr error;
        std::vector<TCatalogueRecord> batch;
        try {
            reader_.emplace(table_);
            more_ = table_.First();
            while (more_) {
                batch.clear();
                ReadBatch(batch);
                if (!Hand(batch))
                    return;
            }
        } catch (...) {
            error = std::current_exception();
            if (!Hand(batch))
                return;
        }
        const std::lock_guard lock(mutex_);
        error_ = error;
        finished_ = true;
        changed_.notify_all();
    }

    engine::Table &table_;
    std::optional<TCatalogueReader> reader_;
    bool more_ = false;
    bool inline_ = false;

    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::vector<TCatalogueRecord>> ready_;
    bool finished_ = false;
    bool stopped_ = false;
    std::exception_ptr error_;
};

} // namespace

bool ReadCatalogueTable(const QString &fileName, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step)
{
    TOpenedCatalogue opened = OpenCatalogueTable(fileName, engine::OpenMode::Exclusive);
    if (opened.problem == TOpenProblem::NotCatalogue)
        throw engine::Error(engine::ErrCorrupt, "not a catalogue table");
    if (!opened.Ok())
        throw engine::Error(opened.engineCode, "cannot open the catalogue table");
    return ReadCatalogueTable(opened.table, catalogue, started, step);
}

bool ReadCatalogueTable(engine::Table &table, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step)
{
    if (started)
        started(table.RecordCount());
    // Reading and decoding the records overlaps with building the tree;
    // the tree, the questions about conflicts and Stop stay on this thread,
    // record by record in table order.
    TRecordReader reader(table);
    reader.Start();
    for (std::vector<TCatalogueRecord> batch = reader.Take(); !batch.empty();
         batch = reader.Take()) {
        for (const TCatalogueRecord &r : batch) {
            catalogue.InsertItem(r.Label, r.Path, r.Producer, r.Product, r.Version, r.Size,
                                 r.Description, false);
            if (step && !step())
                return false;
        }
    }
    return true;
}

} // namespace qbx
