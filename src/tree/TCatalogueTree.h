#pragma once

#include "tree/TTree.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace qbx {

// Where an in-place edit of a tree label stands (TCatalogueTree::EditState).
enum TEditState : uint8_t {
    EditNone = 0,          // no edit in progress
    EditLabel = 1,         // a node label is being edited in place
    EditRenamePending = 2, // an accepted rename waits to be carried out
    EditFromResults = 3,   // the description editor was asked for from the results
};

class IConflictPrompt;
class TTreeModel;
struct TConflictAnswers;

// The catalogue tree's operations: inserting catalogue records by disc label
// and path (with the name-conflict question), copying and deleting subtrees.
// Asks the conflict prompt unless an "All" answer of the operation's answers
// holds; callers stop their walk when the answer becomes ConflictCancel and
// reset the answers when their operation ends.
class TCatalogueTree {
public:
    // view (may be null) is the model of the catalogue tree's view; it gets
    // the selection after a deletion.
    TCatalogueTree(TTree &tree, TConflictAnswers &answers, IConflictPrompt &prompt,
                   TTreeModel *view = nullptr);

    TTree &Tree() const { return tree_; }

    // Called after a deletion changed the catalogue (marks it changed,
    // enables saving and refreshes the description pane).
    std::function<void()> OnTreeChanged;

    // Where an in-place edit of a MainTreeView label stands; a deletion ends
    // it.
    TEditState EditState = EditNone;

    // Inserts one catalogue record. path is below the disc, ending in "\\"
    // for a folder; an empty path means the disc itself. Gives the node the
    // record ended on.
    TTreeNode *InsertItem(const QString &label, const QString &path, const QString &producer,
                          const QString &product, const QString &version, int64_t size,
                          const QString &description, bool isFolder);

    // Inserts node and everything below it at the place named by label and
    // path (path already ends with the node's own name). Stops when a
    // conflict is answered with cancel.
    void CopySubtree(const TTreeNode *node, const QString &label, const QString &path);

    // Deletes node with its subtree. The next sibling, else the previous one,
    // else the parent takes the selection when the deleted part held it; a
    // parent folder left without children shows the collapsed image. Gives
    // that fall-back node.
    TTreeNode *DeleteNode(TTreeNode *node);
    // Deletes several nodes, none inside another, as one change of the
    // view (a row removal per node would cost the view a pass over all its
    // persistent indexes each). Parent folders left without children show
    // the collapsed image; the caller chooses the selection afterwards.
    // Inside an open TTreeMerge the caller also refreshes the pane after it.
    void DeleteNodes(const std::vector<TTreeNode *> &nodes);
    // Moves node with its subtree to the place named by label and path (a
    // rename or a drag): a copy there, then the original deleted, unless a
    // conflict was answered with cancel. The view hears one change for all
    // of it. Gives whether the node moved; the caller resets the answers.
    bool MoveSubtree(TTreeNode *node, const QString &label, const QString &path);

private:
    // Takes the nodes (none inside another) out with their subtrees as one
    // change of the view; parent folders left empty show the collapsed image.
    void RemoveSubtrees(const std::vector<TTreeNode *> &nodes);
    void ResolveConflict(TTreeNode *node, const QString &fullPath,
                         const TItemDescription &incoming);

    TTree &tree_;
    TConflictAnswers &answers_;
    IConflictPrompt &prompt_;
    TTreeModel *view_;
    size_t SharedComponents(qsizetype &start) const;
    void PassThrough(TTreeNode *node);

    QString joined_;   // the joined label and path of this insertion
    QString previous_; // ... and of the previous one
    // Positions of every "\\" in joined_ and in previous_, ascending.
    std::vector<qsizetype> bounds_;
    std::vector<qsizetype> previousBounds_;
    // Nodes of the previous insertion's components, valid while the tree's
    // version is chainVersion_.
    std::vector<TTreeNode *> chain_;
    uint64_t chainVersion_ = ~uint64_t(0);
};

} // namespace qbx
