#pragma once

#include <string>

namespace qbx {

class TTreeNode;

// Sibling order: -1, 0 or 1. Kinds are compared with an expanded folder
// counting as a folder. Without namesFirst, nodes of different kinds go by
// kind (discs, folders, files) and nodes of one kind by name; with it, names
// decide and the kind only breaks ties. Equal names of one kind give 1.
int CompareNodes(const TTreeNode &a, const TTreeNode &b, bool namesFirst);

// The order both tree views keep: CompareNodes without namesFirst, except
// that equal names of one kind compare as 0.
int TreeViewCompare(const TTreeNode &a, const TTreeNode &b);

// Strict order the trees keep their children in: TreeViewCompare, with
// names the collation finds equal put in a fixed order by their characters
// so that the order never depends on the order of insertion.
bool SiblingLess(const TTreeNode &a, const TTreeNode &b);
// Its sort key (TSortKey): the kind, then the name's AppendFileNameKey.
bool SiblingKey(const TTreeNode &node, std::string &key);

} // namespace qbx
