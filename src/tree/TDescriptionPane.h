#pragma once

#include "interaction/MainView.h"
#include "tree/DisplayRecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace qbx {

class TCommandState;
class TUnsavedChanges;
class TOptions;
class TWindowState;
class TTreeModel;
class TTreeNode;

// What the description pane logic reads and changes on the window: the
// seven value texts of DescrListView, the editability of MainTreeView,
// status panel 0, the clipboard, the running operation and the views'
// expand state. The window implements it; tests use a fake.
class IDescriptionView {
public:
    virtual ~IDescriptionView() = default;
    // Value text of row 0..6 (label, path, producer, product, version,
    // size, description).
    virtual void SetRowText(int row, const QString &text) = 0;
    virtual QString RowText(int row) const = 0;
    // The selected row of the description list, -1 when none.
    virtual int SelectedRow() const = 0;
    // In-place label editing of MainTreeView switched off (true) or on.
    virtual void SetMainTreeReadOnly(bool readOnly) = 0;
    // Status panel 0.
    virtual void SetStatusText(const QString &text) = 0;
    virtual bool ClipboardHasText() const = 0;
    // A long operation runs (its Stop button is shown).
    virtual bool OperationRunning() const = 0;
    // Expand state of a node in the view of that tree, and changing it: one
    // level or the whole subtree.
    virtual bool IsExpanded(TTreeKind tree, const TTreeNode *node) const = 0;
    virtual void Expand(TTreeKind tree, const TTreeNode *node, bool wholeSubtree) = 0;
    virtual void Collapse(TTreeKind tree, const TTreeNode *node, bool wholeSubtree) = 0;
    // Ends an in-place label edit of MainTreeView, discarding the text.
    virtual void EndLabelEdit() = 0;
    // Runs the description editor command.
    virtual void RunDescriptionEditor() = 0;
};

// The right pane and what follows the selection of the visible tree: the
// rows of the description list, the size unit shown, the item commands'
// enabled state, the status text, folder images on expand and collapse, the
// expand and collapse commands and the mouse handling of both panes.
// The visible tree follows the mode: MainTreeView in mode 2, SearchTreeView
// in mode 3, none otherwise.
class TDescriptionPane {
public:
    static constexpr int RowCount = 7;
    static constexpr int LabelRow = 0;
    static constexpr int PathRow = 1;
    static constexpr int SizeRow = 5;

    // window: the mode, read; the status texts, shown and kept.
    // unsaved: whether the catalogue has changes to save (its totals are
    // then stale).
    TDescriptionPane(const TOptions &options, TWindowState &window, TCommandState &commands,
                     const TUnsavedChanges &unsaved, IDescriptionView &view,
                     TTreeModel &mainModel, TTreeModel &searchModel);

    // The value text a row of the description list shows (0 label ..
    // 6 description).
    QString RowText(int row) const { return view_.RowText(row); }

    // Size shown for the selection; -1 when there is none or the selected
    // items differ.
    int64_t SelSize = 0;
    // Row of the description list whose field the description editor focuses
    // first.
    uint8_t EditFieldRow = 2;

    // Opens the catalogued file (disc label, item path) from a disc in a drive.
    std::function<void(const QString &, const QString &)> OpenOnDisc;

    // The selection of the visible tree changed (or the tree did): refills
    // the rows and, unless a long operation runs, sets the item commands,
    // the editability of MainTreeView and the status text.
    void SelectionChanged();
    // Sets the item commands from the current selection (nothing while a
    // long operation runs).
    void UpdateCommands();

    // The unit of the size now shown in the size row (0..4).
    int ShownSizeUnit() const;
    // One of the five size commands (its unit 0..4): shows the selection's
    // size in that unit until the pane is next refilled.
    void ShowSizeIn(int unit);

    // A folder of that tree's view was expanded or collapsed: its image follows.
    void TreeViewExpanded(TTreeKind tree, TTreeNode *node);
    void TreeViewCollapsed(TTreeKind tree, TTreeNode *node);
    // The view of that tree was reset (a bulk change) and shows every node
    // collapsed: open folder images go back to closed.
    void TreeViewReset(TTreeKind tree);
    // "Развернуть", "Развернуть все", "Свернуть", "Свернуть все" on the
    // focused node of the visible tree.
    void ExpandNode() { ExpandCollapse(true, false); }
    void ExpandNodes() { ExpandCollapse(true, true); }
    void CollapseNode() { ExpandCollapse(false, false); }
    void CollapseNodes() { ExpandCollapse(false, true); }

    // A double click on the visible tree: a focused file is opened from its disc.
    void OpenFocusedFile();
    // A double click on the description list: the description editor opens
    // at the selected field (the producer when no row is selected).
    void EditAtSelectedRow();
    // A right-button press on the description list. True when the size row
    // is selected: the size command of the shown unit is checked and the
    // caller shows SizePopupMenu.
    bool PrepareSizeMenu();

    // The visible tree and its model (null in modes 0 and 1).
    TTreeKind ActiveKind() const;
    TTreeModel *ActiveModel() const;
    TTreeModel &Model(TTreeKind tree) const;

private:
    // Refills the pane with sizes in sizeUnit.
    void Refill(int sizeUnit);
    void ShowRecord(const TDisplayRecord &record, int sizeUnit);
    void SetItemCommands(const std::vector<TTreeNode *> &selected);
    void ExpandCollapse(bool expand, bool wholeSubtree);
    void CheckShownSizeCommand();
    int Presentation() const;

    const TOptions &options_;
    TWindowState &window_;
    TCommandState &commands_;
    const TUnsavedChanges &unsaved_;
    IDescriptionView &view_;
    TTreeModel &mainModel_;
    TTreeModel &searchModel_;
};

} // namespace qbx
