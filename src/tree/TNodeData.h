#pragma once

#include "tree/TFoundRecord.h"
#include "tree/TItemDescription.h"

#include <cstdint>
#include <memory>

namespace qbx {

// What a node owns: nothing, a description (catalogue tree) or a result
// record (search tree), in one pointer-sized slot; a tree holds millions of
// nodes. The kind is kept in the low bits of the pointer.
class TNodeData {
public:
    TNodeData() = default;
    ~TNodeData() { Reset(); }
    TNodeData(const TNodeData &) = delete;
    TNodeData &operator=(const TNodeData &) = delete;

    TItemDescription *Description() const
    {
        return Kind() == kDescription ? reinterpret_cast<TItemDescription *>(Pointer()) : nullptr;
    }
    TFoundRecord *FoundRecord() const
    {
        return Kind() == kFound ? reinterpret_cast<TFoundRecord *>(Pointer()) : nullptr;
    }

    void Set(std::unique_ptr<TItemDescription> d)
    {
        Reset();
        if (d)
            bits_ = reinterpret_cast<uintptr_t>(d.release()) | kDescription;
    }
    void Set(std::unique_ptr<TFoundRecord> r)
    {
        Reset();
        if (r)
            bits_ = reinterpret_cast<uintptr_t>(r.release()) | kFound;
    }
    void Reset()
    {
        // Ownership goes back to a unique_ptr of the right type, which frees it.
        if (Kind() == kDescription) {
            const std::unique_ptr<TItemDescription> owner(Description());
        } else if (Kind() == kFound) {
            const std::unique_ptr<TFoundRecord> owner(FoundRecord());
        }
        bits_ = 0;
    }

private:
    static constexpr uintptr_t kDescription = 1;
    static constexpr uintptr_t kFound = 2;
    static constexpr uintptr_t kKindMask = 3;
    static_assert(alignof(TItemDescription) > kKindMask && alignof(TFoundRecord) > kKindMask);

    uintptr_t Kind() const { return bits_ & kKindMask; }
    uintptr_t Pointer() const { return bits_ & ~kKindMask; }

    uintptr_t bits_ = 0;
};

} // namespace qbx
