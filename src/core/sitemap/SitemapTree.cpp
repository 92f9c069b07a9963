#include "sitemap/SitemapTree.h"

#include <new>
#include <utility>

#include "trace/TraceSink.h"

namespace fw {

namespace {

bool IsChannelItem(const SitemapItem& item)
{
    return !item.IsPageImage();
}

// True when `item` is `ancestor` or lies below it. Walks up from `item` only.
bool IsInSubtree(const SitemapItem* item, const SitemapItem& ancestor)
{
    for (; item != nullptr; item = item->Parent()) {
        if (item == &ancestor)
            return true;
    }
    return false;
}

}  // namespace

SitemapTree::SitemapTree(SitemapNode rootRecord, TraceSink* trace) : m_trace(trace)
{
    m_root = NewItem(std::move(rootRecord), kImageChannel);
    m_itemCount = 1;
}

// A new item labelled with its record's title.
SitemapItem* SitemapTree::NewItem(SitemapNode record, int image)
{
    void* slot = m_pool.Allocate();
    try {
        return new (slot) SitemapItem(image, std::move(record));
    } catch (...) {
        m_pool.Deallocate(slot);
        throw;
    }
}

void SitemapTree::FreeItem(SitemapItem* item)
{
    item->~SitemapItem();
    m_pool.Deallocate(item);
}

SitemapTree::~SitemapTree()
{
    // Observers are not told: they may be gone already.
    FreeDetached();
    FreeSubtree(m_root);
}

template <typename Call> void SitemapTree::Notify(Call call)
{
    if (m_bulkDepth > 0)
        return;
    // By index: an observer may remove itself while it is being told.
    for (std::size_t i = 0; i < m_observers.size(); ++i)
        call(*m_observers[i]);
}

bool SitemapTree::ObserversListening() const
{
    return m_bulkDepth == 0 && !m_observers.empty();
}

void SitemapTree::SwapItems(SitemapTree& other)
{
    const BulkUpdate thisBulk(*this);
    const BulkUpdate otherBulk(other);
    FreeDetached();
    other.FreeDetached();
    m_pool.Swap(other.m_pool);
    std::swap(m_root, other.m_root);
    std::swap(m_selected, other.m_selected);
    std::swap(m_itemCount, other.m_itemCount);
}

void SitemapTree::Select(SitemapItem* item)
{
    if (item == m_selected)
        return;
    m_selected = item;
    Notify([item](SitemapObserver& o) { o.OnSelectionChanged(item); });
}

// Sub-channels come first among a channel's children, so the nearest earlier
// sibling of a page that is a sub-channel is always the parent's last one.
SitemapItem* SitemapTree::AddPage(bool bInteractive)
{
    SitemapItem* selected = m_selected;
    if (selected == nullptr)
        return nullptr;
    if (!bInteractive && m_trace != nullptr && m_trace->Enabled())
        m_trace->Write("BLAST\n");

    if (IsChannelItem(*selected)) {
        if (bInteractive)
            return Insert(selected, selected->m_lastSubChannel, true);
        return Insert(selected, selected->m_lastChild, true);
    }
    SitemapItem* parent = selected->m_parent;
    if (bInteractive)
        return Insert(parent, selected, true);
    return Insert(parent, parent->m_lastChild, true);
}

SitemapItem* SitemapTree::AddSubChannel(bool bInteractive)
{
    SitemapItem* selected = m_selected;
    if (selected == nullptr)
        return nullptr;

    if (IsChannelItem(*selected)) {
        if (bInteractive)
            return Insert(selected, nullptr, false);
        if (m_trace != nullptr && m_trace->Enabled())
            m_trace->Write("BLAST\n");
        return Insert(selected, selected->m_lastSubChannel, false);
    }
    SitemapItem* parent = selected->m_parent;
    return Insert(parent, parent->m_lastSubChannel, false);
}

std::size_t SitemapTree::RowAfter(const SitemapItem& parent, const SitemapItem* after) const
{
    if (after == nullptr)
        return 0;
    if (after == parent.m_lastChild)
        return parent.m_childCount;
    if (after == parent.m_lastSubChannel)
        return parent.m_subChannelRun;
    return RowOf(*after) + 1;
}

SitemapItem* SitemapTree::Insert(SitemapItem* parent, SitemapItem* after, bool isPage)
{
    SitemapItem* item =
        NewItem(isPage ? SitemapNode::NewPage() : SitemapNode::NewSubChannel(), isPage ? kImagePage : kImageChannel);

    if (ObserversListening()) {
        const std::size_t row = RowAfter(*parent, after);
        Notify([parent, row](SitemapObserver& o) { o.OnItemAboutToBeInserted(*parent, row); });
    }

    Link(item, parent, after);
    ++m_itemCount;

    Notify([item](SitemapObserver& o) { o.OnItemInserted(*item); });
    Notify([item](SitemapObserver& o) { o.OnEnsureVisible(*item); });
    Select(item);
    return item;
}

// Links `item` behind `after`, or first when `after` is null.
void SitemapTree::Link(SitemapItem* item, SitemapItem* parent, SitemapItem* after)
{
    item->m_parent = parent;
    item->m_prev = after;
    item->m_next = after != nullptr ? after->m_next : parent->m_firstChild;
    if (item->m_prev != nullptr)
        item->m_prev->m_next = item;
    else
        parent->m_firstChild = item;
    if (item->m_next != nullptr)
        item->m_next->m_prev = item;
    else
        parent->m_lastChild = item;
    ++parent->m_childCount;

    // A sub-channel always goes in at the front of the run or right behind it.
    if (IsChannelItem(*item)) {
        if (after == parent->m_lastSubChannel)
            parent->m_lastSubChannel = item;
        ++parent->m_subChannelRun;
    }
    parent->m_rowCacheValid = false;
}

void SitemapTree::DeleteItem(SitemapItem* item)
{
    if (item == nullptr || item->m_parent == nullptr)
        return;
    DeleteItem(*item, IsInSubtree(m_selected, *item));
}

void SitemapTree::DeleteItem(SitemapItem& item, bool holdsSelection)
{
    SitemapItem* parent = item.m_parent;
    Unlink(item, holdsSelection);
    m_itemCount -= FreeSubtree(&item);
    Notify([parent](SitemapObserver& o) { o.OnItemDeleted(*parent); });
}

void SitemapTree::Unlink(SitemapItem& item, bool holdsSelection)
{
    SitemapItem* parent = item.m_parent;

    // Like a tree view: the selection leaves before the item goes.
    if (holdsSelection) {
        SitemapItem* next = item.m_next;
        if (next == nullptr)
            next = item.m_prev;
        if (next == nullptr)
            next = parent;
        Select(next);
    }

    Notify([&item](SitemapObserver& o) { o.OnItemAboutToBeDeleted(item); });

    if (item.m_prev != nullptr)
        item.m_prev->m_next = item.m_next;
    else
        parent->m_firstChild = item.m_next;
    if (item.m_next != nullptr)
        item.m_next->m_prev = item.m_prev;
    else
        parent->m_lastChild = item.m_prev;
    --parent->m_childCount;
    if (IsChannelItem(item)) {
        if (parent->m_lastSubChannel == &item)
            parent->m_lastSubChannel = item.m_prev;
        --parent->m_subChannelRun;
    }
    parent->m_rowCacheValid = false;
    item.m_parent = item.m_next = item.m_prev = nullptr;
}

std::unique_ptr<DetachedSubtree> SitemapTree::DetachItem(SitemapItem* item)
{
    if (item == nullptr || item->m_parent == nullptr)
        return nullptr;
    // Counted before anything changes, so that a failing allocation leaves
    // the tree as it was. Pointers only: a walk, not a recursion.
    std::size_t count = 0;
    for (const SitemapItem* current = item; current != nullptr;) {
        ++count;
        if (current->m_firstChild != nullptr) {
            current = current->m_firstChild;
            continue;
        }
        while (current != item && current->m_next == nullptr)
            current = current->m_parent;
        current = current == item ? nullptr : current->m_next;
    }
    SitemapItem* parent = item->m_parent;
    std::unique_ptr<DetachedSubtree> detached(new DetachedSubtree(*this, *item, parent, item->m_prev, count));
    Unlink(*item, IsInSubtree(m_selected, *item));
    m_itemCount -= count;
    Notify([parent](SitemapObserver& o) { o.OnItemDeleted(*parent); });
    return detached;
}

SitemapItem* SitemapTree::ReattachItem(DetachedSubtree& detached)
{
    SitemapItem* item = detached.m_top;
    SitemapItem* parent = detached.m_parent;
    SitemapItem* after = detached.m_after;
    if (item == nullptr || detached.m_tree != this || parent == nullptr)
        return nullptr;
    // The place must still be there and keep sub-channels before pages.
    const bool placeExists = !parent->IsPageImage() && (after == nullptr || after->m_parent == parent);
    const bool runKept = IsChannelItem(*item) ? after == nullptr || IsChannelItem(*after)
                                              : after == parent->m_lastSubChannel || after->IsPageImage();
    if (!placeExists || !runKept)
        return nullptr;

    if (ObserversListening()) {
        const std::size_t row = RowAfter(*parent, after);
        Notify([parent, row](SitemapObserver& o) { o.OnItemAboutToBeInserted(*parent, row); });
    }
    Link(item, parent, after);
    m_itemCount += detached.m_count;
    detached.m_top = nullptr;
    detached.Unregister();
    Notify([item](SitemapObserver& o) { o.OnItemInserted(*item); });
    return item;
}

// Frees what every holder of this tree's items still holds.
void SitemapTree::FreeDetached()
{
    while (m_detached != nullptr) {
        DetachedSubtree* holder = m_detached;
        FreeSubtree(holder->m_top);
        holder->m_top = nullptr;
        holder->Unregister();
    }
}

DetachedSubtree::DetachedSubtree(SitemapTree& tree, SitemapItem& top, SitemapItem* parent, SitemapItem* after,
                                 std::size_t count)
    : m_tree(&tree), m_top(&top), m_parent(parent), m_after(after), m_count(count)
{
    m_nextHolder = tree.m_detached;
    if (m_nextHolder != nullptr)
        m_nextHolder->m_prevHolder = this;
    tree.m_detached = this;
}

void DetachedSubtree::Unregister()
{
    if (m_tree == nullptr)
        return;
    if (m_prevHolder != nullptr)
        m_prevHolder->m_nextHolder = m_nextHolder;
    else
        m_tree->m_detached = m_nextHolder;
    if (m_nextHolder != nullptr)
        m_nextHolder->m_prevHolder = m_prevHolder;
    m_prevHolder = m_nextHolder = nullptr;
    m_tree = nullptr;
}

DetachedSubtree::~DetachedSubtree()
{
    if (m_tree != nullptr && m_top != nullptr)
        m_tree->FreeSubtree(m_top);
    Unregister();
}

void SitemapTree::DeleteChildren(SitemapItem* item)
{
    if (item == nullptr)
        return;
    // The child holding the selection is found once, so that emptying a wide
    // channel stays linear however deep the selection lies.
    auto branchOfSelection = [this, item]() {
        SitemapItem* branch = m_selected;
        while (branch != nullptr && branch->m_parent != item)
            branch = branch->m_parent;
        return branch;
    };
    SitemapItem* selectedBranch = branchOfSelection();

    SitemapItem* child = item->m_firstChild;
    while (child != nullptr) {
        SitemapItem* next = child->m_next;
        const bool holdsSelection = child == selectedBranch;
        DeleteItem(*child, holdsSelection);
        // The moved selection normally lands on `next` or on `item`: one step.
        if (holdsSelection)
            selectedBranch = branchOfSelection();
        child = next;
    }
}

// Frees an unlinked item with everything below it, leaves first, without
// recursion: always descend to a first child, free a leaf, climb one step.
std::size_t SitemapTree::FreeSubtree(SitemapItem* top)
{
    std::size_t freed = 0;
    SitemapItem* current = top;
    while (current != nullptr) {
        if (current->m_firstChild != nullptr) {
            current = current->m_firstChild;
            continue;
        }
        SitemapItem* up = current == top ? nullptr : current->m_parent;
        if (up != nullptr)
            up->m_firstChild = current->m_next;  // `current` was its first child
        FreeItem(current);
        ++freed;
        current = up;
    }
    return freed;
}

void SitemapTree::SetLabel(SitemapItem* item, std::string label)
{
    if (item == nullptr)
        return;
    item->m_label = std::move(label);
    Notify([item](SitemapObserver& o) { o.OnLabelChanged(*item); });
}

void SitemapTree::DeleteSelected()
{
    DeleteItem(m_selected);
}

void SitemapTree::CopySelected()
{
    if (m_selected != nullptr)
        m_copyNode = m_selected->m_node;
}

SitemapItem* SitemapTree::Paste()
{
    SitemapItem* item = m_copyNode.m_bIsPage != 0 ? AddPage(true) : AddSubChannel(true);
    if (item == nullptr)
        return nullptr;
    item->m_node = m_copyNode;
    SetLabel(item, item->m_node.m_strTitle);
    return item;
}

void SitemapTree::RebuildRowCache(const SitemapItem& parent) const
{
    if (!parent.m_rowCache)
        parent.m_rowCache = std::make_unique<std::vector<SitemapItem*>>();
    std::vector<SitemapItem*>& rows = *parent.m_rowCache;
    rows.clear();
    rows.reserve(parent.m_childCount);
    std::size_t row = 0;
    for (SitemapItem* child = parent.m_firstChild; child != nullptr; child = child->m_next) {
        child->m_row = row++;
        rows.push_back(child);
    }
    parent.m_rowCacheValid = true;
}

std::size_t SitemapTree::RowOf(const SitemapItem& item) const
{
    const SitemapItem* parent = item.m_parent;
    if (parent == nullptr)
        return 0;
    if (!parent->m_rowCacheValid)
        RebuildRowCache(*parent);
    return item.m_row;
}

SitemapItem* SitemapTree::ChildAt(const SitemapItem& parent, std::size_t row) const
{
    if (row >= parent.m_childCount)
        return nullptr;
    if (row == 0)
        return parent.m_firstChild;
    if (row + 1 == parent.m_childCount)
        return parent.m_lastChild;
    if (!parent.m_rowCacheValid)
        RebuildRowCache(parent);
    return (*parent.m_rowCache)[row];
}

void SitemapTree::AddObserver(SitemapObserver* observer)
{
    if (observer != nullptr)
        m_observers.push_back(observer);
}

void SitemapTree::RemoveObserver(SitemapObserver* observer)
{
    for (std::size_t i = 0; i < m_observers.size(); ++i) {
        if (m_observers[i] == observer) {
            m_observers.erase(m_observers.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

SitemapTree::BulkUpdate::BulkUpdate(SitemapTree& tree) : m_tree(tree)
{
    if (m_tree.m_bulkDepth++ == 0) {
        for (std::size_t i = 0; i < m_tree.m_observers.size(); ++i)
            m_tree.m_observers[i]->OnBulkBegin();
    }
}

SitemapTree::BulkUpdate::~BulkUpdate()
{
    if (--m_tree.m_bulkDepth == 0) {
        for (std::size_t i = 0; i < m_tree.m_observers.size(); ++i)
            m_tree.m_observers[i]->OnBulkEnd();
    }
}

}  // namespace fw
