#pragma once

#include "options/SizeUnit.h"

#include <QString>
#include <QStringList>

namespace qbx {

// Units of a size comparison: TSizeUnit's SuByte..SuGByte, in the order of
// the unit list.

// "байт", "кБ", "МБ", "ГБ".
const QStringList &QuerySizeUnits();
// The seven field display names in table order.
QStringList QueryFieldNames();
// Operators of a string field ("РАВНО", "СОДЕРЖИТ") and of the size field.
const QStringList &QueryTextOperators();
const QStringList &QuerySizeOperators();

// The parts of a comparison caption
//   "[" field "] " operator " [" value "]" ["!"]
struct TComparison {
    bool valid = false;
    int field = -1;             // catalogue field position of the display name
    QString fieldName;          // the display name as written
    bool caseSensitive = false; // the caption ends in "!"
    int unit = -1;              // size comparisons: the unit; -1 for text
    QString value;              // text, or the number of a size comparison
    QString op;                 // one of the seven operators
};

// Splits a comparison caption. The field must be one of the display names
// (ignoring case) and the operator one of the seven; a size operator needs a
// whole number, optionally followed by a space and a unit, whose byte count
// fits in 64 bits. Whether the operator suits the field is not checked.
TComparison ParseComparison(const QString &caption);

// The caption of a comparison; "!" is appended when case-sensitive.
QString ComparisonCaption(const QString &fieldName, const QString &op, const QString &value,
                          bool caseSensitive);

// The SQL piece of a valid comparison caption, empty for an invalid one.
QString ComparisonToSql(const QString &caption);

} // namespace qbx
