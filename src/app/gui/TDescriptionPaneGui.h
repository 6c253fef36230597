#pragma once

#include "tree/TDescriptionPane.h"

#include <QObject>

class QTreeView;

namespace qbx {

class IWindowCommands;
class IWindowControls;
class TSession;

// Binds the description pane logic to the main window: DescrListView's
// rows, both tree views (images, expand and collapse, double clicks, the
// right-button press that selects a node before the tree's popup menu), the
// expand/collapse and size commands, and the selection-change hook of the
// window's mode logic.
//
// Construct it after SetTreeModel(...) has given both views the session's
// models; destroy it before the window.
class TDescriptionPaneGui : public QObject, private IDescriptionView {
    Q_OBJECT
public:
    TDescriptionPaneGui(TSession &session, IWindowCommands &commands, IWindowControls &controls);
    ~TDescriptionPaneGui() override;

    TDescriptionPane &Pane() { return pane_; }
    // Refreshes the pane and the selection's commands (after any change of
    // the tree or the selection made by code).
    void SelectionChanged() { pane_.SelectionChanged(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetRowText(int row, const QString &text) override;
    QString RowText(int row) const override;
    int SelectedRow() const override;
    void SetMainTreeReadOnly(bool readOnly) override;
    void SetStatusText(const QString &text) override;
    bool ClipboardHasText() const override;
    bool OperationRunning() const override;
    bool IsExpanded(TTreeKind tree, const TTreeNode *node) const override;
    void Expand(TTreeKind tree, const TTreeNode *node, bool wholeSubtree) override;
    void Collapse(TTreeKind tree, const TTreeNode *node, bool wholeSubtree) override;
    void EndLabelEdit() override;
    void RunDescriptionEditor() override;

    QTreeView *View(TTreeKind tree) const;
    void ConnectTree(TTreeKind tree);
    void ConnectCommands();
    void DescrListViewContextMenu(const QPoint &pos);
    void TreeViewMouseDown(TTreeKind tree, const QPoint &pos);

    TSession &session_;
    IWindowCommands &commands_;
    IWindowControls &controls_;
    TDescriptionPane pane_;
};

} // namespace qbx
