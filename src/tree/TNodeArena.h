#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qbx {

// Memory for the nodes of one tree: nodes are cut from large slabs instead
// of being allocated one by one, and a deleted node's place is taken by the
// next new one. A tree of a million nodes then costs a thousand allocations
// instead of a million, and no allocator rounding per node.
//
// Every slab is aligned to its own size and begins with the arena's address,
// so that a node being deleted finds its arena from its own address alone.
// The arena must outlive its nodes; it is used by one thread at a time (the
// tree's, or the thread that frees a discarded tree with its arena).
class TNodeArena {
public:
    static constexpr size_t SlabBytes = size_t(64) * 1024;

    // Items of itemBytes each, aligned to itemAlign (a power of two, at most
    // 64).
    TNodeArena(size_t itemBytes, size_t itemAlign);
    ~TNodeArena();
    TNodeArena(const TNodeArena &) = delete;
    TNodeArena &operator=(const TNodeArena &) = delete;

    // Room for one item; throws std::bad_alloc.
    void *Allocate();
    // Gives back the room of an item this arena allocated.
    void Release(void *item);
    // The arena an item was allocated from.
    static TNodeArena &Of(const void *item);

    size_t SlabCount() const { return slabs_.size(); }
    size_t LiveItems() const { return live_; }

private:
    struct FreeItem {
        FreeItem *next;
    };
    struct SlabHeader {
        TNodeArena *arena;
    };
    static constexpr size_t kFirstItem = 64; // the header, keeping items' alignment

    size_t itemBytes_ = 0;
    std::vector<void *> slabs_;
    char *next_ = nullptr; // unused room in the newest slab
    char *end_ = nullptr;
    FreeItem *free_ = nullptr;
    size_t live_ = 0;
};

} // namespace qbx
