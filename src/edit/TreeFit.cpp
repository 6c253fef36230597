#include "edit/TreeFit.h"

#include "tree/TTreeNode.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace qbx {

int TreeContentWidth(const TTreeNode *root, int indentation,
                     const std::function<bool(const TTreeNode *)> &isExpanded,
                     const std::function<int(const TTreeNode *)> &nodeWidth)
{
    int widest = 0;
    std::vector<std::pair<const TTreeNode *, int>> pending{{root, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        widest = std::max(widest, indentation * depth + nodeWidth(node));
        if (node->HasChildren() && isExpanded(node)) {
            for (int i = 0; i < node->ChildCount(); ++i)
                pending.emplace_back(node->Child(i), depth + 1);
        }
    }
    return widest;
}

} // namespace qbx
