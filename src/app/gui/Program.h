#pragma once

#include "options/TEnvironment.h"

#include <memory>

namespace qbx {

class IFolderPicker;
class IHelp;
class IMessageBoxes;
class TCatalogueGui;
class TItemEditGui;
class TMainForm;
class TMessageForm;
class TQtFileDialogs;
class TQtSaveDialog;
class TQueryGui;
class TScanGui;
class TSearchGui;
class TOverviewGui;
class TSession;
class TDesktopServicesGui;

// Replacements for the services the program's dialogs call out to; tests
// script them. Empty: the desktop services' own folder picker and help window.
struct TProgramSeams {
    IFolderPicker *folderPicker = nullptr;
    IHelp *help = nullptr;
    // The place to run in instead of the one found at start (its options
    // file, folders).
    const TEnvironment *environment = nullptr;
};

// The running program, built and wired in one place: the main window, the
// session with the window and its dialogs as ports, and the parts bound to
// them (catalogue, searches, editing, desktop services, the query editor and
// the scan). The options are loaded from the user's settings.
class TProgram {
public:
    explicit TProgram(TProgramSeams seams = {});
    ~TProgram();
    TProgram(const TProgram &) = delete;
    TProgram &operator=(const TProgram &) = delete;

    TMainForm &Window() { return *window_; }
    TSession &Session() { return *session_; }
    TCatalogueGui &Catalogue() { return *catalogue_; }
    TSearchGui &Search() { return *search_; }
    TOverviewGui &Overview() { return *overview_; }
    TItemEditGui &Edit() { return *edit_; }
    TDesktopServicesGui &Services() { return *services_; }
    TQueryGui &Query() { return *query_; }
    TScanGui &Scan() { return *scan_; }
    // The name-conflict form the catalogue tree asks through.
    TMessageForm &ConflictForm() { return *conflictForm_; }
    // The facts about the place the program runs in, found once at start.
    const TEnvironment &Environment() const { return environment_; }

private:
    // Declared in building order: each outlives what is built after it.
    const TEnvironment environment_;
    std::unique_ptr<TMainForm> window_;
    std::unique_ptr<TMessageForm> conflictForm_;
    std::unique_ptr<TQtFileDialogs> fileDialogs_;
    std::unique_ptr<TQtSaveDialog> saveDialog_;
    std::unique_ptr<TSession> session_;
    std::unique_ptr<TCatalogueGui> catalogue_;
    std::unique_ptr<TSearchGui> search_;
    std::unique_ptr<TItemEditGui> edit_;
    std::unique_ptr<TDesktopServicesGui> services_;
    std::unique_ptr<TQueryGui> query_;
    std::unique_ptr<TScanGui> scan_;
    std::unique_ptr<TOverviewGui> overview_;
};

} // namespace qbx
