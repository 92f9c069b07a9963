// The schedule record: ResetSchedule, and the hour list that ties the combo's
// selected index to a number of hours.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "channel/ScheduleRecord.h"

namespace {

TEST(ScheduleRecord, ResetScheduleBringsEveryMemberBackWithTheGivenDate)
{
    fw::ScheduleRecord r;
    r.m_nIntervalDay = 400;
    r.m_nIntervalMin = r.m_nEarliestDay = r.m_nEarliestHour = r.m_nEarliestMin = 75;
    r.m_nLatestDay = r.m_nLatestHour = r.m_nLatestMin = 75;
    r.m_nUpdateUnit = 1;
    r.SelectHourEntry(7);
    r.m_nStartYear = r.m_nStopYear = 99999;
    r.m_nStartMonth = r.m_nStopMonth = r.m_nStartDay = r.m_nStopDay = 40;
    r.m_bStartDate = r.m_bStopDate = 1;

    r.ResetSchedule(fw::LocalDate{2004, 2, 29});
    const unsigned pace[] = {r.m_nIntervalHour, r.m_nIntervalDay, r.m_nIntervalMin, r.m_nEarliestDay, r.m_nEarliestHour,
                             r.m_nEarliestMin,  r.m_nLatestDay,   r.m_nLatestHour,  r.m_nLatestMin};
    const unsigned initialPace[] = {6, 7, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(pace), std::end(pace), std::begin(initialPace)));
    EXPECT_EQ(r.m_nUpdateUnit, 0);
    EXPECT_EQ(r.m_nHourSel, 5);
    const unsigned dates[] = {r.m_nStartYear, r.m_nStartMonth, r.m_nStartDay,
                              r.m_nStopYear,  r.m_nStopMonth,  r.m_nStopDay};
    const unsigned expectedDates[] = {2004, 2, 29, 2004, 2, 29};
    EXPECT_TRUE(std::equal(std::begin(dates), std::end(dates), std::begin(expectedDates)));
    EXPECT_EQ(r.m_bStartDate + r.m_bStopDate, 0);

    // Without a date it takes today's (one side of midnight or the other).
    const fw::LocalDate before = fw::TodayLocalDate();
    r.ResetSchedule();
    const fw::LocalDate after = fw::TodayLocalDate();
    EXPECT_TRUE(r.m_nStopYear == before.year || r.m_nStopYear == after.year);
    EXPECT_TRUE(r.m_nStartMonth == before.month || r.m_nStartMonth == after.month);
    EXPECT_TRUE(r.m_nStopDay == before.day || r.m_nStopDay == after.day);
}

TEST(ScheduleRecord, HourListMapsIndexesToHoursAndFileHoursToEntries)
{
    const unsigned hours[] = {0, 1, 2, 3, 4, 6, 8, 12};
    fw::ScheduleRecord r;
    for (int index = 0; index < 8; ++index) {
        EXPECT_EQ(fw::HoursForHourIndex(index), hours[index]) << index;
        EXPECT_EQ(fw::HourIndexForHours(static_cast<int>(hours[index])), index) << index;
        r.SelectHourEntry(index);
        EXPECT_EQ(r.m_nIntervalHour, hours[index]) << index;
    }
    // Hours without an entry fall on the next one up; beyond 8 on "12".
    EXPECT_EQ(fw::HourIndexForHours(5), 5);
    EXPECT_EQ(fw::HourIndexForHours(7), 6);
    EXPECT_EQ(fw::HourIndexForHours(9), 7);
    EXPECT_EQ(fw::HourIndexForHours(2147483647), 7);
    // A negative number of hours keeps its value on both sides.
    r.SelectHourEntry(fw::HourIndexForHours(-3));
    EXPECT_EQ(r.m_nHourSel, -3);
    EXPECT_EQ(r.m_nIntervalHour, static_cast<unsigned>(-3));
}

}  // namespace
