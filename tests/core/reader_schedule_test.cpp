// SCHEDULE and its children: dates, the hour list, the update window, and the
// unit the interval is read in.

#include <gtest/gtest.h>

#include "reader_support.h"

namespace fw {
namespace {

using testing::LoadDeclared;

testing::Loaded LoadSchedule(const std::string& schedule)
{
    return LoadDeclared("<CHANNEL>\n  " + schedule + "\n</CHANNEL>\n");
}

TEST(ReaderScheduleTest, DatesInTheWritersForm)
{
    auto loaded = LoadSchedule("<SCHEDULE STARTDATE=\"2004-7-15\" STOPDATE=\"2005-12-1\">\n  </SCHEDULE>");
    const ScheduleRecord& s = loaded.schedule();
    EXPECT_EQ(s.m_bStartDate, 1);
    EXPECT_EQ(s.m_nStartYear, 2004u);
    EXPECT_EQ(s.m_nStartMonth, 7u);
    EXPECT_EQ(s.m_nStartDay, 15u);
    EXPECT_EQ(s.m_bStopDate, 1);
    EXPECT_EQ(s.m_nStopYear, 2005u);
    EXPECT_EQ(s.m_nStopMonth, 12u);
    EXPECT_EQ(s.m_nStopDay, 1u);
}

struct DateCase {
    const char* value;
    bool setsYear;
    bool setsMonthAndDay;
    unsigned year, month, day;
};

// Each '-' that is missing leaves the fields it would have separated as they
// were (today's date after the clear).
TEST(ReaderScheduleTest, DateSplitSetsOnlyTheFieldsItFinds)
{
    const DateCase cases[] = {
        {"2004", false, false, 0, 0, 0},
        {"", false, false, 0, 0, 0},
        {"2004-7", true, false, 2004, 0, 0},
        {"2004-07-09", true, true, 2004, 7, 9},
        {"x-y-z", true, true, 0, 0, 0},
        {"2004-7-15-3", true, true, 2004, 7, 15},  // the day stops at its '-'
        {" 2004 - 7 - 15", true, true, 2004, 7, 15},
    };
    for (const DateCase& c : cases) {
        auto loaded = LoadSchedule(std::string("<SCHEDULE STARTDATE=\"") + c.value + "\" STOPDATE=\"" + c.value + "\">");
        const ScheduleRecord& s = loaded.schedule();
        const ScheduleRecord cleared;
        EXPECT_EQ(s.m_bStartDate, 1) << c.value;
        EXPECT_EQ(s.m_bStopDate, 1) << c.value;
        EXPECT_EQ(s.m_nStartYear, c.setsYear ? c.year : cleared.m_nStartYear) << c.value;
        EXPECT_EQ(s.m_nStopYear, c.setsYear ? c.year : cleared.m_nStopYear) << c.value;
        EXPECT_EQ(s.m_nStartMonth, c.setsMonthAndDay ? c.month : cleared.m_nStartMonth) << c.value;
        EXPECT_EQ(s.m_nStopMonth, c.setsMonthAndDay ? c.month : cleared.m_nStopMonth) << c.value;
        EXPECT_EQ(s.m_nStartDay, c.setsMonthAndDay ? c.day : cleared.m_nStartDay) << c.value;
        EXPECT_EQ(s.m_nStopDay, c.setsMonthAndDay ? c.day : cleared.m_nStopDay) << c.value;
    }
}

struct HourCase {
    const char* value;
    int hourSel;
    unsigned intervalHour;
};

TEST(ReaderScheduleTest, HourFallsOnAnEntryOfTheHourList)
{
    const HourCase cases[] = {
        {"0", 0, 0},  {"1", 1, 1},   {"3", 3, 3},   {"4", 4, 4},    {"5", 5, 6},   {"6", 5, 6},
        {"7", 6, 8},  {"8", 6, 8},   {"9", 7, 12},  {"12", 7, 12},  {"24", 7, 12}, {"2x", 2, 2},
        {"-2", -2, static_cast<unsigned>(-2)},
    };
    for (const HourCase& c : cases) {
        auto loaded = LoadSchedule(std::string("<SCHEDULE><INTERVALTIME HOUR=\"") + c.value + "\"/></SCHEDULE>");
        EXPECT_EQ(loaded.schedule().m_nHourSel, c.hourSel) << c.value;
        EXPECT_EQ(loaded.schedule().m_nIntervalHour, c.intervalHour) << c.value;
    }
}

struct UnitCase {
    const char* interval;
    int unit;
    unsigned day;
    int hourSel;
    unsigned hour;
    unsigned min;
};

// The writer writes DAY in day unit and HOUR / MIN (each only when non-zero)
// in hour unit; the names present tell the unit back.
TEST(ReaderScheduleTest, IntervalAttributesDecideTheUnit)
{
    const ScheduleRecord cleared;
    const unsigned d = cleared.m_nIntervalDay;
    const int s = cleared.m_nHourSel;
    const unsigned h = cleared.m_nIntervalHour;
    const UnitCase cases[] = {
        {"<INTERVALTIME DAY=\"14\"/>", 0, 14, s, h, 0},
        {"<INTERVALTIME HOUR=\"12\" MIN=\"30\"/>", 1, d, 7, 12, 30},
        {"<INTERVALTIME HOUR=\"3\"/>", 1, d, 3, 3, 0},
        {"<INTERVALTIME MIN=\"45\"/>", 1, d, 0, 0, 45},
        {"<INTERVALTIME/>", 0, d, s, h, 0},  // nothing to tell: unchanged
        {"<INTERVALTIME>", 0, d, s, h, 0},
        {"<INTERVALTIME OTHER=\"1\"/>", 0, d, s, h, 0},
        {"<INTERVALTIME DAY=\"2\" MIN=\"5\"/>", 1, 2, 0, 0, 5},
        // A later interval wins, and DAY alone turns hour unit back to day unit.
        {"<INTERVALTIME HOUR=\"8\"/><INTERVALTIME DAY=\"3\"/>", 0, 3, 6, 8, 0},
        {"<INTERVALTIME MIN=\"5\"/><INTERVALTIME/>", 1, d, 0, 0, 5},
        // The update window never touches the unit.
        {"<EARLIESTTIME HOUR=\"2\"/><LATESTTIME MIN=\"3\"/>", 0, d, s, h, 0},
    };
    for (const UnitCase& c : cases) {
        auto loaded = LoadSchedule(std::string("<SCHEDULE>") + c.interval + "</SCHEDULE>");
        const ScheduleRecord& r = loaded.schedule();
        EXPECT_EQ(r.m_nUpdateUnit, c.unit) << c.interval;
        EXPECT_EQ(r.m_nIntervalDay, c.day) << c.interval;
        EXPECT_EQ(r.m_nHourSel, c.hourSel) << c.interval;
        EXPECT_EQ(r.m_nIntervalHour, c.hour) << c.interval;
        EXPECT_EQ(r.m_nIntervalMin, c.min) << c.interval;
    }
}

TEST(ReaderScheduleTest, UpdateWindowIsTakenAsWrittenWithoutMapping)
{
    auto loaded = LoadSchedule(
        "<SCHEDULE>\n    <EARLIESTTIME DAY=\"1\" HOUR=\"30\" MIN=\"70\"/>\n    <LATESTTIME day=\"4\" hour=\"7\" min=\"5\"/>\n"
        "  </SCHEDULE>");
    const ScheduleRecord& s = loaded.schedule();
    EXPECT_EQ(s.m_nEarliestDay, 1u);
    EXPECT_EQ(s.m_nEarliestHour, 30u);
    EXPECT_EQ(s.m_nEarliestMin, 70u);
    EXPECT_EQ(s.m_nLatestDay, 4u);
    EXPECT_EQ(s.m_nLatestHour, 7u);
    EXPECT_EQ(s.m_nLatestMin, 5u);
    EXPECT_EQ(s.m_nHourSel, ScheduleRecord().m_nHourSel);
}

TEST(ReaderScheduleTest, TimesOutsideTheScheduleAreIgnored)
{
    auto loaded = LoadDeclared(
        "<CHANNEL>\n<INTERVALTIME HOUR=\"12\"/><EARLIESTTIME DAY=\"1\"/>\n"
        "<SCHEDULE></SCHEDULE>\n<LATESTTIME DAY=\"2\"/>\n</CHANNEL>");
    const ScheduleRecord cleared;
    const ScheduleRecord& s = loaded.schedule();
    EXPECT_EQ(s.m_nUpdateUnit, 0);
    EXPECT_EQ(s.m_nHourSel, cleared.m_nHourSel);
    EXPECT_EQ(s.m_nEarliestDay, 0u);
    EXPECT_EQ(s.m_nLatestDay, 0u);
}

TEST(ReaderScheduleTest, ScheduleFlagSurvivesOtherElementsUntilItsEndTag)
{
    auto loaded = LoadDeclared(
        "<SCHEDULE>\n<CHANNEL><ITEM></ITEM></CHANNEL>\n<INTERVALTIME DAY=\"9\"/>");
    EXPECT_EQ(loaded.schedule().m_nIntervalDay, 9u);
}

}  // namespace
}  // namespace fw
