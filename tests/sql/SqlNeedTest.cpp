// The need of a condition: a cheap test on a record's texts that every record
// the condition accepts passes, which lets a feed withhold the others.
#include "CatalogueRecords.h"

#include "engine/SqlCharMap.h"
#include "engine/SqlNeed.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace qbx::test {
namespace {

std::optional<engine::SqlNeed> NeedOf(const std::string &condition)
{
    const engine::SqlCondition cond(engine::ParseSqlCondition(W(condition)), CatalogueSqlFields(),
                                    CatalogueRecordSize());
    return cond.Need();
}

// "field:U|I:literal" for each term (1251), "none" without a need.
std::string Describe(const std::optional<engine::SqlNeed> &need)
{
    if (!need)
        return "none";
    std::string out;
    for (const engine::SqlNeedTerm &t : need->anyOf) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(t.field) + (t.map == engine::Cp1251UpperMap() ? ":U:" : ":I:") +
               t.literal;
    }
    return out;
}

TEST(SqlNeedTest, OnlyPatternsEveryAcceptedRecordMustMatchGiveANeed)
{
    const struct {
        const char *condition;
        const char *need;
    } cases[] = {
        // A global search: one term per field, on the upper-case mapping.
        {R"((UPPER (Label) LIKE "%TXT%") OR (UPPER (Path) LIKE "%TXT%"))", "0:U:TXT 1:U:TXT"},
        {R"(Path LIKE "ab%cde%f")", "1:I:cde"},
        {R"(Path LIKE "abc")", "1:I:abc"},
        {R"(Description LIKE "%песня")", "6:I:песня"},
        // The part of an AND with the fewest ways to pass.
        {R"((Path LIKE "%a%") AND (ByteSize > 5))", "1:I:a"},
        {R"(((Path LIKE "%ab%") OR (Label LIKE "%ab%")) AND (Description LIKE "%xyz%"))",
         "6:I:xyz"},
        // Whatever else can make the condition true leaves no need.
        {R"(Path LIKE "%")", "none"},
        {R"(Path LIKE "a_c%")", "none"},
        {R"(Path LIKE "%a!%b%" ESCAPE "!")", "none"},
        {R"(Path NOT LIKE "%a%")", "none"},
        {R"(NOT (Path LIKE "%a%"))", "none"},
        {R"((Path LIKE "%a%") OR (ByteSize > 5))", "none"},
        {R"((Path LIKE "%a%") OR (Label IS NULL))", "none"},
        {R"((Path LIKE "%a%") OR (Label = "a"))", "none"},
        {R"(("abc" LIKE "%b%") OR (Path LIKE "%x%"))", "none"},
        {R"((ByteSize > 5) AND (Label IS NOT NULL))", "none"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Describe(NeedOf(c.condition)), W(c.need)) << c.condition;
}

TEST(SqlNeedTest, EveryRecordAConditionAcceptsPassesItsNeed)
{
    // Random conditions of LIKE, NOT, AND and OR over random records of a
    // few letters in both cases, ё and Ё, "%" and "_": whenever the
    // condition is true, one of the need's terms holds on the record's text.
    std::mt19937 rng(30);
    static const char *const letters[] = {"a", "A", "б", "Б", "ё", "Ё", "е", "%", "_", "\\"};
    const auto text = [&](int most) {
        std::string t;
        for (int n = int(rng() % most); n > 0; --n)
            t += letters[rng() % std::size(letters)];
        return t;
    };
    static const char *const fields[] = {"Label", "Path", "Producer", "Description"};
    std::function<std::string(int)> condition = [&](int depth) -> std::string {
        const unsigned kind = depth > 2 ? 0 : rng() % 5;
        if (kind == 1 || kind == 2) {
            std::string c = "(" + condition(depth + 1);
            for (int n = 1 + int(rng() % 2); n > 0; --n)
                c += (kind == 1 ? " OR " : " AND ") + condition(depth + 1);
            return c + ")";
        }
        if (kind == 3)
            return "(NOT " + condition(depth + 1) + ")";
        std::string field = fields[rng() % std::size(fields)];
        if (rng() % 2)
            field = "UPPER (" + field + ")";
        std::string pattern;
        for (int n = 1 + int(rng() % 3); n > 0; --n)
            pattern += (rng() % 2 ? "%" : "") + text(3);
        if (rng() % 2)
            pattern += "%";
        return "(" + field + (rng() % 6 == 0 ? " NOT" : "") + " LIKE \"" + pattern + "\")";
    };
    const auto recordFields = CatalogueSqlFields();
    int checked = 0;
    for (int round = 0; round < 400; ++round) {
        const std::string c = condition(0);
        const engine::SqlCondition cond(engine::ParseSqlCondition(W(c)), recordFields,
                                        CatalogueRecordSize());
        const std::optional<engine::SqlNeed> need = cond.Need();
        if (!need)
            continue;
        for (int r = 0; r < 200; ++r) {
            const CatalogueRow row{text(8), text(12), text(6), "", "", 1, text(6)};
            const std::vector<uint8_t> record = MakeRecord(row);
            if (!cond.Matches(record.data()))
                continue;
            ++checked;
            bool passes = false;
            for (const engine::SqlNeedTerm &t : need->anyOf) {
                const engine::FieldLayout &f = recordFields[t.field].layout;
                const std::string_view value = engine::AlphaValue(record.data() + f.offset, f.size);
                passes =
                    passes || engine::MappedContains(t.map, value.data(), value.size(), t.literal);
            }
            ASSERT_TRUE(passes) << c << " on " << row.label << " | " << row.path;
        }
    }
    EXPECT_GT(checked, 500);
}

} // namespace
} // namespace qbx::test
