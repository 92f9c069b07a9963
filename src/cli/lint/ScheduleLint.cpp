// SCHEDULE and its times: where it stands, its dates, its interval as
// readers round it, and its update window.

#include <algorithm>

#include "lint/LintPass.h"
#include "text/SjisText.h"

namespace fw::cli::lint {

namespace {

std::string Upper(std::string_view name)
{
    std::string upper(name);
    MakeUpperSjis(upper);
    return upper;
}

constexpr long long kMinutesPerDay = 24 * 60;
// Where sums of times stop growing: far beyond any schedule, far below overflow.
constexpr long long kManyMinutes = 1LL << 50;

}  // namespace

void LintPass::OpenSchedule(const Token& tag)
{
    const bool top = !m_stack.empty() && m_stack.back().kind == Kind::Channel && m_stack.back().topLevel;
    if (!top)
        Report(tag.line, Severity::Warning, "SCHEDULE outside the top-level CHANNEL: readers ignore it");
    Schedule schedule;
    schedule.line = tag.line;
    schedule.topLevel = top;
    for (const Attribute& attribute : tag.attributes) {
        const std::string name = Upper(attribute.name);
        if (name != "STARTDATE" && name != "STOPDATE") {
            std::string zone(attribute.value);
            TrimSingleByteWhiteSpace(zone);
            if (name == "TIMEZONE" && !IsTimezoneForm(zone))
                Report(attribute.line, Severity::Warning,
                       "TIMEZONE " + Quoted(attribute.value) + " is not of the form +hhmm or -hhmm: readers ignore it");
            continue;
        }
        std::optional<Date> date = ParseDate(attribute.value);
        if (!date)
            Report(attribute.line, Severity::Warning,
                   name + " " + Quoted(attribute.value) + " is not a real date (yyyy-mm-dd)");
        (name == "STARTDATE" ? schedule.start : schedule.stop) = date;
        (name == "STARTDATE" ? schedule.startText : schedule.stopText) = std::string(attribute.value);
    }
    if (top && m_topScheduleLine == 0)
        m_topScheduleLine = tag.line;
    m_schedules.push_back(std::move(schedule));
    Push(Open(Kind::Schedule, "SCHEDULE", tag.line));
    if (tag.selfClosing)
        Pop();
}

void LintPass::ReadScheduleTime(const Token& tag, const std::string& name)
{
    if (m_schedules.empty()) {
        return;
    }
    long long minutes = 0;
    bool readable = true;
    for (const Attribute& attribute : tag.attributes) {
        const std::string unit = Upper(attribute.name);
        const long long factor = unit == "DAY" ? kMinutesPerDay : unit == "HOUR" ? 60 : unit == "MIN" ? 1 : 0;
        if (factor == 0) {
            continue;
        }
        readable = readable && IsPlainNumber(attribute.value);
        if (!IsPlainNumber(attribute.value))
            Report(attribute.line, Severity::Warning,
                   unit + " " + Quoted(attribute.value) + " of " + name + " is not a number (0 or more)");
        const int value = LeadingInteger(attribute.value);
        if (value > 0)
            minutes = std::min(minutes + value * factor, kManyMinutes);
    }
    const Time time{minutes, tag.line, readable};
    Schedule& schedule = m_schedules.back();
    if (name == "INTERVALTIME") {
        schedule.interval = time;
        if (readable)
            CheckInterval(time);
    } else {
        (name == "EARLIESTTIME" ? schedule.earliest : schedule.latest) = time;
    }
}

// Readers update every 1, 2, 3, 4, 6, 8 or 12 hours, or in whole days.
void LintPass::CheckInterval(const Time& interval)
{
    const long long minutes = interval.minutes;
    if (minutes == 0) {
        Report(interval.line, Severity::Warning, "INTERVALTIME adds up to no time: readers never update the channel");
        return;
    }
    if (minutes >= kMinutesPerDay)
        return;
    const std::string said = "INTERVALTIME of " + Duration(minutes) + ": readers ";
    if (minutes % 60 != 0) {
        Report(interval.line, Severity::Warning, said + "update in whole hours only");
        return;
    }
    const long long hours = minutes / 60;
    const long long rounded = hours == 5 ? 6 : hours == 7 ? 8 : hours > 8 && hours < 12 ? 12 : hours;
    if (hours > 12)
        Report(interval.line, Severity::Warning, said + "update once a day");
    else if (rounded != hours)
        Report(interval.line, Severity::Warning, said + "update every " + std::to_string(rounded) + " hours");
}

void LintPass::CloseSchedule()
{
    const Schedule schedule = std::move(m_schedules.back());
    m_schedules.pop_back();
    if (schedule.topLevel && schedule.interval)
        m_topScheduleHasInterval = true;
    const auto readable = [](const std::optional<Time>& time) { return time && time->readable; };
    if (readable(schedule.earliest) && readable(schedule.latest) &&
        schedule.earliest->minutes > schedule.latest->minutes)
        Report(schedule.latest->line, Severity::Warning,
               "EARLIESTTIME (" + Duration(schedule.earliest->minutes) + ") is later than LATESTTIME (" +
                   Duration(schedule.latest->minutes) + "): the update window is empty");
    if (readable(schedule.interval) && schedule.interval->minutes > 0) {
        const long long interval = schedule.interval->minutes;
        for (const auto& [time, name] :
             {std::pair{schedule.earliest, "EARLIESTTIME"}, std::pair{schedule.latest, "LATESTTIME"}}) {
            if (readable(time) && time->minutes > interval)
                Report(time->line, Severity::Warning,
                       std::string(name) + " (" + Duration(time->minutes) + ") lies beyond the update interval (" +
                           Duration(interval) + ")");
        }
    }
    if (schedule.start && schedule.stop && *schedule.stop < *schedule.start)
        Report(schedule.line, Severity::Warning,
               "STOPDATE " + Quoted(schedule.stopText) + " is before STARTDATE " + Quoted(schedule.startText) +
                   ": the channel is never updated");
}

void LintPass::CheckTopLevelSchedule(const Open& channel)
{
    if (m_topScheduleHasInterval || m_topScheduleChecked)
        return;
    m_topScheduleChecked = true;
    if (m_topScheduleLine > 0)
        Report(m_topScheduleLine, Severity::Warning, "SCHEDULE without INTERVALTIME: readers never update the channel");
    else
        Report(channel.line, Severity::Warning, "no SCHEDULE with an INTERVALTIME: readers never update the channel");
    Saved(m_topScheduleLine > 0 ? m_topScheduleLine : channel.line,
          "the channel is saved with Feedwright's default schedule, INTERVALTIME DAY=\"7\"");
}

}  // namespace fw::cli::lint
