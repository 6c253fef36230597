#include "engine/SqlLexer.h"

#include "engine/Error.h"

#include <cstring>

namespace qbx::engine {

namespace {

bool IsIdentStart(unsigned char c)
{
    const unsigned char lower = c | 0x20;
    return (lower >= 'a' && lower <= 'z') || c == '_' || c >= 0x80;
}

bool IsIdentChar(unsigned char c)
{
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool EqualsNoCase(std::string_view a, const char *keyword)
{
    const size_t n = std::strlen(keyword);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(a[i]);
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        if (c != static_cast<unsigned char>(keyword[i]))
            return false;
    }
    return true;
}

SqlToken KeywordOf(std::string_view word)
{
    static const struct {
        const char *text;
        SqlToken token;
    } keywords[] = {
        {"SELECT", SqlToken::Select}, {"FROM", SqlToken::From},     {"WHERE", SqlToken::Where},
        {"LIKE", SqlToken::Like},     {"ESCAPE", SqlToken::Escape}, {"UPPER", SqlToken::Upper},
        {"IS", SqlToken::Is},         {"NOT", SqlToken::Not},       {"NULL", SqlToken::Null},
        {"AND", SqlToken::And},       {"OR", SqlToken::Or},
    };
    for (const auto &k : keywords)
        if (EqualsNoCase(word, k.text))
            return k.token;
    return SqlToken::Identifier;
}

// Reads a decimal number: digits, an optional fraction and an optional exponent.
size_t ScanNumber(std::string_view text, size_t i)
{
    const size_t n = text.size();
    while (i < n && IsDigit(text[i]))
        ++i;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i]))
            ++i;
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

void ThrowSqlSyntax(const std::string &problem, size_t position)
{
    throw Error(ErrSqlSyntax, problem + " at position " + std::to_string(position) + ".");
}

std::string DescribeLexeme(const SqlLexeme &lexeme)
{
    switch (lexeme.token) {
    case SqlToken::End:
        return "end of statement";
    case SqlToken::String:
        return "string \"" + lexeme.text + "\"";
    default:
        return "\"" + lexeme.text + "\"";
    }
}

namespace {

size_t SkipBlanks(std::string_view text, size_t i)
{
    const size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    return i;
}

// A string constant opening with the quote at i; a doubled quote stands for
// one. Gives the index after the closing quote.
size_t LexString(std::string_view text, size_t i, SqlLexeme &lx)
{
    const size_t n = text.size();
    const unsigned char quote = static_cast<unsigned char>(text[i]);
    size_t j = i + 1;
    while (true) {
        if (j >= n)
            ThrowSqlSyntax("Unterminated string constant", lx.position);
        if (static_cast<unsigned char>(text[j]) == quote) {
            if (j + 1 < n && static_cast<unsigned char>(text[j + 1]) == quote) {
                lx.text.push_back(static_cast<char>(quote));
                j += 2;
                continue;
            }
            break;
        }
        lx.text.push_back(text[j++]);
    }
    lx.token = SqlToken::String;
    return j + 1;
}

// A number at i; a letter right after it makes it invalid.
size_t LexNumber(std::string_view text, size_t i, SqlLexeme &lx)
{
    const size_t n = text.size();
    const size_t end = ScanNumber(text, i);
    if (end < n && IsIdentChar(static_cast<unsigned char>(text[end])))
        ThrowSqlSyntax("Invalid number \"" + std::string(text.substr(i, end - i + 1)) + "\"",
                       lx.position);
    lx.token = SqlToken::Number;
    lx.text = std::string(text.substr(i, end - i));
    return end;
}

// An identifier or a keyword at i.
size_t LexWord(std::string_view text, size_t i, SqlLexeme &lx)
{
    const size_t n = text.size();
    size_t j = i;
    while (j < n && IsIdentChar(static_cast<unsigned char>(text[j])))
        ++j;
    lx.text = std::string(text.substr(i, j - i));
    lx.token = KeywordOf(lx.text);
    return j;
}

// An operator or punctuation of one or two characters at i; any other
// character is a syntax error.
size_t LexSymbol(std::string_view text, size_t i, SqlLexeme &lx)
{
    const size_t n = text.size();
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const char next = i + 1 < n ? text[i + 1] : '\0';
    size_t len = 1;
    switch (c) {
    case '(':
        lx.token = SqlToken::LParen;
        break;
    case ')':
        lx.token = SqlToken::RParen;
        break;
    case '*':
        lx.token = SqlToken::Star;
        break;
    case '+':
        lx.token = SqlToken::Plus;
        break;
    case '-':
        lx.token = SqlToken::Minus;
        break;
    case ';':
        lx.token = SqlToken::Semicolon;
        break;
    case '.':
        lx.token = SqlToken::Dot;
        break;
    case '=':
        lx.token = SqlToken::Eq;
        break;
    case '<':
        if (next == '=') {
            lx.token = SqlToken::Le;
            len = 2;
        } else if (next == '>') {
            lx.token = SqlToken::Ne;
            len = 2;
        } else {
            lx.token = SqlToken::Lt;
        }
        break;
    case '>':
        lx.token = next == '=' ? SqlToken::Ge : SqlToken::Gt;
        len = next == '=' ? 2 : 1;
        break;
    case '!':
        if (next != '=')
            ThrowSqlSyntax("Invalid character \"!\"", lx.position);
        lx.token = SqlToken::Ne;
        len = 2;
        break;
    default:
        if (c < 0x20 || c == 0x7F)
            ThrowSqlSyntax("Invalid character with code " + std::to_string(c), lx.position);
        ThrowSqlSyntax("Invalid character \"" + std::string(1, static_cast<char>(c)) + "\"",
                       lx.position);
    }
    lx.text = std::string(text.substr(i, len));
    return i + len;
}

} // namespace

std::vector<SqlLexeme> TokenizeSql(std::string_view text, size_t start)
{
    std::vector<SqlLexeme> out;
    const size_t n = text.size();
    size_t i = start < n ? start : n;
    while (true) {
        i = SkipBlanks(text, i);
        SqlLexeme lx;
        lx.position = i + 1;
        if (i == n) {
            out.push_back(std::move(lx));
            return out;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\'')
            i = LexString(text, i, lx);
        else if (IsDigit(c) || (c == '.' && i + 1 < n && IsDigit(text[i + 1])))
            i = LexNumber(text, i, lx);
        else if (IsIdentStart(c))
            i = LexWord(text, i, lx);
        else
            i = LexSymbol(text, i, lx);
        out.push_back(std::move(lx));
    }
}

} // namespace qbx::engine
