#pragma once
// TEMPORARY stand-in until the search routines land; never committed.
#include <QString>
#include <cmath>
namespace qbx {
inline bool IsWholeNumber(const QString &text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok && std::isfinite(v) && v == std::floor(v);
}
inline qint64 TextToInt64(const QString &text)
{
    return IsWholeNumber(text) ? qint64(text.toDouble()) : 0;
}
struct TSearchEscape {
    QString character;
    bool needed = false;
    QString Clause() const { return needed ? QStringLiteral(" ESCAPE \"") + character + u'"' : QString(); }
};
inline TSearchEscape EscapeSearchText(QString &text)
{
    TSearchEscape r;
    if (text.isEmpty())
        return r;
    QChar esc = u'~';
    for (int c = 33; c <= 126; ++c) {
        if (QStringLiteral("\"%'()*?_").contains(QChar(c)))
            continue;
        esc = QChar(c);
        if (!text.contains(esc))
            break;
    }
    QString t = text;
    t.replace(QStringLiteral("_"), QString(esc) + QStringLiteral("_"));
    t.replace(QStringLiteral("%"), QString(esc) + QStringLiteral("%"));
    r.needed = t != text;
    t.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    t.replace(u'?', u'%');
    t.replace(u'*', u'%');
    text = t;
    r.character = esc;
    return r;
}
inline QString KindFilter(bool discs, bool folders, bool files)
{
    QString s;
    if (!discs)
        s += QStringLiteral(R"( AND (NOT (Path IS NULL)) AND (NOT (Path = "")))");
    if (folders && !files)
        s += QStringLiteral(R"( AND ((Path LIKE "%\") OR (Path IS NULL) OR (Path = "")))");
    else if (!folders && files)
        s += QStringLiteral(R"( AND ((Path IS NULL) OR (Path = "") OR (NOT (Path LIKE "%\"))))");
    else if (!folders && !files)
        s += QStringLiteral(R"( AND ((Path IS NULL) OR (Path = "")))");
    return s;
}
} // namespace qbx
