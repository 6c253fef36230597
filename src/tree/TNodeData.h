#pragma once

#include "tree/TFoundRecord.h"
#include "tree/TItemDescription.h"

#include <cstdint>
#include <memory>

namespace qbx {

// What a node owns: nothing, a description (catalogue tree) or a result
// record (search tree), in one pointer-sized slot; a tree holds millions of
// nodes. The kind is kept in the low bits. Most described items are files
// that have a size and no texts: such a description is kept as the size
// itself in the slot, without an allocation.
class TNodeData {
public:
    TNodeData() = default;
    ~TNodeData() { Reset(); }
    TNodeData(const TNodeData &) = delete;
    TNodeData &operator=(const TNodeData &) = delete;

    bool HasDescription() const { return Kind() == kDescription || Kind() == kSize; }
    TDescriptionRef Description() const
    {
        if (Kind() == kSize)
            return TDescriptionRef(InlineSize());
        return TDescriptionRef(FullDescription());
    }
    // The description as an object of its own, made from a kept size first
    // so that it can be changed in place; null without a description.
    TItemDescription *MutableDescription()
    {
        if (Kind() == kSize) {
            auto full = std::make_unique<TItemDescription>();
            full->Size = InlineSize();
            Keep(std::move(full));
        }
        return FullDescription();
    }
    TFoundRecord *FoundRecord() const
    {
        return Kind() == kFound ? reinterpret_cast<TFoundRecord *>(Pointer()) : nullptr;
    }

    void Set(std::unique_ptr<TItemDescription> d)
    {
        Reset();
        if (d && !SetSizeOnly(*d))
            Keep(std::move(d));
    }
    void Set(const TItemDescription &d)
    {
        Reset();
        if (!SetSizeOnly(d))
            Keep(std::make_unique<TItemDescription>(d));
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
            const std::unique_ptr<TItemDescription> owner(FullDescription());
        } else if (Kind() == kFound) {
            const std::unique_ptr<TFoundRecord> owner(FoundRecord());
        }
        bits_ = 0;
    }

private:
    static constexpr uintptr_t kDescription = 1;
    static constexpr uintptr_t kFound = 2;
    static constexpr uintptr_t kSize = 3; // the size in the bits above the kind
    static constexpr uintptr_t kKindMask = 3;
    static constexpr int kSizeShift = 2;
    static_assert(alignof(TItemDescription) > kKindMask && alignof(TFoundRecord) > kKindMask);
    static_assert(sizeof(uintptr_t) == sizeof(int64_t), "the slot holds a whole size");

    uintptr_t Kind() const { return bits_ & kKindMask; }
    uintptr_t Pointer() const { return bits_ & ~kKindMask; }
    TItemDescription *FullDescription() const
    {
        return Kind() == kDescription ? reinterpret_cast<TItemDescription *>(Pointer()) : nullptr;
    }
    int64_t InlineSize() const { return int64_t(bits_) >> kSizeShift; }
    void Keep(std::unique_ptr<TItemDescription> d)
    {
        bits_ = reinterpret_cast<uintptr_t>(d.release()) | kDescription;
    }
    // Keeps a description without texts as its size when the size fits in
    // the bits above the kind; the slot is empty before.
    bool SetSizeOnly(const TItemDescription &d)
    {
        constexpr int64_t limit = INT64_MAX >> kSizeShift;
        if (!d.Producer.isEmpty() || !d.Product.isEmpty() || !d.Version.isEmpty() ||
            !d.Description.isEmpty() || d.Size > limit || d.Size < -limit - 1)
            return false;
        bits_ = (uintptr_t(d.Size) << kSizeShift) | kSize;
        return true;
    }

    uintptr_t bits_ = 0;
};

} // namespace qbx
