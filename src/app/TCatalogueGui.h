#pragma once

#include "app/TDescriptionPaneGui.h"
#include "storage/TCatalogueFiles.h"
#include "storage/TCatalogueSaving.h"
#include "storage/TMessageForm.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <memory>

namespace qbx {

class TMainForm;
class TSession;

// Binds the catalogue of the session to the main window: the two trees'
// models in MainTreeView and SearchTreeView, the description pane, and the
// File and view commands (create, open, add, save, close; the whole
// catalogue or the search results).
class TCatalogueGui {
public:
    TCatalogueGui(TMainForm &form, TSession &session);

    TTree &MainTree();
    TTree &SearchTree();
    TTreeModel &MainModel();
    TTreeModel &SearchModel();
    TCatalogueTree &Catalogue();
    TCatalogueFiles &Files();
    TCatalogueSaving &Saving();
    TDescriptionPaneGui &Pane() { return *pane_; }
    TMessageForm &ConflictForm();

private:
    TMainForm &form_;
    TSession &session_;
    std::unique_ptr<TDescriptionPaneGui> pane_;
};

} // namespace qbx
