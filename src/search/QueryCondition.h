#pragma once

#include <QString>

namespace qbx {

class TQueryNode;
class TQueryTree;

// The condition of a node: a comparison's SQL piece; the children of "И" and
// "ИЛИ" each in parentheses joined by AND or OR (children without a
// condition are left out); "НЕ" gives NOT (...) of its child; the top node
// "?" gives its first child's condition. Empty when nothing is left.
QString BuildCondition(const TQueryNode &node);

// Checks a tree read from a file and gives every node its kind by its
// caption. Refused: an empty tree, a top node other than "?", "И", "ИЛИ",
// "НЕ" or with siblings, "?" or "НЕ" with more than one child, a comparison
// with children or a caption that is no comparison, or a node deeper than
// kMaxQueryDepth.
bool ValidateQueryTree(TQueryTree &tree);

// The condition run for a query: enclosed in one pair of parentheses unless
// it already is one parenthesized group, then the kind filter appended.
QString QueryCondition(const QString &condition, bool discs, bool folders, bool files);

} // namespace qbx
