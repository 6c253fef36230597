#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// The pieces every search puts together into one WHERE condition of the
// table engine's local SQL: prepared search texts, string tests on a field,
// the global, single-field and size conditions of the simple searches, and
// the kind filter that ends every condition.
namespace qbx {

// What EscapeSearchText found: the escape character (one character, or
// empty for an empty text) and whether the text needs an escape clause.
struct TSearchEscape {
    QString character;
    bool needed = false;

    // " ESCAPE \"c\"" when needed, else "".
    QString Clause() const;
};

// Prepares a search text for LIKE, changing it in place: "_" and "%" typed
// by the user are escaped so that they match themselves, double quotes are
// doubled, and the user's wildcards "*" and "?" both become "%" (any run of
// characters). The escape character is the first printable ASCII character
// that does not occur in the text (quotes, "%", "(", ")", "*", "?" and "_"
// are never used).
TSearchEscape EscapeSearchText(QString &text);

// True when the whole text is a decimal number (optional sign, digits, an
// optional "." fraction and an optional exponent; no blanks) whose value is
// a whole number that fits a signed 64-bit integer.
bool IsWholeNumber(const QString &text);
// The value of a text for which IsWholeNumber holds, else 0.
int64_t TextToInt64(const QString &text);

// The text without the characters a file name cannot hold (codes 0 to 31,
// the double quote, * / : < > ? \ and |); "Extract" when nothing remains.
QString MakeFileName(const QString &text);

// The kind filter appended to every condition: the rows of discs, folders
// and files that are not wanted are left out. Empty when all are wanted.
QString KindFilter(bool discs, bool folders, bool files);

// Typed text made fit for the catalogue's code page before anything else is
// done to it (accents of letters 1251 lacks dropped). Text that still cannot
// be encoded stays as typed; the statement refuses it later.
QString SearchText(const QString &typed);

// A user's text made ready for a pattern: converted by SearchText, then
// upper-cased by the program's text rules when the search ignores case, then
// passed through EscapeSearchText.
// The caller adds its own "*" wildcards to the text before preparing it.
struct TPreparedText {
    QString text;
    TSearchEscape escape;
};
TPreparedText PrepareSearchText(const QString &typed, bool ignoreCase);

// `F LIKE "T"E` or, ignoring case, `UPPER (F) LIKE "T"E`.
QString StringTest(const QString &field, const TPreparedText &prepared, bool ignoreCase);

// `(` + StringTest + `)`: the condition of a search in one field.
QString FieldCondition(const QString &field, const TPreparedText &prepared, bool ignoreCase);

// The global search: one term per field of the catalogue table in table
// order, joined by OR, the whole in parentheses. The size field has the
// term `(ByteSize = T)` only when the prepared text is a whole number.
QString GlobalCondition(const TPreparedText &prepared, bool ignoreCase);

// `(ByteSize = n)` and `((ByteSize >= low) AND (ByteSize <= high))`.
QString SizeExactCondition(int64_t bytes);
QString SizeRangeCondition(int64_t low, int64_t high);

// The conditions of the simple searches for a typed text, before the kind
// filter. substring: the text may occur anywhere (for an extension: at the
// end of the path). ignoreCase: upper-cased on both sides.
QString GlobalSearchCondition(const QString &text, bool substring, bool ignoreCase);
// extension: the Path field searched for a file extension; a text without
// "." gets one in front.
QString FieldSearchCondition(const QString &field, bool extension, const QString &text,
                             bool substring, bool ignoreCase);

// "Ё" is often typed as "Е": when the typed text holds it, the condition with
// every "Ё"/"ё" replaced, to be run when the first found nothing; else "".
QString YoFallbackCondition(const QString &typed, const QString &condition);

// The statement that finds the rows of a condition in a catalogue table,
// in the table's code page; nothing when the condition holds characters that
// the code page cannot (the search would quietly find wrong rows).
std::optional<std::string> SearchStatement(const QString &tableFile, const QString &condition);

// The text of the engine's message about a failed search. The messages are
// English; one that quotes the statement may carry single-byte text of the
// condition.
QString SearchErrorText(const char *what);

} // namespace qbx
