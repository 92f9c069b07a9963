#pragma once
// Memory for the items of one site map tree: taken from the system in blocks
// of many items at a time, and handed out and back one item at a time. A
// large file's hundreds of thousands of items then cost a few dozen
// allocations, lie close together, and go back with their blocks. The pool
// only holds memory; the tree builds and destroys the items in it.

#include <cstddef>

namespace fw {

class ItemPool {
public:
    // Every slot holds `slotSize` bytes aligned for any ordinary type.
    explicit ItemPool(std::size_t slotSize);
    // Gives the blocks back; the items in them must have been destroyed.
    ~ItemPool();
    ItemPool(const ItemPool&) = delete;
    ItemPool& operator=(const ItemPool&) = delete;

    // Room for one item; throws std::bad_alloc.
    void* Allocate();
    // Takes back a slot whose item has been destroyed.
    void Deallocate(void* slot);
    // Exchanges every block and slot with another pool of the same slot size.
    void Swap(ItemPool& other) noexcept;

private:
    struct FreeSlot {
        FreeSlot* next;
    };
    struct Block {
        Block* next;
        std::size_t alignment;  // as allocated, for giving it back
    };

    // A block of `bytes` at the front of the block list; one of the largest
    // size is aligned to a large page and asks the system for one.
    std::byte* NewBlock(std::size_t bytes);

    std::size_t m_slotSize;
    FreeSlot* m_free = nullptr;   // slots handed back, to be used first
    std::byte* m_next = nullptr;  // the unused rest of the newest block
    std::byte* m_end = nullptr;
    Block* m_blocks = nullptr;
    std::size_t m_blockSlots = 16;  // slots of the next block; doubles up to a limit
};

}  // namespace fw
