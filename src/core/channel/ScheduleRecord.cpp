#include "channel/ScheduleRecord.h"

#include <ctime>

namespace fw {

LocalDate TodayLocalDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalDate{static_cast<unsigned>(local.tm_year + 1900), static_cast<unsigned>(local.tm_mon + 1),
                     static_cast<unsigned>(local.tm_mday)};
}

unsigned HoursForHourIndex(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < kHourEntries.size())
        return kHourEntries[static_cast<std::size_t>(index)];
    return static_cast<unsigned>(index);
}

int HourIndexForHours(int hours)
{
    if (hours < 5)
        return hours;
    if (hours <= 6)
        return 5;
    if (hours <= 8)
        return 6;
    return 7;
}

void ScheduleRecord::ResetSchedule(LocalDate today)
{
    m_nIntervalHour = kHourEntries[kDefaultHourSel];
    m_nIntervalDay = 7;
    m_nIntervalMin = 0;
    m_nEarliestDay = m_nEarliestHour = m_nEarliestMin = 0;
    m_nLatestDay = m_nLatestHour = m_nLatestMin = 0;
    m_nUpdateUnit = 0;
    m_nHourSel = kDefaultHourSel;
    m_nStartMonth = today.month;
    m_nStartDay = today.day;
    m_nStartYear = today.year;
    m_nStopDay = today.day;
    m_nStopMonth = today.month;
    m_nStopYear = today.year;
    m_bStartDate = 0;
    m_bStopDate = 0;
}

void ScheduleRecord::SelectHourEntry(int index)
{
    m_nHourSel = index;
    m_nIntervalHour = HoursForHourIndex(index);
}

}  // namespace fw
