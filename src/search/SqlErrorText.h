#pragma once

#include <QString>

namespace qbx {

// The table engine's report of a malformed statement, in the program's
// words. The engine words its reports in English ("Expected a field name,
// a string or a number but found end of statement at position 40."); the
// user is told "ожидалось имя поля, строка или число, а найдено: конец
// условия". A report of a form not known here becomes a general one.
struct TSqlProblem {
    QString text;           // lower-case first letter, no final full stop
    qsizetype position = 0; // 1-based, in the whole statement; 0 when not told
};
TSqlProblem SqlProblem(const QString &engineMessage);

} // namespace qbx
