#include "storage/CatalogueReader.h"

#include "engine/Error.h"
#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "storage/CatalogueTable.h"
#include "tree/TCatalogueTree.h"

#include <condition_variable>
#include <cstring>
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

void TCatalogueReader::DecodeDescription()
{
    Decode(CfProducer, last_[1], record_.Producer);
    Decode(CfProduct, last_[2], record_.Product);
    Decode(CfVersion, last_[3], record_.Version);
    Decode(CfDescription, last_[4], record_.Description);
    record_.Size = ByteSizeFromField(table_.ReadNumber(CfByteSize));
}

const TCatalogueRecord &TCatalogueReader::Read()
{
    Decode(CfLabel, last_[0], record_.Label);
    DecodeDescription();
    codec::FromCp1251(table_.ReadText(CfPath), record_.Path); // differs on every record
    return record_;
}

const TCatalogueRecord &TCatalogueReader::ReadJoined(std::u16string &joined)
{
    Decode(CfLabel, last_[0], record_.Label);
    DecodeDescription();
    record_.Path = QString();
    const std::string_view path = table_.ReadText(CfPath);
    const QString &label = record_.Label;
    const size_t at = joined.size();
    const size_t separator = !label.isEmpty() && !path.empty() ? 1 : 0;
    joined.resize(at + size_t(label.size()) + separator + path.size());
    char16_t *out = joined.data() + at;
    std::memcpy(out, label.constData(), size_t(label.size()) * sizeof(char16_t));
    out += label.size();
    if (separator)
        *out++ = u'\\';
    codec::FromCp1251(path, out);
    return record_;
}

namespace {

// Records travel from the reading thread to the tree in batches: few enough
// hand-overs to cost nothing, small enough that the tree starts at once.
constexpr size_t kBatchRecords = 512;
constexpr size_t kBatchesAhead = 8;

// Decoded records: each record's joined label and path lie one after another
// in one text, so that a record costs no string of its own on either thread.
struct TRecordBatch {
    struct Item {
        size_t end; // of the joined path in text; it starts where the previous one ended
        int64_t size;
        QString producer;
        QString product;
        QString version;
        QString description;
    };
    std::u16string text;
    std::vector<Item> items;

    bool Empty() const { return items.empty(); }
    void Clear()
    {
        text.clear();
        items.clear();
    }
};

// The records of a table read and decoded on a thread of their own, handed
// to the caller's thread in table order. The caller may stop taking them at
// any time; the thread then ends at its next batch. Batches the caller has
// done with come back to be filled again, so that their buffers are not
// allocated anew (and first touched) for every batch.
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

    // Fills batch with the next records; empty at the end. Throws what the
    // reading threw, after every record read before it has been taken.
    void Take(TRecordBatch &batch)
    {
        if (inline_) {
            if (error_)
                std::rethrow_exception(std::exchange(error_, nullptr));
            batch.Clear();
            try {
                ReadBatch(batch);
            } catch (...) {
                error_ = std::current_exception();
                more_ = false;
                if (batch.Empty())
                    throw;
            }
            return;
        }
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
        if (batch.items.capacity() > 0)
            spare_.push_back(std::move(batch));
        if (ready_.empty()) {
            batch = TRecordBatch();
            if (error_)
                std::rethrow_exception(std::exchange(error_, nullptr));
            return;
        }
        batch = std::move(ready_.front());
        ready_.pop_front();
        changed_.notify_all();
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
    void ReadBatch(TRecordBatch &batch)
    {
        batch.items.reserve(kBatchRecords);
        for (; more_ && batch.items.size() < kBatchRecords; more_ = table_.Next()) {
            const TCatalogueRecord &r = reader_->ReadJoined(batch.text);
            batch.items.push_back(
                {batch.text.size(), r.Size, r.Producer, r.Product, r.Version, r.Description});
        }
    }

    // Waits for room and hands the batch over, taking a spare one in its
    // place; false once stopped.
    bool Hand(TRecordBatch &batch)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ready_.size() < kBatchesAhead || stopped_; });
        if (stopped_)
            return false;
        if (!batch.Empty())
            ready_.push_back(std::move(batch));
        if (!spare_.empty()) {
            batch = std::move(spare_.back());
            spare_.pop_back();
        } else {
            batch = TRecordBatch();
        }
        changed_.notify_all();
        return true;
    }

    void Produce()
    {
        std::exception_ptr error;
        TRecordBatch batch;
        try {
            reader_.emplace(table_);
            more_ = table_.First();
            while (more_) {
                batch.Clear();
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
    std::deque<TRecordBatch> ready_;
    std::vector<TRecordBatch> spare_;
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
    TRecordBatch batch;
    for (reader.Take(batch); !batch.Empty(); reader.Take(batch)) {
        const char16_t *text = batch.text.data();
        size_t begin = 0;
        for (const TRecordBatch::Item &r : batch.items) {
            const QStringView joined(text + begin, qsizetype(r.end - begin));
            begin = r.end;
            catalogue.InsertPath(joined, r.producer, r.product, r.version, r.size, r.description,
                                 false);
            if (step && !step())
                return false;
        }
    }
    return true;
}

} // namespace qbx
