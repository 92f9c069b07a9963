// The site map tree: where new items go, deleting, copy and paste, and its
// links, rows and what views hear through any mix of edits.

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "common/CaseFile.h"
#include "core/core_test_support.h"
#include "sitemap/SitemapTree.h"
#include "text/Literals.h"

namespace fw {
namespace {

SitemapNode RootRecord()
{
    return cdftest::SubChannel("http://", "Root");
}

SitemapItem* AddUnder(SitemapTree& tree, SitemapItem* parent, const std::string& label, bool page)
{
    tree.Select(parent);
    SitemapItem* item = page ? tree.AddPage(false) : tree.AddSubChannel(false);
    tree.SetLabel(item, label);
    return item;
}

// "A B P1": sub-channels A and B, then page P1, below the root; a label
// starting with P is a page's.
void AddRootChildren(SitemapTree& tree, const std::string& words)
{
    std::istringstream in(words);
    for (std::string word; in >> word;)
        AddUnder(tree, tree.Root(), word, word[0] == 'P');
}

std::string Labels(const SitemapItem& parent)
{
    std::string labels;
    for (const SitemapItem* child = parent.FirstChild(); child != nullptr; child = child->NextSibling())
        labels += (labels.empty() ? "" : " ") + child->Label();
    return labels;
}

// Every item, breadth first.
std::vector<SitemapItem*> AllItems(const SitemapTree& tree)
{
    std::vector<SitemapItem*> items{tree.Root()};
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (SitemapItem* child = items[i]->FirstChild(); child != nullptr; child = child->NextSibling())
            items.push_back(child);
    }
    return items;
}

SitemapItem* Find(const SitemapTree& tree, const std::string& label)
{
    for (SitemapItem* item : AllItems(tree)) {
        if (item->Label() == label)
            return item;
    }
    return nullptr;
}

// The cases of tests/data/sitemap/insertion.txt.
TEST(SitemapInsertion, NewItemGoesWhereTheSelectionAndKindSay)
{
    for (const auto& c : casefile::Rows("sitemap/insertion.txt")) {
        SCOPED_TRACE(::testing::PrintToString(c));
        CapturingTraceSink trace;
        SitemapTree tree(RootRecord(), &trace);
        AddRootChildren(tree, c.at(0));
        tree.Select(Find(tree, c.at(1)));
        trace.Reset();
        const bool page = c.at(2).starts_with("page"), typed = c[2].ends_with("typed");

        SitemapItem* item = page ? tree.AddPage(typed) : tree.AddSubChannel(typed);

        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Node(), page ? SitemapNode::NewPage() : SitemapNode::NewSubChannel());
        EXPECT_EQ(item->Image(), page ? kImagePage : kImageChannel);
        EXPECT_EQ(item->Label(), item->Node().m_strTitle);
        tree.SetLabel(item, "*");
        EXPECT_EQ(Labels(*tree.Root()), c.at(3));
        EXPECT_EQ(tree.Selected(), item);
        EXPECT_EQ(trace.Text(), c.at(4));
    }
}

// Every link, count, row and the sub-channels-first rule of each item's children.
void ExpectConsistent(const SitemapTree& tree)
{
    std::size_t items = 0;
    std::vector<const SitemapItem*> pending{tree.Root()};
    while (!pending.empty()) {
        const SitemapItem& parent = *pending.back();
        pending.pop_back();
        ++items;
        std::size_t row = 0, run = 0;
        const SitemapItem* previous = nullptr;
        for (SitemapItem* child = parent.FirstChild(); child != nullptr; child = child->NextSibling(), ++row) {
            ASSERT_EQ(std::make_tuple(child->Parent(), child->PrevSibling(), tree.RowOf(*child)),
                      std::make_tuple(&parent, previous, row));
            ASSERT_EQ(tree.ChildAt(parent, row), child);
            ASSERT_FALSE(!child->IsPageImage() && row != run) << "a sub-channel after a page";
            ASSERT_FALSE(child->IsPageImage() && child->ChildCount() != 0) << "a page with children";
            run += child->IsPageImage() ? 0 : 1;
            previous = child;
            pending.push_back(child);
        }
        ASSERT_EQ(std::make_tuple(parent.LastChild(), parent.ChildCount(), parent.SubChannelRunLength()),
                  std::make_tuple(previous, row, run));
        ASSERT_EQ(tree.ChildAt(parent, row), nullptr);
    }
    ASSERT_EQ(tree.ItemCount(), items);
}

// The cases of tests/data/sitemap/delete.txt.
TEST(SitemapDelete, SubtreeGoesAndTheSelectionMovesLikeATreeView)
{
    for (const auto& c : casefile::Rows("sitemap/delete.txt")) {
        SCOPED_TRACE(::testing::PrintToString(c));
        SitemapTree tree(RootRecord());
        AddRootChildren(tree, "A P1 P2");
        AddUnder(tree, AddUnder(tree, Find(tree, "A"), "A1", false), "A1P", true);
        Find(tree, "A1P")->Node().m_kept.Make().attributes.push_back({KeptPart::Self, false, "LASTMOD", "1998"});
        SitemapItem* selected = Find(tree, c.at(1));
        SitemapItem* deleted = Find(tree, c.at(0));
        const std::string whole = cdftest::Outline(*tree.Root());

        // Detaching moves the selection as deleting does; reattaching puts
        // back the very same items, records and kept content included.
        tree.Select(selected);
        std::unique_ptr<DetachedSubtree> detached = tree.DetachItem(deleted);
        ASSERT_EQ(detached != nullptr, c.at(3) != "6");
        ASSERT_NE(tree.Selected(), nullptr);
        EXPECT_EQ(tree.Selected()->Label(), c.at(2));
        EXPECT_EQ(tree.ItemCount(), std::stoul(c.at(3)));
        ExpectConsistent(tree);
        if (detached != nullptr) {
            EXPECT_EQ(tree.ReattachItem(*detached), deleted);
            EXPECT_EQ(detached->Top(), nullptr);
            EXPECT_EQ(cdftest::Outline(*tree.Root()), whole);
            ExpectConsistent(tree);
        }

        tree.Select(selected);
        tree.DeleteItem(deleted);
        ASSERT_NE(tree.Selected(), nullptr);
        EXPECT_EQ(tree.Selected()->Label(), c.at(2));
        EXPECT_EQ(tree.ItemCount(), std::stoul(c.at(3)));
        ExpectConsistent(tree);
    }
}

// A holder outliving its place, its tree's load or its tree frees its items
// with the tree's memory (checked builds report a leak or a use after free).
TEST(SitemapDelete, DetachedItemsGoBackOnlyToTheirPlaceAndAreFreedByTheirTree)
{
    SitemapTree loaded(RootRecord());
    auto tree = std::make_unique<SitemapTree>(RootRecord());
    AddRootChildren(*tree, "A B P1 P2");
    AddUnder(*tree, Find(*tree, "B"), "BP", true);
    auto b = tree->DetachItem(Find(*tree, "B"));
    auto p1 = tree->DetachItem(Find(*tree, "P1"));
    SitemapItem* bItem = b->Top();
    EXPECT_EQ(tree->ReattachItem(*b), bItem);
    EXPECT_EQ(tree->ReattachItem(*p1), nullptr);  // behind A it would stand before B
    ASSERT_NE(p1->Top(), nullptr);
    auto a = tree->DetachItem(Find(*tree, "A"));
    EXPECT_EQ(tree->ReattachItem(*p1), nullptr);  // A is gone
    EXPECT_EQ(Labels(*tree->Root()), "B P2");
    ExpectConsistent(*tree);
    tree->SwapItems(loaded);  // a and p1 are freed with the tree's memory
    EXPECT_TRUE(a->Top() == nullptr && p1->Top() == nullptr);
    EXPECT_EQ(tree->ReattachItem(*a), nullptr);
    auto late = loaded.DetachItem(Find(loaded, "B"));
    EXPECT_EQ(loaded.ItemCount(), 2u);
    tree.reset();
    EXPECT_NE(late->Top(), nullptr);  // the other tree's own
}

// A sub-channel record with every field set.
SitemapNode ChannelRecord()
{
    return {.m_strHref = "http://example.com/a.htm",
            .m_strTitle = "\x83\x65\x83\x58\x83\x67",
            .m_strAbstract = "c",
            .m_nLevel = 3,
            .m_bPrecache = 0,
            .m_bIsPage = 0,
            .m_strIconHref = "i.ico",
            .m_nUsage = kUsageEmail};
}

TEST(SitemapCopyPaste, PasteInsertsTheCopiedRecordOnlyWhereSomethingIsSelected)
{
    CapturingTraceSink trace;
    SitemapTree tree(RootRecord(), &trace);
    EXPECT_EQ(tree.Paste(), nullptr);  // nothing selected: nothing inserted
    EXPECT_EQ(tree.AddPage(false), nullptr);
    EXPECT_EQ(tree.AddSubChannel(false), nullptr);
    EXPECT_EQ(trace.Text(), "");
    EXPECT_EQ(tree.ItemCount(), 1u);

    tree.Select(tree.Root());
    SitemapItem* pasted = tree.Paste();  // before any copy: a new page
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Node(), SitemapNode::NewPage());
    EXPECT_EQ(pasted->Label(), kNewPageTitleSjis);

    // A channel's copy is its record as it was copied, alone: pasted into
    // itself, without children, and selected.
    AddRootChildren(tree, "A P");
    SitemapItem* a = Find(tree, "A");
    AddUnder(tree, a, "AP", true);
    a->Node() = ChannelRecord();
    tree.Select(a);
    tree.CopySelected();
    a->Node().m_strTitle = "edited after the copy";
    pasted = tree.Paste();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Node(), ChannelRecord());
    EXPECT_EQ(pasted->Image(), kImageChannel);
    EXPECT_EQ(tree.Selected(), pasted);
    EXPECT_EQ(Labels(*a), ChannelRecord().m_strTitle + " AP");
    ExpectConsistent(tree);
}

// Checks that an inserted item is at the row announced for it and that an
// item about to be deleted is still at its row; counts both.
class CheckingObserver : public SitemapObserver {
public:
    explicit CheckingObserver(const SitemapTree& tree) : m_tree(tree) {}
    void OnItemAboutToBeInserted(SitemapItem& parent, std::size_t row) override { m_announced = {&parent, row}; }
    void OnItemInserted(SitemapItem& item) override
    {
        EXPECT_EQ(std::make_pair(item.Parent(), m_tree.RowOf(item)), m_announced);
        ++inserts;
    }
    void OnItemAboutToBeDeleted(SitemapItem& item) override
    {
        EXPECT_EQ(m_tree.ChildAt(*item.Parent(), m_tree.RowOf(item)), &item);
        ++deletes;
    }

    int inserts = 0, deletes = 0;

private:
    const SitemapTree& m_tree;
    std::pair<SitemapItem*, std::size_t> m_announced;
};

TEST(SitemapStructure, LinksAndRowsStayConsistentThroughRandomMixedEdits)
{
    SitemapTree tree(RootRecord());
    CheckingObserver observer(tree);
    tree.AddObserver(&observer);
    std::mt19937 random(20240611);
    std::vector<SitemapItem*> items{tree.Root()};
    for (int step = 0; step < 600; ++step) {
        tree.Select(items[random() % items.size()]);
        // Typed and loaded pages and sub-channels, a delete now and then, a copy pasted.
        const auto edit = random() % 6;
        if (edit < 4)
            edit < 2 ? tree.AddPage(edit == 0) : tree.AddSubChannel(edit == 2);
        else if (edit == 4 && random() % 3 == 0)
            tree.DeleteSelected();
        else if (edit == 5)
            tree.CopySelected(), tree.Paste();
        // Checking rows between edits uses the row caches and leaves them to go stale.
        if (step % 7 == 0)
            ExpectConsistent(tree);
        items = AllItems(tree);
    }
    ExpectConsistent(tree);
    EXPECT_GT(observer.inserts, 300);
    EXPECT_GT(observer.deletes, 10);
    tree.RemoveObserver(&observer);
}

}  // namespace
}  // namespace fw
