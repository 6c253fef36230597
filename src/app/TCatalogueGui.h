#pragma once

#include "app/TDescriptionPaneGui.h"
#include "storage/TCatalogueFiles.h"
#include "storage/TCatalogueSaving.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <memory>

namespace qbx {

class IWindowCommands;
class IWindowControls;
class TSession;

// Binds the catalogue of the session to the main window: the two trees'
// models in MainTreeView and SearchTreeView, the description pane, and the
// File and view commands (create, open, add, save, close; the whole
// catalogue or the search results).
class TCatalogueGui {
public:
    TCatalogueGui(TSession &session, IWindowCommands &commands, IWindowControls &controls);

    TTree &MainTree();
    TTree &SearchTree();
    TTreeModel &MainModel();
    TTreeModel &SearchModel();
    TCatalogueTree &Catalogue();
    TCatalogueFiles &Files();
    TCatalogueSaving &Saving();
    TDescriptionPaneGui &Pane() { return *pane_; }

private:
    TSession &session_;
    IWindowControls &controls_;
    std::unique_ptr<TDescriptionPaneGui> pane_;
};

} // namespace qbx
