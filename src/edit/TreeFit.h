#pragma once

#include <functional>

namespace qbx {

class TTreeNode;

// The width the tree pane needs to show every visible node (the root and
// the children of expanded nodes) whole: the widest of
// indentation × (depth below root) + the node's own width.
int TreeContentWidth(const TTreeNode *root, int indentation,
                     const std::function<bool(const TTreeNode *)> &isExpanded,
                     const std::function<int(const TTreeNode *)> &nodeWidth);

} // namespace qbx
