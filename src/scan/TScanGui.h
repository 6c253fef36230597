#pragma once

#include "scan/FolderLister.h"
#include "scan/TAddTree.h"

#include <memory>

namespace qbx {

class IFolderPicker;
class IHelp;
class TMainForm;
class TScanForm;
class TScanTreeViewGui;

// Puts the scan into the main window: the scan dialog, "Добавить дерево
// файлов..." and "Рассчитать размер". Made after the main window and its
// shell services; kept as long as the window.
class TScanGui {
public:
    TScanGui(TMainForm &form, IFolderPicker &picker, IHelp &help);
    ~TScanGui();
    TScanGui(const TScanGui &) = delete;
    TScanGui &operator=(const TScanGui &) = delete;

    TScanForm &ScanForm() { return *scanForm_; }
    TAddTree &AddTree() { return *addTree_; }

private:
    TMainForm &form_;
    std::unique_ptr<TScanForm> scanForm_;
    std::unique_ptr<TScanTreeViewGui> view_;
    TSystemFolderLister lister_;
    std::unique_ptr<TAddTree> addTree_;
};

} // namespace qbx
