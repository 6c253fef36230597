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

void TChildList::EnsureNumbered()
{
    for (size_t i = numbered; i < nodes.size(); ++i)
        nodes[i]->row_ = uint32_t(i) & TTreeNode::kMaxRow;
    numbered = uint32_t(nodes.size());
}

size_t TChildList::IndexOf(const TTreeNode &node)
{
    // A row kept from before a change may still name the node's place; if
    // not, the node lies in the part that has moved since it was numbered.
    if (node.row_ >= nodes.size() || nodes[node.row_].get() != &node)
        EnsureNumbered();
    return node.row_;
}

void TChildList::Placed(TTreeNode &node, size_t pos)
{
    node.row_ = uint32_t(pos) & TTreeNode::kMaxRow;
    if (numbered >= pos)
        numbered = uint32_t(pos + 1);
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
    TChildList &list = *parent_->children_;
    list.EnsureOrdered();
    return int(list.IndexOf(*this));
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
