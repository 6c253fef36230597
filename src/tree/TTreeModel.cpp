#include "tree/TTreeModel.h"

#include <algorithm>
#include <unordered_set>

namespace qbx {

TTreeModel::TTreeModel(TTree &tree, QObject *parent)
    : QAbstractItemModel(parent), tree_(tree), selection_(this)
{
    tree_.SetObserver(this);
}

TTreeModel::~TTreeModel()
{
    tree_.SetObserver(nullptr);
}

void TTreeModel::SetImageList(QList<QVariant> images)
{
    images_ = std::move(images);
}

TTreeNode *TTreeModel::NodeAt(const QModelIndex &index)
{
    return index.isValid() ? static_cast<TTreeNode *>(index.internalPointer()) : nullptr;
}

QModelIndex TTreeModel::IndexOf(const TTreeNode *node) const
{
    if (!node)
        return {};
    return createIndex(node->Row(), 0, const_cast<TTreeNode *>(node));
}

QModelIndex TTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, 0, tree_.Root()) : QModelIndex();
    const TTreeNode *p = NodeAt(parent);
    if (parent.column() != 0 || row >= p->ChildCount())
        return {};
    return createIndex(row, 0, p->Child(row));
}

QModelIndex TTreeModel::parent(const QModelIndex &child) const
{
    const TTreeNode *n = NodeAt(child);
    return n ? IndexOf(n->Parent()) : QModelIndex();
}

int TTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return 1;
    return parent.column() == 0 ? NodeAt(parent)->ChildCount() : 0;
}

int TTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool TTreeModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant TTreeModel::data(const QModelIndex &index, int role) const
{
    const TTreeNode *n = NodeAt(index);
    if (!n)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return n->Text();
    case Qt::DecorationRole:
        return n->Image() < images_.size() ? images_[n->Image()] : QVariant();
    case ImageRole:
        return n->Image();
    default:
        return {};
    }
}

Qt::ItemFlags TTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && NodeAt(index)->Parent())
        return flags | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
    return flags;
}

std::vector<TTreeNode *> TTreeModel::SelectedNodes() const
{
    QModelIndexList indexes = selection_.selectedIndexes();
    std::vector<TTreeNode *> nodes;
    nodes.reserve(size_t(indexes.size()));
    // Tree order: compare the chains of rows from the root down.
    auto rows = [](const TTreeNode *n) {
        std::vector<int> r;
        for (; n; n = n->Parent())
            r.push_back(n->Row());
        std::reverse(r.begin(), r.end());
        return r;
    };
    std::vector<std::pair<std::vector<int>, TTreeNode *>> keyed;
    for (const QModelIndex &i : indexes)
        keyed.emplace_back(rows(NodeAt(i)), NodeAt(i));
    std::sort(keyed.begin(), keyed.end());
    for (auto &k : keyed)
        nodes.push_back(k.second);
    return nodes;
}

std::vector<TTreeNode *> TTreeModel::SelectedNodesInSelectionOrder() const
{
    // The selection keeps its ranges in the order they were made.
    std::vector<TTreeNode *> nodes;
    std::unordered_set<const TTreeNode *> seen;
    for (const QItemSelectionRange &range : selection_.selection())
        for (const QModelIndex &i : range.indexes())
            if (i.column() == 0 && seen.insert(NodeAt(i)).second)
                nodes.push_back(NodeAt(i));
    return nodes;
}

TTreeNode *TTreeModel::CurrentNode() const
{
    return NodeAt(selection_.currentIndex());
}

void TTreeModel::Select(const TTreeNode *node)
{
    const QModelIndex i = IndexOf(node);
    selection_.setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
}

void TTreeModel::BeforeReset()
{
    beginResetModel();
}

void TTreeModel::AfterReset()
{
    endResetModel();
}

void TTreeModel::BeforeInsert(TTreeNode *parent, int row)
{
    beginInsertRows(IndexOf(parent), row, row);
}

void TTreeModel::AfterInsert()
{
    endInsertRows();
}

void TTreeModel::BeforeRemove(TTreeNode *parent, int row)
{
    beginRemoveRows(IndexOf(parent), row, row);
}

void TTreeModel::AfterRemove()
{
    endRemoveRows();
}

void TTreeModel::BeforeMove(TTreeNode *parent, int row, int destRow)
{
    const QModelIndex p = IndexOf(parent);
    beginMoveRows(p, row, row, p, destRow);
}

void TTreeModel::AfterMove()
{
    endMoveRows();
}

void TTreeModel::Changed(TTreeNode *node)
{
    const QModelIndex i = IndexOf(node);
    emit dataChanged(i, i);
}

void TTreeModel::BeforeLayoutChange()
{
    emit layoutAboutToBeChanged();
    // Asked after the signal: the views and the selection make the
    // persistent indexes they need to survive the change in its handlers.
    layoutFrom_ = persistentIndexList();
    layoutNodes_.clear();
    layoutNodes_.reserve(size_t(layoutFrom_.size()));
    layoutPlaces_.clear();
    layoutPlaces_.reserve(size_t(layoutFrom_.size()));
    for (const QModelIndex &i : std::as_const(layoutFrom_)) {
        layoutPlaces_.emplace(NodeAt(i), layoutNodes_.size());
        layoutNodes_.push_back(NodeAt(i));
    }
}

void TTreeModel::Removing(TTreeNode *node)
{
    if (layoutPlaces_.empty())
        return;
    // The places of deleted nodes are dropped too: a node made later in the
    // same change may get a deleted one's address.
    TTree::VisitSubtree(node, [this](const TTreeNode *n) {
        const auto [from, to] = layoutPlaces_.equal_range(n);
        for (auto it = from; it != to; ++it)
            layoutNodes_[it->second] = nullptr;
        layoutPlaces_.erase(from, to);
    });
}

void TTreeModel::AfterLayoutChange()
{
    QModelIndexList to;
    to.reserve(layoutFrom_.size());
    for (const TTreeNode *n : layoutNodes_)
        to.append(IndexOf(n));
    changePersistentIndexList(layoutFrom_, to);
    layoutFrom_.clear();
    layoutNodes_.clear();
    layoutPlaces_.clear();
    emit layoutChanged();
}

} // namespace qbx
