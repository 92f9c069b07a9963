#pragma once
// How often subscribers fetch the channel: the update pace, the update window
// and the optional start and stop dates.

#include <array>
#include <optional>
#include <string_view>

#include "channel/KeptContent.h"

namespace fw {

// A calendar date as the schedule holds it.
struct LocalDate {
    unsigned year = 0;
    unsigned month = 0;
    unsigned day = 0;

    bool operator==(const LocalDate&) const = default;
};

// The date a STARTDATE or STOPDATE value gives, read whole: year, month and
// day in digits parted by '-', '.' or '/' (the same both times), with or
// without a time and zone after a 'T' or a blank; else, with two '-' in it,
// the leading number before the first, between the two and after the second.
// Nothing for any other value, which no record can take.
std::optional<LocalDate> DateOfValue(std::string_view value);

// The local calendar date of this moment.
LocalDate TodayLocalDate();

// The hour entries of the schedule's combo box, by index: "0" .. "12".
inline constexpr std::array<unsigned, 8> kHourEntries = {0, 1, 2, 3, 4, 6, 8, 12};
inline constexpr int kDefaultHourSel = 5;  // "6"

// The number of hours of entry `index`; an index outside the list gives the
// index itself (a value that came from elsewhere keeps its meaning).
unsigned HoursForHourIndex(int index);

// The entry a number of hours read from a file falls on: h below 5 gives
// index h, 5 and 6 give the "6" entry, 7 and 8 the "8" entry, above 8 the
// "12" entry. A negative h gives index h.
int HourIndexForHours(int hours);

struct ScheduleRecord {
    unsigned m_nIntervalHour = kHourEntries[kDefaultHourSel];
    unsigned m_nIntervalDay = 7;
    unsigned m_nIntervalMin = 0;
    unsigned m_nEarliestDay = 0;
    unsigned m_nEarliestHour = 0;
    unsigned m_nEarliestMin = 0;
    unsigned m_nLatestDay = 0;
    unsigned m_nLatestHour = 0;
    unsigned m_nLatestMin = 0;
    int m_nUpdateUnit = 0;  // 0 day unit, 1 hour unit
    int m_nHourSel = kDefaultHourSel;
    unsigned m_nStartMonth = 0;
    unsigned m_nStartDay = 0;
    unsigned m_nStartYear = 0;
    unsigned m_nStopDay = 0;
    unsigned m_nStopMonth = 0;
    unsigned m_nStopYear = 0;
    int m_bStartDate = 0;
    int m_bStopDate = 0;
    Kept m_kept{};  // of SCHEDULE and its time elements

    ScheduleRecord() { ResetSchedule(); }

    // Every member back to its initial value, both dates to today's.
    void ResetSchedule() { ResetSchedule(TodayLocalDate()); }
    void ResetSchedule(LocalDate today);

    // Selects hour entry `index` and keeps m_nIntervalHour in step with it.
    void SelectHourEntry(int index);

    bool operator==(const ScheduleRecord&) const = default;
};

}  // namespace fw
