#include "tree/NodePaths.h"

#include "tree/FieldCapacities.h"
#include "tree/TTreeNode.h"

#include <algorithm>
#include <utility>
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

} // namespace

int64_t OwnSize(const TTreeNode *node)
{
    const TDescriptionRef d = node->Description();
    return d && d->Size > 0 ? d->Size : 0;
}

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

qsizetype LongestStoredTail(const TTreeNode *node)
{
    // Discs and folders are stored as folders wherever they land.
    auto folderMark = [](const TTreeNode *n) {
        return n->Image() >= ImageDisc && n->Image() <= ImageFolderOpen ? 1 : 0;
    };
    qsizetype longest = 0;
    std::vector<std::pair<const TTreeNode *, qsizetype>> pending{{node, node->Text().size()}};
    while (!pending.empty()) {
        const auto [n, length] = pending.back();
        pending.pop_back();
        longest = std::max(longest, length + folderMark(n));
        for (int i = 0; i < n->ChildCount(); ++i) {
            const TTreeNode *child = n->Child(i);
            pending.emplace_back(child, length + 1 + child->Text().size());
        }
    }
    return longest;
}

bool SubtreePathsFit(const TTreeNode *node, const TTreeNode *parent, const QString &name)
{
    // Below the root the node becomes a disc: its name is a label, and the
    // paths below it only lose the part above it.
    if (!parent->Parent())
        return true;
    const qsizetype above = ItemPath(parent).size(); // "" below a disc
    const qsizetype longest =
        (above > 0 ? above + 1 : 0) + LongestStoredTail(node) - node->Text().size() + name.size();
    return longest <= kPathCapacity;
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
