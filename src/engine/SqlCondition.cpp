#include "engine/SqlCondition.h"

#include "engine/Error.h"
#include "engine/SqlLexer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qbx::engine {

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    const CharMap &up = Cp1251UpperMap();
    for (size_t i = 0; i < a.size(); ++i)
        if (up[static_cast<uint8_t>(a[i])] != up[static_cast<uint8_t>(b[i])])
            return false;
    return true;
}

SqlTruth Not(SqlTruth t)
{
    if (t == SqlTruth::Unknown)
        return t;
    return t == SqlTruth::True ? SqlTruth::False : SqlTruth::True;
}

SqlTruth FromBool(bool b)
{
    return b ? SqlTruth::True : SqlTruth::False;
}

SqlTruth Ordered(int cmp, SqlCompareOp op)
{
    switch (op) {
    case SqlCompareOp::Eq:
        return FromBool(cmp == 0);
    case SqlCompareOp::Ne:
        return FromBool(cmp != 0);
    case SqlCompareOp::Lt:
        return FromBool(cmp < 0);
    case SqlCompareOp::Le:
        return FromBool(cmp <= 0);
    case SqlCompareOp::Gt:
        return FromBool(cmp > 0);
    case SqlCompareOp::Ge:
        return FromBool(cmp >= 0);
    }
    return SqlTruth::Unknown;
}

// The longest run of a LIKE pattern between its "%"s: every text the
// pattern matches contains it. Empty when the pattern has none, or has "_"
// (kept simple: such patterns give no need).
std::string LongestLiteral(std::string_view pattern)
{
    if (pattern.find('_') != std::string_view::npos)
        return {};
    std::string_view longest;
    size_t start = 0;
    while (start <= pattern.size()) {
        size_t end = pattern.find('%', start);
        if (end == std::string_view::npos)
            end = pattern.size();
        if (end - start > longest.size())
            longest = pattern.substr(start, end - start);
        start = end + 1;
    }
    return std::string(longest);
}

} // namespace

SqlCondition::SqlCondition(const SqlExpr &expr, const std::vector<SqlField> &fields,
                           uint32_t recordSize)
    : recordSize_(recordSize)
{
    root_ = Bind(expr, fields);
}

uint32_t SqlCondition::BindOperand(const SqlOperand &op, const std::vector<SqlField> &fields)
{
    Operand bound;
    switch (op.kind) {
    case SqlOperand::Kind::String:
        bound.kind = Operand::Kind::Text;
        bound.text = op.upper ? Cp1251Upper(op.text) : op.text;
        break;
    case SqlOperand::Kind::Number:
        bound.kind = Operand::Kind::Number;
        bound.number = op.number;
        break;
    case SqlOperand::Kind::Field: {
        const auto it = std::find_if(fields.begin(), fields.end(),
                                     [&](const SqlField &f) { return SameName(f.name, op.text); });
        if (it == fields.end())
            ThrowSqlSyntax("Unknown field \"" + op.text + "\"", op.position);
        bound.field = static_cast<uint32_t>(it - fields.begin());
        bound.layout = it->layout;
        if (bound.layout.offset > recordSize_ ||
            bound.layout.size > recordSize_ - bound.layout.offset)
            ThrowSqlSyntax("Field \"" + op.text + "\" lies outside the record", op.position);
        switch (KindOfType(bound.layout.type)) {
        case FieldKind::String:
            bound.kind = Operand::Kind::Alpha;
            bound.map = op.upper ? Cp1251UpperMap() : IdentityMap();
            break;
        case FieldKind::Float:
        case FieldKind::Integer:
            bound.kind = Operand::Kind::Numeric;
            break;
        case FieldKind::Other:
            bound.kind = Operand::Kind::OtherField;
            break;
        }
        if (op.upper && bound.kind != Operand::Kind::Alpha)
            ThrowSqlSyntax("UPPER needs a text value", op.position);
        break;
    }
    }
    operands_.push_back(std::move(bound));
    return static_cast<uint32_t>(operands_.size() - 1);
}

uint32_t SqlCondition::Bind(const SqlExpr &expr, const std::vector<SqlField> &fields)
{
    Node node;
    node.negated = expr.negated;
    node.op = expr.op;
    switch (expr.kind) {
    case SqlExpr::Kind::Or:
    case SqlExpr::Kind::And:
    case SqlExpr::Kind::Not: {
        node.kind = expr.kind == SqlExpr::Kind::Or    ? Node::Kind::Or
                    : expr.kind == SqlExpr::Kind::And ? Node::Kind::And
                                                      : Node::Kind::Not;
        std::vector<uint32_t> kids;
        kids.reserve(expr.children.size());
        for (const SqlExpr &child : expr.children)
            kids.push_back(Bind(child, fields));
        node.first = static_cast<uint32_t>(children_.size());
        node.count = static_cast<uint32_t>(kids.size());
        children_.insert(children_.end(), kids.begin(), kids.end());
        break;
    }
    case SqlExpr::Kind::IsNull:
        node.kind = Node::Kind::IsNull;
        node.left = BindOperand(expr.left, fields);
        break;
    case SqlExpr::Kind::Compare: {
        node.left = BindOperand(expr.left, fields);
        node.right = BindOperand(expr.right, fields);
        const auto isText = [](const Operand &o) {
            return o.kind == Operand::Kind::Alpha || o.kind == Operand::Kind::Text;
        };
        const auto isNumber = [](const Operand &o) {
            return o.kind == Operand::Kind::Numeric || o.kind == Operand::Kind::Number;
        };
        const Operand &l = operands_[node.left];
        const Operand &r = operands_[node.right];
        if (isText(l) && isText(r))
            node.kind = Node::Kind::CompareText;
        else if (isNumber(l) && isNumber(r))
            node.kind = Node::Kind::CompareNumber;
        else
            ThrowSqlSyntax("Type mismatch in comparison", expr.right.position);
        break;
    }
    case SqlExpr::Kind::Like: {
        node.kind = Node::Kind::Like;
        node.left = BindOperand(expr.left, fields);
        const Operand &l = operands_[node.left];
        if (l.kind != Operand::Kind::Alpha && l.kind != Operand::Kind::Text)
            ThrowSqlSyntax("LIKE needs a text value", expr.left.position);
        if (expr.right.kind != SqlOperand::Kind::String)
            ThrowSqlSyntax("The LIKE pattern must be a string constant", expr.right.position);
        const std::string pattern =
            expr.right.upper ? Cp1251Upper(expr.right.text) : expr.right.text;
        const CharMap &map = l.kind == Operand::Kind::Alpha && l.map == Cp1251UpperMap()
                                 ? Cp1251UpperMap()
                                 : IdentityMap();
        patterns_.emplace_back(pattern, expr.hasEscape ? static_cast<uint8_t>(expr.escape) : -1,
                               map);
        node.pattern = static_cast<uint32_t>(patterns_.size() - 1);
        if (l.kind == Operand::Kind::Alpha && !expr.negated && !expr.hasEscape) {
            std::string literal = LongestLiteral(pattern);
            if (!literal.empty()) {
                node.need = static_cast<int32_t>(needs_.size());
                needs_.push_back({l.field, map, std::move(literal)});
            }
        }
        break;
    }
    }
    nodes_.push_back(node);
    return static_cast<uint32_t>(nodes_.size() - 1);
}

bool SqlCondition::TextOf(const Operand &op, const uint8_t *record, std::string_view &out) const
{
    if (op.kind == Operand::Kind::Text) {
        out = op.text;
        return true;
    }
    const uint8_t *p = record + op.layout.offset;
    if (op.layout.size == 0 || p[0] == 0)
        return false; // empty is NULL; most optional fields are, so skip the scan
    out = AlphaValue(p, op.layout.size);
    return true;
}

bool SqlCondition::NumberOf(const Operand &op, const uint8_t *record, double &out) const
{
    if (op.kind == Operand::Kind::Number) {
        out = op.number;
        return true;
    }
    return NumericValue(record, op.layout, out);
}

SqlTruth SqlCondition::CompareText(const Node &node, const uint8_t *record) const
{
    const Operand &l = operands_[node.left];
    const Operand &r = operands_[node.right];
    std::string_view a, b;
    if (!TextOf(l, record, a) || !TextOf(r, record, b))
        return SqlTruth::Unknown;
    const uint8_t *ma = l.kind == Operand::Kind::Alpha ? l.map : IdentityMap();
    const uint8_t *mb = r.kind == Operand::Kind::Alpha ? r.map : IdentityMap();
    if (node.op == SqlCompareOp::Eq || node.op == SqlCompareOp::Ne) {
        bool equal = a.size() == b.size();
        for (size_t i = 0; equal && i < a.size(); ++i)
            equal = ma[static_cast<uint8_t>(a[i])] == mb[static_cast<uint8_t>(b[i])];
        return FromBool(equal == (node.op == SqlCompareOp::Eq));
    }
    // Ordering by the bytes of the code page, after the case mapping.
    int cmp = 0;
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; cmp == 0 && i < n; ++i)
        cmp = int(ma[static_cast<uint8_t>(a[i])]) - int(mb[static_cast<uint8_t>(b[i])]);
    if (cmp == 0)
        cmp = a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
    return Ordered(cmp, node.op);
}

SqlTruth SqlCondition::CompareNumber(const Node &node, const uint8_t *record) const
{
    double a = 0, b = 0;
    if (!NumberOf(operands_[node.left], record, a) || !NumberOf(operands_[node.right], record, b))
        return SqlTruth::Unknown;
    if (std::isnan(a) || std::isnan(b))
        return SqlTruth::Unknown;
    return Ordered(a < b ? -1 : (a > b ? 1 : 0), node.op);
}

SqlTruth SqlCondition::IsNull(const Node &node, const uint8_t *record) const
{
    const Operand &op = operands_[node.left];
    bool isNull = false;
    switch (op.kind) {
    case Operand::Kind::Text:
    case Operand::Kind::Number:
        isNull = false;
        break;
    case Operand::Kind::Alpha:
        isNull = op.layout.size == 0 || record[op.layout.offset] == 0;
        break;
    case Operand::Kind::Numeric:
    case Operand::Kind::OtherField:
        isNull = IsNullValue(record + op.layout.offset, op.layout.size);
        break;
    }
    return FromBool(isNull != node.negated);
}

std::optional<SqlNeed> SqlCondition::NeedOf(uint32_t index) const
{
    // A record is accepted only when its condition is true: an OR is true
    // only when one of its parts is, an AND only when all are.
    const Node &node = nodes_[index];
    switch (node.kind) {
    case Node::Kind::Like:
        if (node.need < 0)
            return std::nullopt;
        return SqlNeed{{needs_[static_cast<size_t>(node.need)]}};
    case Node::Kind::Or: {
        SqlNeed all;
        for (uint32_t i = 0; i < node.count; ++i) {
            std::optional<SqlNeed> part = NeedOf(children_[node.first + i]);
            if (!part)
                return std::nullopt;
            all.anyOf.insert(all.anyOf.end(), part->anyOf.begin(), part->anyOf.end());
        }
        return all;
    }
    case Node::Kind::And:
        // The part with the fewest ways to pass tests the most.
        {
            std::optional<SqlNeed> best;
            for (uint32_t i = 0; i < node.count; ++i) {
                std::optional<SqlNeed> part = NeedOf(children_[node.first + i]);
                if (part && (!best || part->anyOf.size() < best->anyOf.size()))
                    best = std::move(part);
            }
            return best;
        }
    case Node::Kind::Not:
    case Node::Kind::CompareText:
    case Node::Kind::CompareNumber:
    case Node::Kind::IsNull:
        break;
    }
    return std::nullopt;
}

SqlTruth SqlCondition::Eval(uint32_t index, const uint8_t *record) const
{
    const Node &node = nodes_[index];
    switch (node.kind) {
    case Node::Kind::Or: {
        SqlTruth result = SqlTruth::False;
        for (uint32_t i = 0; i < node.count; ++i) {
            const SqlTruth t = Eval(children_[node.first + i], record);
            if (t == SqlTruth::True)
                return t;
            if (t == SqlTruth::Unknown)
                result = t;
        }
        return result;
    }
    case Node::Kind::And: {
        SqlTruth result = SqlTruth::True;
        for (uint32_t i = 0; i < node.count; ++i) {
            const SqlTruth t = Eval(children_[node.first + i], record);
            if (t == SqlTruth::False)
                return t;
            if (t == SqlTruth::Unknown)
                result = t;
        }
        return result;
    }
    case Node::Kind::Not:
        return Not(Eval(children_[node.first], record));
    case Node::Kind::CompareText:
        return CompareText(node, record);
    case Node::Kind::CompareNumber:
        return CompareNumber(node, record);
    case Node::Kind::IsNull:
        return IsNull(node, record);
    case Node::Kind::Like: {
        const Operand &op = operands_[node.left];
        const SqlPattern &pattern = patterns_[node.pattern];
        bool match = false;
        if (op.kind == Operand::Kind::Alpha) {
            const uint8_t *p = record + op.layout.offset;
            if (op.layout.size == 0 || p[0] == 0)
                return SqlTruth::Unknown; // empty is NULL
            match = pattern.MatchesField(p, op.layout.size);
        } else {
            match = pattern.Matches(op.text);
        }
        return FromBool(match != node.negated);
    }
    }
    return SqlTruth::Unknown;
}

} // namespace qbx::engine
