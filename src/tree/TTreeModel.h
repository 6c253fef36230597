#pragma once

#include "tree/TTree.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QList>
#include <QVariant>

#include <unordered_map>
#include <vector>

namespace qbx {

// Presents a TTree to a QTreeView: one column, the tree's root as the only
// top-level row, children in sibling order. The model also owns the
// selection of its view, so the tree logic (which node is selected, what to
// select after a deletion) works without a display.
//
// What the view must set (MainTreeView, SearchTreeView):
//   view->setModel(model); view->setSelectionModel(model->SelectionModel());
//   view->setRootIsDecorated(false);   // no expand button at the root level
//   view->setSelectionMode(QAbstractItemView::ExtendedSelection);
//   view->setHeaderHidden(true); view->setSortingEnabled(false);
//   model->SetImageList(<the five icons as QVariants>);
// and on expanded/collapsed switch a folder's image between 3 and 2.
class TTreeModel : public QAbstractItemModel, private ITreeObserver {
    Q_OBJECT
public:
    // The node's image index (0 root, 1 disc, 2/3 folder, 4 file).
    static constexpr int ImageRole = Qt::UserRole + 1;

    explicit TTreeModel(TTree &tree, QObject *parent = nullptr);
    ~TTreeModel() override;

    TTree &Tree() const { return tree_; }
    QItemSelectionModel *SelectionModel() { return &selection_; }

    // Decorations by image index (icons made by the widgets side).
    void SetImageList(QList<QVariant> images);
    // Nodes below the root may be renamed in place and dragged (the
    // catalogue tree); the view's editor and drops are handled outside.
    void SetEditable(bool editable) { editable_ = editable; }

    QModelIndex IndexOf(const TTreeNode *node) const;
    static TTreeNode *NodeAt(const QModelIndex &index);

    // Selected nodes in tree order; the current (focused) node.
    std::vector<TTreeNode *> SelectedNodes() const;
    // Selected nodes in the order the user selected them (a range picked
    // with Shift counts top to bottom).
    std::vector<TTreeNode *> SelectedNodesInSelectionOrder() const;
    TTreeNode *CurrentNode() const;
    // Makes node the only selected node and the current one.
    void Select(const TTreeNode *node);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void BeforeReset() override;
    void AfterReset() override;
    void BeforeInsert(TTreeNode *parent, int row) override;
    void AfterInsert() override;
    void BeforeRemove(TTreeNode *parent, int row) override;
    void AfterRemove() override;
    void BeforeMove(TTreeNode *parent, int row, int destRow) override;
    void AfterMove() override;
    void Changed(TTreeNode *node) override;
    void BeforeLayoutChange() override;
    void AfterLayoutChange() override;
    void Removing(TTreeNode *node) override;

    TTree &tree_;
    QItemSelectionModel selection_;
    QList<QVariant> images_;
    bool editable_ = false;
    // During a change of layout: the persistent indexes and their nodes
    // (null once deleted).
    QModelIndexList layoutFrom_;
    std::vector<TTreeNode *> layoutNodes_;
    // Where each of those nodes stands in layoutNodes_, so that a removal
    // costs what it removes rather than a pass over every persistent index.
    std::unordered_multimap<const TTreeNode *, size_t> layoutPlaces_;
};

} // namespace qbx
