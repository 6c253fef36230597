#pragma once

#include "engine/FieldCodec.h"
#include "engine/SqlCondition.h"
#include "engine/SqlParser.h"
#include "platform/Codec.h"

#include <optional>
#include <string>
#include <vector>

// Catalogue-shaped records built in memory, for conditions tested without a
// table file. Texts in the tests are UTF-8 and become 1251 bytes here.
namespace qbx::test {

inline std::string W(const std::string &utf8)
{
    return codec::ToCp1251(QString::fromStdString(utf8));
}

struct CatalogueRow {
    std::string label, path, producer, product, version;
    std::optional<double> size;
    std::string description;
};

inline std::vector<engine::SqlField> CatalogueSqlFields(uint8_t sizeType = engine::FtNumber)
{
    using namespace engine;
    const uint32_t sizeBytes = sizeType == FtLong ? 4 : 8;
    return {
        {"Label", {FtAlpha, 0, 32}},
        {"Path", {FtAlpha, 32, 255}},
        {"Producer", {FtAlpha, 287, 64}},
        {"Product", {FtAlpha, 351, 64}},
        {"Version", {FtAlpha, 415, 16}},
        {"ByteSize", {sizeType, 431, sizeBytes}},
        {"Description", {FtAlpha, 431 + sizeBytes, 64}},
    };
}

inline uint32_t CatalogueRecordSize(uint8_t sizeType = engine::FtNumber)
{
    return sizeType == engine::FtLong ? 499 : 503;
}

inline std::vector<uint8_t> MakeRecord(const CatalogueRow &row, uint8_t sizeType = engine::FtNumber)
{
    using namespace engine;
    const auto fields = CatalogueSqlFields(sizeType);
    std::vector<uint8_t> rec(CatalogueRecordSize(sizeType), 0);
    const std::string *texts[] = {&row.label, &row.path, &row.producer, &row.product, &row.version};
    for (int i = 0; i < 5; ++i)
        EncodeAlpha(rec.data() + fields[i].layout.offset, fields[i].layout.size, W(*texts[i]));
    if (row.size) {
        if (sizeType == FtLong)
            EncodeLong(rec.data() + fields[5].layout.offset, static_cast<int32_t>(*row.size));
        else
            EncodeNumber(rec.data() + fields[5].layout.offset, *row.size);
    }
    EncodeAlpha(rec.data() + fields[6].layout.offset, 64, W(row.description));
    return rec;
}

// Indices of the rows the condition holds for.
inline std::vector<int> MatchingRows(const std::string &condition,
                                     const std::vector<CatalogueRow> &rows,
                                     uint8_t sizeType = engine::FtNumber)
{
    const auto fields = CatalogueSqlFields(sizeType);
    const engine::SqlCondition cond(engine::ParseSqlCondition(W(condition)), fields,
                                    CatalogueRecordSize(sizeType));
    std::vector<int> out;
    for (size_t i = 0; i < rows.size(); ++i)
        if (cond.Matches(MakeRecord(rows[i], sizeType).data()))
            out.push_back(static_cast<int>(i));
    return out;
}

// Truth of the condition for one row: "true", "false" or "unknown".
inline std::string TruthOf(const std::string &condition, const CatalogueRow &row)
{
    const auto fields = CatalogueSqlFields();
    const engine::SqlCondition cond(engine::ParseSqlCondition(W(condition)), fields,
                                    CatalogueRecordSize());
    switch (cond.Evaluate(MakeRecord(row).data())) {
    case engine::SqlTruth::True:
        return "true";
    case engine::SqlTruth::False:
        return "false";
    default:
        return "unknown";
    }
}

} // namespace qbx::test
