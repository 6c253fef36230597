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

protected:
    int sizeHintForColumn(int column) const override;
};

} // namespace qbx
