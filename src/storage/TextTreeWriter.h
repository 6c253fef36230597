#pragma once

#include "engine/FileSystem.h"
#include "storage/CatalogueWriter.h"

#include <QString>

#include <functional>

namespace qbx {

class TTreeNode;

// Writes the tree below root as a text tree: one line per node in pre-order,
// expanded or not, each as many tabs as the node's level, its text and
// CR LF, in code page 1251; the root's line is "\\". The file replaces
// `target` only when it is whole (see TFileReplacement); a failure or Stop
// leaves the target as it was.
TWriteResult WriteTextTreeFile(const TTreeNode *root, const QString &target,
                               IWriteProgress &progress,
                               engine::FileSystem &fs = engine::SystemFileSystem());

// The lines of the same text tree handed one by one to line (level = the
// number of tabs), without a file and in Unicode.
void ForEachTextTreeLine(const TTreeNode *root,
                         const std::function<void(int level, const QString &text)> &line);

} // namespace qbx
