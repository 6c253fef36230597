#pragma once

#include "interaction/MainView.h"

#include <QString>

class QAbstractItemModel;
class QSplitter;
class QTreeView;
class QTreeWidget;
class QWidget;

namespace qbx {

// The main window's controls as the parts bound to it see them: the two tree
// views, the description list, the left panel and the splitter, the parent of
// their dialogs, and the initial folders of the file dialogs.
class IWindowControls {
public:
    virtual ~IWindowControls() = default;
    // The window, as the parent of the parts' dialogs.
    virtual QWidget *DialogParent() = 0;
    virtual QTreeView *MainTreeView() const = 0;
    virtual QTreeView *SearchTreeView() const = 0;
    virtual QTreeWidget *DescrListView() const = 0;
    // The tree view of the current mode, or none.
    virtual QTreeView *ActiveTree() const = 0;
    // Gives a tree view its model and connects its selection to the
    // selection-change hook.
    virtual void SetTreeModel(TTreeKind tree, QAbstractItemModel *model) = 0;
    virtual QWidget *LeftPanel() const = 0;
    virtual QSplitter *Splitter() const = 0;
    virtual void SetLeftPanelWidth(int width) = 0;
    // Initial folders of the catalogue dialogs and of the query dialogs.
    virtual QString DbDialogsFolder() const = 0;
    virtual QString QueryDialogsFolder() const = 0;
};

} // namespace qbx
