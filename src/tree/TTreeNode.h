#pragma once

#include "tree/TChildIndex.h"
#include "tree/TNodeArena.h"
#include "tree/TNodeData.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace qbx {

// Image indexes of the tree image list; the image tells a node's kind.
enum TNodeImage : uint8_t {
    ImageRoot = 0,
    ImageDisc = 1,
    ImageFolder = 2,     // collapsed
    ImageFolderOpen = 3, // expanded; counts as a folder wherever kinds are compared
    ImageFile = 4,       // also an archive whose contents are catalogued below it
};

class TTreeNode;

// A strict order of siblings.
using TSiblingOrder = bool (*)(const TTreeNode &a, const TTreeNode &b);
// Appends a node's sort key for an order, to sort a long list with one key
// per node instead of comparing texts at every step: nodes whose keys
// differ are in the order of their keys (unsigned bytes, a key before every
// longer key it begins); equal keys leave it to the order itself. Gives
// false, appending nothing, for a node without a key.
using TSortKey = bool (*)(const TTreeNode &node, std::string &key);

// Children of one node in sibling order. While a tree is filled in bulk,
// new children are appended behind the ordered part and put in place the
// next time anyone looks at the order, so a large folder is sorted once
// instead of being shifted per insertion. Likewise the row a child keeps is
// brought up to date only when a row is asked for: inserting into a large
// folder with a view attached does not renumber every later sibling.
struct TChildList {
    std::vector<std::unique_ptr<TTreeNode>> nodes;
    uint32_t ordered = 0;  // nodes[0, ordered) are in sibling order
    uint32_t numbered = 0; // nodes[0, numbered) know their row
    TChildIndex index;     // case-folded names, made when a long list is searched
    TSiblingOrder less;    // the order of the tree
    TSortKey key;          // its keys, or null

    void EnsureOrdered();
    // Rows from `from` on have changed.
    void Renumber(size_t from) { numbered = std::min(numbered, uint32_t(from)); }
    void EnsureNumbered();
    // The node's index in this list, in whatever order the list is now.
    size_t IndexOf(const TTreeNode &node);
    // The node has just been put at `pos`: it and every earlier node know
    // their rows, later ones have moved.
    void Placed(TTreeNode &node, size_t pos);
};

// One node of a catalogue or search-result tree. Nodes are created, changed
// and deleted only through TTree, which keeps siblings in order and tells the
// views; everything here is for reading.
class TTreeNode {
public:
    TTreeNode(const TTreeNode &) = delete;
    TTreeNode &operator=(const TTreeNode &) = delete;
    ~TTreeNode();

    const QString &Text() const { return text_; }
    int Image() const { return image_; }
    // Kind for comparisons: an expanded folder counts as a folder.
    int Kind() const { return image_ == ImageFolderOpen ? int(ImageFolder) : int(image_); }
    bool IsFolder() const { return Kind() == ImageFolder; }
    TTreeNode *Parent() const { return parent_; }
    // 0 for the root, 1 for a disc, 2 and deeper below.
    int Level() const;

    // A node carries at most one of the two.
    bool HasDescription() const { return data_.HasDescription(); }
    TDescriptionRef Description() const { return data_.Description(); }
    const TFoundRecord *FoundRecord() const { return data_.FoundRecord(); }

    int ChildCount() const { return children_ ? int(children_->nodes.size()) : 0; }
    bool HasChildren() const { return ChildCount() > 0; }
    // The i-th child in sibling order.
    TTreeNode *Child(int i) const;
    // The i-th child in the order the list holds now, settling nothing:
    // sibling order once somebody has looked at it, otherwise (after a bulk
    // fill) partly the order the children came in.
    const TTreeNode *HeldChild(int i) const { return children_->nodes[size_t(i)].get(); }
    // Some of this node's children, each at most once, put in the order
    // they have among all the children (each with a value that moves with
    // it), without settling the order of the whole list where the order
    // itself tells.
    void OrderSome(std::span<std::pair<const TTreeNode *, uint32_t>> some) const;
    // Position among the siblings (0 for the root).
    int Row() const;

    uint32_t NameHash() const { return hash_; }

    // Rows are kept in 29 bits.
    static constexpr uint32_t kMaxRow = (1u << 29) - 1;

    // A node goes back to its tree's arena when deleted.
    static void operator delete(void *node) { TNodeArena::Of(node).Release(node); }

private:
    friend class TTree;
    friend struct TChildList;
    TTreeNode(TTreeNode *parent, QString text, uint8_t image);
    // Nodes are made only in a tree's arena.
    static void *operator new(size_t, TNodeArena &arena) { return arena.Allocate(); }
    static void operator delete(void *node, TNodeArena &arena) { arena.Release(node); }
    TChildList &Children(TSiblingOrder less, TSortKey key);

    QString text_;
    TTreeNode *parent_ = nullptr;
    std::unique_ptr<TChildList> children_; // only nodes that have had children
    TNodeData data_;
    uint32_t row_ : 29 = 0; // index in the parent's list, see TChildList::numbered
    uint32_t image_ : 3 = ImageRoot;
    uint32_t hash_ = 0; // FoldedHash of the text
};

} // namespace qbx
