#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace qbx {

// Kind of a query-tree node; the number is the node's image index.
enum TQueryKind : int {
    QkTop = 0,     // the top node before it is a logic node: "?"
    QkAnd = 1,     // "И": every child must hold
    QkOr = 2,      // "ИЛИ": one child must hold
    QkNot = 3,     // "НЕ": its child is negated
    QkCompare = 4, // a comparison, or "[НЕ ОПРЕДЕЛЕНО]" while incomplete
};

// Captions of the logic nodes and of an incomplete comparison.
inline const QString kQueryTopCaption = QStringLiteral("?");
inline const QString kQueryAndCaption = QStringLiteral("И");
inline const QString kQueryOrCaption = QStringLiteral("ИЛИ");
inline const QString kQueryNotCaption = QStringLiteral("НЕ");
inline const QString kQueryUndefinedCaption = QStringLiteral("[НЕ ОПРЕДЕЛЕНО]");

// Deepest level a node may have below the top node. The condition of a
// deeper tree would nest more parentheses than the SQL parser takes, so the
// editor adds no node below it and query files that go deeper are refused.
inline constexpr int kMaxQueryDepth = 32;

// One node of a query tree: its caption is its whole content, its kind
// follows from the caption (ValidateQueryTree) or from the editing step that
// made it.
class TQueryNode {
public:
    TQueryNode(QString caption, int kind) : caption_(std::move(caption)), kind_(kind) {}
    TQueryNode(const TQueryNode &) = delete;
    TQueryNode &operator=(const TQueryNode &) = delete;

    const QString &Caption() const { return caption_; }
    int Kind() const { return kind_; }
    void Set(QString caption, int kind)
    {
        caption_ = std::move(caption);
        kind_ = kind;
    }
    void SetKind(int kind) { kind_ = kind; }

    TQueryNode *Parent() const { return parent_; }
    int ChildCount() const { return int(children_.size()); }
    TQueryNode *Child(int i) const { return children_[size_t(i)].get(); }
    // Position among the parent's children (0 for the top node).
    int Row() const;
    // 0 for the top node.
    int Depth() const;
    // True when node is this node or lies below it.
    bool Contains(const TQueryNode *node) const;
    // Number of levels below this node (0 without children).
    int Height() const;

    TQueryNode *AddChild(QString caption, int kind);
    TQueryNode *AddChild(std::unique_ptr<TQueryNode> child);
    // Takes the child out of the list with everything below it.
    std::unique_ptr<TQueryNode> TakeChild(int row);

private:
    QString caption_;
    int kind_;
    TQueryNode *parent_ = nullptr;
    std::vector<std::unique_ptr<TQueryNode>> children_;
};

// A query tree: one top node (none only while a file is being read) and the
// nodes below it.
class TQueryTree {
public:
    // A new tree: the single top node "?".
    TQueryTree();
    // An empty tree, to be filled by a reader.
    static std::unique_ptr<TQueryTree> Empty();

    TQueryNode *Top() const { return top_.get(); }
    void SetTop(std::unique_ptr<TQueryNode> top) { top_ = std::move(top); }

    // Every node in tree order: a node, then its children in order.
    void Visit(const std::function<void(TQueryNode &)> &visit) const;

private:
    struct EmptyTag {};
    explicit TQueryTree(EmptyTag) {}

    std::unique_ptr<TQueryNode> top_;
};

// The tree in its file form: one line per node in tree order, as many tabs
// as the node's depth, the caption and CR LF.
QString QueryTreeText(const TQueryTree &tree);

} // namespace qbx
