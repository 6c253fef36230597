#include "tree/TTree.h"

#include "platform/TextRules.h"
#include "tree/NodeOrder.h"

#include <algorithm>
#include <system_error>
#include <unordered_set>

namespace qbx {
namespace {

// Lists shorter than this are searched by comparing cached hashes.
constexpr size_t kIndexFrom = 8;

std::unique_ptr<TTreeNode> *UpperBound(std::unique_ptr<TTreeNode> *first,
                                       std::unique_ptr<TTreeNode> *last, const TTreeNode &node,
                                       TSiblingOrder less)
{
    return std::upper_bound(
        first, last, node,
        [less](const TTreeNode &n, const std::unique_ptr<TTreeNode> &e) { return less(n, *e); });
}

} // namespace

TTree::TTree()
{
    ResetTree();
}

TTree::~TTree()
{
    if (disposal_.joinable())
        disposal_.join();
}

void TTree::ResetTree()
{
    ++version_;
    const bool live = Live();
    if (live)
        observer_->BeforeReset();
    else if (InLayoutChange())
        observer_->Removing(root_.get());
    // A new tree takes a new arena; the old nodes go with the old one. Both
    // are made before anything changes, so that a failure leaves the tree.
    TRetiredTree old;
    auto arena = std::make_unique<TNodeArena>(sizeof(TTreeNode), alignof(TTreeNode));
    std::unique_ptr<TTreeNode> root(new (*arena)
                                        TTreeNode(nullptr, QStringLiteral("\\"), ImageRoot));
    old.arena = std::exchange(arena_, std::move(arena));
    old.root = std::exchange(root_, std::move(root));
    if (old.root && old.root->HasChildren()) {
        retired_.push_back(std::move(old));
        if (updateDepth_ == 0)
            DisposeRetired();
    }
    names_.Release();
    foldersOpened_ = false;
    root_->hash_ = text::FoldedHash(root_->text_);
    if (live)
        observer_->AfterReset();
}

TTreeNode *TTree::FindChild(const TTreeNode *parent, QStringView name) const
{
    return FindHashed(parent, name, text::FoldedHash(name));
}

TTreeNode *TTree::FindHashed(const TTreeNode *parent, QStringView name, uint32_t hash) const
{
    if (!parent->children_)
        return nullptr;
    TChildList &list = *parent->children_;
    // The index of a long list is made when it is first searched: lists
    // only filled and read (most result trees, most folders of a loaded
    // catalogue) never need one. Once made, every change keeps it.
    if (!list.index.IsBuilt() && list.nodes.size() >= kIndexFrom)
        list.index.Build(list.nodes);
    if (list.index.IsBuilt())
        return list.index.Find(name, hash);
    for (const auto &n : list.nodes)
        if (n->hash_ == hash && text::EqualFolded(n->text_, name))
            return n.get();
    return nullptr;
}

std::pair<TTreeNode *, bool> TTree::FindOrAddChild(TTreeNode *parent, QStringView name, int image)
{
    return FindOrAddChild(parent, name, image, text::FoldedHash(name));
}

void TTree::PrefetchChild(const TTreeNode *parent, uint32_t hash) const
{
    if (parent->children_)
        parent->children_->index.Prefetch(hash);
}

std::pair<TTreeNode *, bool> TTree::FindOrAddChild(TTreeNode *parent, QStringView name, int image,
                                                   uint32_t hash)
{
    if (TTreeNode *found = FindHashed(parent, name, hash)) {
        if (found->text_ != name)
            Rename(found, name.toString());
        return {found, false};
    }
    return {AddHashed(parent, names_.Make(name), hash, image), true};
}

TTreeNode *TTree::AddChild(TTreeNode *parent, QString name, int image)
{
    const uint32_t hash = text::FoldedHash(name);
    return AddHashed(parent, std::move(name), hash, image);
}

TTreeNode *TTree::AddChildCopy(TTreeNode *parent, QStringView name, int image)
{
    const uint32_t hash = text::FoldedHash(name);
    return AddHashed(parent, names_.Make(name), hash, image);
}

void TTree::ReserveChildren(TTreeNode *parent, size_t count, bool lookups)
{
    TChildList &list = parent->Children(order_, key_);
    list.nodes.reserve(count);
    if (lookups && count >= kIndexFrom)
        list.index.Build(list.nodes, count);
}

TTreeNode *TTree::AddHashed(TTreeNode *parent, QString name, uint32_t hash, int image)
{
    std::unique_ptr<TTreeNode> node(new (*arena_)
                                        TTreeNode(parent, std::move(name), uint8_t(image)));
    node->hash_ = hash;
    foldersOpened_ = foldersOpened_ || image == ImageFolderOpen;
    return Insert(parent, std::move(node));
}

TTreeNode *TTree::Insert(TTreeNode *parent, std::unique_ptr<TTreeNode> node)
{
    ++version_;
    TChildList &list = parent->Children(order_, key_);
    auto &v = list.nodes;
    TTreeNode *raw = node.get();
    if (Live()) {
        list.EnsureOrdered();
        const size_t pos =
            size_t(UpperBound(v.data(), v.data() + v.size(), *raw, list.less) - v.data());
        observer_->BeforeInsert(parent, int(pos));
        v.insert(v.begin() + ptrdiff_t(pos), std::move(node));
        ++list.ordered;
        list.Placed(*raw, pos);
    } else {
        // Bulk filling: append; the list stays ordered as long as names
        // arrive in order (as they do from a saved catalogue).
        const bool inOrder = list.ordered == v.size() && (v.empty() || !list.less(*raw, *v.back()));
        list.Placed(*raw, v.size());
        v.push_back(std::move(node));
        if (inOrder)
            ++list.ordered;
    }
    if (list.index.IsBuilt())
        list.index.Insert(raw);
    if (Live())
        observer_->AfterInsert();
    return raw;
}

void TTree::Rename(TTreeNode *node, const QString &text)
{
    ++version_;
    const uint32_t hash = text::FoldedHash(text);
    TChildList *list = node->parent_ ? node->parent_->children_.get() : nullptr;
    if (list && hash != node->hash_)
        list->index.Erase(node);
    const bool reindex = list && hash != node->hash_ && list->index.IsBuilt();
    node->text_ = text;
    node->hash_ = hash;
    if (reindex)
        list->index.Insert(node);
    if (Live())
        observer_->Changed(node);
    Reposition(node);
}

void TTree::SetText(TTreeNode *node, const QString &text)
{
    if (node->text_ != text)
        Rename(node, text);
}

void TTree::SetImage(TTreeNode *node, int image)
{
    if (node->image_ == unsigned(image) || image < ImageRoot || image > ImageFile)
        return;
    ++version_;
    const int oldKind = node->Kind();
    node->image_ = unsigned(image);
    foldersOpened_ = foldersOpened_ || image == ImageFolderOpen;
    if (Live())
        observer_->Changed(node);
    if (node->Kind() != oldKind)
        Reposition(node);
}

void TTree::CloseFolders()
{
    if (!foldersOpened_)
        return;
    std::vector<TTreeNode *> pending{root_.get()};
    while (!pending.empty()) {
        TTreeNode *n = pending.back();
        pending.pop_back();
        if (n->image_ == ImageFolderOpen)
            SetImage(n, ImageFolder);
        if (n->children_)
            for (const auto &c : n->children_->nodes)
                if (c->children_ && !c->children_->nodes.empty())
                    pending.push_back(c.get());
    }
    foldersOpened_ = false;
}

void TTree::Reposition(TTreeNode *node)
{
    TTreeNode *parent = node->parent_;
    if (!parent)
        return;
    TChildList &list = *parent->children_;
    const bool live = Live();
    if (live)
        list.EnsureOrdered();
    auto &v = list.nodes;
    const size_t r = list.IndexOf(*node);
    const size_t end = list.ordered; // appended children find their place later
    if (r >= end)
        return;
    const bool earlier = r > 0 && list.less(*node, *v[r - 1]);
    if (!earlier && !(r + 1 < end && list.less(*v[r + 1], *node)))
        return;
    if (!live) {
        // Bulk filling: leave the node where it is and let the list be
        // settled once when it is next looked at, instead of shifting a
        // large folder per change.
        list.ordered = uint32_t(r);
        return;
    }
    // The position before the move that the node goes in front of.
    std::unique_ptr<TTreeNode> *base = v.data();
    const size_t dest = size_t((earlier ? UpperBound(base, base + r, *node, list.less)
                                        : UpperBound(base + r + 1, base + end, *node, list.less)) -
                               base);
    observer_->BeforeMove(parent, int(r), int(dest));
    if (dest < r) {
        std::rotate(v.begin() + ptrdiff_t(dest), v.begin() + ptrdiff_t(r),
                    v.begin() + ptrdiff_t(r + 1));
        list.Renumber(dest);
    } else {
        std::rotate(v.begin() + ptrdiff_t(r), v.begin() + ptrdiff_t(r + 1),
                    v.begin() + ptrdiff_t(dest));
        list.Renumber(r);
    }
    observer_->AfterMove();
}

void TTree::SetDescription(TTreeNode *node, std::unique_ptr<TItemDescription> description)
{
    node->data_.Set(std::move(description));
}

void TTree::SetFoundRecord(TTreeNode *node, std::unique_ptr<TFoundRecord> record)
{
    node->data_.Set(std::move(record));
}

void TTree::FreeDescriptions(TTreeNode *node)
{
    node->data_.Reset();
    if (node->children_)
        for (const auto &child : node->children_->nodes)
            FreeDescriptions(child.get());
}

void TTree::VisitSubtree(const TTreeNode *node, const std::function<void(const TTreeNode *)> &visit)
{
    std::vector<const TTreeNode *> pending{node};
    while (!pending.empty()) {
        const TTreeNode *n = pending.back();
        pending.pop_back();
        visit(n);
        if (n->children_)
            for (const auto &child : n->children_->nodes)
                pending.push_back(child.get());
    }
}

void TTree::RemoveNode(TTreeNode *node)
{
    TTreeNode *parent = node->parent_;
    if (!parent)
        return;
    ++version_;
    TChildList &list = *parent->children_;
    const bool live = Live();
    if (live)
        list.EnsureOrdered();
    const size_t r = list.IndexOf(*node);
    if (live)
        observer_->BeforeRemove(parent, int(r));
    else if (InLayoutChange())
        observer_->Removing(node);
    list.index.Erase(node);
    list.nodes.erase(list.nodes.begin() + ptrdiff_t(r));
    if (r < list.ordered)
        --list.ordered;
    list.Renumber(r);
    if (live)
        observer_->AfterRemove();
}

void TTree::RemoveNodes(const std::vector<TTreeNode *> &nodes)
{
    Begin(Bracket::Layout);
    std::unordered_set<const TTreeNode *> doomed;
    std::vector<TTreeNode *> parents;
    for (TTreeNode *node : nodes) {
        TTreeNode *parent = node->parent_;
        if (!parent || !doomed.insert(node).second)
            continue;
        if (InLayoutChange())
            observer_->Removing(node);
        parent->children_->index.Erase(node);
        parents.push_back(parent);
    }
    std::sort(parents.begin(), parents.end());
    parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
    for (TTreeNode *parent : parents) {
        TChildList &list = *parent->children_;
        size_t kept = 0;
        size_t keptOrdered = 0;
        size_t firstGone = list.nodes.size();
        for (size_t i = 0; i < list.nodes.size(); ++i) {
            if (doomed.count(list.nodes[i].get()) > 0) {
                firstGone = std::min(firstGone, i);
                continue;
            }
            if (i < list.ordered)
                ++keptOrdered;
            if (kept != i)
                list.nodes[kept] = std::move(list.nodes[i]);
            ++kept;
        }
        list.nodes.resize(kept); // deletes the removed subtrees
        list.ordered = uint32_t(keptOrdered);
        list.Renumber(firstGone);
    }
    ++version_;
    End();
}

void TTree::SetSiblingOrder(TSiblingOrder less, TSortKey key)
{
    if (less == order_)
        return;
    ++version_;
    const bool live = Live();
    if (live)
        observer_->BeforeReset();
    order_ = less;
    key_ = key;
    // Every list takes the new order and is settled when next looked at.
    std::vector<TTreeNode *> pending{root_.get()};
    while (!pending.empty()) {
        TTreeNode *n = pending.back();
        pending.pop_back();
        if (!n->children_)
            continue;
        n->children_->less = less;
        n->children_->key = key;
        n->children_->ordered = 0;
        for (const auto &c : n->children_->nodes)
            pending.push_back(c.get());
    }
    if (live)
        observer_->AfterReset();
}

void TTree::Begin(Bracket kind)
{
    if (updateDepth_++ > 0)
        return;
    bracket_ = kind;
    if (!observer_)
        return;
    if (kind == Bracket::Reset)
        observer_->BeforeReset();
    else
        observer_->BeforeLayoutChange();
}

void TTree::End()
{
    if (--updateDepth_ > 0)
        return;
    if (observer_) {
        if (bracket_ == Bracket::Reset)
            observer_->AfterReset();
        else
            observer_->AfterLayoutChange();
    }
    DisposeRetired();
}

void TTree::DisposeRetired()
{
    if (retired_.empty())
        return;
    // Nothing refers to the old nodes any more (the views have heard of
    // the reset); their texts are shared strings, safe to release on
    // another thread. One batch of old trees is freed at a time.
    if (disposal_.joinable())
        disposal_.join();
    try {
        disposal_ = std::thread([doomed = std::move(retired_)]() mutable { doomed.clear(); });
    } catch (const std::system_error &) {
        // No thread to be had: the lambda that held them has freed them.
    }
    retired_.clear();
}

} // namespace qbx
