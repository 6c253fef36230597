#include "tree/TNodeArena.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace qbx {

TNodeArena::TNodeArena(size_t itemBytes, size_t itemAlign)
{
    const size_t align = std::max(itemAlign, alignof(FreeItem));
    if (align > kFirstItem || (align & (align - 1)) != 0)
        throw std::invalid_argument("unsupported alignment");
    itemBytes_ = (std::max(itemBytes, sizeof(FreeItem)) + align - 1) / align * align;
}

TNodeArena::~TNodeArena()
{
    for (void *slab : slabs_)
        std::free(slab);
}

void *TNodeArena::Allocate()
{
    if (free_) {
        FreeItem *item = free_;
        free_ = item->next;
        ++live_;
        return item;
    }
    if (next_ == end_) {
        slabs_.reserve(slabs_.size() + 1); // before the slab, so that a failure loses nothing
        void *slab = std::aligned_alloc(SlabBytes, SlabBytes);
        if (!slab)
            throw std::bad_alloc();
        slabs_.push_back(slab);
        static_cast<SlabHeader *>(slab)->arena = this;
        next_ = static_cast<char *>(slab) + kFirstItem;
        end_ = next_ + (SlabBytes - kFirstItem) / itemBytes_ * itemBytes_;
    }
    void *item = next_;
    next_ += itemBytes_;
    ++live_;
    return item;
}

void TNodeArena::Release(void *item)
{
    if (!item)
        return;
    free_ = new (item) FreeItem{free_};
    --live_;
}

TNodeArena &TNodeArena::Of(const void *item)
{
    const uintptr_t slab = reinterpret_cast<uintptr_t>(item) & ~uintptr_t(SlabBytes - 1);
    return *reinterpret_cast<const SlabHeader *>(slab)->arena;
}

} // namespace qbx
