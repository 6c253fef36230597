#include "search/QueryTree.h"

#include <algorithm>

namespace qbx {

int TQueryNode::Row() const
{
    if (!parent_)
        return 0;
    const auto &list = parent_->children_;
    const auto it = std::find_if(list.begin(), list.end(),
                                 [this](const auto &child) { return child.get() == this; });
    return int(it - list.begin());
}

int TQueryNode::Depth() const
{
    int depth = 0;
    for (const TQueryNode *n = parent_; n; n = n->parent_)
        ++depth;
    return depth;
}

bool TQueryNode::Contains(const TQueryNode *node) const
{
    for (; node; node = node->parent_)
        if (node == this)
            return true;
    return false;
}

int TQueryNode::Height() const
{
    int height = 0;
    for (const auto &child : children_)
        height = std::max(height, child->Height() + 1);
    return height;
}

TQueryNode *TQueryNode::AddChild(QString caption, int kind)
{
    return AddChild(std::make_unique<TQueryNode>(std::move(caption), kind));
}

TQueryNode *TQueryNode::AddChild(std::unique_ptr<TQueryNode> child)
{
    child->parent_ = this;
    children_.push_back(std::move(child));
    return children_.back().get();
}

std::unique_ptr<TQueryNode> TQueryNode::TakeChild(int row)
{
    auto child = std::move(children_[size_t(row)]);
    children_.erase(children_.begin() + row);
    child->parent_ = nullptr;
    return child;
}

TQueryTree::TQueryTree() : top_(std::make_unique<TQueryNode>(kQueryTopCaption, QkTop))
{
}

std::unique_ptr<TQueryTree> TQueryTree::Empty()
{
    return std::unique_ptr<TQueryTree>(new TQueryTree(EmptyTag{}));
}

namespace {
void VisitNode(TQueryNode &node, const std::function<void(TQueryNode &)> &visit)
{
    visit(node);
    for (int i = 0; i < node.ChildCount(); ++i)
        VisitNode(*node.Child(i), visit);
}
} // namespace

void TQueryTree::Visit(const std::function<void(TQueryNode &)> &visit) const
{
    if (top_)
        VisitNode(*top_, visit);
}

QString QueryTreeText(const TQueryTree &tree)
{
    QString text;
    tree.Visit([&text](TQueryNode &node) {
        text += QString(node.Depth(), u'\t');
        text += node.Caption();
        text += QStringLiteral("\r\n");
    });
    return text;
}

} // namespace qbx
