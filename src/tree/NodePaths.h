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

// The longest stored path (the table's Path field) in node's subtree,
// counted from the node's own name on: for every node of the subtree its
// path relative to node's parent, plus the "\\" a folder's path ends in.
// Whatever path the node is placed under, the longest stored path of its
// subtree is that path, a "\\" and this. One walk, no path strings built.
qsizetype LongestStoredTail(const TTreeNode *node);
// Whether node's subtree, with node named `name` and placed below parent,
// keeps every stored path within the table's Path field.
bool SubtreePathsFit(const TTreeNode *node, const TTreeNode *parent, const QString &name);

// The size an item records for itself; a negative (unknown) size counts as 0.
int64_t OwnSize(const TTreeNode *node);

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
