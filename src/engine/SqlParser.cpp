#include "engine/SqlParser.h"

#include "engine/Error.h"
#include "engine/SqlLexer.h"

#include <cctype>
#include <charconv>
#include <system_error>
#include <utility>

namespace qbx::engine {

namespace {

// Deep nesting would exhaust the stack of the parser and of the evaluator.
constexpr int kMaxDepth = 200;

class Parser {
public:
    explicit Parser(std::string_view text, size_t start = 0) : lexemes_(TokenizeSql(text, start)) {}

    SqlSelect Select()
    {
        SqlSelect select;
        Expect(SqlToken::Select, "SELECT");
        Expect(SqlToken::Star, "\"*\"");
        Expect(SqlToken::From, "FROM");
        if (Peek().token != SqlToken::String)
            Fail("Expected the table file name in quotes");
        select.table = Take().text;
        if (Accept(SqlToken::Where)) {
            select.hasWhere = true;
            select.where = Condition();
        }
        Finish();
        return select;
    }

    SqlExpr WholeCondition()
    {
        SqlExpr expr = Condition();
        Finish();
        return expr;
    }

private:
    const SqlLexeme &Peek() const { return lexemes_[pos_]; }

    const SqlLexeme &Take()
    {
        const SqlLexeme &lx = lexemes_[pos_];
        if (lx.token != SqlToken::End)
            ++pos_;
        return lx;
    }

    bool Accept(SqlToken token)
    {
        if (Peek().token != token)
            return false;
        Take();
        return true;
    }

    [[noreturn]] void Fail(const std::string &expected) const
    {
        ThrowSqlSyntax(expected + " but found " + DescribeLexeme(Peek()), Peek().position);
    }

    void Expect(SqlToken token, const char *what)
    {
        if (!Accept(token))
            Fail(std::string("Expected ") + what);
    }

    void Finish()
    {
        Accept(SqlToken::Semicolon);
        if (Peek().token != SqlToken::End)
            ThrowSqlSyntax("Unexpected " + DescribeLexeme(Peek()) + " after the condition",
                           Peek().position);
    }

    void Enter()
    {
        if (++depth_ > kMaxDepth)
            ThrowSqlSyntax("Condition nested too deeply", Peek().position);
    }

    // OR binds loosest, then AND, then NOT.
    SqlExpr Condition() { return Junction(SqlToken::Or, SqlExpr::Kind::Or); }

    SqlExpr Junction(SqlToken op, SqlExpr::Kind kind)
    {
        Enter();
        SqlExpr first =
            op == SqlToken::Or ? Junction(SqlToken::And, SqlExpr::Kind::And) : Negation();
        if (Peek().token != op) {
            --depth_;
            return first;
        }
        SqlExpr node;
        node.kind = kind;
        node.position = first.position;
        node.children.push_back(std::move(first));
        while (Accept(op))
            node.children.push_back(op == SqlToken::Or ? Junction(SqlToken::And, SqlExpr::Kind::And)
                                                       : Negation());
        --depth_;
        return node;
    }

    SqlExpr Negation()
    {
        Enter();
        SqlExpr result;
        const size_t position = Peek().position;
        if (Accept(SqlToken::Not)) {
            result.kind = SqlExpr::Kind::Not;
            result.position = position;
            result.children.push_back(Negation());
        } else if (Accept(SqlToken::LParen)) {
            result = Condition();
            Expect(SqlToken::RParen, "\")\"");
        } else {
            result = Predicate();
        }
        --depth_;
        return result;
    }

    SqlExpr Predicate()
    {
        SqlExpr expr;
        expr.position = Peek().position;
        expr.left = Operand();
        const SqlToken t = Peek().token;
        switch (t) {
        case SqlToken::Eq:
        case SqlToken::Ne:
        case SqlToken::Lt:
        case SqlToken::Le:
        case SqlToken::Gt:
        case SqlToken::Ge:
            Take();
            expr.kind = SqlExpr::Kind::Compare;
            expr.op = CompareOp(t);
            expr.right = Operand();
            return expr;
        case SqlToken::Is:
            Take();
            expr.kind = SqlExpr::Kind::IsNull;
            expr.negated = Accept(SqlToken::Not);
            Expect(SqlToken::Null, "NULL");
            return expr;
        case SqlToken::Not:
        case SqlToken::Like:
            expr.negated = Accept(SqlToken::Not);
            Expect(SqlToken::Like, "LIKE");
            expr.kind = SqlExpr::Kind::Like;
            expr.right = Operand();
            if (Accept(SqlToken::Escape)) {
                if (Peek().token != SqlToken::String)
                    Fail("Expected the escape character in quotes");
                const SqlLexeme &esc = Take();
                if (esc.text.size() != 1)
                    ThrowSqlSyntax("The escape character must be one character", esc.position);
                expr.hasEscape = true;
                expr.escape = esc.text[0];
            }
            return expr;
        default:
            Fail("Expected a comparison operator, LIKE or IS");
        }
    }

    static SqlCompareOp CompareOp(SqlToken t)
    {
        switch (t) {
        case SqlToken::Ne:
            return SqlCompareOp::Ne;
        case SqlToken::Lt:
            return SqlCompareOp::Lt;
        case SqlToken::Le:
            return SqlCompareOp::Le;
        case SqlToken::Gt:
            return SqlCompareOp::Gt;
        case SqlToken::Ge:
            return SqlCompareOp::Ge;
        default:
            return SqlCompareOp::Eq;
        }
    }

    SqlOperand Operand()
    {
        SqlOperand op;
        op.position = Peek().position;
        if ((Peek().token == SqlToken::Identifier || Peek().token == SqlToken::String) &&
            lexemes_[pos_ + 1].token == SqlToken::Dot) {
            // A qualified field: table.field, where either part may be
            // quoted, so that names with spaces can be written ("t"."Ship VIA").
            Take();
            Take();
            op.position = Peek().position;
            if (Peek().token != SqlToken::Identifier && Peek().token != SqlToken::String)
                Fail("Expected a field name after \".\"");
            op.kind = SqlOperand::Kind::Field;
            op.text = Take().text;
            return op;
        }
        switch (Peek().token) {
        case SqlToken::Identifier:
            op.kind = SqlOperand::Kind::Field;
            op.text = Take().text;
            return op;
        case SqlToken::String:
            op.kind = SqlOperand::Kind::String;
            op.text = Take().text;
            return op;
        case SqlToken::Number:
        case SqlToken::Plus:
        case SqlToken::Minus:
            return Number();
        case SqlToken::Upper: {
            Take();
            Enter();
            Expect(SqlToken::LParen, "\"(\" after UPPER");
            op = Operand();
            Expect(SqlToken::RParen, "\")\"");
            --depth_;
            if (op.kind == SqlOperand::Kind::Number)
                ThrowSqlSyntax("UPPER needs a text value", op.position);
            op.upper = true;
            return op;
        }
        default:
            Fail("Expected a field name, a string or a number");
        }
    }

    SqlOperand Number()
    {
        SqlOperand op;
        op.kind = SqlOperand::Kind::Number;
        op.position = Peek().position;
        bool negative = false;
        if (Peek().token == SqlToken::Plus || Peek().token == SqlToken::Minus) {
            negative = Take().token == SqlToken::Minus;
            if (Peek().token != SqlToken::Number)
                Fail("Expected a number after the sign");
        }
        const SqlLexeme &lx = Take();
        double value = 0;
        const char *first = lx.text.data();
        const char *last = first + lx.text.size();
        const auto [end, ec] = std::from_chars(first, last, value);
        if (ec == std::errc::result_out_of_range)
            ThrowSqlSyntax("Number out of range", lx.position);
        if (ec != std::errc() || end != last)
            ThrowSqlSyntax("Invalid number \"" + lx.text + "\"", lx.position);
        op.number = negative ? -value : value;
        op.text = (negative ? "-" : "") + lx.text;
        return op;
    }

    std::vector<SqlLexeme> lexemes_;
    size_t pos_ = 0;
    int depth_ = 0;
};

} // namespace

namespace {

// The statement as the search builds it puts the file name between the
// quotes unchanged, so a name holding a double quote breaks the strict
// reading. Then the name is taken up to a `" WHERE ` after which the rest
// reads as a condition.
bool ReadWithPlainFileName(std::string_view statement, SqlSelect &out)
{
    static constexpr std::string_view kHead = "SELECT * FROM \"";
    static constexpr std::string_view kWhere = "\" WHERE ";
    if (statement.size() < kHead.size())
        return false;
    for (size_t i = 0; i < kHead.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(statement[i])) != kHead[i])
            return false;
    // A few tries are plenty; the bound keeps hostile text from costing a
    // parse per occurrence.
    int tries = 16;
    for (size_t at = statement.find(kWhere, kHead.size());
         at != std::string_view::npos && tries-- > 0; at = statement.find(kWhere, at + 1)) {
        try {
            out.where = Parser(statement, at + kWhere.size()).WholeCondition();
        } catch (const Error &) {
            continue;
        }
        out.table = std::string(statement.substr(kHead.size(), at - kHead.size()));
        out.hasWhere = true;
        return true;
    }
    return false;
}

} // namespace

SqlSelect ParseSqlSelect(std::string_view statement)
{
    try {
        return Parser(statement).Select();
    } catch (const Error &) {
        SqlSelect plain;
        if (ReadWithPlainFileName(statement, plain))
            return plain;
        throw;
    }
}

SqlExpr ParseSqlCondition(std::string_view condition)
{
    return Parser(condition).WholeCondition();
}

} // namespace qbx::engine
