// The main window as the mode logic, the long operations and the options
// see it: the views' and panes' state behind IMainView, IOperationView and
// IOptionsWindow.
#include "app/gui/MainForm.h"

#include "app/gui/StatusPanelsWidget.h"
#include "options/TOptions.h"
#include "tree/TTreeModel.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeView>
#include <QTreeWidget>

namespace qbx {

namespace {
constexpr int SizeRow = 5; // row of the description list that shows the size
} // namespace

// --- IMainView ---------------------------------------------------------------

void TMainForm::SetWindowCaption(const QString &caption)
{
    // The desktop's task list shows the window's own title, so that is the
    // application title too. The application display name stays "Кварнис":
    // Qt appends it to the titles of the other windows (the dialogs).
    setWindowTitle(caption);
}

void TMainForm::ShowPanes(bool shown)
{
    leftPanel_->setVisible(shown);
    rightPanel_->setVisible(shown);
    if (shown && pendingLeftWidth_ >= 0)
        SetLeftPanelWidth(pendingLeftWidth_);
}

void TMainForm::ShowOpenHint(bool shown)
{
    openHint_->setVisible(shown);
    splitter_->setVisible(!shown);
}

void TMainForm::ShowTree(TTreeKind tree)
{
    mainTree_->setVisible(tree == TTreeKind::Main);
    searchTree_->setVisible(tree == TTreeKind::Search);
}

void TMainForm::SetPaneWidths(int treeWidth, int valueWidth)
{
    SetLeftPanelWidth(treeWidth);
    SetValueColumnWidth(valueWidth);
}

void TMainForm::SetSplitterCursor(bool split)
{
    if (QSplitterHandle *handle = splitter_->handle(1))
        handle->setCursor(split ? Qt::SplitHCursor : Qt::ArrowCursor);
}

namespace {
// A tree holds more than its root: the root has children or is not alone.
bool MoreThanRoot(const QTreeView *tree)
{
    const QAbstractItemModel *m = tree->model();
    if (!m || m->rowCount() == 0)
        return false;
    return m->rowCount() > 1 || m->rowCount(m->index(0, 0)) > 0;
}
} // namespace

bool TMainForm::SearchTreeHasResults() const
{
    return MoreThanRoot(searchTree_);
}
bool TMainForm::MainTreeHasMoreThanRoot() const
{
    return MoreThanRoot(mainTree_);
}

void TMainForm::AttachSelectionHandler(TTreeKind tree)
{
    attachedTree_ = tree;
}

void TMainForm::SetTreeModel(TTreeKind tree, QAbstractItemModel *model)
{
    QTreeView *view = tree == TTreeKind::Main ? mainTree_ : searchTree_;
    view->setModel(model);
    // A tree model keeps the selection itself, so the tree logic sees the
    // view's selection without the view.
    if (auto *treeModel = qobject_cast<TTreeModel *>(model)) {
        QItemSelectionModel *own = view->selectionModel();
        view->setSelectionModel(treeModel->SelectionModel());
        if (own && own != treeModel->SelectionModel())
            own->deleteLater();
    }
    if (QItemSelectionModel *sel = view->selectionModel()) {
        connect(sel, &QItemSelectionModel::selectionChanged, this, [this, tree] {
            if (attachedTree_ == tree && ModeLogic().hooks.SelectionChange)
                ModeLogic().hooks.SelectionChange(tree);
        });
    }
}

QTreeView *TMainForm::ActiveTree() const
{
    switch (session_->ModeLogic().ActiveTree()) {
    case TTreeKind::Main:
        return mainTree_;
    case TTreeKind::Search:
        return searchTree_;
    case TTreeKind::None:
        break;
    }
    return nullptr;
}

void TMainForm::ExpandAndSelectRoot()
{
    const QAbstractItemModel *m = mainTree_->model();
    if (!m || m->rowCount() == 0)
        return;
    const QModelIndex root = m->index(0, 0);
    mainTree_->expand(root);
    mainTree_->setCurrentIndex(root);
}

void TMainForm::FinishModeSwitch(TTreeKind tree)
{
    descrList_->viewport()->update();
    if (QTreeView *view = tree == TTreeKind::Main ? mainTree_ : searchTree_; view->isVisible())
        view->setFocus();
}

QString TMainForm::SizeRowText() const
{
    const QTreeWidgetItem *row = descrList_->topLevelItem(SizeRow);
    return row ? row->text(1) : QString();
}

QString TMainForm::StatusPanelText() const
{
    return panels_->Text(0);
}
void TMainForm::SetStatusPanelText(const QString &text)
{
    panels_->SetText(0, text);
}
void TMainForm::SetTreePopupEnabled(bool enabled)
{
    treePopupEnabled_ = enabled;
}

// --- IOptionsWindow ---------------------------------------------------------

void TMainForm::SetWindowRect(const QRect &rect)
{
    move(rect.topLeft());
    resize(rect.size());
}

int TMainForm::LeftPanelWidth() const
{
    return pendingLeftWidth_ >= 0 ? pendingLeftWidth_ : leftPanel_->width();
}

void TMainForm::SetLeftPanelWidth(int width)
{
    // QSplitter scales the sizes it is given to its own width, so an exact
    // pane width needs the splitter's real width; until it has one (hidden
    // or not yet laid out) the width waits.
    const int total = splitter_->width() - splitter_->handleWidth();
    if (!leftPanel_->isVisible() || total < width + rightPanel_->minimumWidth()) {
        pendingLeftWidth_ = width;
        return;
    }
    pendingLeftWidth_ = -1;
    splitter_->setSizes({width, total - width});
}

int TMainForm::ValueColumnWidth() const
{
    return valueWidth_;
}
void TMainForm::SetValueColumnWidth(int width)
{
    valueWidth_ = width;
    FitValueColumn();
}
bool TMainForm::IsMainTreeViewVisible() const
{
    return mainTree_->isVisibleTo(this);
}

// --- IOperationView ----------------------------------------------------------

void TMainForm::ShowOperation(const QString &title, int maximum)
{
    panels_->SetText(0, title);
    progressBar_->setRange(0, std::max(0, maximum));
    progressBar_->setValue(0);
    progressBar_->show();
    cancelButton_->show();
    FormResize();
}

void TMainForm::SetProgress(int position)
{
    progressBar_->setValue(position);
}

void TMainForm::HideOperation()
{
    panels_->SetText(0, QString());
    progressBar_->setValue(0);
    progressBar_->hide();
    cancelButton_->hide();
}

void TMainForm::ProcessEvents()
{
    QCoreApplication::processEvents();
}

void TMainForm::FocusStatusBar()
{
    statusBar()->setFocus();
}

} // namespace qbx
