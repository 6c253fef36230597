#include "search/QueryComparison.h"

#include "platform/TextRules.h"
#include "search/SearchConditions.h"
#include "storage/CatalogueFields.h"

#include <cmath>

namespace qbx {

namespace {

const QString kEquals = QStringLiteral("РАВНО");
const QString kContains = QStringLiteral("СОДЕРЖИТ");

constexpr qint64 kUnitBytes[] = {1, 1024, 1048576, 1073741824};

int FieldOfName(const QString &name)
{
    const auto &fields = CatalogueFields();
    for (int i = 0; i < CfCount; ++i)
        if (text::Upper(fields[size_t(i)].displayName) == text::Upper(name))
            return i;
    return -1;
}

int UnitOfText(const QString &unit)
{
    const QStringList &units = QuerySizeUnits();
    for (int i = 0; i < units.size(); ++i)
        if (text::Upper(units[i]) == text::Upper(unit))
            return i;
    return -1;
}

// A whole number whose byte count in the unit fits in a signed 64-bit value.
bool IsSizeNumber(const QString &number, int unit)
{
    if (!IsWholeNumber(number))
        return false;
    const double bytes = number.toDouble() * double(kUnitBytes[unit]);
    return std::fabs(bytes) < 9.2e18;
}

} // namespace

const QStringList &QuerySizeUnits()
{
    static const QStringList units = {QStringLiteral("байт"), QStringLiteral("кБ"),
                                      QStringLiteral("МБ"), QStringLiteral("ГБ")};
    return units;
}

QStringList QueryFieldNames()
{
    QStringList names;
    for (const auto &field : CatalogueFields())
        names << field.displayName;
    return names;
}

const QStringList &QueryTextOperators()
{
    static const QStringList ops = {kEquals, kContains};
    return ops;
}

const QStringList &QuerySizeOperators()
{
    static const QStringList ops = {QStringLiteral("<"), QStringLiteral("<="), QStringLiteral("="),
                                    QStringLiteral(">="), QStringLiteral(">")};
    return ops;
}

TComparison ParseComparison(const QString &caption)
{
    TComparison c;
    QString s = caption;
    if (s.endsWith(u'!')) {
        c.caseSensitive = true;
        s.chop(1);
    }
    // A caption ends in "]" before any "!".
    if (!s.endsWith(u']'))
        return c;
    const qsizetype fieldEnd = s.indexOf(u']');
    if (fieldEnd < 1)
        return c;
    c.fieldName = s.mid(1, fieldEnd - 1);
    c.field = FieldOfName(c.fieldName);
    if (c.field < 0)
        return c;
    s = s.mid(fieldEnd + 2);
    const qsizetype open = s.indexOf(u'[');
    if (open < 1)
        return c;
    c.op = s.left(open - 1);
    s = s.mid(open + 1);
    if (s.isEmpty())
        return c;
    c.value = s.left(s.size() - 1);

    const bool sizeField = c.field == CfByteSize;
    // The operator must be one the editor offers for the field: a text
    // operator on the size would put the value into the condition unquoted.
    if (!(sizeField ? QuerySizeOperators() : QueryTextOperators()).contains(c.op))
        return c;
    if (!sizeField) {
        c.valid = true;
        return c;
    }
    const qsizetype space = c.value.indexOf(u' ');
    c.unit = SuByte;
    QString number = c.value;
    if (space >= 0) {
        c.unit = UnitOfText(c.value.mid(space + 1));
        if (c.unit < 0)
            return c;
        number = c.value.left(space);
    }
    c.valid = IsSizeNumber(number, c.unit);
    if (c.valid)
        c.value = number;
    return c;
}

QString ComparisonCaption(const QString &fieldName, const QString &op, const QString &value,
                          bool caseSensitive)
{
    QString caption =
        u'[' + fieldName + QStringLiteral("] ") + op + QStringLiteral(" [") + value + u']';
    if (caseSensitive)
        caption += u'!';
    return caption;
}

QString ComparisonToSql(const QString &caption)
{
    const TComparison c = ParseComparison(caption);
    if (!c.valid)
        return {};
    QString field = QString::fromLatin1(CatalogueFields()[size_t(c.field)].name);
    if (c.field == CfByteSize) {
        const qint64 bytes = TextToInt64(c.value) * kUnitBytes[c.unit];
        return field + u' ' + c.op + u' ' + QString::number(bytes);
    }
    QString op = c.op == kEquals ? QStringLiteral("=") : QStringLiteral("LIKE");
    // A query file may hold text typed elsewhere: converted before UPPER.
    QString value = SearchText(c.value);
    if (!c.caseSensitive) {
        field = QStringLiteral("UPPER (") + field + u')';
        value = text::Upper(value);
    }
    if (op == QLatin1String("LIKE"))
        value = u'*' + value + u'*';
    if (value.contains(u'?') || value.contains(u'*'))
        op = QStringLiteral("LIKE");
    const TSearchEscape escape = EscapeSearchText(value);
    if (escape.needed)
        op = QStringLiteral("LIKE");
    return field + u' ' + op + QStringLiteral(" \"") + value + u'"' + escape.Clause();
}

} // namespace qbx
