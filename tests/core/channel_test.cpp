// The channel's records: the schedule's start-up values and hour list, and
// Clear, which puts the whole channel back into its start-up state.

#include <gtest/gtest.h>

#include <string>

#include "core/core_test_support.h"

namespace {

TEST(ScheduleRecord, ResetScheduleBringsBackTheInitialPaceAndTheGivenDate)
{
    fw::ScheduleRecord r;
    r.m_nIntervalDay = r.m_nIntervalMin = r.m_nEarliestDay = r.m_nEarliestHour = r.m_nEarliestMin = 75;
    r.m_nLatestDay = r.m_nLatestHour = r.m_nLatestMin = 75;
    r.m_nStartYear = r.m_nStartMonth = r.m_nStartDay = r.m_nStopYear = r.m_nStopMonth = r.m_nStopDay = 75;
    r.m_nUpdateUnit = r.m_bStartDate = r.m_bStopDate = 1;
    r.SelectHourEntry(7);
    r.ResetSchedule(fw::LocalDate{2004, 2, 29});
    std::string values;
    for (const auto& field : cdftest::ScheduleFields(r))
        values += field.second + " ";
    EXPECT_EQ(values, "6 7 0 0 0 0 0 0 0 0 5 2 29 2004 29 2 2004 0 0 ");

    // Without a date, as in a fresh record, it takes today's.
    fw::ScheduleRecord today;
    today.ResetSchedule(fw::TodayLocalDate());
    r.ResetSchedule();
    const cdftest::Fields expected = cdftest::ScheduleFields(today);
    EXPECT_EQ(cdftest::Differences(cdftest::ScheduleFields(r), expected), "");
    EXPECT_EQ(cdftest::Differences(cdftest::ScheduleFields(fw::ScheduleRecord()), expected), "");
}

TEST(ScheduleRecord, HourListMapsIndexesToHoursAndBack)
{
    const unsigned hours[] = {0, 1, 2, 3, 4, 6, 8, 12};
    fw::ScheduleRecord r;
    for (int index = 0; index < 8; ++index) {
        EXPECT_EQ(fw::HoursForHourIndex(index), hours[index]) << index;
        EXPECT_EQ(fw::HourIndexForHours(static_cast<int>(hours[index])), index) << index;
        r.SelectHourEntry(index);
        EXPECT_EQ(r.m_nIntervalHour, hours[index]) << index;
        EXPECT_EQ(r.m_nHourSel, index);
    }
    // Hours without an entry fall on the next one up, beyond 8 on "12"; a
    // negative number keeps its value on both sides.
    const std::pair<int, int> between[] = {{5, 5}, {7, 6}, {9, 7}, {24, 7}, {2147483647, 7}, {-3, -3}};
    for (const auto& [hoursRead, index] : between)
        EXPECT_EQ(fw::HourIndexForHours(hoursRead), index) << hoursRead;
    r.SelectHourEntry(-3);
    EXPECT_EQ(r.m_nIntervalHour, static_cast<unsigned>(-3));
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
    cdftest::AddChain(channel, 100000);
    const fw::SitemapNode copied = cdftest::Page("copied.htm", "Copied");
    channel.sitemap.Select(cdftest::AddChild(channel, root, copied));
    channel.sitemap.CopySelected();

    EXPECT_TRUE(cdftest::RunOnSmallStack([&] { channel.Clear(); }));

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
    EXPECT_EQ(cdftest::Outline(*root), "P Copied{Href=copied.htm}");
}

}  // namespace
