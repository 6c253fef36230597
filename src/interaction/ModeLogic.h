#pragma once

#include "interaction/CommandState.h"
#include "interaction/MainView.h"
#include "interaction/UnsavedChanges.h"
#include "interaction/WindowState.h"

#include <QStringList>
#include <QtCore/qnamespace.h>

#include <array>
#include <functional>
#include <optional>

namespace qbx {

class IMessageBoxes;
class IOpenCatalogue;
class TLongOperation;
class TOptions;
struct TConflictAnswers;
struct TEnvironment;

// Notifications a part may listen to; unconnected, nobody needs them (no
// label edit to end, no search results to select in).
struct TModeHooks {
    // Ends an in-place label edit of MainTreeView, discarding the edited text.
    std::function<void()> EndLabelEdit;
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
class TModeLogic {
public:
    // appCaption: the window's caption in mode 0. The catalogue answers the
    // requests of the mode switch and the close; answers is reset when an
    // operation ends.
    TModeLogic(const QString &appCaption, const TOptions &options,
               const TEnvironment &environment, TCommandState &commands, IMainView &view,
               TLongOperation &operation, IMessageBoxes &boxes, IOpenCatalogue &catalogue,
               TConflictAnswers &answers);

    TModeHooks hooks;

    // Switches the window to a mode.
    void SetDbState(TDbState state);
    TDbState DbState() const { return state_.DbState(); }
    // The mode, the caption's end, the status texts and the pane widths.
    TWindowState &State() { return state_; }
    const TWindowState &State() const { return state_; }
    // Whether the open catalogue has changes to save; mode 0 clears it.
    TUnsavedChanges &Unsaved() { return unsaved_; }
    const TUnsavedChanges &Unsaved() const { return unsaved_; }
    // false: remembers and disables every command before AppOptionsAction;
    // true: gives each its remembered state back. Exit stays enabled. A
    // repeated false keeps the first remembered states; a true without a
    // false before it leaves the commands as they are.
    void EnableCommands(bool enable);
    // The long-operation frame around StartOperation..EndOperation: commands
    // frozen and the tree's popup menu taken away; then everything restored
    // and the conflict answers reset.
    void FreezeCommands();
    void RestoreCommands();
    bool CommandsFrozen() const { return frozen_; }

    TTreeKind ActiveTree() const { return activeTree_; }

    // The application's hint changed (empty when there is none).
    void ShowStatusHint(const QString &hint);
    // A top-level menu opens.
    void PrepareMainMenu();
    // The View menu opens.
    void PrepareViewMenu();
    // The drop-down of FoundViewToolButton opens.
    void PrepareViewPopup();
    // TreePopupMenu opens: returns the command whose entry becomes the default
    // one, or none to keep it. Afterwards an entry is shown exactly when its
    // command is enabled.
    std::optional<cmd::Id> PrepareTreePopup();
    // A plain click on SimpleSearchToolButton.
    void RunSimpleSearchDefault();
    // The search that a plain click on SimpleSearchToolButton runs.
    cmd::Id SimpleSearchDefault() const { return simpleSearchDefault_; }
    void SetSimpleSearchDefault(cmd::Id command) { simpleSearchDefault_ = command; }

    // The splitter was moved; leftWidth is LeftPanel's new width.
    void LeftPaneResized(int leftWidth);
    // A key reached the window first; true when it was used (Esc = Stop).
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
    // The window is asked to close.
    TCloseAnswer Close();
    // Before a catalogue with unsaved changes leaves the window (closing the
    // catalogue or the program; caption names which): asks whether to save,
    // unless the options answer already, and saves on "Да". A new catalogue
    // without items (hasItems false) has nothing to lose. Gives false when
    // the catalogue must stay: "Отмена", or a save that failed.
    bool SettleUnsavedChanges(const QString &caption, bool hasItems);
    // The first command-line argument, if any: opens the catalogue or query file.
    void OpenCommandLine(const QStringList &arguments, const QString &currentDir);

private:
    void ApplyModeCommands(TDbState state);

    const TOptions &options_;
    const TEnvironment &environment_;
    TWindowState state_;
    TCommandState &commands_;
    TUnsavedChanges unsaved_{commands_};
    IMainView &view_;
    TLongOperation &operation_;
    IMessageBoxes &boxes_;
    IOpenCatalogue &catalogue_;
    TConflictAnswers &answers_;
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
