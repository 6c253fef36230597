#pragma once

#include <QTreeView>

class QMimeData;

namespace qbx {

class TQueryEditor;

// QueryTreeView: the query tree, whose selected node can be dragged onto
// another node; the editor decides which drops are accepted and moves the
// node itself.
class TQueryTreeViewWidget : public QTreeView {
public:
    TQueryTreeViewWidget(TQueryEditor &editor, QWidget *parent);

    // What a drag of a node carries: it names this process, so drags from
    // other programs are refused.
    static QMimeData *DragData();
    static bool IsOwnDrag(const QMimeData *data);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool Accepts(const QDropEvent *event) const;

    TQueryEditor &editor_;
};

} // namespace qbx
