// Where AddPage and AddSubChannel put a new item, for every kind of selection.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sitemap/SitemapTree.h"
#include "sitemap_test_support.h"
#include "trace/TraceSink.h"

namespace fw {
namespace {

using testing::ChildLabels;

SitemapNode RootRecord()
{
    return testing::NamedRootRecord();
}

// Gives `parent` the named sub-channels, then the named pages, the way the
// reader does; each new item is labelled with its name.
void AddChildren(SitemapTree& tree, SitemapItem* parent, const std::vector<std::string>& channels,
                 const std::vector<std::string>& pages)
{
    for (const std::string& name : channels)
        testing::AddSubChannelUnder(tree, parent, name);
    for (const std::string& name : pages)
        testing::AddPageUnder(tree, parent, name);
}

SitemapItem* ChildNamed(const SitemapItem& parent, const std::string& label)
{
    for (SitemapItem* child = parent.FirstChild(); child != nullptr; child = child->NextSibling()) {
        if (child->Label() == label)
            return child;
    }
    return nullptr;
}

enum class Kind { Page, SubChannel };

struct InsertionCase {
    const char* name;
    std::vector<std::string> channels;  // sub-channels of the root
    std::vector<std::string> pages;     // pages of the root
    const char* select;                 // label of the selected child, or "" for the root
    Kind kind;
    bool interactive;
    const char* expected;               // the root's children afterwards, new item "*"
    bool blast;                         // "BLAST\n" traced
};

class InsertionTable : public ::testing::TestWithParam<InsertionCase> {};

TEST_P(InsertionTable, PlacesTheNewItemAndSelectsIt)
{
    const InsertionCase& c = GetParam();
    CapturingTraceSink trace;
    SitemapTree tree(RootRecord(), &trace);
    AddChildren(tree, tree.Root(), c.channels, c.pages);
    SitemapItem* selected = std::string(c.select).empty() ? tree.Root() : ChildNamed(*tree.Root(), c.select);
    ASSERT_NE(selected, nullptr);
    tree.Select(selected);
    trace.Reset();

    SitemapItem* item = c.kind == Kind::Page ? tree.AddPage(c.interactive) : tree.AddSubChannel(c.interactive);

    ASSERT_NE(item, nullptr);
    tree.SetLabel(item, "*");
    EXPECT_EQ(ChildLabels(*tree.Root()), c.expected);
    EXPECT_EQ(tree.Selected(), item);
    EXPECT_EQ(trace.Text(), c.blast ? "BLAST\n" : "");
    EXPECT_EQ(item->Image(), c.kind == Kind::Page ? kImagePage : kImageChannel);
    EXPECT_EQ(item->Node(), c.kind == Kind::Page ? SitemapNode::NewPage() : SitemapNode::NewSubChannel());
}

const InsertionCase kInsertionCases[] = {
    // A channel selected, with a sub-channel run followed by a page.
    {"ChannelRunPageTrue", {"A", "B"}, {"P"}, "", Kind::Page, true, "A B * P", false},
    {"ChannelRunPageFalse", {"A", "B"}, {"P"}, "", Kind::Page, false, "A B P *", true},
    {"ChannelRunSubTrue", {"A", "B"}, {"P"}, "", Kind::SubChannel, true, "* A B P", false},
    {"ChannelRunSubFalse", {"A", "B"}, {"P"}, "", Kind::SubChannel, false, "A B * P", true},
    // A channel whose children are all sub-channels.
    {"ChannelOnlyRunPageTrue", {"A", "B"}, {}, "", Kind::Page, true, "A B *", false},
    {"ChannelOnlyRunSubFalse", {"A", "B"}, {}, "", Kind::SubChannel, false, "A B *", true},
    // A channel whose first child is a page: no run.
    {"ChannelNoRunPageTrue", {}, {"P1", "P2"}, "", Kind::Page, true, "* P1 P2", false},
    {"ChannelNoRunPageFalse", {}, {"P1", "P2"}, "", Kind::Page, false, "P1 P2 *", true},
    {"ChannelNoRunSubTrue", {}, {"P1", "P2"}, "", Kind::SubChannel, true, "* P1 P2", false},
    {"ChannelNoRunSubFalse", {}, {"P1", "P2"}, "", Kind::SubChannel, false, "* P1 P2", true},
    // A channel without children.
    {"EmptyChannelPageTrue", {}, {}, "", Kind::Page, true, "*", false},
    {"EmptyChannelPageFalse", {}, {}, "", Kind::Page, false, "*", true},
    {"EmptyChannelSubTrue", {}, {}, "", Kind::SubChannel, true, "*", false},
    {"EmptyChannelSubFalse", {}, {}, "", Kind::SubChannel, false, "*", true},
    // A page selected among siblings A, P1, P2, P3.
    {"PageRunPageTrue", {"A"}, {"P1", "P2", "P3"}, "P2", Kind::Page, true, "A P1 P2 * P3", false},
    {"PageRunPageFalse", {"A"}, {"P1", "P2", "P3"}, "P2", Kind::Page, false, "A P1 P2 P3 *", true},
    {"PageRunSubTrue", {"A"}, {"P1", "P2", "P3"}, "P2", Kind::SubChannel, true, "A * P1 P2 P3", false},
    {"PageRunSubFalse", {"A"}, {"P1", "P2", "P3"}, "P2", Kind::SubChannel, false, "A * P1 P2 P3", false},
    {"LastPageRunPageTrue", {"A"}, {"P1", "P2", "P3"}, "P3", Kind::Page, true, "A P1 P2 P3 *", false},
    // A page selected with no sub-channel sibling.
    {"PageNoRunPageTrue", {}, {"P1", "P2"}, "P1", Kind::Page, true, "P1 * P2", false},
    {"PageNoRunPageFalse", {}, {"P1", "P2"}, "P1", Kind::Page, false, "P1 P2 *", true},
    {"PageNoRunSubTrue", {}, {"P1", "P2"}, "P1", Kind::SubChannel, true, "* P1 P2", false},
    {"PageNoRunSubFalse", {}, {"P1", "P2"}, "P2", Kind::SubChannel, false, "* P1 P2", false},
};

INSTANTIATE_TEST_SUITE_P(Sitemap, InsertionTable, ::testing::ValuesIn(kInsertionCases),
                         [](const ::testing::TestParamInfo<InsertionCase>& info) { return info.param.name; });

TEST(SitemapInsertion, SelectedSubChannelReceivesTheNewItems)
{
    SitemapTree tree(RootRecord());
    AddChildren(tree, tree.Root(), {"A", "B"}, {"P"});
    SitemapItem* b = ChildNamed(*tree.Root(), "B");
    AddChildren(tree, b, {"B1"}, {"BP"});

    tree.Select(b);
    tree.SetLabel(tree.AddPage(true), "x");
    tree.Select(b);
    tree.SetLabel(tree.AddSubChannel(false), "y");
    tree.Select(ChildNamed(*b, "BP"));
    tree.SetLabel(tree.AddSubChannel(true), "z");

    EXPECT_EQ(ChildLabels(*b), "B1 y z x BP");
    EXPECT_EQ(ChildLabels(*tree.Root()), "A B P");
    EXPECT_EQ(b->SubChannelRunLength(), 3u);
    EXPECT_EQ(tree.ItemCount(), 1u + 3u + 2u + 3u);
}

TEST(SitemapInsertion, NothingSelectedInsertsNothing)
{
    CapturingTraceSink trace;
    SitemapTree tree(RootRecord(), &trace);
    EXPECT_EQ(tree.AddPage(false), nullptr);
    EXPECT_EQ(tree.AddSubChannel(false), nullptr);
    EXPECT_EQ(tree.AddPage(true), nullptr);
    EXPECT_EQ(tree.AddSubChannel(true), nullptr);
    EXPECT_EQ(tree.Paste(), nullptr);
    EXPECT_EQ(tree.Root()->ChildCount(), 0u);
    EXPECT_EQ(tree.ItemCount(), 1u);
    EXPECT_EQ(trace.Text(), "");
}

}  // namespace
}  // namespace fw
