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

    void setModel(QAbstractItemModel *model) override;
    void setRootIndex(const QModelIndex &index) override;
    void reset() override;
    void doItemsLayout() override;
    // Scrolls the rows as the tree view does, but sideways only as far as
    // needed to show where the item begins: the plain view jumps back to the
    // left edge whenever its column is wider than the pane, hiding the deep
    // label just clicked.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    // Expands every index and lays the rows out once afterwards: expanding
    // them one by one would measure every shown row again for each index.
    void ExpandMany(const QModelIndexList &indexes);

    // How many times the rows were measured for the column's width.
    int Measurements() const { return measurements_; }

protected:
    int sizeHintForColumn(int column) const override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;

private:
    // The width the rows need is measured from the text layout of up to a
    // thousand rows around the shown ones, and the header asks for it
    // several times while one change settles. It is kept until anything it
    // depends on changes: the rows laid out, their texts, which rows are
    // shown (where the view's height decides that), the font or the style.
    void ForgetWidth() { measuredColumn_ = -1; }
    // Whether the rows measured are the same at any height up to this one.
    bool HeightIsIrrelevant(int height) const;

    mutable int measuredColumn_ = -1;
    mutable int measuredWidth_ = 0;
    mutable int measuredHeight_ = -1;
    mutable int measurements_ = 0;
};

} // namespace qbx
