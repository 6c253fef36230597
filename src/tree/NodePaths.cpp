#include "tree/NodePaths.h"

#include "tree/TTreeNode.h"

#include <vector>

namespace qbx {
namespace {

// The names from the disc (included or not) down to node.
QString JoinUp(const TTreeNode *node, bool withDisc)
{
    std::vector<const TTreeNode *> chain;
    for (const TTreeNode *n = node; n && n->Parent(); n = n->Parent())
        chain.push_back(n);
    if (!withDisc && !chain.empty())
        chain.pop_back();
    QString path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!path.isEmpty() || it != chain.rbegin())
            path += u'\\';
        path += (*it)->Text();
    }
    return path;
}

int64_t OwnSize(const TTreeNode *node)
{
    const TDescriptionRef d = node->Description();
    return d && d->Size > 0 ? d->Size : 0;
}

} // namespace

QString ItemPath(const TTreeNode *node)
{
    return JoinUp(node, false);
}

QString FullItemPath(const TTreeNode *node)
{
    return JoinUp(node, true);
}

QString DiscLabel(const TTreeNode *node)
{
    if (!node || !node->Parent())
        return {};
    while (node->Parent()->Parent())
        node = node->Parent();
    return node->Text();
}

int64_t SubtreeSize(const TTreeNode *node)
{
    if (!node->HasChildren())
        return OwnSize(node);
    int64_t sum = 0;
    for (int i = 0; i < node->ChildCount(); ++i) {
        const TTreeNode *child = node->Child(i);
        sum = AddSizes(sum, child->IsFolder() ? SubtreeSize(child) : OwnSize(child));
    }
    return sum;
}

} // namespace qbx
