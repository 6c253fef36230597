#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace qbx {

class IItemEditView;
class IMessageBoxes;
class TCatalogueTree;
class TCommandState;
class TUnsavedChanges;
class TOptions;
class TTreeModel;
class TTreeNode;
class TWindowState;
struct TCatalogueDocument;
struct TConflictAnswers;

// The item commands of the catalogue tree (mode 2): adding, renaming in
// place, turning folders into files and back, deleting items or what lies
// below them, moving by drag and drop; and the message hook that finishes
// what an edit leaves behind. Every change marks the catalogue unsaved.
class TItemOperations {
public:
    struct TDeps {
        const TOptions &options;
        TWindowState &window; // status panel 0's text
        TCatalogueDocument &document;
        TConflictAnswers &answers; // of the move by rename or drag
        TCommandState &commands;
        TUnsavedChanges &unsaved;
        TCatalogueTree &catalogue; // MainTreeView's tree and its operations
        TTreeModel &model;         // MainTreeView's model and selection
        IMessageBoxes &boxes;
        IItemEditView &view;
    };
    explicit TItemOperations(TDeps deps);

    // Refreshes the description pane and the selection's commands.
    std::function<void()> SelectionChanged;

    void AddSubitem();
    void RenameItem();
    void ToggleFolderFile();
    void DeleteItem();
    void DeleteSubitems();

    // In-place label editing: it begins; it ends with a new text. Gives the
    // text the node is to show now (the old one: an accepted rename is
    // carried out later by MessageHook).
    void MainTreeViewEditing();
    QString MainTreeViewEdited(TTreeNode *node, const QString &newText);
    // Ends an in-place edit of the label, discarding the edited text (every
    // command does this first in mode 2).
    void EndLabelEdit();
    // The full path an accepted in-place rename leads to.
    const QString &EditedLabel() const { return editedLabel_; }

    // Drag and drop: may dragged be dropped on target; drop it there.
    bool MainTreeViewDragOver(const TTreeNode *dragged, const TTreeNode *target) const;
    void MainTreeViewDragDrop(TTreeNode *dragged, TTreeNode *target);

    // Finishes by EditState what an edit left: shortcuts given back after a
    // cancelled edit, the accepted rename, the editor asked for from the
    // results.
    void MessageHook();
    // The description editor was asked for in the search results: the hook
    // switches to the whole catalogue and opens it there.
    void AskEditorFromResults();
    bool IsExpanded(const TTreeNode *node) const;

private:
    // The new full path of a label edited in place, carried out once the
    // edit has ended (EditRenamePending).
    QString editedLabel_;

    void MarkChanged();
    void Refresh();
    void GiveShortcutsBack();
    // A rename, move or new item would give a path longer than the table's
    // Path field holds: it is refused with this warning.
    void WarnPathTooLong(const QString &caption);
    void CarryOutRename();
    // The selected nodes that no other selected node contains, in tree order.
    std::vector<TTreeNode *> TopSelected() const;

    TDeps d_;
    TTreeNode *editedNode_ = nullptr;
    QString editedOldPath_; // EditedNode's full item path when the rename was accepted
};

} // namespace qbx
