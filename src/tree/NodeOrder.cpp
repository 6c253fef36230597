#include "tree/NodeOrder.h"

#include "platform/TextRules.h"
#include "tree/TTreeNode.h"

namespace qbx {

int CompareNodes(const TTreeNode &a, const TTreeNode &b, bool namesFirst)
{
    const int ka = a.Kind();
    const int kb = b.Kind();
    if (ka == kb || namesFirst) {
        const int c = text::CompareFileNames(a.Text(), b.Text());
        if (c != 0)
            return c;
    }
    return ka < kb ? -1 : 1;
}

int TreeViewCompare(const TTreeNode &a, const TTreeNode &b)
{
    if (a.Kind() != b.Kind())
        return a.Kind() < b.Kind() ? -1 : 1;
    return text::CompareFileNames(a.Text(), b.Text());
}

bool SiblingLess(const TTreeNode &a, const TTreeNode &b)
{
    if (const int c = TreeViewCompare(a, b); c != 0)
        return c < 0;
    const QString &ta = a.Text();
    const QString &tb = b.Text();
    const qsizetype n = std::min(ta.size(), tb.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t la = text::LowerChar(ta[i].unicode());
        const char16_t lb = text::LowerChar(tb[i].unicode());
        if (la != lb)
            return la < lb;
    }
    if (ta.size() != tb.size())
        return ta.size() < tb.size();
    return ta < tb;
}

bool SiblingKey(const TTreeNode &node, std::string &key)
{
    key.push_back(char(node.Kind()));
    if (text::AppendFileNameKey(node.Text(), key))
        return true;
    key.pop_back();
    return false;
}

} // namespace qbx
