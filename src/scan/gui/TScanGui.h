#pragma once

#include "scan/FolderLister.h"
#include "scan/TAddTree.h"

#include <functional>
#include <memory>

class QTreeView;
class QWidget;

namespace qbx {

class IConflictPrompt;
class IFolderPicker;
class IHelp;
class IMessageBoxes;
class TLongOperation;
class TModeLogic;
struct TEnvironment;
class TOptions;
class TScanForm;
class TScanTreeViewGui;
class TTreeModel;

// What the scan's widgets are attached to; everything outlives them.
struct TScanGuiContext {
    const TEnvironment &environment; // the scan dialog starts at its CdRoot
    TModeLogic &modes;
    const TOptions &options;
    TLongOperation &operation;
    IMessageBoxes &boxes;
    TTreeModel &mainModel;
    QTreeView &mainTreeView;
    IConflictPrompt &prompt;
    IFolderPicker &picker;
    IHelp &help;
    QWidget *owner; // of the scan dialog
    // The catalogue changed: marks it unsaved and refreshes the panes.
    std::function<void()> treeChanged;
};

// The scan's widgets: the scan dialog and MainTreeView's part in a scan,
// with the commands "Добавить дерево файлов..." and "Рассчитать размер"
// (AddTree) to connect to their actions.
class TScanGui {
public:
    explicit TScanGui(TScanGuiContext context);
    ~TScanGui();
    TScanGui(const TScanGui &) = delete;
    TScanGui &operator=(const TScanGui &) = delete;

    TScanForm &ScanForm() { return *scanForm_; }
    TAddTree &AddTree() { return *addTree_; }

private:
    std::unique_ptr<TScanForm> scanForm_;
    std::unique_ptr<TScanTreeViewGui> view_;
    TSystemFolderLister lister_;
    std::unique_ptr<TAddTree> addTree_;
};

} // namespace qbx
