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
static_assert(NoNameHoldsAnEarlierOne(kScheduleNames) && NoNameHoldsAnEarlierOne(kTimeNames));
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
    while (NextAttribute()) {
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
        default:
            break;
        }
        Trace("\n");
    }
}

namespace {

using TimeFields = CdfReadPass::TimeFields;
using TimeNamesSeen = CdfReadPass::TimeNamesSeen;

TimeFields FieldsOf(CdfReadPass::TimeElement element, ScheduleRecord& schedule)
{
    switch (element) {
    case CdfReadPass::TimeElement::Earliest:
        return {"EARLIESTTIME:\n", &schedule.m_nEarliestDay, &schedule.m_nEarliestHour, &schedule.m_nEarliestMin};
    case CdfReadPass::TimeElement::Latest:
        return {"LATESTTIME:\n", &schedule.m_nLatestDay, &schedule.m_nLatestHour, &schedule.m_nLatestMin};
    case CdfReadPass::TimeElement::Interval:
        break;
    }
    return {"INTERVALTIME:\n", &schedule.m_nIntervalDay, &schedule.m_nIntervalHour, &schedule.m_nIntervalMin};
}

// INTERVALTIME also decides the schedule's unit, from the names it carries:
// HOUR or MIN mean hour unit, and since the writer leaves zero values out, a
// missing HOUR is the "0" entry and a missing MIN is 0 minutes; DAY alone
// means day unit. Without attributes the unit stays as it was.
void ApplyIntervalUnit(ScheduleRecord& schedule, const TimeNamesSeen& seen)
{
    if (seen.hour || seen.min) {
        schedule.m_nUpdateUnit = 1;
        if (!seen.hour)
            schedule.SelectHourEntry(0);
        if (!seen.min)
            schedule.m_nIntervalMin = 0;
    } else if (seen.day) {
        schedule.m_nUpdateUnit = 0;
    }
}

}  // namespace

void CdfReadPass::ReadScheduleTime(TimeElement element)
{
    ScheduleRecord& schedule = m_channel.schedule;
    const TimeFields fields = FieldsOf(element, schedule);
    Trace(fields.trace);
    const TimeNamesSeen seen = ReadTimeAttributes(element, fields);
    Trace("\n");
    if (element == TimeElement::Interval)
        ApplyIntervalUnit(schedule, seen);
}

// DAY, HOUR and MIN into their fields; the interval's HOUR picks the nearest
// entry of the hour list instead.
CdfReadPass::TimeNamesSeen CdfReadPass::ReadTimeAttributes(TimeElement element, const TimeFields& fields)
{
    TimeNamesSeen seen;
    while (NextAttribute()) {
        switch (MatchName(kTimeNames)) {
        case kDay:
            Trace("DAY:");
            seen.day = true;
            *fields.day = UnsignedValue(m_value);
            break;
        case kHour:
            Trace("HOUR:");
            seen.hour = true;
            if (element == TimeElement::Interval)
                m_channel.schedule.SelectHourEntry(HourIndexForHours(LeadingInteger(m_value)));
            else
                *fields.hour = UnsignedValue(m_value);
            break;
        case kMin:
            Trace("MIN:");
            seen.min = true;
            *fields.min = UnsignedValue(m_value);
            break;
        default:
            break;
        }
    }
    return seen;
}

}  // namespace fw
