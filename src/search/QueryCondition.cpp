#include "search/QueryCondition.h"

#include "search/SearchConditions.h"
#include "search/QueryComparison.h"
#include "search/QueryTree.h"

namespace qbx {

QString BuildCondition(const TQueryNode &node)
{
    switch (node.Kind()) {
    case QkTop:
        return node.ChildCount() > 0 ? BuildCondition(*node.Child(0)) : QString();
    case QkAnd:
    case QkOr: {
        const QString join =
            node.Kind() == QkAnd ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
        QString out;
        for (int i = 0; i < node.ChildCount(); ++i) {
            const QString child = BuildCondition(*node.Child(i));
            if (child.isEmpty())
                continue;
            if (!out.isEmpty())
                out += join;
            out += u'(' + child + u')';
        }
        return out;
    }
    case QkNot: {
        const QString child = node.ChildCount() > 0 ? BuildCondition(*node.Child(0)) : QString();
        return child.isEmpty() ? QString() : QStringLiteral("NOT (") + child + u')';
    }
    default:
        return ComparisonToSql(node.Caption());
    }
}

namespace {

bool ValidateNode(TQueryNode &node, int depth)
{
    if (depth > kMaxQueryDepth)
        return false;
    const QString &caption = node.Caption();
    int kind = QkCompare;
    if (depth == 0 && caption == kQueryTopCaption)
        kind = QkTop;
    else if (caption == kQueryAndCaption)
        kind = QkAnd;
    else if (caption == kQueryOrCaption)
        kind = QkOr;
    else if (caption == kQueryNotCaption)
        kind = QkNot;
    if (depth == 0 && kind == QkCompare)
        return false;
    if ((kind == QkTop || kind == QkNot) && node.ChildCount() > 1)
        return false;
    if (kind == QkCompare) {
        if (node.ChildCount() > 0)
            return false;
        if (caption != kQueryUndefinedCaption && !ParseComparison(caption).valid)
            return false;
    }
    node.SetKind(kind);
    for (int i = 0; i < node.ChildCount(); ++i)
        if (!ValidateNode(*node.Child(i), depth + 1))
            return false;
    return true;
}

// True when the text is "(" ... ")" with the first parenthesis closed by the
// last character. Parentheses inside string constants do not count.
bool IsOneGroup(const QString &text)
{
    if (!text.startsWith(u'(') || !text.endsWith(u')'))
        return false;
    int depth = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'(')
            ++depth;
        else if (c == u')' && --depth == 0)
            return i == text.size() - 1;
    }
    return false;
}

} // namespace

bool ValidateQueryTree(TQueryTree &tree)
{
    // The top node is a single node: a reader that meets a second line at
    // level 0 refuses the file before it gets here.
    return tree.Top() && ValidateNode(*tree.Top(), 0);
}

QString QueryCondition(const QString &condition, bool discs, bool folders, bool files)
{
    const QString whole = IsOneGroup(condition) ? condition : u'(' + condition + u')';
    return whole + KindFilter(discs, folders, files);
}

} // namespace qbx
