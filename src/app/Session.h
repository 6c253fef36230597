#pragma once

#include "engine/FileSystem.h"
#include "options/OptionsWindowSeam.h"
#include "options/TEnvironment.h"
#include "options/TOptions.h"
#include "options/TOptionsStorage.h"
#include "search/TViewSwitch.h"
#include "interaction/CommandState.h"
#include "interaction/ConflictAnswers.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/OpenCatalogue.h"
#include "interaction/WindowStorageStatus.h"
#include "storage/TCatalogueFiles.h"
#include "storage/TCatalogueSaving.h"
#include "tree/LastSearch.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <QString>

#include <functional>

namespace qbx {

class IConflictPrompt;
class IFileDialogs;
class IMessageBoxes;
class ISaveDialog;

// How the session reaches the window and the user. The window passes itself
// and its dialogs; tests pass fakes that record and answer from scripts.
struct TSessionPorts {
    IMainView &view;
    IOperationView &operationView;
    IOptionsWindow &optionsWindow; // the geometry the options save at close
    IMessageBoxes &boxes;
    IConflictPrompt &conflicts; // the name-conflict form
    IFileDialogs &fileDialogs;  // the open dialog
    ISaveDialog &saveDialog;
    // Every file write of saving goes through it (tests inject faults).
    engine::FileSystem &fs = engine::SystemFileSystem();
    // Free bytes of the file system holding a folder, -1 when unknown; empty
    // asks the system.
    std::function<qint64(const QString &folder)> freeSpace = {};
};

// One open window's core objects, wired once: the options and their store,
// the command state, long operations and the mode logic, the catalogue tree
// and the search results tree with their models, the File and save commands
// and the view switch. It has no widgets; the window binds its controls to
// it, and tests build it with fake ports. It answers the mode logic's
// requests with the catalogue files and saving objects.
class TSession : private IOpenCatalogue {
public:
    // appCaption: the window's caption in mode 0. environment: the facts
    // found at start; it outlives the session. The options are not loaded
    // here (the program loads them; tests set them).
    TSession(const QString &appCaption, const TEnvironment &environment, TSessionPorts ports);
    TSession(const TSession &) = delete;
    TSession &operator=(const TSession &) = delete;

    TOptions &Options() { return options_; }
    TOptionsStorage &OptionsStorage() { return storage_; }
    const TEnvironment &Environment() const { return environment_; }
    // The mode, the caption, the status texts and the pane widths.
    TWindowState &Window() { return modes_.State(); }
    // The answers to name conflicts of the window's merges and moves.
    TConflictAnswers &Answers() { return answers_; }
    // The open catalogue's file, name and flags.
    TCatalogueDocument &Document() { return files_.Document(); }
    TLastSearch &LastSearch() { return lastSearch_; }
    TCommandState &Commands() { return commands_; }
    TLongOperation &Operation() { return operation_; }
    TModeLogic &ModeLogic() { return modes_; }
    IMessageBoxes &MessageBoxes() { return boxes_; }
    // The window as the mode logic and the long operations see it.
    IMainView &View() { return view_; }
    IOperationView &OperationView() { return operationView_; }

    TTree &MainTree() { return mainTree_; }
    TTree &SearchTree() { return searchTree_; }
    TTreeModel &MainModel() { return mainModel_; }
    TTreeModel &SearchModel() { return searchModel_; }
    TCatalogueTree &Catalogue() { return catalogue_; }
    TCatalogueFiles &Files() { return files_; }
    TCatalogueSaving &Saving() { return saving_; }
    TViewSwitch &Views() { return views_; }

    // Runs after every change of the catalogue tree, once the catalogue is
    // marked unsaved (the description pane refreshes itself here).
    std::function<void()> AfterTreeChange;

private:
    // IOpenCatalogue
    QString DbName() const override;
    bool DbIsNew() const override;
    bool EnterEntireView() override;
    bool SaveDb() override;
    void OpenFile(const QString &fileName) override;
    void CatalogueClosed() override;
    void WindowClosing() override;

    const TEnvironment &environment_;
    TOptions options_;
    TOptionsStorage storage_{options_, environment_};
    IOptionsWindow &optionsWindow_;
    TConflictAnswers answers_;
    TCommandState commands_;
    IMessageBoxes &boxes_;
    IMainView &view_;
    IOperationView &operationView_;
    TLongOperation operation_;
    TModeLogic modes_;
    TTree mainTree_;
    TTree searchTree_;
    TTreeModel mainModel_{mainTree_};
    TTreeModel searchModel_{searchTree_};
    TCatalogueTree catalogue_;
    TLastSearch lastSearch_;
    TWindowStorageStatus status_;
    TCatalogueFiles files_;
    TCatalogueSaving saving_;
    TViewSwitch views_;
};

} // namespace qbx
