#pragma once

#include "ScriptedConflicts.h"
#include "interaction/ConflictAnswers.h"
#include "support/TreeNodes.h"
#include "tree/TCatalogueTree.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace qbx::test {

// A catalogue tree with scripted conflict answers and helpers that name
// nodes by their full item path.
class TreeFixture : public ::testing::Test {
protected:
    TTreeNode *Insert(const QString &label, const QString &path, const QString &producer = {},
                      const QString &product = {}, const QString &version = {}, int64_t size = 0,
                      const QString &description = {}, bool isFolder = false)
    {
        return catalogue.InsertItem(label, path, producer, product, version, size, description,
                                    isFolder);
    }

    // The node at a full item path ("CD1\\Docs\\a.txt"), or null.
    TTreeNode *Node(const QString &fullPath) const { return NodeAt(tree, fullPath); }

    int Image(const QString &fullPath) const
    {
        const TTreeNode *n = Node(fullPath);
        return n ? n->Image() : -1;
    }

    static QStringList Names(const TTreeNode *n) { return ChildNames(n); }

    // No mounted volumes: nothing on this machine changes the results.
    TConflictAnswers answers;
    ScriptedConflicts prompt;
    TTree tree;
    TCatalogueTree catalogue{tree, answers, prompt};
};

} // namespace qbx::test
