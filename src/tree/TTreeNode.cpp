#include "tree/TTreeNode.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace qbx {

namespace {

// Lists this long are sorted by keys (when the order has them).
constexpr size_t kKeyedFrom = 16;

using NodeIt = std::vector<std::unique_ptr<TTreeNode>>::iterator;

const TTreeNode &NodeOf(const std::unique_ptr<TTreeNode> &node)
{
    return *node;
}

const TTreeNode &NodeOf(const std::pair<const TTreeNode *, uint32_t> &item)
{
    return *item.first;
}

// One entry of a keyed sort: where its node and key are, and the window of
// the key the entries are being told apart by.
struct TKeyedItem {
    uint64_t window; // key bytes [depth, depth + 8), big-endian, zero after the key's end
    uint32_t index;  // in the range sorted
    uint32_t offset; // of the key in the keys' buffer
    uint32_t length; // of the key
    uint8_t rest;    // key bytes from depth on, at most 8
    bool keyed;      // whether the name has a key at all
};

// Loads each item's window of key bytes from depth on.
void LoadWindows(TKeyedItem *first, TKeyedItem *last, const char *keys, uint32_t depth)
{
    for (TKeyedItem *it = first; it != last; ++it) {
        const uint32_t rest = std::min<uint32_t>(it->length - depth, 8);
        uint64_t window = 0;
        if (rest == 8)
            std::memcpy(&window, keys + it->offset + depth, 8);
        else
            std::memcpy(&window, keys + it->offset + depth, rest);
        if constexpr (std::endian::native == std::endian::little)
            window = __builtin_bswap64(window);
        it->window = window;
        it->rest = uint8_t(rest);
    }
}

// Sorts items whose keys agree over their first depth bytes by the rest of
// their keys, eight bytes at a time: each round compares whole windows held
// in the items, so the keys themselves are read once per round instead of
// once per comparison. Items whose keys are equal are put in order by tie.
template <class Tie>
void SortByKeyBytes(TKeyedItem *first, TKeyedItem *last, const char *keys, uint32_t depth,
                    const Tie &tie)
{
    if (last - first < 2)
        return;
    LoadWindows(first, last, keys, depth);
    // Windows all alike (a beginning the whole run shares, such as a
    // disc's label) need no sorting.
    const bool alike = std::all_of(first + 1, last, [first](const TKeyedItem &item) {
        return item.window == first->window && item.rest == first->rest;
    });
    if (alike) {
        if (first->rest == 8)
            SortByKeyBytes(first, last, keys, depth + 8, tie);
        else
            std::sort(first, last, tie); // the keys have ended, equal
        return;
    }
    // A shorter key that the longer one continues comes first, as a shorter
    // text does: with equal windows, fewer bytes left is the smaller key.
    std::sort(first, last, [](const TKeyedItem &a, const TKeyedItem &b) {
        return a.window != b.window ? a.window < b.window : a.rest < b.rest;
    });
    for (TKeyedItem *run = first; run != last;) {
        TKeyedItem *end = run + 1;
        while (end != last && end->window == run->window && end->rest == run->rest)
            ++end;
        if (end - run > 1) {
            if (run->rest == 8)
                SortByKeyBytes(run, end, keys, depth + 8, tie);
            else
                std::sort(run, end, tie); // the keys have ended, equal
        }
        run = end;
    }
}

// Sorts [first, last) by the order, with each node's key made once.
// Where two keys differ they decide, as the order itself would; otherwise
// the order is asked.
template <class It> void KeyedSort(It first, It last, TSiblingOrder less, TSortKey key)
{
    // Keys are about as long as the names: room for them at once instead of
    // a buffer copied as it grows.
    size_t room = 0;
    for (It it = first; it != last; ++it)
        room += size_t(NodeOf(*it).Text().size()) + 1;
    std::string keys;
    keys.reserve(room);
    std::vector<TKeyedItem> items;
    items.reserve(size_t(last - first));
    bool allKeyed = true;
    for (It it = first; it != last; ++it) {
        const size_t offset = keys.size();
        const bool keyed = key(NodeOf(*it), keys);
        allKeyed = allKeyed && keyed;
        items.push_back(
            {0, uint32_t(it - first), uint32_t(offset), uint32_t(keys.size() - offset), 0, keyed});
    }
    const auto tie = [&](const TKeyedItem &a, const TKeyedItem &b) {
        return less(NodeOf(first[a.index]), NodeOf(first[b.index]));
    };
    const char *base = keys.data();
    // Two keys decide where they differ; names without a key are left to
    // the order.
    const auto before = [&](const TKeyedItem &a, const TKeyedItem &b) {
        if (a.keyed && b.keyed) {
            const int c =
                std::memcmp(base + a.offset, base + b.offset, std::min(a.length, b.length));
            if (c != 0)
                return c < 0;
            if (a.length != b.length)
                return a.length < b.length;
        }
        return tie(a, b);
    };
    // A list already in order (a folder read back from a saved catalogue)
    // is told by one pass over its keys, which lie in that order.
    if (std::is_sorted(items.begin(), items.end(), before))
        return;
    if (allKeyed)
        SortByKeyBytes(items.data(), items.data() + items.size(), base, 0, tie);
    else
        std::sort(items.begin(), items.end(), before);
    std::vector<typename std::iterator_traits<It>::value_type> sorted;
    sorted.reserve(items.size());
    for (const TKeyedItem &item : items)
        sorted.push_back(std::move(first[item.index]));
    std::move(sorted.begin(), sorted.end(), first);
}

} // namespace

void TChildList::EnsureOrdered()
{
    if (ordered == nodes.size())
        return;
    auto less = [order = this->less](const std::unique_ptr<TTreeNode> &a,
                                     const std::unique_ptr<TTreeNode> &b) { return order(*a, *b); };
    const auto mid = nodes.begin() + ordered;
    if (key && size_t(nodes.end() - mid) >= kKeyedFrom)
        KeyedSort(mid, nodes.end(), this->less, key);
    else if (!std::is_sorted(mid, nodes.end(), less))
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
    static_assert(sizeof(TTreeNode) <= 56, "a tree holds millions of nodes");
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

void TTreeNode::OrderSome(std::span<std::pair<const TTreeNode *, uint32_t>> some) const
{
    if (some.size() < 2)
        return;
    TChildList &list = *children_;
    const auto byRow = [&list, some] {
        list.EnsureOrdered();
        list.EnsureNumbered();
        std::sort(some.begin(), some.end(),
                  [](const auto &a, const auto &b) { return a.first->row_ < b.first->row_; });
    };
    if (list.ordered == list.nodes.size()) {
        byRow();
        return;
    }
    const auto less = [order = list.less](const auto &a, const auto &b) {
        return order(*a.first, *b.first);
    };
    if (list.key && some.size() >= kKeyedFrom)
        KeyedSort(some.begin(), some.end(), list.less, list.key);
    else
        std::sort(some.begin(), some.end(), less);
    // Children the order finds equal lie among all of them as sorting the
    // whole list puts them; that list is sorted then.
    for (size_t i = 1; i < some.size(); ++i)
        if (!less(some[i - 1], some[i])) {
            byRow();
            return;
        }
}

TChildList &TTreeNode::Children(TSiblingOrder less, TSortKey key)
{
    if (!children_) {
        children_ = std::make_unique<TChildList>();
        children_->less = less;
        children_->key = key;
    }
    return *children_;
}

} // namespace qbx
