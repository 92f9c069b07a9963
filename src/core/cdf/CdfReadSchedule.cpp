// SCHEDULE and its INTERVALTIME, EARLIESTTIME and LATESTTIME children: the
// schedule record.

#include <array>
#include <optional>
#include <string>
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

}  // namespace

// A date is taken whole or not at all: a value that gives no whole date is
// kept as written, and the record's date stays unset.
void CdfReadPass::ReadScheduleDate(bool start)
{
    ScheduleRecord& schedule = m_channel.schedule;
    const std::optional<LocalDate> date = DateOfValue(m_value);
    if (!date) {
        KeepAttribute(schedule.m_kept, KeptPart::Self);
        return;
    }
    (start ? schedule.m_bStartDate : schedule.m_bStopDate) = 1;
    (start ? schedule.m_nStartYear : schedule.m_nStopYear) = date->year;
    (start ? schedule.m_nStartMonth : schedule.m_nStopMonth) = date->month;
    (start ? schedule.m_nStartDay : schedule.m_nStopDay) = date->day;
    // Spelled otherwise than the writer would (a time, a zone, another
    // separator): that spelling is written back while the date stays.
    if (m_value != std::to_string(date->year) + "-" + std::to_string(date->month) + "-" + std::to_string(date->day))
        KeepAttribute(schedule.m_kept, KeptPart::Self, true);
}

void CdfReadPass::ReadSchedule()
{
    Trace("SCHEDULE:\n");
    m_inSchedule = true;
    while (NextAttribute()) {
        switch (MatchName(kScheduleNames)) {
        case 0:
            Trace("STARTDATE:");
            ReadScheduleDate(true);
            break;
        case 1:
            Trace("STOPDATE:");
            ReadScheduleDate(false);
            break;
        default:
            KeepAttribute(m_channel.schedule.m_kept, KeptPart::Self);
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

// The schedule offers only the hours of its list; other hours take the
// nearest entry above them.
void CdfReadPass::ReadIntervalHours()
{
    const int hours = LeadingInteger(m_value);
    const int index = HourIndexForHours(hours);
    m_channel.schedule.SelectHourEntry(index);
    const unsigned entry = HoursForHourIndex(index);
    if (entry != static_cast<unsigned>(hours))
        TellAttribute(CdfReadAction::Changed, std::to_string(entry));
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
                ReadIntervalHours();
            else
                *fields.hour = UnsignedValue(m_value);
            break;
        case kMin:
            Trace("MIN:");
            seen.min = true;
            *fields.min = UnsignedValue(m_value);
            break;
        default:
            KeepAttribute(m_channel.schedule.m_kept,
                          element == TimeElement::Interval       ? KeptPart::Interval
                              : element == TimeElement::Earliest ? KeptPart::Earliest
                                                                 : KeptPart::Latest);
            break;
        }
    }
    return seen;
}

}  // namespace fw
