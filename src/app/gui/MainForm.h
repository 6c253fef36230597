#pragma once

#include "app/gui/QtMessageBoxes.h"
#include "app/Session.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "options/OptionsWindowSeam.h"
#include "interaction/CommandState.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/MainView.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QAbstractItemModel;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolButton;
class QTreeView;
class QTreeWidget;

namespace qbx {

class TStatusPanelsWidget;
struct TMenuDef;

// The main window: tool bar, menus, popup menus, the two tree views and the
// description list, the status bar with progress bar and Stop button. It owns
// the widgets and the QActions and forwards to the session's core objects
// (command state, mode logic, long operations). The program builds it, then
// the session with the window as its view, then attaches the session; the
// handlers of the commands are connected by the parts that implement them.
class TMainForm : public QMainWindow,
                  public IMainView,
                  public IOperationView,
                  public IOptionsWindow,
                  public IWindowCommands,
                  public IWindowControls {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // Builds the commands, menus, tool bar, panes and status bar on the
    // session's command state and working state. Called once, before the
    // parts bind to the window.
    void Attach(TSession &session);
    // Stops reacting to the session, before it goes (the application-wide
    // key filter is removed).
    void Detach();

    // The working state and core objects the window shows.
    TSession &Session() { return *session_; }
    TOptions &Options() { return session_->Options(); }
    TWindowState &WindowState() { return session_->Window(); }
    TCommandState &Commands() { return session_->Commands(); }
    TModeLogic &ModeLogic() { return session_->ModeLogic(); }
    TLongOperation &Operation() { return session_->Operation(); }
    // Message boxes in front of the window.
    IMessageBoxes &MessageBoxes() { return boxes_; }

    // --- IWindowCommands --------------------------------------------------
    // Its shortcuts work anywhere in the window; menu entries and tool
    // buttons trigger it.
    QAction *Action(cmd::Id command) const override { return actions_[command]; }
    // The table's handler name says which handler a command has. A command
    // without a handler does nothing when triggered.
    void SetHandler(cmd::Id command, std::function<void()> handler) override;
    // A radio entry is checked when its handler runs.
    bool WasChecked() const override { return wasChecked_; }
    // "FileMenuItem".."HelpMenuItem", "FieldSearchMenuItem",
    // "SizeUnitMenuItem", "TreePopupMenu", "SearchPopupMenu", "ViewPopupMenu",
    // "SizePopupMenu".
    QMenu *Menu(const QString &name) const override { return menus_.value(name); }
    // The search a plain click on SimpleSearchToolButton runs.
    void SetSimpleSearchDefault(cmd::Id command) override;

    // --- IWindowControls --------------------------------------------------
    QWidget *DialogParent() override { return this; }
    void SetTreeModel(TTreeKind tree, QAbstractItemModel *model) override;
    QTreeView *ActiveTree() const override;
    QTreeView *MainTreeView() const override { return mainTree_; }
    QTreeView *SearchTreeView() const override { return searchTree_; }
    QTreeWidget *DescrListView() const override { return descrList_; }
    QWidget *LeftPanel() const override { return leftPanel_; }
    QSplitter *Splitter() const override { return splitter_; }
    // Set once at show time from the options.
    QString DbDialogsFolder() const override { return dbDialogsFolder_; }
    QString QueryDialogsFolder() const override { return queryDialogsFolder_; }

    // Arguments after the program name; the first is opened at first activation.
    void SetCommandLine(const QStringList &arguments) { commandLine_ = arguments; }
    void ExpandRoot(TTreeKind tree) override;

    QWidget *RightPanel() const { return rightPanel_; }
    QPushButton *CancelButton() const { return cancelButton_; }
    QProgressBar *ProgressBar() const { return progressBar_; }
    TStatusPanelsWidget *StatusPanels() const { return panels_; }

    // --- IMainView -------------------------------------------------------
    void SetWindowCaption(const QString &caption) override;
    void ShowPanes(bool shown) override;
    void ShowOpenHint(bool shown) override;
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

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormShow();
    void FormActivate();
    void FormResize();
    void ExitAppClick();
    void SplitterMoved();
    // The value column fills the description list, never narrower than
    // valueWidth_.
    void FitValueColumn();
    static QString OpenHintText();

    // Building the window (MainFormMenus.cpp).
    void CreateActions();
    void CreateMenus();
    QMenu *BuildMenu(const TMenuDef &def, QWidget *parent);
    void CreateToolBar();
    void CreatePanes();
    void CreateStatusBar();
    void UpdateCommand(int index);
    void UpdateItem(int item);
    void CommandTriggered(cmd::Id command, bool checked);
    void ShowTreePopup(QTreeView *tree, const QPoint &pos);

    TQtMessageBoxes boxes_;
    TSession *session_ = nullptr; // attached by the program

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
    QLabel *openHint_ = nullptr;
    int valueWidth_ = 0;        // the value column's own width (remembered)
    bool fittingValue_ = false; // FitValueColumn is resizing the column
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
    bool filtering_ = false; // the application-wide key filter is installed
    bool activated_ = false;
    QStringList commandLine_;
};

} // namespace qbx
