#include "sitemap/ItemPool.h"

#include <sys/mman.h>

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
// The largest blocks fill one large page of the system each, aligned to it:
// the items of a big file then cost one page fault per two megabytes
// instead of one per four kilobytes.
constexpr std::size_t kLargestBlockBytes = 2 * 1024 * 1024;

std::size_t RoundUp(std::size_t size)
{
    return (size + kAlign - 1) / kAlign * kAlign;
}

// The block header, padded so that the slots behind it stay aligned.
constexpr std::size_t kHeaderSize = (2 * sizeof(void*) + kAlign - 1) / kAlign * kAlign;

}  // namespace

ItemPool::ItemPool(std::size_t slotSize) : m_slotSize(RoundUp(std::max(slotSize, sizeof(FreeSlot))))
{
}

ItemPool::~ItemPool()
{
    while (m_blocks != nullptr) {
        Block* next = m_blocks->next;
        ::operator delete (m_blocks, std::align_val_t{m_blocks->alignment});
        m_blocks = next;
    }
}

std::byte* ItemPool::NewBlock(std::size_t bytes)
{
    const bool large = bytes == kLargestBlockBytes;
    const std::size_t alignment = large ? kLargestBlockBytes : kAlign;
    auto* block = static_cast<Block*>(::operator new (bytes, std::align_val_t{alignment}));
#ifdef MADV_HUGEPAGE
    if (large)
        madvise(block, bytes, MADV_HUGEPAGE);  // a hint only
#endif
    block->next = m_blocks;
    block->alignment = alignment;
    m_blocks = block;
    return reinterpret_cast<std::byte*>(block);
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
        // Blocks double in size until a block of the largest size is full.
        const std::size_t largestSlots = (kLargestBlockBytes - kHeaderSize) / m_slotSize;
        const std::size_t slots = std::min(m_blockSlots, largestSlots);
        std::byte* bytes = NewBlock(slots == largestSlots ? kLargestBlockBytes : kHeaderSize + slots * m_slotSize);
        m_next = bytes + kHeaderSize;
        m_end = m_next + slots * m_slotSize;
        m_blockSlots = std::min(2 * slots, largestSlots);
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
