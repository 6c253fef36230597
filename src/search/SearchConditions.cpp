#include "search/SearchConditions.h"
#include "platform/EngineFileName.h"

#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "storage/CatalogueFields.h"

#include <QFile>

#include <limits>

namespace qbx {

namespace {

bool IsEscapeCandidate(char16_t c)
{
    switch (c) {
    case u'"':
    case u'%':
    case u'\'':
    case u'(':
    case u')':
    case u'*':
    case u'?':
    case u'_':
        return false;
    default:
        return c >= 33 && c <= 126;
    }
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A decimal number read exactly: value = digits * 10^exponent, digits
// without leading or trailing zeros ("" for zero).
struct TDecimal {
    bool negative = false;
    QString digits;
    int64_t exponent = 0;
};

bool ReadDecimal(const QString &s, TDecimal &out)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        out.negative = s[i++] == u'-';
    QString digits;
    int64_t exponent = 0;
    bool any = false;
    for (; i < n && IsDigit(s[i]); ++i, any = true)
        digits += s[i];
    if (i < n && s[i] == u'.') {
        for (++i; i < n && IsDigit(s[i]); ++i, any = true) {
            digits += s[i];
            --exponent;
        }
    }
    if (!any)
        return false;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        bool negativeExp = false;
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            negativeExp = s[i++] == u'-';
        if (i >= n || !IsDigit(s[i]))
            return false;
        int64_t e = 0;
        for (; i < n && IsDigit(s[i]); ++i)
            e = std::min<int64_t>(e * 10 + (s[i].unicode() - u'0'), 1'000'000'000);
        exponent += negativeExp ? -e : e;
    }
    if (i != n)
        return false;
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    digits.remove(0, first);
    while (!digits.isEmpty() && digits.back() == u'0') {
        digits.chop(1);
        ++exponent;
    }
    out.digits = digits;
    out.exponent = digits.isEmpty() ? 0 : exponent;
    return true;
}

// The whole value, when there is one within the range of int64.
bool WholeValue(const QString &text, int64_t &value)
{
    TDecimal d;
    if (!ReadDecimal(text, d) || d.exponent < 0)
        return false;
    if (d.digits.size() + d.exponent > 19)
        return false;
    // At most 19 digits: accumulate in unsigned 64 bits without overflow.
    uint64_t v = 0;
    for (QChar c : d.digits)
        v = v * 10 + (c.unicode() - u'0');
    for (int64_t e = 0; e < d.exponent; ++e)
        v *= 10;
    const uint64_t limit = uint64_t(std::numeric_limits<int64_t>::max()) + (d.negative ? 1 : 0);
    if (v > limit)
        return false;
    value = d.negative ? int64_t(0 - v) : int64_t(v);
    return true;
}

} // namespace

QString TSearchEscape::Clause() const
{
    return needed ? QStringLiteral(" ESCAPE \"") + character + u'"' : QString();
}

TSearchEscape EscapeSearchText(QString &text)
{
    TSearchEscape escape;
    if (text.isEmpty())
        return escape;
    char16_t chosen = u'~';
    for (char16_t c = 33; c <= 126; ++c) {
        if (IsEscapeCandidate(c) && !text.contains(QChar(c))) {
            chosen = c;
            break;
        }
    }
    escape.character = QString(QChar(chosen));
    const QString before = text;
    text.replace(u'_', escape.character + u'_');
    text.replace(u'%', escape.character + u'%');
    escape.needed = text != before;
    text.replace(u'"', QStringLiteral("\"\""));
    text.replace(u'?', u'%');
    text.replace(u'*', u'%');
    return escape;
}

bool IsWholeNumber(const QString &text)
{
    int64_t value = 0;
    return WholeValue(text, value);
}

int64_t TextToInt64(const QString &text)
{
    int64_t value = 0;
    return WholeValue(text, value) ? value : 0;
}

QString MakeFileName(const QString &text)
{
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    QString name;
    name.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() > 31 && !forbidden.contains(c))
            name += c;
    }
    return name.isEmpty() ? QStringLiteral("Extract") : name;
}

QString KindFilter(bool discs, bool folders, bool files)
{
    QString filter;
    if (!discs)
        filter = QStringLiteral(R"( AND (NOT (Path IS NULL)) AND (NOT (Path = "")))");
    if (folders && !files)
        filter += QStringLiteral(R"( AND ((Path LIKE "%\") OR (Path IS NULL) OR (Path = "")))");
    else if (!folders && files)
        filter +=
            QStringLiteral(R"( AND ((Path IS NULL) OR (Path = "") OR (NOT (Path LIKE "%\"))))");
    else if (!folders && !files)
        filter += QStringLiteral(R"( AND ((Path IS NULL) OR (Path = "")))");
    return filter;
}

QString SearchText(const QString &typed)
{
    return codec::ToCatalogueText(typed).value_or(typed);
}

TPreparedText PrepareSearchText(const QString &typed, bool ignoreCase)
{
    // The catalogue's conversion comes before the upper-casing: upper-casing
    // leaves letters 1251 lacks as they are, so "ö" would become "o" only
    // after the field's UPPER had made its own "O".
    const QString text = SearchText(typed);
    TPreparedText prepared{ignoreCase ? text::Upper(text) : text, {}};
    prepared.escape = EscapeSearchText(prepared.text);
    return prepared;
}

QString StringTest(const QString &field, const TPreparedText &prepared, bool ignoreCase)
{
    const QString f = ignoreCase ? QStringLiteral("UPPER (") + field + u')' : field;
    return f + QStringLiteral(" LIKE \"") + prepared.text + u'"' + prepared.escape.Clause();
}

QString FieldCondition(const QString &field, const TPreparedText &prepared, bool ignoreCase)
{
    return u'(' + StringTest(field, prepared, ignoreCase) + u')';
}

QString GlobalCondition(const TPreparedText &prepared, bool ignoreCase)
{
    static const QString separator = QStringLiteral(" OR ");
    QString condition = QStringLiteral("(");
    for (const TCatalogueField &f : CatalogueFields()) {
        const QString name = QString::fromLatin1(f.name);
        if (f.type == engine::FieldKind::String) {
            condition += FieldCondition(name, prepared, ignoreCase);
        } else if (IsWholeNumber(prepared.text)) {
            condition += QStringLiteral("(ByteSize = ") + prepared.text + u')';
        } else {
            continue;
        }
        condition += separator;
    }
    condition.chop(separator.size());
    return condition + u')';
}

QString SizeExactCondition(int64_t bytes)
{
    return QStringLiteral("(ByteSize = %1)").arg(bytes);
}

QString SizeRangeCondition(int64_t low, int64_t high)
{
    return QStringLiteral("((ByteSize >= %1) AND (ByteSize <= %2))").arg(low).arg(high);
}

QString GlobalSearchCondition(const QString &text, bool substring, bool ignoreCase)
{
    const QString typed = substring ? u'*' + text + u'*' : text;
    return GlobalCondition(PrepareSearchText(typed, ignoreCase), ignoreCase);
}

QString FieldSearchCondition(const QString &field, bool extension, const QString &text,
                             bool substring, bool ignoreCase)
{
    QString typed = text;
    if (extension && !typed.contains(u'.'))
        typed.prepend(u'.');
    if (substring)
        typed = extension ? u'*' + typed : u'*' + typed + u'*';
    return FieldCondition(field, PrepareSearchText(typed, ignoreCase), ignoreCase);
}

QString YoFallbackCondition(const QString &typed, const QString &condition)
{
    if (!text::Upper(typed).contains(u'Ё'))
        return QString();
    QString other = condition;
    return other.replace(u'Ё', u'Е').replace(u'ё', u'е');
}

std::optional<std::string> SearchStatement(const QString &tableFile, const QString &condition)
{
    // Typed text meets the catalogue's code page as names do: accents of
    // letters that 1251 lacks are dropped.
    const std::optional<QString> text = codec::ToCatalogueText(condition);
    if (!text)
        return std::nullopt;
    return "SELECT * FROM \"" + EngineFileName(tableFile) + "\" WHERE " + codec::ToCp1251(*text);
}

QString SearchErrorText(const char *what)
{
    const QByteArray bytes(what);
    const QString utf8 = QString::fromUtf8(bytes);
    return utf8.contains(QChar::ReplacementCharacter) ? codec::FromCp1251(bytes) : utf8;
}

} // namespace qbx
