#pragma once

#include "options/WorkingState.h"
#include "session/CommandState.h"
#include "session/MainView.h"

#include <QStringList>
#include <QtCore/qnamespace.h>

#include <array>
#include <functional>
#include <optional>

namespace qbx {

class IMessageBoxes;
class TLongOperation;
class TOptions;

// Work the shell hands to the parts that own it. The session connects
// LoadTable, SaveDb, OpenCatalogue and OpenQuery, the window SaveOptions:
// calling one of them unconnected stops the program (a wiring fault, never
// silence). The others are notifications a part may listen to; unconnected,
// nobody needs them (no label edit to end, no search results to select in).
struct TShellHooks {
    // Ends an in-place label edit of MainTreeView, discarding the edited text.
    std::function<void()> EndLabelEdit;
    // Reads the whole catalogue table into MainTreeView (first switch to mode 2).
    std::function<void()> LoadTable;
    // The Save command; afterwards SaveDbAction still enabled means it failed.
    std::function<void()> SaveDb;
    // Opens a catalogue file without the open dialog.
    std::function<void(const QString &)> OpenCatalogue;
    // Shows the complex-query dialog, which loads that query file.
    std::function<void(const QString &)> OpenQuery;
    // Writes the options back to where they came from (at close).
    std::function<void()> SaveOptions;
    // Selects the MainTreeView node with that item path, when there is one.
    std::function<void(const QString &)> SelectPath;
    // The selection-change handler of a tree: refreshes the description pane
    // and the commands that follow the selection.
    std::function<void(TTreeKind)> SelectionChange;
    // Runs a command's handler (the simple-search tool button's default search).
    std::function<void(cmd::Id command)> RunCommand;
};

// What closing the main window leads to.
enum class TCloseAnswer {
    Close,         // the window closes
    Stay,          // the user (or a failed save) keeps the window open
    AfterOperation // a running operation stops first; the close goes on when it has ended
};

// The window-mode and command logic of the main window: mode switch, command
// freezing, status hints, the menus' opening rules, the close decisions and
// the command line. Runs without widgets; the window forwards its events here.
class TMainShell {
public:
    TMainShell(TOptions &options, TCommandState &commands, IMainView &view,
               TLongOperation &operation, IMessageBoxes &boxes);

    TShellHooks hooks;

    // Switches the window to a mode.
    void SetDbState(TDbState state);
    // false: remembers and disables every command before AppOptionsAction;
    // true: gives each its remembered state back. Exit stays enabled. A
    // repeated false keeps the first remembered states; a true without a
    // false before it leaves the commands as they are.
    void EnableCommands(bool enable);
    // The long-operation frame around StartOperation..EndOperation: commands
    // frozen and the tree's popup menu taken away; then everything restored
    // and ConflictAnswer reset.
    void FreezeCommands();
    void RestoreCommands();
    bool CommandsFrozen() const { return frozen_; }

    TTreeKind ActiveTree() const { return activeTree_; }

    // The application's hint changed (empty when there is none).
    void ShowStatusHint(const QString &hint);
    // A top-level menu opens.
    void MainMenuItemClick();
    // The View menu opens.
    void ViewMenuItemClick();
    // The drop-down of FoundViewToolButton opens.
    void ViewPopupMenuPopup();
    // TreePopupMenu opens: returns the command whose entry becomes the default
    // one, or none to keep it. Afterwards an entry is shown exactly when its
    // command is enabled.
    std::optional<cmd::Id> TreePopupMenuPopup();
    // A plain click on SimpleSearchToolButton.
    void SimpleSearchToolButtonClick();
    // The search that a plain click on SimpleSearchToolButton runs.
    cmd::Id SimpleSearchDefault() const { return simpleSearchDefault_; }
    void SetSimpleSearchDefault(cmd::Id command) { simpleSearchDefault_ = command; }

    // The splitter was moved; leftWidth is LeftPanel's new width.
    void SplitterMoved(int leftWidth);
    // A key reached the window first; true when it was used (Esc = Stop).
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The window is asked to close.
    TCloseAnswer FormClose();
    // The first command-line argument, if any: opens the catalogue or query file.
    void OpenCommandLine(const QStringList &arguments, const QString &currentDir);

private:
    void ApplyModeCommands(TDbState state);

    TOptions &options_;
    TCommandState &commands_;
    IMainView &view_;
    TLongOperation &operation_;
    IMessageBoxes &boxes_;
    TTreeKind activeTree_ = TTreeKind::None;
    std::array<bool, cmd::AppOptionsAction> remembered_{};
    bool frozen_ = false;
    cmd::Id simpleSearchDefault_ = cmd::GlobalSearchAction;
};

// The size command (SizeByteAction..SizeAutoAction) of the unit a size text
// shows: "ГБ", "МБ", "кБ", else bytes; an empty size or "0" gives sizeUnit
// (a value outside 0..4 counts as bytes).
cmd::Id SizeCommandShown(const QString &sizeText, int sizeUnit);

} // namespace qbx
