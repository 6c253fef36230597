#include "engine/Query.h"

#include "engine/Engine.h"
#include "engine/Error.h"
#include "engine/FeedScan.h"
#include "engine/RecordCodec.h"
#include "engine/SqlCondition.h"
#include "engine/SqlParser.h"
#include "engine/Table.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <optional>
#include <thread>

namespace qbx::engine {

namespace {

// A thread gets at least this many blocks, and no more than this many
// threads scan one table.
constexpr size_t kBlocksPerThread = 32;
constexpr size_t kMaxThreads = 4;

// A mapped table is read straight from the page cache, and a condition
// touches a few fields spread over each record: without help the scan
// waits on memory at every field. Asking for the lines of a record this
// many records ahead lets the loads overlap.
constexpr uint32_t kPrefetchRecords = 4;

void PrefetchRecord(const uint8_t *record, uint32_t size)
{
    for (uint32_t at = 0; at < size; at += 64)
        __builtin_prefetch(record + at);
    __builtin_prefetch(record + size - 1);
}

// Where large results spill: the private directory the program chose, else
// the system's temporary folder.
std::string SpillFolder()
{
    std::string folder = PrivateDirectory();
    if (folder.empty()) {
        const char *tmp = std::getenv("TMPDIR");
        folder = tmp && *tmp ? tmp : "/tmp";
    }
    return folder;
}

} // namespace

void Query::Open(std::string_view statement)
{
    Close();
    try {
        Run(statement);
    } catch (...) {
        Close();
        throw;
    }
}

void Query::Open(std::string_view statement, const std::vector<FieldDef> &fields,
                 RecordFeed &feed)
{
    Close();
    try {
        RunFeed(statement, fields, feed);
    } catch (...) {
        Close();
        throw;
    }
}

void Query::RunFeed(std::string_view statement, const std::vector<FieldDef> &fields,
                    RecordFeed &feed)
{
    const SqlSelect select = ParseSqlSelect(statement);
    fields_ = fields;
    layout_ = LayoutOf(fields_);
    recordSize_ = 0;
    std::vector<SqlField> sqlFields;
    sqlFields.reserve(fields_.size());
    for (size_t i = 0; i < fields_.size(); ++i) {
        sqlFields.push_back({fields_[i].name, layout_[i]});
        recordSize_ += fields_[i].size;
    }
    if (recordSize_ == 0)
        throw Error(ErrInvalidParameter, "A record has no fields.");
    std::optional<SqlCondition> condition;
    if (select.hasWhere)
        condition.emplace(select.where, sqlFields, recordSize_);
    parts_.clear();
    parts_.emplace_back(recordSize_, SpillFolder(), SqlRowStore::kMemoryChunks, TextSpans());
    scanned_ = ScanFeed(feed, recordSize_, condition ? &*condition : nullptr, parts_[0]);
    count_ = parts_[0].Count();
    tableName_ = select.table;
    open_ = true;
}

std::vector<SqlRowStore::TextSpan> Query::TextSpans() const
{
    std::vector<SqlRowStore::TextSpan> texts;
    for (const FieldLayout &f : layout_)
        if (f.type == FtAlpha)
            texts.push_back({f.offset, f.size});
    return texts;
}

void Query::Run(std::string_view statement)
{
    const SqlSelect select = ParseSqlSelect(statement);
    Table table;
    table.Open(select.table, OpenMode::Shared);

    std::vector<SqlField> sqlFields;
    sqlFields.reserve(table.Fields().size());
    for (size_t i = 0; i < table.Fields().size(); ++i)
        sqlFields.push_back({table.Fields()[i].name, table.Layout()[i]});
    recordSize_ = table.RecordSize();
    layout_ = table.Layout();
    std::optional<SqlCondition> condition;
    if (select.hasWhere)
        condition.emplace(select.where, sqlFields, recordSize_);
    table.MapForReading();
    Scan(table, condition ? &*condition : nullptr);
    tableName_ = select.table;
    fields_ = table.Fields();
    layout_ = table.Layout();
    open_ = true;
}

void Query::Scan(const Table &table, const SqlCondition *condition)
{
    const size_t blocks = table.ChainLength();
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t threads =
        std::clamp<size_t>(blocks / kBlocksPerThread, 1, std::min(cores, kMaxThreads));
    parts_.clear();
    const std::string spillFolder = SpillFolder();
    const std::vector<SqlRowStore::TextSpan> texts = TextSpans();
    for (size_t i = 0; i < threads; ++i)
        parts_.emplace_back(recordSize_, spillFolder, SqlRowStore::kMemoryChunks, texts);
    std::vector<std::exception_ptr> errors(threads);
    const auto scanPart = [&](size_t part) {
        try {
            std::vector<uint8_t> buffer(table.Header().BlockSize());
            const size_t end = blocks * (part + 1) / threads;
            for (size_t b = blocks * part / threads; b < end; ++b) {
                uint32_t n = 0;
                const uint8_t *record = table.MappedChainBlock(b, n);
                if (!record) {
                    n = table.ReadChainBlock(b, buffer.data());
                    record = buffer.data();
                }
                const uint8_t *const end = record + size_t(n) * recordSize_;
                const size_t ahead = size_t(kPrefetchRecords) * recordSize_;
                for (; record < end; record += recordSize_) {
                    if (record + ahead < end)
                        PrefetchRecord(record + ahead, recordSize_);
                    if (!condition || condition->Matches(record))
                        parts_[part].Add(record);
                }
            }
        } catch (...) {
            errors[part] = std::current_exception();
        }
    };
    std::vector<std::thread> workers;
    for (size_t part = 1; part < threads; ++part) {
        try {
            workers.emplace_back(scanPart, part);
        } catch (const std::system_error &) {
            scanPart(part); // no thread to be had: scan it here
        }
    }
    scanPart(0);
    for (std::thread &t : workers)
        t.join();
    for (const std::exception_ptr &e : errors)
        if (e)
            std::rethrow_exception(e);
    count_ = 0;
    for (const SqlRowStore &p : parts_)
        count_ += p.Count();
    scanned_ = table.RecordCount();
}

void Query::Close() noexcept
{
    open_ = false;
    tableName_.clear();
    fields_.clear();
    layout_.clear();
    parts_.clear();
    recordSize_ = 0;
    count_ = 0;
    scanned_ = 0;
    part_ = 0;
    row_ = 0;
    onRow_ = false;
}

bool Query::First()
{
    part_ = 0;
    row_ = 0;
    return LoadRow();
}

bool Query::Next()
{
    if (!onRow_)
        return false;
    ++row_;
    return LoadRow();
}

// Puts the cursor on row_ of part_, or on the first row of a later part
// when that part has no more rows.
bool Query::LoadRow()
{
    while (part_ < parts_.size() && row_ >= parts_[part_].Count()) {
        ++part_;
        row_ = 0;
    }
    onRow_ = part_ < parts_.size();
    if (onRow_) {
        current_.resize(recordSize_);
        parts_[part_].CopyRow(row_, current_.data());
    }
    return onRow_;
}

const uint8_t *Query::RecordData() const
{
    return onRow_ ? current_.data() : nullptr;
}

const FieldDef &Query::CheckedField(size_t field) const
{
    if (!onRow_)
        throw Error(ErrInvalidParameter, "No current record.");
    if (field >= fields_.size())
        throw Error(ErrInvalidParameter, "Invalid field number " + std::to_string(field) + ".");
    return fields_[field];
}

std::string_view Query::ReadText(size_t field) const
{
    const FieldDef &f = CheckedField(field);
    if (f.type != FtAlpha)
        throw Error(ErrInvalidParameter, "Field is not a text field: " + f.name);
    return AlphaValue(RecordData() + layout_[field].offset, f.size);
}

double Query::ReadNumber(size_t field) const
{
    const FieldDef &f = CheckedField(field);
    if (f.Kind() != FieldKind::Float && f.Kind() != FieldKind::Integer)
        throw Error(ErrInvalidParameter, "Field is not a number field: " + f.name);
    double v = 0;
    return NumericValue(RecordData(), layout_[field], v) ? v : 0.0;
}

bool Query::IsNull(size_t field) const
{
    const FieldDef &f = CheckedField(field);
    return IsNullValue(RecordData() + layout_[field].offset, f.size);
}

} // namespace qbx::engine
