#include "engine/Query.h"

#include "engine/Error.h"
#include "engine/SqlCondition.h"
#include "engine/SqlParser.h"
#include "engine/Table.h"

#include <cstring>

namespace qbx::engine {

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
    if (select.hasWhere) {
        const SqlCondition condition(select.where, sqlFields, recordSize_);
        for (bool ok = table.First(); ok; ok = table.Next())
            if (condition.Matches(table.RecordData()))
                AddRow(table.RecordData());
    } else {
        for (bool ok = table.First(); ok; ok = table.Next())
            AddRow(table.RecordData());
    }
    tableName_ = select.table;
    fields_ = table.Fields();
    layout_ = table.Layout();
    open_ = true;
}

void Query::AddRow(const uint8_t *record)
{
    const uint32_t slot = count_ % kRowsPerChunk;
    if (slot == 0)
        chunks_.push_back(std::make_unique<uint8_t[]>(size_t(kRowsPerChunk) * recordSize_));
    std::memcpy(chunks_.back().get() + size_t(slot) * recordSize_, record, recordSize_);
    ++count_;
}

void Query::Close() noexcept
{
    open_ = false;
    tableName_.clear();
    fields_.clear();
    layout_.clear();
    chunks_.clear();
    recordSize_ = 0;
    count_ = 0;
    current_ = 0;
    onRow_ = false;
}

bool Query::First()
{
    current_ = 0;
    onRow_ = count_ > 0;
    return onRow_;
}

bool Query::Next()
{
    if (!onRow_)
        return false;
    onRow_ = ++current_ < count_;
    return onRow_;
}

const uint8_t *Query::RecordData() const
{
    if (!onRow_)
        return nullptr;
    return chunks_[current_ / kRowsPerChunk].get() + size_t(current_ % kRowsPerChunk) * recordSize_;
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
