// SCHEDULE and its INTERVALTIME, EARLIESTTIME and LATESTTIME children: the
// schedule record.

#include <array>
#include <string_view>

#include "cdf/CdfReadPass.h"
#include "channel/Channel.h"
#include "text/SjisText.h"

namespace fw {

namespace {

constexpr std::array<std::string_view, 2> kScheduleNames = {"STARTDATE", "STOPDATE"};
constexpr std::array<std::string_view, 3> kTimeNames = {"DAY", "HOUR", "MIN"};
enum TimeName { kDay, kHour, kMin };

unsigned UnsignedValue(std::string_view text)
{
    return static_cast<unsigned>(LeadingInteger(text));
}

// A date as the writer writes it, year-month-day. A field whose '-' is
// missing keeps its value: no '-' leaves all three, one '-' sets the year only.
void SplitDate(std::string_view value, unsigned& year, unsigned& month, unsigned& day)
{
    std::size_t dash = value.find('-');
    if (dash != std::string_view::npos) {
        year = UnsignedValue(value.substr(0, dash));
        value.remove_prefix(dash + 1);
    }
    dash = value.find('-');
    if (dash != std::string_view::npos) {
        month = UnsignedValue(value.substr(0, dash));
        day = UnsignedValue(value.substr(dash + 1));
    }
}

}  // namespace

void CdfReadPass::ReadSchedule()
{
    Trace("SCHEDULE:\n");
    m_inSchedule = true;
    ScheduleRecord& schedule = m_channel.schedule;
    while (NextAttribute(false)) {
        switch (MatchName(kScheduleNames)) {
        case 0:
            Trace("STARTDATE:");
            schedule.m_bStartDate = 1;
            SplitDate(m_value, schedule.m_nStartYear, schedule.m_nStartMonth, schedule.m_nStartDay);
            break;
        case 1:
            Trace("STOPDATE:");
            schedule.m_bStopDate = 1;
            SplitDate(m_value, schedule.m_nStopYear, schedule.m_nStopMonth, schedule.m_nStopDay);
            break;
        default: break;
        }
        Trace("\n");
    }
}

// INTERVALTIME also decides the schedule's unit, from the names it carries:
// HOUR or MIN mean hour unit, and since the writer leaves zero values out, a
// missing HOUR is the "0" entry and a missing MIN is 0 minutes; DAY alone
// means day unit. Without attributes the unit stays as it was.
void CdfReadPass::ReadScheduleTime(TimeElement element)
{
    ScheduleRecord& schedule = m_channel.schedule;
    unsigned* day = &schedule.m_nIntervalDay;
    unsigned* hour = &schedule.m_nIntervalHour;
    unsigned* min = &schedule.m_nIntervalMin;
    switch (element) {
    case TimeElement::Interval: Trace("INTERVALTIME:\n"); break;
    case TimeElement::Earliest:
        Trace("EARLIESTTIME:\n");
        day = &schedule.m_nEarliestDay;
        hour = &schedule.m_nEarliestHour;
        min = &schedule.m_nEarliestMin;
        break;
    case TimeElement::Latest:
        Trace("LATESTTIME:\n");
        day = &schedule.m_nLatestDay;
        hour = &schedule.m_nLatestHour;
        min = &schedule.m_nLatestMin;
        break;
    }

    bool sawDay = false;
    bool sawHour = false;
    bool sawMin = false;
    while (NextAttribute(false)) {
        switch (MatchName(kTimeNames)) {
        case kDay:
            Trace("DAY:");
            sawDay = true;
            *day = UnsignedValue(m_value);
            break;
        case kHour:
            Trace("HOUR:");
            sawHour = true;
            if (element == TimeElement::Interval)
                schedule.SelectHourEntry(HourIndexForHours(LeadingInteger(m_value)));
            else
                *hour = UnsignedValue(m_value);
            break;
        case kMin:
            Trace("MIN:");
            sawMin = true;
            *min = UnsignedValue(m_value);
            break;
        default: break;
        }
    }
    Trace("\n");

    if (element != TimeElement::Interval)
        return;
    if (sawHour || sawMin) {
        schedule.m_nUpdateUnit = 1;
        if (!sawHour)
            schedule.SelectHourEntry(0);
        if (!sawMin)
            schedule.m_nIntervalMin = 0;
    } else if (sawDay) {
        schedule.m_nUpdateUnit = 0;
    }
}

}  // namespace fw
