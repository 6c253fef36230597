#pragma once

#include <QString>

#include <cstdint>

namespace qbx {

class TTreeNode;

// Paths of a node, relative to the root of its tree: the names below the
// disc joined by "\\" (ItemPath), the same starting with the disc label
// (FullItemPath), and the disc's label. All three are "" for the root.
QString ItemPath(const TTreeNode *node);
QString FullItemPath(const TTreeNode *node);
QString DiscLabel(const TTreeNode *node);

// The size of an item computed from the tree: a node without children has
// its own size; otherwise folder children contribute their subtree size and
// every other child its own size (a folder's own size is then not used).
int64_t SubtreeSize(const TTreeNode *node);

} // namespace qbx
