#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Splits local SQL text into tokens. Keywords and identifiers are told apart
// without regard to case; string constants are in double (or single) quotes
// with a doubled quote standing for one.
namespace qbx::engine {

enum class SqlToken {
    End,
    Identifier,
    String,
    Number,
    LParen,
    RParen,
    Star,
    Plus,
    Minus,
    Semicolon,
    Dot,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    // keywords
    Select,
    From,
    Where,
    Like,
    Escape,
    Upper,
    Is,
    Not,
    Null,
    And,
    Or,
};

struct SqlLexeme {
    SqlToken token = SqlToken::End;
    std::string text;    // identifier as written, string constant without quotes, number digits
    size_t position = 0; // 1-based offset in the text
};

// Tokenizes the text from byte `start` on; the last lexeme is always End.
// Positions count from the start of `text`. Raises Error(ErrSqlSyntax) for
// an unterminated string or a character that starts no token.
std::vector<SqlLexeme> TokenizeSql(std::string_view text, size_t start = 0);

// How a token reads in an error message: the text of the lexeme, or
// "end of statement".
std::string DescribeLexeme(const SqlLexeme &lexeme);

// Raises Error(ErrSqlSyntax) naming the problem and its position.
[[noreturn]] void ThrowSqlSyntax(const std::string &problem, size_t position);

} // namespace qbx::engine
