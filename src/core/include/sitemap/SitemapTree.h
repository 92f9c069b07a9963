#pragma once
// The site map: one root item standing for the channel, below each channel
// its sub-channels first (its sub-channel run), then its pages; pages have no
// children. Items are owned by the tree; an item pointer stays valid until
// the item is deleted. Nothing here recurses along the tree's depth.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "sitemap/ItemPool.h"
#include "sitemap/SitemapNode.h"

namespace fw {

class TraceSink;
class SitemapTree;
class DetachedSubtree;

// Image indexes of tree items: they carry the node kind a second time.
inline constexpr int kImageChannel = 0;
inline constexpr int kImagePage = 1;

class SitemapItem {
public:
    const std::string& Label() const { return m_label; }
    int Image() const { return m_image; }
    bool IsPageImage() const { return m_image != kImageChannel; }

    SitemapNode& Node() { return m_node; }
    const SitemapNode& Node() const { return m_node; }

    SitemapItem* Parent() const { return m_parent; }
    SitemapItem* FirstChild() const { return m_firstChild; }
    SitemapItem* LastChild() const { return m_lastChild; }
    SitemapItem* NextSibling() const { return m_next; }
    SitemapItem* PrevSibling() const { return m_prev; }
    std::size_t ChildCount() const { return m_childCount; }
    // How many sub-channels open this item's child list.
    std::size_t SubChannelRunLength() const { return m_subChannelRun; }

private:
    friend class SitemapTree;
    // Labelled with the record's title.
    SitemapItem(int image, SitemapNode&& node) : m_label(node.m_strTitle), m_image(image), m_node(std::move(node)) {}

    std::string m_label;
    int m_image;
    mutable bool m_rowCacheValid = false;  // beside m_image, where it costs no padding
    SitemapNode m_node;
    SitemapItem* m_parent = nullptr;
    SitemapItem* m_firstChild = nullptr;
    SitemapItem* m_lastChild = nullptr;
    SitemapItem* m_next = nullptr;
    SitemapItem* m_prev = nullptr;
    SitemapItem* m_lastSubChannel = nullptr;  // end of the sub-channel run, or null
    std::size_t m_childCount = 0;
    std::size_t m_subChannelRun = 0;
    // Row numbers of the children, built when a view first asks after a
    // change. Held by pointer: only items with children that a view has
    // shown need one, and a file of millions of pages should not pay for it
    // in every item.
    mutable std::unique_ptr<std::vector<SitemapItem*>> m_rowCache;
    mutable std::size_t m_row = 0;
};

// Views follow the tree through these calls. Between OnBulkBegin and
// OnBulkEnd (a load, a Clear) no other call is made; a view resets itself
// once at the end instead.
class SitemapObserver {
public:
    virtual ~SitemapObserver() = default;
    // The item is about to go in as child number `row` of `parent`.
    virtual void OnItemAboutToBeInserted(SitemapItem& parent, std::size_t row)
    {
        (void)parent;
        (void)row;
    }
    virtual void OnItemInserted(SitemapItem& item) { (void)item; }
    // `item` and its subtree are still in place.
    virtual void OnItemAboutToBeDeleted(SitemapItem& item) { (void)item; }
    virtual void OnItemDeleted(SitemapItem& parent) { (void)parent; }
    virtual void OnLabelChanged(SitemapItem& item) { (void)item; }
    // The selection moved; `selected` is null when it became empty.
    virtual void OnSelectionChanged(SitemapItem* selected) { (void)selected; }
    // A new item asks to be made the first visible item of the view.
    virtual void OnEnsureVisible(SitemapItem& item) { (void)item; }
    virtual void OnBulkBegin() {}
    virtual void OnBulkEnd() {}
};

class SitemapTree {
public:
    // The root is created here from the given record, labelled with its title.
    explicit SitemapTree(SitemapNode rootRecord, TraceSink* trace = nullptr);
    ~SitemapTree();
    SitemapTree(const SitemapTree&) = delete;
    SitemapTree& operator=(const SitemapTree&) = delete;

    SitemapItem* Root() const { return m_root; }
    SitemapItem* Selected() const { return m_selected; }
    // Selects an item (null clears the selection); observers hear of a change.
    void Select(SitemapItem* item);

    // Insert a new page or sub-channel relative to the selection, by the
    // insertion rules; the new item gets the default record, is made visible
    // and selected, and is returned. Null when nothing is selected.
    SitemapItem* AddPage(bool bInteractive);
    SitemapItem* AddSubChannel(bool bInteractive);

    // Deletes an item with its whole subtree (the root is never deleted; the
    // call is then ignored). A deleted selection moves to the next sibling,
    // else the previous sibling, else the parent.
    void DeleteItem(SitemapItem* item);
    // Deletes every child of `item`, one after the other.
    void DeleteChildren(SitemapItem* item);

    // Takes an item with its whole subtree out of the tree as DeleteItem
    // does (the selection moves the same way, observers hear a deletion) but
    // keeps every item alive, unchanged, in the returned holder, so that
    // ReattachItem can put the very same items back. Null for the root or
    // null. O(1) but for counting the items taken.
    std::unique_ptr<DetachedSubtree> DetachItem(SitemapItem* item);
    // Puts a detached subtree back where it was taken from: under the same
    // parent, right behind the same previous sibling, as the tree stood just
    // after the detach (an undo history brings it back to that). Observers
    // hear one insertion; the selection stays. O(1). Returns the item put
    // back; null, leaving the holder as it was, when that place no longer
    // exists or would break the sub-channels-first rule.
    SitemapItem* ReattachItem(DetachedSubtree& detached);

    void SetLabel(SitemapItem* item, std::string label);

    // The editing commands on the selection.
    void DeleteSelected();  // ignored for the root
    void CopySelected();    // the selected record into m_copyNode
    SitemapItem* Paste();   // a new item from m_copyNode, or null

    // Row of an item among its parent's children, and the child at a row:
    // amortised O(1), for views.
    std::size_t RowOf(const SitemapItem& item) const;
    SitemapItem* ChildAt(const SitemapItem& parent, std::size_t row) const;

    std::size_t ItemCount() const { return m_itemCount; }

    // Exchanges every item, the root included, and the selection with
    // `other`; each tree keeps its observers, copy buffer and trace. The
    // observers of both hear one bulk update. O(1) but for the subtrees
    // detached from either tree, which are freed first (their memory is the
    // tree's) and leave their holders empty.
    void SwapItems(SitemapTree& other);

    void AddObserver(SitemapObserver* observer);
    void RemoveObserver(SitemapObserver* observer);

    // While one of these lives, observers hear only OnBulkBegin and OnBulkEnd.
    class BulkUpdate {
    public:
        explicit BulkUpdate(SitemapTree& tree);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;

    private:
        SitemapTree& m_tree;
    };

    // The copy buffer: one record, never a subtree. It starts as a new page
    // and is left alone by Clear and by loading.
    SitemapNode m_copyNode = SitemapNode::NewPage();

private:
    friend class DetachedSubtree;
    SitemapItem* NewItem(SitemapNode record, int image);
    void FreeItem(SitemapItem* item);
    SitemapItem* Insert(SitemapItem* parent, SitemapItem* after, bool isPage);
    void Link(SitemapItem* item, SitemapItem* parent, SitemapItem* after);
    void DeleteItem(SitemapItem& item, bool holdsSelection);
    // DeleteItem up to the freeing: `item` is unlinked, its subtree intact.
    void Unlink(SitemapItem& item, bool holdsSelection);
    // The number of items freed.
    std::size_t FreeSubtree(SitemapItem* top);
    void FreeDetached();
    std::size_t RowAfter(const SitemapItem& parent, const SitemapItem* after) const;
    void RebuildRowCache(const SitemapItem& parent) const;
    bool ObserversListening() const;
    template <typename Call> void Notify(Call call);

    // Declared first: the items in it are destroyed before it goes.
    ItemPool m_pool{sizeof(SitemapItem)};
    SitemapItem* m_root = nullptr;
    SitemapItem* m_selected = nullptr;
    TraceSink* m_trace = nullptr;
    std::size_t m_itemCount = 0;
    int m_bulkDepth = 0;
    std::vector<SitemapObserver*> m_observers;
    DetachedSubtree* m_detached = nullptr;  // every holder of this tree's items, linked
};

// Holds a subtree taken out by SitemapTree::DetachItem, with the place it
// came from. Destroying the holder frees the items it still holds. The
// items live in the tree's memory: when the tree goes, or swaps its items
// for a load, it frees them first and the holder is left empty.
class DetachedSubtree {
public:
    ~DetachedSubtree();
    DetachedSubtree(const DetachedSubtree&) = delete;
    DetachedSubtree& operator=(const DetachedSubtree&) = delete;

    // The top item, or null once it has been put back or freed.
    SitemapItem* Top() const { return m_top; }
    std::size_t ItemCount() const { return m_count; }

private:
    friend class SitemapTree;
    DetachedSubtree(SitemapTree& tree, SitemapItem& top, SitemapItem* parent, SitemapItem* after, std::size_t count);
    void Unregister();

    SitemapTree* m_tree;
    SitemapItem* m_top;
    SitemapItem* m_parent;
    SitemapItem* m_after;  // the previous sibling, or null for the first child
    std::size_t m_count;
    DetachedSubtree* m_prevHolder = nullptr;
    DetachedSubtree* m_nextHolder = nullptr;
};

}  // namespace fw
