#pragma once

#include <QString>

namespace qbx {

class TTreeModel;
class TTreeNode;

// Selects the node at a full item path ("CD1\\Soft\\setup.exe"; a trailing
// "\\" of a folder's path is allowed) below the tree's root, its names
// compared exactly (case counts), and makes it the current node so that the
// view scrolls to it. An empty path, or one naming no node, selects nothing.
// Gives the node selected, or nullptr.
const TTreeNode *SelectByPath(TTreeModel &model, const QString &path);

} // namespace qbx
