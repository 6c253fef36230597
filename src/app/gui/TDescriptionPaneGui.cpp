#include "app/gui/TDescriptionPaneGui.h"

#include "app/gui/Images.h"
#include "app/Session.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "options/TOptions.h"
#include "desktop/gui/DesktopOpen.h"
#include "tree/TTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace qbx {

TDescriptionPaneGui::TDescriptionPaneGui(TSession &session, IWindowCommands &commands,
                                         IWindowControls &controls)
    : session_(session), commands_(commands), controls_(controls),
      pane_(session.Options(), session.Window(), session.Commands(), session.ModeLogic().Unsaved(), *this, session.MainModel(),
            session.SearchModel())
{
    TTreeModel &mainModel = session.MainModel();
    TTreeModel &searchModel = session.SearchModel();
    QList<QVariant> images;
    for (int i = 0; i < TreeImageCount; ++i)
        images << QVariant(TreeImage(i));
    mainModel.SetImageList(images);
    searchModel.SetImageList(images);

    pane_.OpenOnDisc = [](const QString &label, const QString &path) {
        OpenOnDiscWithDesktop(label, path);
    };
    session_.ModeLogic().hooks.SelectionChange = [this](TTreeKind) { pane_.SelectionChanged(); };

    ConnectTree(TTreeKind::Main);
    ConnectTree(TTreeKind::Search);
    ConnectCommands();

    QTreeWidget *descr = controls_.DescrListView();
    descr->viewport()->installEventFilter(this);
    descr->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(descr, &QWidget::customContextMenuRequested, this,
            &TDescriptionPaneGui::DescrListViewContextMenu);
}

TDescriptionPaneGui::~TDescriptionPaneGui()
{
    session_.ModeLogic().hooks.SelectionChange = nullptr;
    for (int c = cmd::ExpandNodeAction; c <= LastSizeUnit; ++c)
        commands_.SetHandler(CommandAt(c), nullptr);
}

QTreeView *TDescriptionPaneGui::View(TTreeKind tree) const
{
    return tree == TTreeKind::Search ? controls_.SearchTreeView() : controls_.MainTreeView();
}

void TDescriptionPaneGui::ConnectTree(TTreeKind tree)
{
    QTreeView *view = View(tree);
    connect(view, &QTreeView::expanded, this, [this, tree](const QModelIndex &index) {
        pane_.TreeViewExpanded(tree, TTreeModel::NodeAt(index));
    });
    connect(view, &QTreeView::collapsed, this, [this, tree](const QModelIndex &index) {
        pane_.TreeViewCollapsed(tree, TTreeModel::NodeAt(index));
    });
    connect(&pane_.Model(tree), &QAbstractItemModel::modelReset, this,
            [this, tree] { pane_.TreeViewReset(tree); });
    connect(view, &QAbstractItemView::doubleClicked, this, [this] { pane_.OpenFocusedFile(); });
    view->viewport()->installEventFilter(this);
}

void TDescriptionPaneGui::ConnectCommands()
{
    commands_.SetHandler(cmd::ExpandNodeAction, [this] { pane_.ExpandNode(); });
    commands_.SetHandler(cmd::ExpandNodesAction, [this] { pane_.ExpandNodes(); });
    commands_.SetHandler(cmd::CollapseNodeAction, [this] { pane_.CollapseNode(); });
    commands_.SetHandler(cmd::CollapseNodesAction, [this] { pane_.CollapseNodes(); });
    for (int c = FirstSizeUnit; c <= LastSizeUnit; ++c)
        commands_.SetHandler(CommandAt(c), [this, c] { pane_.ShowSizeIn(c - FirstSizeUnit); });
}

bool TDescriptionPaneGui::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (watched == controls_.DescrListView()->viewport()) {
        if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton)
            pane_.EditAtSelectedRow();
    } else if (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
        for (TTreeKind tree : {TTreeKind::Main, TTreeKind::Search}) {
            if (watched == View(tree)->viewport())
                TreeViewMouseDown(tree, mouse->position().toPoint());
        }
    }
    return QObject::eventFilter(watched, event);
}

void TDescriptionPaneGui::TreeViewMouseDown(TTreeKind tree, const QPoint &pos)
{
    // The press selects the node under it before the tree's popup menu shows.
    QTreeView *view = View(tree);
    const QModelIndex index = view->indexAt(pos);
    QRect label = view->visualRect(index);
    label.setWidth(std::min(label.width(), view->sizeHintForIndex(index).width()));
    if (!index.isValid() || !label.contains(pos))
        return;
    TTreeModel &model = pane_.Model(tree);
    const TTreeNode *node = TTreeModel::NodeAt(index);
    const std::vector<TTreeNode *> selected = model.SelectedNodes();
    if (selected.size() != 1 || selected.front() != node || model.CurrentNode() != node)
        model.Select(node);
}

void TDescriptionPaneGui::DescrListViewContextMenu(const QPoint &pos)
{
    if (!pane_.PrepareSizeMenu())
        return;
    if (QMenu *menu = commands_.Menu(QStringLiteral("SizePopupMenu")))
        menu->popup(controls_.DescrListView()->viewport()->mapToGlobal(pos));
}

// --- IDescriptionView ----------------------------------------------------------

void TDescriptionPaneGui::SetRowText(int row, const QString &text)
{
    // The rows exist once the window has been shown.
    if (QTreeWidgetItem *item = controls_.DescrListView()->topLevelItem(row))
        item->setText(1, text);
}

void TDescriptionPaneGui::EndLabelEdit()
{
    if (session_.ModeLogic().hooks.EndLabelEdit)
        session_.ModeLogic().hooks.EndLabelEdit();
}

void TDescriptionPaneGui::RunDescriptionEditor()
{
    // Whoever implements the editor connects it as the command's handler.
    commands_.Action(cmd::EditDescrAction)->trigger();
}

QString TDescriptionPaneGui::RowText(int row) const
{
    const QTreeWidgetItem *item = controls_.DescrListView()->topLevelItem(row);
    return item ? item->text(1) : QString();
}

int TDescriptionPaneGui::SelectedRow() const
{
    const QTreeWidget *descr = controls_.DescrListView();
    const QList<QTreeWidgetItem *> items = descr->selectedItems();
    return items.isEmpty() ? -1 : descr->indexOfTopLevelItem(items.front());
}

void TDescriptionPaneGui::SetMainTreeReadOnly(bool readOnly)
{
    // In-place editing starts with F2 or a click on the selected node; a
    // double click expands or opens instead.
    controls_.MainTreeView()->setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                                                       : QAbstractItemView::EditKeyPressed |
                                                             QAbstractItemView::SelectedClicked);
}

void TDescriptionPaneGui::SetStatusText(const QString &text)
{
    session_.View().SetStatusPanelText(text);
}

bool TDescriptionPaneGui::ClipboardHasText() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool TDescriptionPaneGui::OperationRunning() const
{
    return session_.Operation().Running();
}

bool TDescriptionPaneGui::IsExpanded(TTreeKind tree, const TTreeNode *node) const
{
    return View(tree)->isExpanded(pane_.Model(tree).IndexOf(node));
}

void TDescriptionPaneGui::Expand(TTreeKind tree, const TTreeNode *node, bool wholeSubtree)
{
    const QModelIndex index = pane_.Model(tree).IndexOf(node);
    if (wholeSubtree)
        View(tree)->expandRecursively(index);
    else
        View(tree)->expand(index);
}

void TDescriptionPaneGui::Collapse(TTreeKind tree, const TTreeNode *node, bool wholeSubtree)
{
    QTreeView *view = View(tree);
    const TTreeModel &model = pane_.Model(tree);
    if (!wholeSubtree) {
        view->collapse(model.IndexOf(node));
        return;
    }
    // Every node with children below, files' leaves skipped.
    std::vector<const TTreeNode *> pending{node};
    while (!pending.empty()) {
        const TTreeNode *n = pending.back();
        pending.pop_back();
        view->collapse(model.IndexOf(n));
        for (int i = 0; i < n->ChildCount(); ++i) {
            if (n->Child(i)->HasChildren())
                pending.push_back(n->Child(i));
        }
    }
}

} // namespace qbx
