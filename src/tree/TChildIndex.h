#pragma once

#include <QStringView>

#include <cstdint>
#include <memory>

namespace qbx {

class TTreeNode;

// Hash set of the children of one node by case-folded name (open
// addressing, linear probing), so that finding a child never scans a large
// folder. Names may repeat; Find gives one of the equal ones.
class TChildIndex {
public:
    bool IsBuilt() const { return slots_ != nullptr; }
    TTreeNode *Find(QStringView name, uint32_t hash) const;
    void Insert(TTreeNode *node);
    void Erase(const TTreeNode *node);
    void Clear();

private:
    void Grow();

    std::unique_ptr<TTreeNode *[]> slots_;
    uint32_t mask_ = 0;
    uint32_t count_ = 0;
};

} // namespace qbx
