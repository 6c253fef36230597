#include "tree/TChildIndex.h"

#include "platform/TextRules.h"
#include "tree/TTreeNode.h"

#include <algorithm>

namespace qbx {

namespace {

// A slot keeps, above a node's address, 15 bits of the node's name hash and
// a mark: probing then skips other names without reading their nodes, each
// of which would be a cache miss in a large folder. Addresses of user
// memory never have the top bit set; one that needs more than 48 bits is
// kept as it is, unmarked, and its node is read as before.
constexpr int kTagShift = 48;
constexpr uint64_t kAddressMask = (uint64_t(1) << kTagShift) - 1;
constexpr uint64_t kMark = uint64_t(1) << 63;

uint64_t TagOf(uint32_t hash)
{
    return kMark | (uint64_t(hash >> 17) << kTagShift);
}

uint64_t Entry(const TTreeNode *node)
{
    const auto address = uint64_t(reinterpret_cast<uintptr_t>(node));
    return (address & ~kAddressMask) == 0 ? address | TagOf(node->NameHash()) : address;
}

TTreeNode *NodeAt(uint64_t entry)
{
    return reinterpret_cast<TTreeNode *>(uintptr_t((entry & kMark) ? entry & kAddressMask : entry));
}

// Whether the entry may be a node with this hash: an unmarked entry may.
bool MayHave(uint64_t entry, uint64_t tag)
{
    return (entry & kMark) == 0 || (entry & ~kAddressMask) == tag;
}

} // namespace

TTreeNode *TChildIndex::Find(QStringView name, uint32_t hash) const
{
    if (!slots_)
        return nullptr;
    const uint64_t tag = TagOf(hash);
    for (uint32_t i = hash & mask_;; i = (i + 1) & mask_) {
        const uint64_t entry = slots_[i];
        if (!entry)
            return nullptr;
        if (!MayHave(entry, tag))
            continue;
        TTreeNode *n = NodeAt(entry);
        if (n->NameHash() == hash && text::EqualFolded(n->Text(), name))
            return n;
    }
}

void TChildIndex::Insert(TTreeNode *node)
{
    if (!slots_ || (count_ + 1) * 2 > mask_ + 1)
        Grow();
    uint32_t i = node->NameHash() & mask_;
    while (slots_[i])
        i = (i + 1) & mask_;
    slots_[i] = Entry(node);
    ++count_;
}

void TChildIndex::Build(const std::vector<std::unique_ptr<TTreeNode>> &nodes, size_t room)
{
    // Sized once, at most half full, instead of doubling on the way.
    const size_t wanted = std::max(nodes.size(), room) * 2;
    uint32_t size = 16;
    while (size < wanted && size < (1u << 31))
        size *= 2;
    Allocate(size);
    for (const auto &node : nodes)
        Insert(node.get());
}

void TChildIndex::Allocate(uint32_t size)
{
    slots_ = std::make_unique<uint64_t[]>(size);
    mask_ = size - 1;
    count_ = 0;
}

void TChildIndex::Erase(const TTreeNode *node)
{
    if (!slots_)
        return;
    uint32_t i = node->NameHash() & mask_;
    while (NodeAt(slots_[i]) != node) {
        if (!slots_[i])
            return;
        i = (i + 1) & mask_;
    }
    // Backward-shift deletion keeps every probe chain unbroken without
    // tombstones.
    uint32_t hole = i;
    for (uint32_t j = (i + 1) & mask_; slots_[j]; j = (j + 1) & mask_) {
        const uint32_t home = NodeAt(slots_[j])->NameHash() & mask_;
        // Move the entry into the hole unless its home lies cyclically in
        // (hole, j].
        const bool homeBetween =
            hole <= j ? (home > hole && home <= j) : (home > hole || home <= j);
        if (!homeBetween) {
            slots_[hole] = slots_[j];
            hole = j;
        }
    }
    slots_[hole] = 0;
    --count_;
}

void TChildIndex::Clear()
{
    slots_.reset();
    mask_ = 0;
    count_ = 0;
}

void TChildIndex::Grow()
{
    const uint32_t size = slots_ ? (mask_ + 1) * 2 : 16;
    auto old = std::move(slots_);
    const uint32_t oldSize = old ? mask_ + 1 : 0;
    Allocate(size);
    for (uint32_t k = 0; k < oldSize; ++k)
        if (old[k])
            Insert(NodeAt(old[k]));
}

} // namespace qbx
