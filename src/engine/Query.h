#pragma once

#include "engine/FieldCodec.h"
#include "engine/SqlRowStore.h"
#include "engine/TableHeader.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qbx::engine {

class RecordFeed;
class SqlCondition;
class Table;

// The result of a local SQL statement
//   SELECT * FROM "file" [WHERE condition]
// read like a table: the matching records of the file in stored order, with
// the file's field definitions. The table is opened for reading only while
// the statement runs; the rows found are kept in memory, so the result
// stays readable after the file changes or is locked by someone else.
// Large tables are scanned by a few threads, each over its own run of
// blocks; the rows keep the stored order.
class Query {
public:
    Query() = default;

    // Parses and runs the statement. Throws Error: ErrSqlSyntax for a
    // malformed statement or condition (with the position), or the table's
    // error when the file is missing, locked or no table. The query is
    // closed first, and stays closed after a failure.
    void Open(std::string_view statement);
    // Runs the statement over the records of a feed instead of the file
    // named after FROM: a table of these fields holding the feed's records
    // gives exactly the same rows. Throws as above, and what the feed
    // throws.
    void Open(std::string_view statement, const std::vector<FieldDef> &fields, RecordFeed &feed);
    void Close() noexcept;
    bool IsOpen() const { return open_; }

    // The file named after FROM.
    const std::string &TableName() const { return tableName_; }
    const std::vector<FieldDef> &Fields() const { return fields_; }
    const std::vector<FieldLayout> &Layout() const { return layout_; }
    uint32_t RecordSize() const { return recordSize_; }
    uint32_t RecordCount() const { return count_; }
    // The records the statement looked at: all of the table or feed.
    uint32_t ScannedCount() const { return scanned_; }

    // Cursor over the rows found. First and Next return false when there is
    // no (further) row.
    bool First();
    bool Next();
    // Bytes of the current row; nullptr when the cursor is not on a row.
    const uint8_t *RecordData() const;

    // Values of the current row, as a table gives them: the bytes of an alpha
    // field ("" for NULL), the value of a number or integer field (0 for
    // NULL). Both throw for another field type.
    std::string_view ReadText(size_t field) const;
    double ReadNumber(size_t field) const;
    bool IsNull(size_t field) const;

private:
    void Run(std::string_view statement);
    void RunFeed(std::string_view statement, const std::vector<FieldDef> &fields,
                 RecordFeed &feed);
    std::vector<SqlRowStore::TextSpan> TextSpans() const;
    void Scan(const Table &table, const SqlCondition *condition);
    const FieldDef &CheckedField(size_t field) const;

    bool open_ = false;
    std::string tableName_;
    std::vector<FieldDef> fields_;
    std::vector<FieldLayout> layout_;
    uint32_t recordSize_ = 0;
    uint32_t count_ = 0;
    uint32_t scanned_ = 0;
    bool LoadRow();

    std::vector<SqlRowStore> parts_; // the rows of each scanning thread, in order
    size_t part_ = 0;                // cursor: part and row within it
    uint32_t row_ = 0;
    bool onRow_ = false;
    std::vector<uint8_t> current_; // the bytes of the row the cursor is on
};

} // namespace qbx::engine
