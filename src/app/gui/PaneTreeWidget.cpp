#include "app/gui/PaneTreeWidget.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace qbx {

TPaneTreeWidget::TPaneTreeWidget(QWidget *parent) : QTreeView(parent)
{
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Expanding or collapsing one folder changes the shown rows without a
    // new layout of them all.
    connect(this, &QTreeView::expanded, this, [this] { ForgetWidth(); });
    connect(this, &QTreeView::collapsed, this, [this] { ForgetWidth(); });
}

// A change is forgotten before and after it is passed on: the header may
// ask for the width while the view is in between.
void TPaneTreeWidget::setModel(QAbstractItemModel *model)
{
    ForgetWidth();
    QTreeView::setModel(model);
    ForgetWidth();
}

void TPaneTreeWidget::setRootIndex(const QModelIndex &index)
{
    ForgetWidth();
    QTreeView::setRootIndex(index);
    ForgetWidth();
}

void TPaneTreeWidget::reset()
{
    ForgetWidth();
    QTreeView::reset();
    ForgetWidth();
}

void TPaneTreeWidget::doItemsLayout()
{
    ForgetWidth();
    QTreeView::doItemsLayout();
}

void TPaneTreeWidget::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                  const QList<int> &roles)
{
    ForgetWidth();
    QTreeView::dataChanged(topLeft, bottomRight, roles);
    ForgetWidth();
}

void TPaneTreeWidget::rowsInserted(const QModelIndex &parent, int start, int end)
{
    ForgetWidth();
    QTreeView::rowsInserted(parent, start, end);
    ForgetWidth();
}

void TPaneTreeWidget::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    ForgetWidth();
    QTreeView::rowsAboutToBeRemoved(parent, start, end);
}

void TPaneTreeWidget::scrollContentsBy(int dx, int dy)
{
    // The rows measured are those around the shown ones.
    if (dy != 0)
        ForgetWidth();
    QTreeView::scrollContentsBy(dx, dy);
}

void TPaneTreeWidget::changeEvent(QEvent *event)
{
    ForgetWidth();
    QTreeView::changeEvent(event);
    ForgetWidth();
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

bool TPaneTreeWidget::HeightIsIrrelevant(int height) const
{
    // The view measures the shown rows and then rows next to them until it
    // has measured `precision` rows. With the first row at the top and
    // fewer rows shown than that (each is at least a pixel high), that is
    // always the first `precision` rows, whatever the height.
    const int precision = header()->resizeContentsPrecision();
    return precision > 0 && verticalScrollBar()->value() == 0 && height < precision;
}

int TPaneTreeWidget::sizeHintForColumn(int column) const
{
    // A layout still pending is done first, as the plain view does, and
    // forgets what was measured before it.
    const_cast<TPaneTreeWidget *>(this)->executeDelayedItemsLayout();
    const int height = viewport()->height();
    if (measuredColumn_ != column ||
        (height != measuredHeight_ &&
         !(HeightIsIrrelevant(height) && HeightIsIrrelevant(measuredHeight_)))) {
        measuredWidth_ = QTreeView::sizeHintForColumn(column);
        // -1 tells that no rows were laid out yet, which may be a moment
        // inside a change: that is not kept.
        measuredColumn_ = measuredWidth_ < 0 ? -1 : column;
        measuredHeight_ = height;
        ++measurements_;
    }
    return std::max(measuredWidth_, viewport()->width());
}

} // namespace qbx
