#pragma once

#include "search/QueryTree.h"

#include <QAbstractItemModel>

#include <functional>
#include <memory>

namespace qbx {

// The query tree as an item model for QueryTreeView: one column, the top
// node as the only row at the top. Every change of the tree goes through
// here so the view follows it.
class TQueryTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // Role of a node's kind (TQueryKind).
    static constexpr int KindRole = Qt::UserRole + 1;

    TQueryTreeModel();
    ~TQueryTreeModel() override;

    const TQueryTree &Tree() const { return *tree_; }
    TQueryNode *Top() const { return tree_->Top(); }
    QModelIndex IndexOf(const TQueryNode *node) const;
    TQueryNode *NodeOf(const QModelIndex &index) const;

    TQueryNode *AddChild(TQueryNode *parent, const QString &caption, int kind);
    void SetNode(TQueryNode *node, const QString &caption, int kind);
    // Removes a node below the top with everything below it.
    void Remove(TQueryNode *node);
    // Moves a node below the top with its subtree to the end of the new
    // parent's children; the new parent must not lie below the node.
    void Move(TQueryNode *node, TQueryNode *newParent);
    // Replaces the whole tree.
    void Reset(std::unique_ptr<TQueryTree> tree);

    // The picture of a node's kind (set by the window; none by default).
    std::function<QVariant(int kind)> decoration;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;

private:
    std::unique_ptr<TQueryTree> tree_;
};

} // namespace qbx
