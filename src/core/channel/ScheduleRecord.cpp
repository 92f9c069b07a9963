#include "channel/ScheduleRecord.h"

#include <ctime>

#include "text/SjisText.h"

namespace fw {

namespace {

bool IsDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

// Digits at the front of `text`, taken off it; false when there are none.
bool TakeNumber(std::string_view& text, unsigned& number)
{
    std::size_t at = 0;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    if (at == 0)
        return false;
    number = static_cast<unsigned>(LeadingInteger(text.substr(0, at)));
    text.remove_prefix(at);
    return true;
}

std::optional<LocalDate> StrictDate(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    LocalDate date;
    if (!TakeNumber(text, date.year) || text.empty())
        return std::nullopt;
    const char separator = text.front();
    if (separator != '-' && separator != '.' && separator != '/')
        return std::nullopt;
    text.remove_prefix(1);
    if (!TakeNumber(text, date.month) || text.empty() || text.front() != separator)
        return std::nullopt;
    text.remove_prefix(1);
    if (!TakeNumber(text, date.day))
        return std::nullopt;
    if (!text.empty() && text.front() != 'T' && text.front() != 't' && text.front() != ' ')
        return std::nullopt;
    return date;
}

}  // namespace

std::optional<LocalDate> DateOfValue(std::string_view value)
{
    if (std::optional<LocalDate> date = StrictDate(value))
        return date;
    const std::size_t first = value.find('-');
    const std::size_t second = first == std::string_view::npos ? first : value.find('-', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    // The form the writer writes, read as it always has been.
    return LocalDate{static_cast<unsigned>(LeadingInteger(value.substr(0, first))),
                     static_cast<unsigned>(LeadingInteger(value.substr(first + 1, second - first - 1))),
                     static_cast<unsigned>(LeadingInteger(value.substr(second + 1)))};
}

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
    m_kept.Reset();
}

void ScheduleRecord::SelectHourEntry(int index)
{
    m_nHourSel = index;
    m_nIntervalHour = HoursForHourIndex(index);
}

}  // namespace fw
