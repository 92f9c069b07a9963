// The schedule's start-up values, the head as the site map's root record,
// and Clear, which puts the whole channel back into its start-up state.

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "core/core_test_support.h"

namespace {

// Every field of a record full of 75s (and flags set) comes back: the pace
// of a fresh record, and the given date, else today's.
TEST(ScheduleRecord, ResetScheduleBringsBackTheInitialPaceAndTheGivenDate)
{
    fw::ScheduleRecord r;
    for (unsigned* field : {&r.m_nIntervalDay, &r.m_nIntervalMin, &r.m_nEarliestDay, &r.m_nEarliestHour,
                            &r.m_nEarliestMin, &r.m_nLatestDay, &r.m_nLatestHour, &r.m_nLatestMin, &r.m_nStartYear,
                            &r.m_nStartMonth, &r.m_nStartDay, &r.m_nStopYear, &r.m_nStopMonth, &r.m_nStopDay})
        *field = 75;
    r.m_nUpdateUnit = r.m_bStartDate = r.m_bStopDate = 1;
    r.SelectHourEntry(7);
    const fw::ScheduleRecord garbled = r;
    r.ResetSchedule(fw::LocalDate{2004, 2, 29});
    EXPECT_EQ(cdftest::Differences(cdftest::ScheduleFields(r), cdftest::ScheduleFields(garbled)),
              "IntervalHour=6 IntervalDay=7 IntervalMin=0 EarliestDay=0 EarliestHour=0 EarliestMin=0 LatestDay=0 "
              "LatestHour=0 LatestMin=0 UpdateUnit=0 HourSel=5 StartMonth=2 StartDay=29 StartYear=2004 StopDay=29 "
              "StopMonth=2 StopYear=2004 StartDate=0 StopDate=0");

    fw::ScheduleRecord today;
    today.ResetSchedule(fw::TodayLocalDate());
    r.ResetSchedule();
    EXPECT_EQ(r, today);
    EXPECT_EQ(fw::ScheduleRecord(), today);
    // Today as the calendar names it: months count from 1.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char month[3] = {};
    std::strftime(month, sizeof month, "%m", &local);
    EXPECT_EQ(fw::TodayLocalDate().month, std::stoul(month));
    EXPECT_EQ(fw::HoursForHourIndex(8), 8u);  // past the hour list, the index is kept
}

// The site map dialog edits the head's title, home URL and abstract as the
// root record's, and gives them back.
TEST(ChannelHead, RootRecordTakesAndGivesBackTitleHomeUrlAndAbstract)
{
    const fw::ChannelHead head{.m_strAbstract = "A", .m_strTitle = "T", .m_strHomeUrl = "http://h"};
    fw::SitemapNode root;
    fw::ChannelHead back;
    fw::RootRecordFromHead(root, head);
    fw::HeadFromRootRecord(back, root);
    EXPECT_EQ(back, head);
}

TEST(ChannelClear, EveryPartGoesBackToStartUpAndTheCopyBufferStays)
{
    fw::Channel channel;
    cdftest::BuildWorkedExample(channel);  // base URL on, logos, dates, window, items
    channel.schedule.m_nUpdateUnit = 1;
    channel.schedule.SelectHourEntry(2);
    channel.schedule.m_nIntervalMin = 9;
    fw::SitemapItem* root = channel.sitemap.Root();
    root->Node() = {"http://r/", "Old root title", "root abstract", 5, 0, 1, "r.ico", fw::kUsageEmail};
    channel.sitemap.SetLabel(root, "Root label");
    // Content kept from a file goes with everything else, and is copied with its item.
    const fw::KeptAttribute lastmod{fw::KeptPart::Self, false, "LASTMOD", "1998-03-02"};
    for (fw::Kept* kept : {&channel.head.m_kept, &channel.logos.m_kept, &channel.schedule.m_kept, &root->Node().m_kept})
        kept->Make().attributes.push_back(lastmod);
    fw::SitemapNode copied = cdftest::Page("copied.htm", "Copied");
    copied.m_kept.Make().children.push_back({fw::KeptPart::Self, fw::KeptToken::Kind::Empty, "LOG", {{"VALUE", "v"}}});
    channel.sitemap.Select(cdftest::AddChild(channel, root, copied));
    channel.sitemap.CopySelected();

    channel.Clear();

    EXPECT_EQ(cdftest::Describe(channel), "");
    EXPECT_EQ(channel.sitemap.ItemCount(), 1u);
    EXPECT_EQ(channel.sitemap.Selected(), root);
    EXPECT_TRUE(cdftest::Written(channel) == cdftest::ReadFileBytes(cdftest::GoldenDir() + "/fresh.cdf"));
    // The site map dialog refreshes the root's own title when it is next shown.
    EXPECT_EQ(root->Node().m_strTitle, "Old root title");

    channel.sitemap.Select(root);
    fw::SitemapItem* pasted = channel.sitemap.Paste();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Node(), copied);
    EXPECT_EQ(cdftest::Outline(*root), "P Copied{Href=copied.htm Kept=LOG}");
}

}  // namespace
