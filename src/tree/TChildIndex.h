#pragma once

#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

namespace qbx {

class TTreeNode;

// Hash set of the children of one node by case-folded name (open
// addressing, linear probing), so that finding a child never scans a large
// folder. Names may repeat; Find gives one of the equal ones.
class TChildIndex {
public:
    bool IsBuilt() const { return slots_ != nullptr; }
    TTreeNode *Find(QStringView name, uint32_t hash) const;
    // Starts loading the slot a search for this hash begins at.
    void Prefetch(uint32_t hash) const
    {
        if (slots_)
            __builtin_prefetch(&slots_[hash & mask_]);
    }
    void Insert(TTreeNode *node);
    // Makes the index of these nodes, with room for `room` of them in all.
    void Build(const std::vector<std::unique_ptr<TTreeNode>> &nodes, size_t room = 0);
    void Erase(const TTreeNode *node);
    void Clear();

private:
    void Grow();
    void Allocate(uint32_t size);

    // Node addresses with part of their name hash (see the .cpp); 0 is free.
    std::unique_ptr<uint64_t[]> slots_;
    uint32_t mask_ = 0;
    uint32_t count_ = 0;
};

} // namespace qbx
