// Deleting items and copying and pasting records in the site map.

#include <gtest/gtest.h>

#include <string>

#include "sitemap/SitemapTree.h"
#include "sitemap_test_support.h"

namespace fw {
namespace {

using testing::AddPageUnder;
using testing::AddSubChannelUnder;
using testing::ChildLabels;
using testing::NamedRootRecord;

TEST(SitemapDelete, RootIsNeverDeleted)
{
    SitemapTree tree(NamedRootRecord());
    AddPageUnder(tree, tree.Root(), "P");
    tree.Select(tree.Root());

    tree.DeleteSelected();
    tree.DeleteItem(tree.Root());
    tree.DeleteItem(nullptr);

    EXPECT_EQ(ChildLabels(*tree.Root()), "P");
    EXPECT_EQ(tree.ItemCount(), 2u);
    EXPECT_EQ(tree.Selected(), tree.Root());
}

TEST(SitemapDelete, NothingSelectedDeletesNothing)
{
    SitemapTree tree(NamedRootRecord());
    AddPageUnder(tree, tree.Root(), "P");
    tree.Select(nullptr);
    tree.DeleteSelected();
    EXPECT_EQ(tree.ItemCount(), 2u);
}

// Root: A (A1 (deep pages), AP), B, P. Deleting A removes its whole subtree.
TEST(SitemapDelete, SubtreeGoesWithItsCountAndRunKeptRight)
{
    SitemapTree tree(NamedRootRecord());
    SitemapItem* a = AddSubChannelUnder(tree, tree.Root(), "A");
    AddSubChannelUnder(tree, tree.Root(), "B");
    AddPageUnder(tree, tree.Root(), "P");
    SitemapItem* a1 = AddSubChannelUnder(tree, a, "A1");
    AddPageUnder(tree, a, "AP");
    SitemapItem* channel = a1;
    for (int i = 0; i < 50; ++i) {
        AddPageUnder(tree, channel, "page");
        channel = AddSubChannelUnder(tree, channel, "deeper");
    }
    ASSERT_EQ(tree.ItemCount(), 1u + 3u + 2u + 100u);

    tree.Select(channel);
    tree.DeleteItem(a);

    EXPECT_EQ(tree.ItemCount(), 3u);
    EXPECT_EQ(ChildLabels(*tree.Root()), "B P");
    EXPECT_EQ(tree.Root()->SubChannelRunLength(), 1u);
    EXPECT_EQ(tree.Selected()->Label(), "B");  // the next sibling of the deleted item

    // The run still ends at B: a new sub-channel goes in behind it.
    AddSubChannelUnder(tree, tree.Root(), "C");
    EXPECT_EQ(ChildLabels(*tree.Root()), "B C P");
}

struct SelectionMoveCase {
    const char* name;
    const char* deleted;   // a child of the root
    const char* selected;  // the selected item before: "" for the deleted item itself
    const char* expected;  // the selected item afterwards
};

class SelectionAfterDelete : public ::testing::TestWithParam<SelectionMoveCase> {};

// Root: A (A1), P1, P2. The selection leaves a deleted subtree for the next
// sibling, else the previous one, else the parent; elsewhere it stays.
TEST_P(SelectionAfterDelete, MovesLikeATreeView)
{
    const SelectionMoveCase& c = GetParam();
    SitemapTree tree(NamedRootRecord());
    SitemapItem* a = AddSubChannelUnder(tree, tree.Root(), "A");
    SitemapItem* p1 = AddPageUnder(tree, tree.Root(), "P1");
    SitemapItem* p2 = AddPageUnder(tree, tree.Root(), "P2");
    SitemapItem* a1 = AddSubChannelUnder(tree, a, "A1");
    auto find = [&](const std::string& name) -> SitemapItem* {
        if (name == "A") return a;
        if (name == "A1") return a1;
        if (name == "P1") return p1;
        if (name == "P2") return p2;
        return tree.Root();
    };
    SitemapItem* deleted = find(c.deleted);
    tree.Select(std::string(c.selected).empty() ? deleted : find(c.selected));

    tree.DeleteItem(deleted);

    ASSERT_NE(tree.Selected(), nullptr);
    EXPECT_EQ(tree.Selected()->Label(), c.expected);
}

const SelectionMoveCase kSelectionMoves[] = {
    {"ItselfToNext", "A", "", "P1"},
    {"InsideToNext", "A", "A1", "P1"},
    {"LastToPrevious", "P2", "", "P1"},
    {"OnlyChildToParent", "A1", "", "A"},
    {"ElsewhereStays", "P2", "A1", "A1"},
    {"ParentStays", "A1", "A", "A"},
};

INSTANTIATE_TEST_SUITE_P(SitemapDelete, SelectionAfterDelete, ::testing::ValuesIn(kSelectionMoves),
                         [](const ::testing::TestParamInfo<SelectionMoveCase>& info) { return info.param.name; });

TEST(SitemapDelete, DeleteChildrenEmptiesAChannelAndLeavesTheSelectionOnIt)
{
    SitemapTree tree(NamedRootRecord());
    SitemapItem* a = AddSubChannelUnder(tree, tree.Root(), "A");
    SitemapItem* deep = AddSubChannelUnder(tree, a, "A1");
    for (int i = 0; i < 10; ++i)
        deep = AddSubChannelUnder(tree, deep, "x");
    AddPageUnder(tree, tree.Root(), "P");
    tree.Select(deep);

    tree.DeleteChildren(tree.Root());

    EXPECT_EQ(tree.Root()->ChildCount(), 0u);
    EXPECT_EQ(tree.Root()->FirstChild(), nullptr);
    EXPECT_EQ(tree.Root()->LastChild(), nullptr);
    EXPECT_EQ(tree.Root()->SubChannelRunLength(), 0u);
    EXPECT_EQ(tree.ItemCount(), 1u);
    EXPECT_EQ(tree.Selected(), tree.Root());
}

SitemapNode SampleRecord(int isPage)
{
    SitemapNode node;
    node.m_strHref = "http://example.com/a.htm";
    node.m_strTitle = "\x83\x65\x83\x58\x83\x67";  // テスト
    node.m_strAbstract = "comment";
    node.m_nLevel = 3;
    node.m_bPrecache = 0;
    node.m_bIsPage = isPage;
    node.m_strIconHref = "http://example.com/i.ico";
    node.m_nUsage = kUsageScreenSaver;
    return node;
}

TEST(SitemapCopyPaste, PasteOfACopiedPageLandsBehindItWithEveryField)
{
    SitemapTree tree(NamedRootRecord());
    SitemapItem* p = AddPageUnder(tree, tree.Root(), "P");
    AddPageUnder(tree, tree.Root(), "Q");
    p->Node() = SampleRecord(1);
    tree.Select(p);
    tree.CopySelected();

    SitemapItem* pasted = tree.Paste();

    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->PrevSibling(), p);
    EXPECT_EQ(tree.Selected(), pasted);
    EXPECT_EQ(pasted->Node(), SampleRecord(1));
    EXPECT_EQ(pasted->Label(), SampleRecord(1).m_strTitle);
    EXPECT_EQ(pasted->Image(), kImagePage);
}

TEST(SitemapCopyPaste, CopyIsTakenByValueAndOutlivesItsSource)
{
    SitemapTree tree(NamedRootRecord());
    SitemapItem* p = AddPageUnder(tree, tree.Root(), "P");
    p->Node() = SampleRecord(1);
    tree.Select(p);
    tree.CopySelected();
    p->Node().m_strTitle = "edited after the copy";
    tree.DeleteSelected();

    tree.Select(tree.Root());
    SitemapItem* pasted = tree.Paste();

    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Node(), SampleRecord(1));
    EXPECT_EQ(tree.ItemCount(), 2u);
}

TEST(SitemapCopyPaste, PasteBeforeAnyCopyInsertsANewPage)
{
    SitemapTree tree(NamedRootRecord());
    tree.Select(tree.Root());
    SitemapItem* pasted = tree.Paste();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Node(), SitemapNode::NewPage());
    EXPECT_EQ(pasted->Label(), std::string(kNewPageTitleSjis));
    EXPECT_EQ(pasted->Image(), kImagePage);
}

TEST(SitemapCopyPaste, CopiedChannelPastesIntoItselfWithoutChildren)
{
    SitemapTree tree(NamedRootRecord());
    SitemapItem* a = AddSubChannelUnder(tree, tree.Root(), "A");
    AddPageUnder(tree, a, "AP");
    a->Node() = SampleRecord(0);
    tree.Select(a);
    tree.CopySelected();

    SitemapItem* pasted = tree.Paste();

    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Parent(), a);
    EXPECT_EQ(a->FirstChild(), pasted);
    EXPECT_EQ(pasted->ChildCount(), 0u);
    EXPECT_EQ(pasted->Image(), kImageChannel);
    EXPECT_EQ(pasted->Node(), SampleRecord(0));
    EXPECT_EQ(a->SubChannelRunLength(), 1u);
}

TEST(SitemapCopyPaste, CopiedPagePastedOnTheRootBecomesItsFirstPage)
{
    SitemapTree tree(NamedRootRecord());
    AddSubChannelUnder(tree, tree.Root(), "A");
    AddPageUnder(tree, tree.Root(), "P");
    SitemapItem* q = AddPageUnder(tree, tree.Root(), "Q");
    q->Node().m_strTitle = "Q";
    tree.Select(q);
    tree.CopySelected();

    tree.Select(tree.Root());
    tree.Paste();

    EXPECT_EQ(ChildLabels(*tree.Root()), "A Q P Q");
}

TEST(SitemapCopyPaste, CopiedRootPastesAsASubChannel)
{
    SitemapTree tree(NamedRootRecord());
    AddPageUnder(tree, tree.Root(), "P");
    tree.Select(tree.Root());
    tree.CopySelected();
    SitemapItem* pasted = tree.Paste();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(ChildLabels(*tree.Root()), "Root P");
    EXPECT_EQ(pasted->Image(), kImageChannel);
}

TEST(SitemapCopyPaste, NothingSelectedLeavesBufferAndTreeAlone)
{
    SitemapTree tree(NamedRootRecord());
    tree.m_copyNode = SampleRecord(1);
    tree.CopySelected();
    EXPECT_EQ(tree.m_copyNode, SampleRecord(1));
    EXPECT_EQ(tree.Paste(), nullptr);
    EXPECT_EQ(tree.ItemCount(), 1u);
}

}  // namespace
}  // namespace fw
