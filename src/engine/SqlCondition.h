#pragma once

#include "engine/FieldCodec.h"
#include "engine/SqlExpr.h"
#include "engine/SqlNeed.h"
#include "engine/SqlPattern.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A WHERE condition bound to the fields of one table and evaluated directly
// on raw record bytes, without allocating per record. Three-valued logic: a
// test on a NULL value (an empty alpha field, an all-zero number) is
// unknown, NOT of unknown is unknown, and only records for which the whole
// condition is true match.
namespace qbx::engine {

enum class SqlTruth : uint8_t { False, True, Unknown };

// A field of the table as the condition sees it.
struct SqlField {
    std::string name;
    FieldLayout layout;
};

class SqlCondition {
public:
    // Looks the field names up (ignoring case) and checks the types of every
    // comparison; raises Error(ErrSqlSyntax) with the position of the fault.
    SqlCondition(const SqlExpr &expr, const std::vector<SqlField> &fields, uint32_t recordSize);

    SqlTruth Evaluate(const uint8_t *record) const { return Eval(root_, record); }
    bool Matches(const uint8_t *record) const { return Eval(root_, record) == SqlTruth::True; }

    // A test every record this condition accepts passes, built from its
    // LIKE patterns (see SqlNeed); none when the condition can accept a
    // record that no such test describes (NOT, IS NULL, comparisons, "_" or
    // ESCAPE in a pattern on the way).
    std::optional<SqlNeed> Need() const { return NeedOf(root_); }

private:
    struct Operand {
        enum class Kind { Alpha, Numeric, OtherField, Text, Number };
        Kind kind = Kind::Text;
        uint32_t field = 0; // for Alpha, Numeric, OtherField: the index of the field
        FieldLayout layout;
        const uint8_t *map = nullptr; // for Alpha: identity or upper-case
        std::string text;             // Text constant, upper-cased already when asked
        double number = 0;
    };

    struct Node {
        enum class Kind { Or, And, Not, CompareText, CompareNumber, Like, IsNull };
        Kind kind = Kind::Or;
        uint32_t first = 0; // Or/And/Not: children in children_[first, first + count)
        uint32_t count = 0;
        uint32_t left = 0; // operand indices
        uint32_t right = 0;
        uint32_t pattern = 0; // Like: index into patterns_
        int32_t need = -1;    // Like: index into needs_ of what every match contains
        SqlCompareOp op = SqlCompareOp::Eq;
        bool negated = false;
    };

    uint32_t Bind(const SqlExpr &expr, const std::vector<SqlField> &fields);
    uint32_t BindOperand(const SqlOperand &op, const std::vector<SqlField> &fields);
    SqlTruth Eval(uint32_t node, const uint8_t *record) const;
    std::optional<SqlNeed> NeedOf(uint32_t node) const;
    bool TextOf(const Operand &op, const uint8_t *record, std::string_view &out) const;
    bool NumberOf(const Operand &op, const uint8_t *record, double &out) const;
    SqlTruth CompareText(const Node &node, const uint8_t *record) const;
    SqlTruth CompareNumber(const Node &node, const uint8_t *record) const;
    SqlTruth IsNull(const Node &node, const uint8_t *record) const;

    uint32_t recordSize_;
    uint32_t root_ = 0;
    std::vector<Node> nodes_;
    std::vector<uint32_t> children_;
    std::vector<Operand> operands_;
    std::vector<SqlPattern> patterns_;
    std::vector<SqlNeedTerm> needs_;
};

} // namespace qbx::engine
