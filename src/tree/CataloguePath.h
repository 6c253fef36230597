#pragma once

#include <QString>
#include <QStringView>

#include <utility>

// Routines on catalogue paths: components separated by "\\", a folder's
// stored path ending in "\\".
namespace qbx {

// a + "\\" + b when both are non-empty, otherwise the non-empty one.
QString JoinPath(const QString &a, const QString &b);

// Text before the first "\\" and text after it; (s, "") without one.
std::pair<QString, QString> SplitFirst(const QString &s);
std::pair<QStringView, QStringView> SplitFirst(QStringView s);

// 1-based position of the last character of the last occurrence of sub in
// s; 0 when absent (or when sub is empty).
qsizetype LastPos(QStringView sub, QStringView s);

// s without a trailing "\\", then only what follows its last "\\".
QString LastComponent(QStringView s);

// The part after the last "\\" that is not the final character, so a
// folder keeps its trailing "\\"; s itself when there is none.
QString LastComponentKeep(QStringView s);

// The name part of s (after its last "\\"), cut before its last ".".
QString FileTitle(QStringView s);

// True when the name's extension (from its last "." on, case ignored) is
// one of the archive extensions whose contents may be catalogued below it.
bool IsArchiveName(QStringView name);

} // namespace qbx
