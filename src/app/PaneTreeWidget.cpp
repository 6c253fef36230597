#include "app/PaneTreeWidget.h"

#include <QHeaderView>

#include <algorithm>

namespace qbx {

TPaneTreeWidget::TPaneTreeWidget(QWidget *parent) : QTreeView(parent)
{
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

int TPaneTreeWidget::sizeHintForColumn(int column) const
{
    return std::max(QTreeView::sizeHintForColumn(column), viewport()->width());
}

} // namespace qbx
