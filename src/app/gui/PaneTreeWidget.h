#pragma once

#include <QTreeView>

namespace qbx {

// A tree view of the left pane. Its one column is as wide as the widest
// label shown, so deep or long labels scroll sideways instead of being cut,
// and never narrower than the pane, so a click anywhere on a row still
// selects its node.
class TPaneTreeWidget : public QTreeView {
public:
    explicit TPaneTreeWidget(QWidget *parent = nullptr);

    // Scrolls the rows as the tree view does, but sideways only as far as
    // needed to show where the item begins: the plain view jumps back to the
    // left edge whenever its column is wider than the pane, hiding the deep
    // label just clicked.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    // Expands every index and lays the rows out once afterwards: expanding
    // them one by one would measure every shown row again for each index.
    void ExpandMany(const QModelIndexList &indexes);

protected:
    int sizeHintForColumn(int column) const override;
};

} // namespace qbx
