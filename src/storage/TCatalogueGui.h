#pragma once

#include "search/TViewSwitch.h"
#include "session/ShellStorageStatus.h"
#include "storage/TCatalogueFiles.h"
#include "storage/TCatalogueSaving.h"
#include "storage/TMessageForm.h"
#include "storage/TQtFileDialogsGui.h"
#include "storage/TQtSaveDialogGui.h"
#include "tree/TCatalogueTree.h"
#include "tree/TDescriptionPaneGui.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <memory>

namespace qbx {

class TMainForm;

// Puts the catalogue into the main window: the two trees and their models in
// MainTreeView and SearchTreeView, the name-conflict form, the description
// pane, the File commands that create, open, add, save and close catalogues,
// and the switch between the whole catalogue and the search results.
class TCatalogueGui {
public:
    explicit TCatalogueGui(TMainForm &form);

    TTree &MainTree() { return mainTree_; }
    TTree &SearchTree() { return searchTree_; }
    TTreeModel &MainModel() { return mainModel_; }
    TTreeModel &SearchModel() { return searchModel_; }
    TCatalogueTree &Catalogue() { return catalogue_; }
    TCatalogueFiles &Files() { return files_; }
    TCatalogueSaving &Saving() { return saving_; }
    TDescriptionPaneGui &Pane() { return *pane_; }
    TMessageForm &ConflictForm() { return conflictForm_; }

private:
    void ExpandRoot();

    TMainForm &form_;
    TTree mainTree_;
    TTree searchTree_;
    TTreeModel mainModel_{mainTree_};
    TTreeModel searchModel_{searchTree_};
    TMessageForm conflictForm_;
    TCatalogueTree catalogue_;
    TShellStorageStatus status_;
    TQtFileDialogs dialogs_;
    TCatalogueFiles files_;
    TQtSaveDialog saveDialog_;
    TCatalogueSaving saving_;
    TViewSwitch views_;
    std::unique_ptr<TDescriptionPaneGui> pane_;
};

} // namespace qbx
