#include "search/TQueryTreeModel.h"

#include "search/QueryWords.h"

namespace qbx {

TQueryTreeModel::TQueryTreeModel() : tree_(std::make_unique<TQueryTree>())
{
}

TQueryTreeModel::~TQueryTreeModel() = default;

QModelIndex TQueryTreeModel::IndexOf(const TQueryNode *node) const
{
    if (!node)
        return {};
    return createIndex(node->Row(), 0, const_cast<TQueryNode *>(node));
}

TQueryNode *TQueryTreeModel::NodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<TQueryNode *>(index.internalPointer()) : nullptr;
}

TQueryNode *TQueryTreeModel::AddChild(TQueryNode *parent, const QString &caption, int kind)
{
    const int row = parent->ChildCount();
    beginInsertRows(IndexOf(parent), row, row);
    TQueryNode *child = parent->AddChild(caption, kind);
    endInsertRows();
    return child;
}

void TQueryTreeModel::SetNode(TQueryNode *node, const QString &caption, int kind)
{
    node->Set(caption, kind);
    const QModelIndex index = IndexOf(node);
    emit dataChanged(index, index);
}

void TQueryTreeModel::Remove(TQueryNode *node)
{
    TQueryNode *parent = node->Parent();
    const int row = node->Row();
    beginRemoveRows(IndexOf(parent), row, row);
    parent->TakeChild(row);
    endRemoveRows();
}

void TQueryTreeModel::Move(TQueryNode *node, TQueryNode *newParent)
{
    TQueryNode *oldParent = node->Parent();
    const int row = node->Row();
    const int to = newParent->ChildCount();
    if (!beginMoveRows(IndexOf(oldParent), row, row, IndexOf(newParent), to))
        return; // already the last child there
    newParent->AddChild(oldParent->TakeChild(row));
    endMoveRows();
}

void TQueryTreeModel::Reset(std::unique_ptr<TQueryTree> tree)
{
    beginResetModel();
    tree_ = std::move(tree);
    endResetModel();
}

QModelIndex TQueryTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && Top() ? createIndex(0, 0, Top()) : QModelIndex();
    const TQueryNode *node = NodeOf(parent);
    return row < node->ChildCount() ? createIndex(row, 0, node->Child(row)) : QModelIndex();
}

QModelIndex TQueryTreeModel::parent(const QModelIndex &child) const
{
    const TQueryNode *node = NodeOf(child);
    return node ? IndexOf(node->Parent()) : QModelIndex();
}

int TQueryTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    if (!parent.isValid())
        return Top() ? 1 : 0;
    return NodeOf(parent)->ChildCount();
}

int TQueryTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant TQueryTreeModel::data(const QModelIndex &index, int role) const
{
    const TQueryNode *node = NodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return ShownQueryCaption(node->Caption());
    case KindRole:
        return node->Kind();
    case Qt::DecorationRole:
        return decoration ? decoration(node->Kind()) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags TQueryTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

Qt::DropActions TQueryTreeModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

} // namespace qbx
