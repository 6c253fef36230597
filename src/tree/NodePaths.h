#pragma once

#include <QString>

#include <cstdint>
#include <limits>

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
// The sum holds at the largest size instead of overflowing: a catalogue may
// hold sizes up to that largest one.
int64_t SubtreeSize(const TTreeNode *node);

// a + b for sizes of at least 0, held at the largest size.
inline int64_t AddSizes(int64_t a, int64_t b)
{
    return b > std::numeric_limits<int64_t>::max() - a ? std::numeric_limits<int64_t>::max()
                                                       : a + b;
}

} // namespace qbx
