#include "search/gui/TQueryTreeViewWidget.h"

#include "search/TQueryEditor.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

namespace qbx {

TQueryTreeViewWidget::TQueryTreeViewWidget(TQueryEditor &editor, QWidget *parent)
    : QTreeView(parent), editor_(editor)
{
    setHeaderHidden(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(InternalMove);
}

void TQueryTreeViewWidget::startDrag(Qt::DropActions)
{
    // The editor moves the node on the drop; the view must not remove the
    // dragged rows afterwards as an item view does after a move.
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(DragData());
    drag->exec(Qt::MoveAction);
}

namespace {
const QString kDragFormat = QStringLiteral("application/x-qubrix-query-node");
QByteArray DragToken()
{
    return QByteArray::number(QCoreApplication::applicationPid());
}
} // namespace

QMimeData *TQueryTreeViewWidget::DragData()
{
    auto *data = new QMimeData;
    data->setData(kDragFormat, DragToken());
    return data;
}

bool TQueryTreeViewWidget::IsOwnDrag(const QMimeData *data)
{
    return data && data->data(kDragFormat) == DragToken();
}

bool TQueryTreeViewWidget::Accepts(const QDropEvent *event) const
{
    if (!IsOwnDrag(event->mimeData()))
        return false;
    const QModelIndex target = indexAt(event->position().toPoint());
    return editor_.CanDrop(editor_.Selected(), editor_.Model().NodeOf(target));
}

void TQueryTreeViewWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (IsOwnDrag(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TQueryTreeViewWidget::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeView::dragMoveEvent(event); // auto-scroll and the drop indicator
    if (Accepts(event)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TQueryTreeViewWidget::dropEvent(QDropEvent *event)
{
    if (!Accepts(event)) {
        event->ignore();
        return;
    }
    TQueryNode *target = editor_.Model().NodeOf(indexAt(event->position().toPoint()));
    editor_.Drop(editor_.Selected(), target);
    event->setDropAction(Qt::MoveAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

} // namespace qbx
