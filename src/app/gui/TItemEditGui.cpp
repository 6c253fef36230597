#include "app/gui/TItemEditGui.h"

#include "app/gui/PaneTreeWidget.h"
#include "app/Session.h"
#include "app/gui/TDescriptionPaneGui.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "edit/ItemNames.h"
#include "edit/gui/TLabelDelegateGui.h"
#include "edit/TreeFit.h"
#include "options/TOptions.h"
#include "tree/NodePaths.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>

namespace qbx {

TItemEditGui::TItemEditGui(TSession &session, IWindowCommands &commands, IWindowControls &controls,
                           TDescriptionPaneGui &pane)
    : session_(session), commands_(commands), controls_(controls), pane_(pane),
      editForm_(session.MessageBoxes(), session.Options(), controls.DialogParent()),
      items_({session.Options(), session.Window(), session.Document(), session.Answers(),
              session.Commands(), session.ModeLogic().Unsaved(), session.Catalogue(), session.MainModel(),
              session.MessageBoxes(), *this}),
      descriptions_({session.Window(), session.Document(), pane.Pane(), session.Commands(),
                     session.ModeLogic().Unsaved(),
                     session.Catalogue(),
                     session.MainModel(), items_, editForm_, *this, session.MessageBoxes()}),
      delegate_(new TLabelDelegateGui(this))
{
    items_.SelectionChanged = [this] { pane_.SelectionChanged(); };
    descriptions_.SelectionChanged = items_.SelectionChanged;
    session_.ModeLogic().hooks.EndLabelEdit = [this] { items_.EndLabelEdit(); };

    session_.MainModel().SetEditable(true);
    QTreeView *tree = Tree();
    tree->setItemDelegate(delegate_);
    // Long work (a scan, a load, a save) walks the tree while it lets events
    // through: the tree must not change under it.
    delegate_->CanEdit = [this] { return !session_.Operation().Running(); };
    delegate_->OnEditing = [this] { items_.MainTreeViewEditing(); };
    delegate_->OnEdited = [this](TTreeNode *node, const QString &text) {
        // The name is checked once the edit box is gone: a message box
        // shown while it is open would make it commit again.
        pendingNode_ = node;
        pendingPath_ = FullItemPath(node);
        pendingText_ = text;
    };
    delegate_->OnClosed = [this] {
        QMetaObject::invokeMethod(
            this, [this] { EditorClosed(); }, Qt::QueuedConnection);
    };
    tree->setDragDropMode(QAbstractItemView::DragDrop);
    tree->setAcceptDrops(true);
    tree->viewport()->installEventFilter(this);
    // The item views would take the copy, cut, paste and delete keys for
    // themselves (copying a label); those keys belong to the commands.
    for (QWidget *view :
         {static_cast<QWidget *>(tree), static_cast<QWidget *>(controls_.SearchTreeView()),
          static_cast<QWidget *>(controls_.DescrListView())})
        view->installEventFilter(this);
    if (QSplitterHandle *handle = controls_.Splitter()->handle(1))
        handle->installEventFilter(this);

    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { pane_.Pane().UpdateCommands(); });
    ConnectCommands();
}

TItemEditGui::~TItemEditGui()
{
    session_.ModeLogic().hooks.EndLabelEdit = nullptr;
    for (cmd::Id c :
         {cmd::AddSubitemAction, cmd::RenameItemAction, cmd::FolderFileAction,
          cmd::DeleteItemAction, cmd::DeleteSubitemsAction, cmd::EditDescrAction,
          cmd::CopyDescrAction, cmd::CutDescrAction, cmd::PasteDescrAction, cmd::DeleteDescrAction})
        commands_.SetHandler(c, nullptr);
}

void TItemEditGui::ConnectCommands()
{
    commands_.SetHandler(cmd::AddSubitemAction, [this] { items_.AddSubitem(); });
    commands_.SetHandler(cmd::RenameItemAction, [this] { items_.RenameItem(); });
    commands_.SetHandler(cmd::FolderFileAction, [this] { items_.ToggleFolderFile(); });
    commands_.SetHandler(cmd::DeleteItemAction, [this] { items_.DeleteItem(); });
    commands_.SetHandler(cmd::DeleteSubitemsAction, [this] { items_.DeleteSubitems(); });
    commands_.SetHandler(cmd::EditDescrAction, [this] { descriptions_.EditDescription(); });
    commands_.SetHandler(cmd::CopyDescrAction, [this] { descriptions_.CopyDescription(); });
    commands_.SetHandler(cmd::CutDescrAction, [this] { descriptions_.CutDescription(); });
    commands_.SetHandler(cmd::PasteDescrAction, [this] { descriptions_.PasteDescription(); });
    commands_.SetHandler(cmd::DeleteDescrAction, [this] { descriptions_.DeleteDescription(); });
}

QTreeView *TItemEditGui::Tree() const
{
    return controls_.MainTreeView();
}

void TItemEditGui::EditorClosed()
{
    TTreeNode *node = pendingNode_;
    pendingNode_ = nullptr;
    // The node is taken only while it is still the one at its place.
    if (node && NodeByFullPath(session_.MainTree(), pendingPath_) == node)
        items_.MainTreeViewEdited(node, pendingText_);
    // A kept or refused text leaves the edit state to the hook.
    items_.MessageHook();
}

// --- IItemEditView -------------------------------------------------------------

void TItemEditGui::StartLabelEdit(const TTreeNode *node)
{
    const QModelIndex index = session_.MainModel().IndexOf(node);
    Tree()->scrollTo(index);
    Tree()->edit(index);
}

bool TItemEditGui::LabelEditorOpen() const
{
    return delegate_->EditorOpen();
}

void TItemEditGui::CloseLabelEditor()
{
    pendingNode_ = nullptr;
    delegate_->CloseEditor();
}

void TItemEditGui::SetTreeReadOnly(bool readOnly)
{
    Tree()->setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                                     : QAbstractItemView::EditKeyPressed |
                                           QAbstractItemView::SelectedClicked);
}

void TItemEditGui::SetEditShortcuts(bool given)
{
    if (given == !shortcutsTaken_)
        return;
    for (size_t i = 0; i < kEditKeyCommands.size(); ++i) {
        QAction *action = commands_.Action(kEditKeyCommands[i]);
        if (given) {
            action->setShortcuts(takenShortcuts_[i]);
        } else {
            takenShortcuts_[i] = action->shortcuts();
            action->setShortcuts({});
        }
    }
    shortcutsTaken_ = !given;
}

bool TItemEditGui::IsExpanded(const TTreeNode *node) const
{
    return Tree()->isExpanded(session_.MainModel().IndexOf(node));
}

void TItemEditGui::Expand(const TTreeNode *node)
{
    Tree()->expand(session_.MainModel().IndexOf(node));
}

void TItemEditGui::ExpandNodes(const std::vector<const TTreeNode *> &nodes)
{
    auto *pane = dynamic_cast<TPaneTreeWidget *>(Tree());
    if (!pane) {
        IItemEditView::ExpandNodes(nodes);
        return;
    }
    QModelIndexList indexes;
    indexes.reserve(qsizetype(nodes.size()));
    for (const TTreeNode *n : nodes)
        indexes.append(session_.MainModel().IndexOf(n));
    pane->ExpandMany(indexes);
}

void TItemEditGui::SetStatusText(const QString &text)
{
    session_.View().SetStatusPanelText(text);
}

void TItemEditGui::PostMessageHook()
{
    QMetaObject::invokeMethod(
        this, [this] { items_.MessageHook(); }, Qt::QueuedConnection);
}

void TItemEditGui::ShowEntireView()
{
    if (!session_.Commands().Checked(cmd::EntireViewAction))
        commands_.Action(cmd::EntireViewAction)->trigger();
}

void TItemEditGui::EditDescription()
{
    descriptions_.EditDescription();
}

// --- IClipboardText ------------------------------------------------------------

bool TItemEditGui::HasText() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString TItemEditGui::Text() const
{
    return QApplication::clipboard()->text();
}

void TItemEditGui::SetText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

// --- drag and drop, splitter ---------------------------------------------------

TTreeNode *TItemEditGui::NodeOnLabel(const QPoint &pos) const
{
    const QModelIndex index = Tree()->indexAt(pos);
    if (!index.isValid())
        return nullptr;
    QRect label = Tree()->visualRect(index);
    label.setWidth(std::min(label.width(), Tree()->sizeHintForIndex(index).width()));
    return label.contains(pos) ? TTreeModel::NodeAt(index) : nullptr;
}

bool TItemEditGui::DragOver(QDragMoveEvent *event)
{
    QTreeView *tree = Tree();
    // Near the top or bottom edge the tree scrolls.
    const int y = event->position().toPoint().y();
    QScrollBar *bar = tree->verticalScrollBar();
    if (y < 12)
        bar->setValue(bar->value() - bar->singleStep());
    else if (y > tree->viewport()->height() - 12)
        bar->setValue(bar->value() + bar->singleStep());
    if (session_.Operation().Running())
        return false; // long work walks the tree: nothing moves meanwhile
    const TTreeNode *dragged = session_.MainModel().CurrentNode();
    const TTreeNode *target = NodeOnLabel(event->position().toPoint());
    return event->source() == tree && items_.MainTreeViewDragOver(dragged, target);
}

bool TItemEditGui::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
        watched != Tree()->viewport()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Not accepted by the view, the key goes on to the window's
        // shortcuts; when their command is disabled it does nothing.
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Delete))
            return true;
    }
    if (watched == Tree()->viewport()) {
        switch (type) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *move = static_cast<QDragMoveEvent *>(event);
            if (DragOver(move)) {
                move->setDropAction(Qt::CopyAction);
                move->accept();
            } else {
                move->ignore();
            }
            // Drag enter must be accepted for later moves to arrive.
            if (type == QEvent::DragEnter && move->source() == Tree())
                move->accept(QRect());
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            TTreeNode *dragged = session_.MainModel().CurrentNode();
            TTreeNode *target = NodeOnLabel(drop->position().toPoint());
            // The tree is changed here; the drag's source must not remove anything.
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (drop->source() == Tree() && !session_.Operation().Running() &&
                items_.MainTreeViewDragOver(dragged, target))
                QMetaObject::invokeMethod(
                    this,
                    [this, path = FullItemPath(dragged), targetPath = FullItemPath(target)] {
                        // Long work may have begun before the move's turn.
                        if (session_.Operation().Running())
                            return;
                        TTree &t = session_.MainTree();
                        TTreeNode *d = NodeByFullPath(t, path);
                        TTreeNode *tg = NodeByFullPath(t, targetPath);
                        if (d && tg)
                            items_.MainTreeViewDragDrop(d, tg);
                    },
                    Qt::QueuedConnection);
            return true;
        }
        default:
            break;
        }
    } else if (type == QEvent::MouseButtonDblClick &&
               static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
               session_.Catalogue().EditState == EditNone) {
        FitTreePane();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TItemEditGui::FitTreePane()
{
    QTreeView *tree = controls_.ActiveTree();
    if (!tree || !tree->model())
        return;
    auto *model = static_cast<TTreeModel *>(tree->model());
    const int contents = TreeContentWidth(
        model->Tree().Root(), tree->indentation(),
        [tree, model](const TTreeNode *n) { return tree->isExpanded(model->IndexOf(n)); },
        [tree, model](const TTreeNode *n) {
            return tree->sizeHintForIndex(model->IndexOf(n)).width();
        });
    const int frame = tree->width() - tree->viewport()->width();
    controls_.SetLeftPanelWidth(contents + frame + 4);
    session_.ModeLogic().LeftPaneResized(controls_.LeftPanel()->width());
}

} // namespace qbx
