#include "app/gui/PaneTreeWidget.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace qbx {

TPaneTreeWidget::TPaneTreeWidget(QWidget *parent) : QTreeView(parent)
{
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void TPaneTreeWidget::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QScrollBar *sideways = horizontalScrollBar();
    const int kept = sideways->value();
    QTreeView::scrollTo(index, hint);
    sideways->setValue(kept);
    // The item's rectangle starts at its image, after the indentation.
    const int start = visualRect(index).left();
    if (index.isValid() && (start < 0 || start > viewport()->width() - indentation()))
        sideways->setValue(kept + start - indentation());
}

void TPaneTreeWidget::ExpandMany(const QModelIndexList &indexes)
{
    // With a layout pending, expanding only records the index.
    scheduleDelayedItemsLayout();
    for (const QModelIndex &index : indexes)
        expand(index);
}

int TPaneTreeWidget::sizeHintForColumn(int column) const
{
    return std::max(QTreeView::sizeHintForColumn(column), viewport()->width());
}

} // namespace qbx
