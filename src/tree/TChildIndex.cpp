#include "tree/TChildIndex.h"

#include "platform/TextRules.h"
#include "tree/TTreeNode.h"

namespace qbx {

TTreeNode *TChildIndex::Find(QStringView name, uint32_t hash) const
{
    if (!slots_)
        return nullptr;
    for (uint32_t i = hash & mask_;; i = (i + 1) & mask_) {
        TTreeNode *n = slots_[i];
        if (!n)
            return nullptr;
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
    slots_[i] = node;
    ++count_;
}

void TChildIndex::Erase(const TTreeNode *node)
{
    if (!slots_)
        return;
    uint32_t i = node->NameHash() & mask_;
    while (slots_[i] != node) {
        if (!slots_[i])
            return;
        i = (i + 1) & mask_;
    }
    // Backward-shift deletion keeps every probe chain unbroken without
    // tombstones.
    uint32_t hole = i;
    for (uint32_t j = (i + 1) & mask_; slots_[j]; j = (j + 1) & mask_) {
        const uint32_t home = slots_[j]->NameHash() & mask_;
        // Move the entry into the hole unless its home lies cyclically in
        // (hole, j].
        const bool homeBetween =
            hole <= j ? (home > hole && home <= j) : (home > hole || home <= j);
        if (!homeBetween) {
            slots_[hole] = slots_[j];
            hole = j;
        }
    }
    slots_[hole] = nullptr;
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
    slots_ = std::make_unique<TTreeNode *[]>(size);
    mask_ = size - 1;
    count_ = 0;
    for (uint32_t k = 0; k < oldSize; ++k)
        if (old[k])
            Insert(old[k]);
}

} // namespace qbx
