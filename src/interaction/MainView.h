#pragma once

#include <QString>

namespace qbx {

// The tree view of a mode: the catalogue tree (mode 2), the search results
// (mode 3), or none (modes 0 and 1).
enum class TTreeKind { None, Main, Search };

// What the mode logic changes on the main window. The window implements it;
// tests use a recording fake.
class IMainView {
public:
    virtual ~IMainView() = default;
    // Window caption; the application title follows it.
    virtual void SetWindowCaption(const QString &caption) = 0;
    // LeftPanel, Splitter and RightPanel shown or hidden.
    virtual void ShowPanes(bool shown) = 0;
    // The hint that tells how to show or search an open catalogue whose
    // contents are not shown (mode 1), in place of the panes.
    virtual void ShowOpenHint(bool shown) = 0;
    // Which tree view LeftPanel shows (the other one is hidden).
    virtual void ShowTree(TTreeKind tree) = 0;
    // LeftPanel width and the width of the description list's second column.
    virtual void SetPaneWidths(int treeWidth, int valueWidth) = 0;
    // The splitter shows the horizontal-split cursor (else the default one).
    virtual void SetSplitterCursor(bool split) = 0;
    // SearchTreeView / MainTreeView hold more than their root node.
    virtual bool SearchTreeHasResults() const = 0;
    virtual bool MainTreeHasMoreThanRoot() const = 0;
    // Connects the selection-change handler to that tree only (None: to no tree).
    virtual void AttachSelectionHandler(TTreeKind tree) = 0;
    // Expands MainTreeView's root one level and selects it.
    virtual void ExpandAndSelectRoot() = 0;
    // Expands a tree's root one level when it is collapsed (MainTreeView
    // after an Add, SearchTreeView when results are shown).
    virtual void ExpandRoot(TTreeKind tree) = 0;
    // The width of the description list's value column, which each view
    // remembers for itself.
    virtual int ValueColumnWidth() const = 0;
    // After a switch to mode 2 or 3: description list repainted, focus to the tree.
    virtual void FinishModeSwitch(TTreeKind tree) = 0;
    // The value text of the description list's size row.
    virtual QString SizeRowText() const = 0;
    // Status panel 0.
    virtual QString StatusPanelText() const = 0;
    virtual void SetStatusPanelText(const QString &text) = 0;
    // The tree's popup menu is given (true) or taken away (false).
    virtual void SetTreePopupEnabled(bool enabled) = 0;
};

} // namespace qbx
