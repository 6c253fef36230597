#pragma once

#include "app/gui/TDescriptionPaneGui.h"

#include <memory>

namespace qbx {

class IWindowCommands;
class IWindowControls;
class TSession;

// Binds the catalogue of the session to the main window: the two trees'
// models in MainTreeView and SearchTreeView, the description pane, and the
// File and view commands (create, open, add, save, close; the whole
// catalogue or the search results). The trees, models and catalogue files
// themselves are the session's.
class TCatalogueGui {
public:
    TCatalogueGui(TSession &session, IWindowCommands &commands, IWindowControls &controls);

    TDescriptionPaneGui &Pane() { return *pane_; }

private:
    IWindowControls &controls_;
    std::unique_ptr<TDescriptionPaneGui> pane_;
};

} // namespace qbx
