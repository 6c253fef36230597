#include "tree/CataloguePath.h"

#include "platform/TextRules.h"

#include <array>

namespace qbx {

QString JoinPath(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + u'\\' + b;
}

std::pair<QStringView, QStringView> SplitFirst(QStringView s)
{
    const qsizetype i = s.indexOf(u'\\');
    if (i < 0)
        return {s, QStringView()};
    return {s.left(i), s.mid(i + 1)};
}

std::pair<QString, QString> SplitFirst(const QString &s)
{
    const auto [head, rest] = SplitFirst(QStringView(s));
    return {head.toString(), rest.toString()};
}

qsizetype LastPos(QStringView sub, QStringView s)
{
    if (sub.isEmpty())
        return 0;
    const qsizetype i = s.lastIndexOf(sub);
    return i < 0 ? 0 : i + sub.size();
}

QString LastComponent(QStringView s)
{
    if (s.endsWith(u'\\'))
        s.chop(1);
    return s.mid(s.lastIndexOf(u'\\') + 1).toString();
}

QString LastComponentKeep(QStringView s)
{
    if (s.size() < 2)
        return s.toString();
    const qsizetype i = s.left(s.size() - 1).lastIndexOf(u'\\');
    return s.mid(i + 1).toString();
}

QString FileTitle(QStringView s)
{
    const QStringView name = s.mid(s.lastIndexOf(u'\\') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot < 0 ? name : name.left(dot)).toString();
}

bool IsArchiveName(QStringView name)
{
    static constexpr std::array<QStringView, 12> kExtensions = {
        u".ace", u".arj", u".bz2", u".cab", u".gzip", u".iso",
        u".jar", u".lzh", u".rar", u".tar", u".uue",  u".zip"};
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QStringView ext = name.mid(dot);
    auto same = [ext](QStringView e) {
        if (e.size() != ext.size())
            return false;
        for (qsizetype i = 0; i < e.size(); ++i)
            if (text::LowerChar(ext[i].unicode()) != e[i].unicode())
                return false;
        return true;
    };
    for (const QStringView e : kExtensions)
        if (same(e))
            return true;
    return false;
}

} // namespace qbx
