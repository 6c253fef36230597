#include "tree/TTreeNode.h"

#include <algorithm>

namespace qbx {

void TChildList::EnsureOrdered()
{
    if (ordered == nodes.size())
        return;
    auto less = [order = this->less](const std::unique_ptr<TTreeNode> &a,
                                     const std::unique_ptr<TTreeNode> &b) { return order(*a, *b); };
    const auto mid = nodes.begin() + ordered;
    if (!std::is_sorted(mid, nodes.end(), less))
        std::sort(mid, nodes.end(), less);
    size_t from = ordered;
    if (ordered > 0 && less(*mid, *(mid - 1))) {
        std::inplace_merge(nodes.begin(), mid, nodes.end(), less);
        from = 0;
    }
    ordered = uint32_t(nodes.size());
    Renumber(from);
}

void TChildList::Renumber(size_t from)
{
    for (size_t i = from; i < nodes.size(); ++i)
        nodes[i]->row_ = uint32_t(i) & TTreeNode::kMaxRow;
}

TTreeNode::TTreeNode(TTreeNode *parent, QString text, uint8_t image)
    : text_(std::move(text)), parent_(parent), image_(image)
{
    static_assert(sizeof(TTreeNode) <= 56, "a node must stay within a 64-byte allocation");
}

TTreeNode::~TTreeNode() = default;

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode *p = parent_; p; p = p->parent_)
        ++level;
    return level;
}

TTreeNode *TTreeNode::Child(int i) const
{
    children_->EnsureOrdered();
    return children_->nodes[size_t(i)].get();
}

int TTreeNode::Row() const
{
    if (!parent_)
        return 0;
    parent_->children_->EnsureOrdered();
    return int(row_);
}

TChildList &TTreeNode::Children(TSiblingOrder less)
{
    if (!children_) {
        children_ = std::make_unique<TChildList>();
        children_->less = less;
    }
    return *children_;
}

} // namespace qbx
