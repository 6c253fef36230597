#pragma once

#include "app/QtMessageBoxesGui.h"
#include "app/Session.h"
#include "options/OptionsWindowSeam.h"
#include "session/CommandState.h"
#include "session/LongOperation.h"
#include "session/MainShell.h"
#include "session/MainView.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QAbstractItemModel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolButton;
class QTreeView;
class QTreeWidget;

namespace qbx {

class TCatalogueGui;
class TMessageForm;
class TQtFileDialogs;
class TQtSaveDialog;
class TItemEditGui;
class TSearchGui;
class TStatusPanelsWidget;
struct TMenuDef;

// The main window: tool bar, menus, popup menus, the two tree views and the
// description list, the status bar with progress bar and Stop button. It owns
// the widgets and the QActions and forwards to the core objects (command
// state, mode logic, long operations); the handlers of the commands are
// connected by the parts that implement them through SetHandler.
class TMainForm : public QMainWindow,
                  public IMainView,
                  public IOperationView,
                  public IOptionsWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // --- for the parts that attach to the window -----------------------
    // The working state and core objects the window shows.
    TSession &Session() { return *session_; }
    TOptions &Options() { return session_->Options(); }
    TCommandState &Commands() { return session_->Commands(); }
    TMainShell &Shell() { return session_->Shell(); }
    // The catalogue: trees, models, panes and the File commands.
    TCatalogueGui &Catalogue() { return *catalogue_; }
    // Editing items and descriptions.
    TItemEditGui &Edit() { return *edit_; }
    // The searches: query, runner and result views.
    TSearchGui &Search() { return *search_; }
    TLongOperation &Operation() { return session_->Operation(); }
    IMessageBoxes &MessageBoxes() { return boxes_; }
    // The name-conflict form the catalogue tree asks through.
    TMessageForm &ConflictForm() { return *conflictForm_; }

    // The QAction of a command (objectName = the command's name). Its
    // shortcuts work anywhere in the window; menu entries and tool buttons
    // trigger it.
    QAction *Action(cmd::Id command) const { return actions_[command]; }
    // Connects the handler of a command (the table's handler name says which
    // one). A command without a handler does nothing when triggered.
    void SetHandler(cmd::Id command, std::function<void()> handler);
    // Whether the command whose handler runs was checked before it was
    // chosen (a radio entry is checked when its handler runs).
    bool WasChecked() const { return wasChecked_; }
    // A menu by name: "FileMenuItem".."HelpMenuItem", "FieldSearchMenuItem",
    // "SizeUnitMenuItem", "TreePopupMenu", "SearchPopupMenu", "ViewPopupMenu",
    // "SizePopupMenu".
    QMenu *Menu(const QString &name) const { return menus_.value(name); }
    // Makes a search command the default entry of SearchPopupMenu (the
    // search a plain click on SimpleSearchToolButton runs).
    void SetSimpleSearchDefault(cmd::Id command);
    // Gives a tree view its model and connects its selection to the
    // selection-change hook.
    void SetTreeModel(TTreeKind tree, QAbstractItemModel *model);
    // The tree view of the current mode, or none.
    QTreeView *ActiveTree() const;
    // Arguments after the program name; the first is opened at first activation.
    void SetCommandLine(const QStringList &arguments) { commandLine_ = arguments; }

    QTreeView *MainTreeView() const { return mainTree_; }
    QTreeView *SearchTreeView() const { return searchTree_; }
    QTreeWidget *DescrListView() const { return descrList_; }
    QWidget *LeftPanel() const { return leftPanel_; }
    QWidget *RightPanel() const { return rightPanel_; }
    QSplitter *Splitter() const { return splitter_; }
    QPushButton *CancelButton() const { return cancelButton_; }
    QProgressBar *ProgressBar() const { return progressBar_; }
    TStatusPanelsWidget *StatusPanels() const { return panels_; }

    // --- IMainView -------------------------------------------------------
    void SetWindowCaption(const QString &caption) override;
    void ShowPanes(bool shown) override;
    void ShowTree(TTreeKind tree) override;
    void SetPaneWidths(int treeWidth, int valueWidth) override;
    void SetSplitterCursor(bool split) override;
    bool SearchTreeHasResults() const override;
    bool MainTreeHasMoreThanRoot() const override;
    void AttachSelectionHandler(TTreeKind tree) override;
    void ExpandAndSelectRoot() override;
    void FinishModeSwitch(TTreeKind tree) override;
    QString SizeRowText() const override;
    QString StatusPanelText() const override;
    void SetStatusPanelText(const QString &text) override;
    void SetTreePopupEnabled(bool enabled) override;

    // --- IOperationView --------------------------------------------------
    void ShowOperation(const QString &title, int maximum) override;
    void SetProgress(int position) override;
    void HideOperation() override;
    void ProcessEvents() override;
    void FocusStatusBar() override;
    QString StatusTitle() const override { return StatusPanelText(); }
    void ContinueClose() override;

    // --- IOptionsWindow ---------------------------------------------------
    bool IsMaximized() const override { return isMaximized(); }
    void Maximize() override { showMaximized(); }
    QRect WindowRect() const override { return QRect(pos(), size()); }
    void SetWindowRect(const QRect &rect) override;
    int LeftPanelWidth() const override;
    void SetLeftPanelWidth(int width) override;
    int ValueColumnWidth() const override;
    void SetValueColumnWidth(int width) override;
    bool IsMainTreeViewVisible() const override;
    void SetDbDialogsFolder(const QString &folder) override { dbDialogsFolder_ = folder; }
    void SetQueryDialogsFolder(const QString &folder) override { queryDialogsFolder_ = folder; }
    // Initial folders of the catalogue open/save dialogs and of the query
    // dialog's open/save dialogs, set once at show time from the options.
    QString DbDialogsFolder() const { return dbDialogsFolder_; }
    QString QueryDialogsFolder() const { return queryDialogsFolder_; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormResize();
    void ExitAppClick();
    void SplitterMoved();

    // Building the window (MainMenusGui.cpp).
    void CreateActions();
    void CreateMenus();
    QMenu *BuildMenu(const TMenuDef &def, QWidget *parent);
    void CreateToolBar();
    void CreatePanes();
    void CreateStatusBar();
    void UpdateCommand(int index);
    void UpdateItem(int item);
    void CommandTriggered(cmd::Id command, bool checked);
    void ExpandMainRoot();
    void ShowTreePopup(QTreeView *tree, const QPoint &pos);

    TQtMessageBoxes boxes_;
    std::unique_ptr<TMessageForm> conflictForm_;
    std::unique_ptr<TQtFileDialogs> fileDialogs_;
    std::unique_ptr<TQtSaveDialog> saveDialog_;
    // Declared before the parts bound to it, so that it outlives them.
    std::unique_ptr<TSession> session_;
    std::unique_ptr<TCatalogueGui> catalogue_;
    std::unique_ptr<TSearchGui> search_;
    std::unique_ptr<TItemEditGui> edit_;

    std::array<QAction *, cmd::Count> actions_{};
    std::array<std::function<void()>, cmd::Count> handlers_;
    // Menu entries of each command (one per menu it appears in).
    std::array<QList<QAction *>, cmd::Count> entries_;
    QHash<QString, QMenu *> menus_;
    QHash<int, QAction *> itemActions_; // TUiItem -> menu action

    QToolButton *simpleSearchButton_ = nullptr;
    QWidget *leftPanel_ = nullptr;
    QWidget *rightPanel_ = nullptr;
    QSplitter *splitter_ = nullptr;
    QTreeView *mainTree_ = nullptr;
    QTreeView *searchTree_ = nullptr;
    QTreeWidget *descrList_ = nullptr;
    TStatusPanelsWidget *panels_ = nullptr;
    QProgressBar *progressBar_ = nullptr;
    QPushButton *cancelButton_ = nullptr;

    TTreeKind attachedTree_ = TTreeKind::None;
    int pendingLeftWidth_ = -1; // applied once the splitter has its real width
    QString dbDialogsFolder_;
    QString queryDialogsFolder_;
    bool treePopupEnabled_ = true;
    bool wasChecked_ = false;
    bool shown_ = false;
    bool activated_ = false;
    QStringList commandLine_;
};

} // namespace qbx
