#include "sitemap/ItemPool.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define FW_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define FW_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define FW_POISON(address, size) ((void)(address), (void)(size))
#define FW_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace fw {

namespace {

constexpr std::size_t kAlign = alignof(std::max_align_t);
// About two megabytes of items in one block at most.
constexpr std::size_t kLargestBlockBytes = 2 * 1024 * 1024;

std::size_t RoundUp(std::size_t size)
{
    return (size + kAlign - 1) / kAlign * kAlign;
}

// The block header, padded so that the slots behind it stay aligned.
constexpr std::size_t kHeaderSize = (sizeof(void*) + kAlign - 1) / kAlign * kAlign;

}  // namespace

ItemPool::ItemPool(std::size_t slotSize) : m_slotSize(RoundUp(std::max(slotSize, sizeof(FreeSlot))))
{
}

ItemPool::~ItemPool()
{
    while (m_blocks != nullptr) {
        Block* next = m_blocks->next;
        ::operator delete(m_blocks);
        m_blocks = next;
    }
}

void* ItemPool::Allocate()
{
    if (m_free != nullptr) {
        FreeSlot* slot = m_free;
        FW_UNPOISON(slot, m_slotSize);
        m_free = slot->next;
        return slot;
    }
    if (m_next == m_end) {
        auto* bytes = static_cast<std::byte*>(::operator new(kHeaderSize + m_blockSlots * m_slotSize));
        auto* block = reinterpret_cast<Block*>(bytes);
        block->next = m_blocks;
        m_blocks = block;
        m_next = bytes + kHeaderSize;
        m_end = m_next + m_blockSlots * m_slotSize;
        if ((2 * m_blockSlots) * m_slotSize <= kLargestBlockBytes)
            m_blockSlots *= 2;
    }
    void* slot = m_next;
    m_next += m_slotSize;
    return slot;
}

void ItemPool::Deallocate(void* slot)
{
    auto* free = static_cast<FreeSlot*>(slot);
    free->next = m_free;
    m_free = free;
    // A slot handed back must not be read through a stale pointer: in a
    // checked build that is reported like a use after free.
    FW_POISON(reinterpret_cast<std::byte*>(slot) + sizeof(FreeSlot), m_slotSize - sizeof(FreeSlot));
}

void ItemPool::Swap(ItemPool& other) noexcept
{
    std::swap(m_slotSize, other.m_slotSize);
    std::swap(m_free, other.m_free);
    std::swap(m_next, other.m_next);
    std::swap(m_end, other.m_end);
    std::swap(m_blocks, other.m_blocks);
    std::swap(m_blockSlots, other.m_blockSlots);
}

}  // namespace fw
