// Clear puts the whole channel back into its start-up state.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "channel/Channel.h"
#include "sitemap_test_support.h"

namespace fw {
namespace {

using testing::AddPageUnder;
using testing::AddSubChannelUnder;
using testing::RecordingObserver;

void FillEverything(Channel& channel)
{
    channel.head.m_strCdfUrl = "http://example.com/a.cdf";
    channel.head.m_strAbstract = "abstract";
    channel.head.m_strTitle = "Title";
    channel.head.m_strHomeUrl = "http://example.com/";
    channel.head.m_strBaseUrl = "http://example.com/base/";
    channel.head.m_bUseBaseUrl = 1;
    channel.logos.m_strIconUrl = "http://example.com/i.ico";
    channel.logos.m_strLogoUrl = "http://example.com/l.gif";
    channel.logos.m_strWideLogoUrl = "http://example.com/w.gif";
    channel.schedule.m_nIntervalDay = 30;
    channel.schedule.m_nUpdateUnit = 1;
    channel.schedule.SelectHourEntry(7);
    channel.schedule.m_bStartDate = 1;
    channel.schedule.m_nStartYear = 1999;

    SitemapNode& root = channel.sitemap.Root()->Node();
    root.m_strHref = "http://example.com/";
    root.m_strTitle = "Root title";
    root.m_strAbstract = "root abstract";
    root.m_nLevel = 4;
    root.m_bPrecache = 0;
    root.m_strIconHref = "http://example.com/r.ico";
    root.m_nUsage = kUsageEmail;
    channel.sitemap.SetLabel(channel.sitemap.Root(), "Root label");
}

TEST(ChannelClear, EveryPartReturnsToItsStartUpState)
{
    Channel channel;
    FillEverything(channel);
    SitemapItem* a = AddSubChannelUnder(channel.sitemap, channel.sitemap.Root(), "A");
    AddPageUnder(channel.sitemap, a, "AP");
    AddPageUnder(channel.sitemap, channel.sitemap.Root(), "P");

    channel.Clear();

    const Channel fresh;
    EXPECT_EQ(channel.head.m_strCdfUrl, "http://");
    EXPECT_EQ(channel.head.m_strAbstract, "");
    EXPECT_EQ(channel.head.m_strTitle, std::string(kDefaultTitleSjis));
    EXPECT_EQ(channel.head.m_strHomeUrl, "http://");
    EXPECT_EQ(channel.head.m_strBaseUrl, "http://");
    EXPECT_EQ(channel.head.m_bUseBaseUrl, 0);
    EXPECT_EQ(channel.logos.m_strIconUrl, "http://");
    EXPECT_EQ(channel.logos.m_strLogoUrl, "http://");
    EXPECT_EQ(channel.logos.m_strWideLogoUrl, "http://");
    EXPECT_EQ(channel.schedule.m_nIntervalDay, 7u);
    EXPECT_EQ(channel.schedule.m_nUpdateUnit, 0);
    EXPECT_EQ(channel.schedule.m_nHourSel, kDefaultHourSel);
    EXPECT_EQ(channel.schedule.m_nIntervalHour, 6u);
    EXPECT_EQ(channel.schedule.m_bStartDate, 0);
    EXPECT_EQ(channel.schedule.m_nStartYear, fresh.schedule.m_nStartYear);

    SitemapItem* root = channel.sitemap.Root();
    EXPECT_EQ(root->ChildCount(), 0u);
    EXPECT_EQ(channel.sitemap.ItemCount(), 1u);
    EXPECT_EQ(root->Label(), std::string(kDefaultTitleSjis));
    const SitemapNode& node = root->Node();
    EXPECT_EQ(node.m_strHref, "http://");
    EXPECT_EQ(node.m_strAbstract, "");
    EXPECT_EQ(node.m_nLevel, 0);
    EXPECT_EQ(node.m_bPrecache, 1);
    EXPECT_EQ(node.m_bIsPage, 0);
    EXPECT_EQ(node.m_strIconHref, "http://");
    EXPECT_EQ(node.m_nUsage, kUsageSitemap);
    // The site map dialog sets the root's own title from the head when shown.
    EXPECT_EQ(node.m_strTitle, "Root title");
}

TEST(ChannelClear, DeepSiteMapIsRemovedWithoutRecursion)
{
    Channel channel;
    SitemapTree& tree = channel.sitemap;
    SitemapItem* channelItem = tree.Root();
    for (int i = 0; i < 100000; ++i) {
        tree.Select(channelItem);
        tree.AddPage(false);
        tree.Select(channelItem);
        channelItem = tree.AddSubChannel(false);
    }
    tree.Select(channelItem);
    ASSERT_EQ(tree.ItemCount(), 200001u);

    channel.Clear();

    EXPECT_EQ(tree.ItemCount(), 1u);
    EXPECT_EQ(tree.Root()->ChildCount(), 0u);
    EXPECT_EQ(tree.Selected(), tree.Root());
}

TEST(ChannelClear, CopyBufferSurvivesAndPastesAfterwards)
{
    Channel channel;
    SitemapTree& tree = channel.sitemap;
    SitemapItem* p = AddPageUnder(tree, tree.Root(), "P");
    p->Node().m_strTitle = "Copied";
    p->Node().m_nLevel = 5;
    tree.Select(p);
    tree.CopySelected();

    channel.Clear();
    tree.Select(tree.Root());
    SitemapItem* pasted = tree.Paste();

    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Node().m_strTitle, "Copied");
    EXPECT_EQ(pasted->Node().m_nLevel, 5);
    EXPECT_EQ(pasted->Label(), "Copied");
}

TEST(ChannelClear, ViewsHearOneBulkUpdate)
{
    Channel channel;
    AddSubChannelUnder(channel.sitemap, channel.sitemap.Root(), "A");
    AddPageUnder(channel.sitemap, channel.sitemap.Root(), "P");
    RecordingObserver observer(channel.sitemap);
    channel.sitemap.AddObserver(&observer);

    channel.Clear();

    EXPECT_EQ(observer.events, (std::vector<std::string>{"bulk-begin", "bulk-end"}));
    channel.sitemap.RemoveObserver(&observer);
}

}  // namespace
}  // namespace fw
