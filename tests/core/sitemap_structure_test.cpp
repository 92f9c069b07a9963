// The site map's links, row numbers, notifications and its behaviour with
// very wide and very deep trees.

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "sitemap/SitemapTree.h"
#include "sitemap_test_support.h"

namespace fw {
namespace {

using testing::AddPageUnder;
using testing::AddSubChannelUnder;
using testing::NamedRootRecord;
using testing::RecordingObserver;

std::vector<SitemapItem*> AllItems(const SitemapTree& tree)
{
    std::vector<SitemapItem*> items;
    std::vector<SitemapItem*> pending{tree.Root()};
    while (!pending.empty()) {
        SitemapItem* item = pending.back();
        pending.pop_back();
        items.push_back(item);
        for (SitemapItem* child = item->FirstChild(); child != nullptr; child = child->NextSibling())
            pending.push_back(child);
    }
    return items;
}

// Checks every link, count, row and the shape rule of one item's children.
void ExpectConsistentChildren(const SitemapTree& tree, const SitemapItem& parent)
{
    std::size_t row = 0;
    std::size_t run = 0;
    bool pageSeen = false;
    const SitemapItem* previous = nullptr;
    for (SitemapItem* child = parent.FirstChild(); child != nullptr; child = child->NextSibling(), ++row) {
        ASSERT_EQ(child->Parent(), &parent);
        ASSERT_EQ(child->PrevSibling(), previous);
        ASSERT_EQ(tree.RowOf(*child), row);
        ASSERT_EQ(tree.ChildAt(parent, row), child);
        if (child->IsPageImage()) {
            pageSeen = true;
            ASSERT_EQ(child->ChildCount(), 0u) << "a page has children";
        } else {
            ASSERT_FALSE(pageSeen) << "a sub-channel after a page";
            ++run;
        }
        previous = child;
    }
    ASSERT_EQ(parent.LastChild(), previous);
    ASSERT_EQ(parent.ChildCount(), row);
    ASSERT_EQ(parent.SubChannelRunLength(), run);
    ASSERT_EQ(tree.ChildAt(parent, row), nullptr);
}

// Compares the row announced before an insertion with the row the item has
// once it is in, and the row of a deleted item with its place before.
class RowCheckingObserver : public SitemapObserver {
public:
    explicit RowCheckingObserver(const SitemapTree& tree) : m_tree(tree) {}
    void OnItemAboutToBeInserted(SitemapItem& parent, std::size_t row) override
    {
        m_parent = &parent;
        m_row = row;
    }
    void OnItemInserted(SitemapItem& item) override
    {
        EXPECT_EQ(item.Parent(), m_parent);
        EXPECT_EQ(m_tree.RowOf(item), m_row);
        ++inserts;
    }
    void OnItemAboutToBeDeleted(SitemapItem& item) override
    {
        EXPECT_EQ(m_tree.ChildAt(*item.Parent(), m_tree.RowOf(item)), &item);
        ++deletes;
    }
    int inserts = 0;
    int deletes = 0;

private:
    const SitemapTree& m_tree;
    SitemapItem* m_parent = nullptr;
    std::size_t m_row = 0;
};

TEST(SitemapStructure, LinksRowsAndRunsStayConsistentThroughMixedEdits)
{
    SitemapTree tree(NamedRootRecord());
    RowCheckingObserver observer(tree);
    tree.AddObserver(&observer);
    std::mt19937 random(20240611);
    for (int step = 0; step < 600; ++step) {
        std::vector<SitemapItem*> items = AllItems(tree);
        ASSERT_EQ(items.size(), tree.ItemCount());
        SitemapItem* target = items[random() % items.size()];
        tree.Select(target);
        switch (random() % 6) {
        case 0: tree.AddPage(true); break;
        case 1: tree.AddPage(false); break;
        case 2: tree.AddSubChannel(true); break;
        case 3: tree.AddSubChannel(false); break;
        case 4: if (random() % 3 == 0) tree.DeleteSelected(); break;
        case 5: tree.CopySelected(); tree.Paste(); break;
        }
        // Ask rows of a few parents between edits, so caches are both used and stale.
        if (step % 7 == 0) {
            for (SitemapItem* item : AllItems(tree))
                ExpectConsistentChildren(tree, *item);
        }
    }
    for (SitemapItem* item : AllItems(tree))
        ExpectConsistentChildren(tree, *item);
    EXPECT_GT(observer.inserts, 300);
    EXPECT_GT(observer.deletes, 10);
    tree.RemoveObserver(&observer);
}

TEST(SitemapStructure, ObserversHearInsertionsAndDeletionsInOrder)
{
    SitemapTree tree(NamedRootRecord());
    AddSubChannelUnder(tree, tree.Root(), "A");
    AddPageUnder(tree, tree.Root(), "P");
    tree.Select(tree.Root());
    RecordingObserver observer(tree);
    tree.AddObserver(&observer);
    const std::string newPage(kNewPageTitleSjis);

    SitemapItem* item = tree.AddPage(true);
    tree.SetLabel(item, "X");
    tree.Select(item);  // already selected: nothing to hear
    tree.DeleteSelected();

    const std::vector<std::string> expected = {
        "about-to-insert Root 1", "inserted Root 1", "visible " + newPage, "selected " + newPage,
        "label X",
        "selected P", "about-to-delete X 1", "deleted-from Root",
    };
    EXPECT_EQ(observer.events, expected);
    tree.RemoveObserver(&observer);
}

TEST(SitemapStructure, BulkUpdatesHideEverythingButTheirOutermostEnds)
{
    SitemapTree tree(NamedRootRecord());
    RecordingObserver observer(tree);
    tree.AddObserver(&observer);
    {
        SitemapTree::BulkUpdate outer(tree);
        SitemapItem* a = AddSubChannelUnder(tree, tree.Root(), "A");
        {
            SitemapTree::BulkUpdate inner(tree);
            AddPageUnder(tree, a, "AP");
            tree.DeleteItem(a);
        }
        tree.Select(tree.Root());
        tree.SetLabel(tree.Root(), "Renamed");
    }
    EXPECT_EQ(observer.events, (std::vector<std::string>{"bulk-begin", "bulk-end"}));

    observer.events.clear();
    tree.Select(nullptr);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"selected none"}));
    tree.RemoveObserver(&observer);

    observer.events.clear();
    tree.Select(tree.Root());
    EXPECT_TRUE(observer.events.empty());
}

constexpr int kHuge = 100000;

TEST(SitemapStructure, DeepChainIsBuiltDeletedAndDestroyedWithoutRecursion)
{
    auto tree = std::make_unique<SitemapTree>(NamedRootRecord());
    tree->Select(tree->Root());
    SitemapItem* top = tree->AddSubChannel(false);
    for (int i = 1; i < kHuge; ++i)
        tree->AddSubChannel(false);  // the new item is selected: the next one goes into it
    EXPECT_EQ(tree->ItemCount(), 1u + kHuge);
    EXPECT_EQ(tree->Selected()->ChildCount(), 0u);

    tree->DeleteItem(top);
    EXPECT_EQ(tree->ItemCount(), 1u);
    EXPECT_EQ(tree->Selected(), tree->Root());

    for (int i = 0; i < kHuge; ++i)
        tree->AddSubChannel(false);
    tree->AddPage(false);
    EXPECT_EQ(tree->ItemCount(), 2u + kHuge);
    tree.reset();  // the destructor walks the chain, too
}

// Hears only the announced rows, so that it adds no work of its own.
class AnnouncedRows : public SitemapObserver {
public:
    void OnItemAboutToBeInserted(SitemapItem&, std::size_t row) override { rows.push_back(row); }
    std::vector<std::size_t> rows;
};

TEST(SitemapStructure, OneChannelTakesAHundredThousandChildren)
{
    SitemapTree tree(NamedRootRecord());
    AnnouncedRows observer;
    tree.AddObserver(&observer);
    SitemapItem* root = tree.Root();
    for (int i = 0; i < kHuge; ++i) {
        tree.Select(root);
        tree.AddSubChannel(false);
        tree.Select(root);
        tree.AddPage(false);
    }
    EXPECT_EQ(root->ChildCount(), 2u * kHuge);
    EXPECT_EQ(root->SubChannelRunLength(), static_cast<std::size_t>(kHuge));
    SitemapItem* middle = tree.ChildAt(*root, kHuge);
    ASSERT_NE(middle, nullptr);
    EXPECT_TRUE(middle->IsPageImage());
    EXPECT_FALSE(middle->PrevSibling()->IsPageImage());
    EXPECT_EQ(tree.RowOf(*middle), static_cast<std::size_t>(kHuge));

    // Sub-channel i goes in behind the run (row i), page i at the end (row 2i + 1).
    ASSERT_EQ(observer.rows.size(), 2u * kHuge);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kHuge); i += 997) {
        EXPECT_EQ(observer.rows[2 * i], i);
        EXPECT_EQ(observer.rows[2 * i + 1], 2 * i + 1);
    }
    tree.RemoveObserver(&observer);
}

}  // namespace
}  // namespace fw
