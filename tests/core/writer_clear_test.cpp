// Clearing the channel: everything back to its start-up state, whatever was
// there, and the copy buffer kept.

#include <gtest/gtest.h>

#include <string>

#include "channel/Channel.h"
#include "core/channel_builders.h"
#include "core/writer_test_support.h"
#include "text/Literals.h"

namespace {

using cdftest::AddChild;
using cdftest::Page;
using cdftest::SubChannel;

TEST(ClearChannel, ClearedChannelWritesExactlyWhatAFreshOneWrites)
{
    const std::string fresh = cdftest::ReadFileBytes(cdftest::GoldenDir() + "/fresh.cdf");
    for (const cdftest::GoldenCase& golden : cdftest::GoldenCases()) {
        SCOPED_TRACE(golden.file);
        fw::Channel channel;
        golden.build(channel);
        channel.Clear();
        EXPECT_TRUE(cdftest::Written(channel) == fresh);
        EXPECT_EQ(channel.sitemap.ItemCount(), 1u);
    }
}

TEST(ClearChannel, DeepAndWideSiteMapIsRemovedWholeAndTheRootRecordReset)
{
    fw::Channel channel;
    cdftest::BuildFullHead(channel);
    fw::SitemapItem* root = channel.sitemap.Root();
    fw::SitemapItem* innermost = cdftest::AddChain(channel, 100000);
    for (int i = 0; i < 1000; ++i)
        AddChild(channel, innermost, Page("p.htm", "P"));
    for (int i = 0; i < 1000; ++i)
        AddChild(channel, root, Page("top.htm", "T"));
    fw::SitemapNode& rootNode = root->Node();
    rootNode.m_strTitle = "Old root title";
    rootNode.m_nLevel = 5;
    rootNode.m_bPrecache = 0;
    rootNode.m_strIconHref = "r.ico";
    rootNode.m_nUsage = fw::kUsageEmail;
    ASSERT_EQ(channel.sitemap.ItemCount(), 1u + 100000u + 2000u);

    channel.Clear();

    EXPECT_EQ(channel.sitemap.ItemCount(), 1u);
    EXPECT_EQ(channel.sitemap.Root(), root) << "the root itself is never deleted";
    EXPECT_EQ(root->FirstChild(), nullptr);
    EXPECT_EQ(root->ChildCount(), 0u);
    EXPECT_EQ(rootNode.m_strHref, "http://");
    EXPECT_EQ(rootNode.m_strAbstract, "");
    EXPECT_EQ(rootNode.m_nLevel, 0);
    EXPECT_EQ(rootNode.m_bPrecache, 1);
    EXPECT_EQ(rootNode.m_bIsPage, 0);
    EXPECT_EQ(rootNode.m_strIconHref, "http://");
    EXPECT_EQ(rootNode.m_nUsage, fw::kUsageSitemap);
    EXPECT_EQ(root->Label(), fw::kDefaultTitleSjis);
    // The site map dialog refreshes the root's title when it is next shown.
    EXPECT_EQ(rootNode.m_strTitle, "Old root title");
}

TEST(ClearChannel, HeadLogosAndScheduleGoBackToTheirStartUpValues)
{
    fw::Channel channel;
    cdftest::BuildEveryOptionalPiece(channel);
    channel.schedule.m_nUpdateUnit = 1;
    channel.schedule.SelectHourEntry(2);
    ASSERT_EQ(channel.head.m_bUseBaseUrl, 1);

    channel.Clear();

    const fw::ChannelHead fresh;
    EXPECT_EQ(channel.head.m_bUseBaseUrl, 0);
    EXPECT_EQ(channel.head.m_strBaseUrl, "http://");
    EXPECT_EQ(channel.head.m_strHomeUrl, fresh.m_strHomeUrl);
    EXPECT_EQ(channel.head.m_strCdfUrl, fresh.m_strCdfUrl);
    EXPECT_EQ(channel.head.m_strTitle, fresh.m_strTitle);
    EXPECT_EQ(channel.head.m_strAbstract, "");
    EXPECT_EQ(channel.logos.m_strIconUrl, "http://");
    EXPECT_EQ(channel.logos.m_strLogoUrl, "http://");
    EXPECT_EQ(channel.logos.m_strWideLogoUrl, "http://");

    const fw::LocalDate today = fw::TodayLocalDate();
    const fw::ScheduleRecord& schedule = channel.schedule;
    EXPECT_EQ(schedule.m_nUpdateUnit, 0);
    EXPECT_EQ(schedule.m_nHourSel, fw::kDefaultHourSel);
    EXPECT_EQ(schedule.m_nIntervalHour, 6u);
    EXPECT_EQ(schedule.m_nIntervalDay, 7u);
    EXPECT_EQ(schedule.m_bStartDate, 0);
    EXPECT_EQ(schedule.m_bStopDate, 0);
    EXPECT_EQ(schedule.m_nStartYear, today.year);
    EXPECT_EQ(schedule.m_nStopDay, today.day);
    EXPECT_EQ(schedule.m_nEarliestDay + schedule.m_nEarliestHour + schedule.m_nEarliestMin, 0u);
    EXPECT_EQ(schedule.m_nLatestDay + schedule.m_nLatestHour + schedule.m_nLatestMin, 0u);
}

TEST(ClearChannel, CopyMadeBeforeClearCanBePastedAfterIt)
{
    fw::Channel channel;
    fw::SitemapItem* sub = AddChild(channel, channel.sitemap.Root(), SubChannel("s.htm", "S"));
    fw::SitemapNode record = Page("copied.htm", "Copied");
    record.m_strAbstract = "kept";
    record.m_nUsage = fw::kUsageScreenSaver;
    record.m_strIconHref = "c.ico";
    fw::SitemapItem* page = AddChild(channel, sub, record);
    channel.sitemap.Select(page);
    channel.sitemap.CopySelected();

    channel.Clear();
    EXPECT_EQ(channel.sitemap.m_copyNode, record);

    channel.sitemap.Select(channel.sitemap.Root());
    fw::SitemapItem* pasted = channel.sitemap.Paste();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Node(), record);
    EXPECT_EQ(pasted->Parent(), channel.sitemap.Root());
    EXPECT_EQ(channel.sitemap.ItemCount(), 2u);
}

}  // namespace
