// Fuzz target for local SQL: the statement and condition parsers, binding to
// the catalogue fields and evaluation on a few records.
#include "FuzzCatalogue.h"

#include "engine/Error.h"
#include "engine/FieldCodec.h"
#include "engine/SqlCondition.h"
#include "engine/SqlParser.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace qbx::engine;
using qbx::fuzz::CatalogueSqlFields;
using qbx::fuzz::kCatalogueRecordSize;

const std::vector<std::array<uint8_t, kCatalogueRecordSize>> &Records()
{
    static const auto records = [] {
        struct Row {
            const char *label, *path, *producer, *description;
            double size;
            bool hasSize;
        };
        const Row rows[] = {
            {"DISK1", "", "", "\xC4\xE8\xF1\xEA", 700000000, true},
            {"DISK1", "Soft\\", "", "", 0, true},
            {"DISK1", "Soft\\abc_1%.txt", "Microsoft", "", 6442450944.0, true},
            {"\xB8\xEB\xEA\xE0", "\xD4\xEE\xF2\xEE\\a.jpg", "", "x\"y", -1, false},
            {"", "", "", "", 0, false},
        };
        std::vector<std::array<uint8_t, kCatalogueRecordSize>> out;
        for (const Row &r : rows) {
            std::array<uint8_t, kCatalogueRecordSize> rec{};
            EncodeAlpha(rec.data() + 0, 32, r.label);
            EncodeAlpha(rec.data() + 32, 255, r.path);
            EncodeAlpha(rec.data() + 287, 64, r.producer);
            if (r.hasSize)
                EncodeNumber(rec.data() + 431, r.size);
            EncodeAlpha(rec.data() + 439, 64, r.description);
            out.push_back(rec);
        }
        return out;
    }();
    return records;
}

// Binds a parsed condition to the catalogue fields and evaluates it on
// every record. A record the condition accepts must pass its need.
void Evaluate(const SqlExpr &expr)
{
    const std::vector<SqlField> &fields = CatalogueSqlFields();
    const SqlCondition condition(expr, fields, kCatalogueRecordSize);
    const std::optional<SqlNeed> need = condition.Need();
    for (const auto &rec : Records()) {
        if (condition.Evaluate(rec.data()) != SqlTruth::True || !need)
            continue;
        bool passes = false;
        for (const SqlNeedTerm &t : need->anyOf) {
            const FieldLayout &f = fields.at(t.field).layout;
            const std::string_view value = AlphaValue(rec.data() + f.offset, f.size);
            passes = passes || MappedContains(t.map, value.data(), value.size(), t.literal);
        }
        if (!passes)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        Evaluate(ParseSqlCondition(text));
    } catch (const Error &) {
    }
    try {
        const SqlSelect select = ParseSqlSelect(text);
        if (select.hasWhere)
            Evaluate(select.where);
    } catch (const Error &) {
    }
    return 0;
}
