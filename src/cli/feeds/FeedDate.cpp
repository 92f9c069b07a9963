#include "feeds/FeedDate.h"

#include <array>
#include <cstdio>

#include "text/SjisText.h"

namespace fw::cli {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> kWeekdays = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};

// Days since 1970-01-01 of a proleptic Gregorian date (Howard Hinnant's
// days_from_civil), and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Civil {
    std::int64_t year;
    unsigned month, day, hour, minute, second, weekday;
};

Civil CivilFromTime(FeedTime time)
{
    std::int64_t days = time / 86400;
    std::int64_t seconds = time % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2);
    const auto weekday = static_cast<unsigned>(((days % 7) + 7) % 7);
    return {year,
            month,
            day,
            static_cast<unsigned>(seconds / 3600),
            static_cast<unsigned>(seconds / 60 % 60),
            static_cast<unsigned>(seconds % 60),
            weekday};
}

bool IsLeap(std::int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(std::int64_t y, unsigned m)
{
    static constexpr std::array<unsigned, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// A small cursor over the text.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++m_pos;
        return true;
    }
    void SkipBlanks()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++m_pos;
    }
    // Between `min` and `max` digits.
    std::optional<unsigned> Digits(std::size_t min, std::size_t max)
    {
        unsigned value = 0;
        std::size_t count = 0;
        while (count < max && Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + static_cast<unsigned>(Peek() - '0');
            ++m_pos;
            ++count;
        }
        if (count < min)
            return std::nullopt;
        return value;
    }
    std::string_view Word()
    {
        const std::size_t start = m_pos;
        while ((Peek() >= 'A' && Peek() <= 'Z') || (Peek() >= 'a' && Peek() <= 'z'))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::optional<FeedTime> Compose(std::int64_t year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                                unsigned second, int offsetMinutes)
{
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 24 || minute > 59 ||
        second > 60 || (hour == 24 && (minute != 0 || second != 0)))
        return std::nullopt;
    if (second == 60)
        second = 59;  // a leap second: the minute is what LASTMOD keeps
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second -
        static_cast<FeedTime>(offsetMinutes) * 60;
}

// "+09:00", "-0500", "Z"; none means GMT.
std::optional<int> NumericZone(Cursor& in)
{
    if (in.Take('Z') || in.Take('z') || in.AtEnd())
        return 0;
    const bool minus = in.Peek() == '-';
    if (!in.Take('+') && !in.Take('-'))
        return std::nullopt;
    const auto hours = in.Digits(2, 2);
    in.Take(':');
    const auto minutes = in.Digits(2, 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    const int total = static_cast<int>(*hours * 60 + *minutes);
    return minus ? -total : total;
}

// W3C date-time: "2002-09-07", "2002-09-07T09:42", "...:31.25+09:00".
std::optional<FeedTime> ParseIso(std::string_view text)
{
    Cursor in(text);
    const auto year = in.Digits(4, 4);
    if (!year || !in.Take('-'))
        return std::nullopt;
    const auto month = in.Digits(2, 2);
    if (!month || !in.Take('-'))
        return std::nullopt;
    const auto day = in.Digits(2, 2);
    if (!day)
        return std::nullopt;
    if (in.AtEnd())
        return Compose(*year, *month, *day, 0, 0, 0, 0);
    if (!in.Take('T') && !in.Take('t') && !in.Take(' '))
        return std::nullopt;
    const auto hour = in.Digits(2, 2);
    if (!hour || !in.Take(':'))
        return std::nullopt;
    const auto minute = in.Digits(2, 2);
    if (!minute)
        return std::nullopt;
    unsigned second = 0;
    if (in.Take(':')) {
        const auto s = in.Digits(2, 2);
        if (!s)
            return std::nullopt;
        second = *s;
        if (in.Take('.') || in.Take(',')) {
            if (!in.Digits(1, 64))
                return std::nullopt;
        }
    }
    const auto zone = NumericZone(in);
    if (!zone || !in.AtEnd())
        return std::nullopt;
    return Compose(*year, *month, *day, *hour, *minute, second, *zone);
}

// The zone of an RFC 822 date: a name or "+0900".
std::optional<int> Rfc822Zone(Cursor& in)
{
    in.SkipBlanks();
    if (in.AtEnd())
        return 0;
    if (in.Peek() == '+' || in.Peek() == '-')
        return NumericZone(in);
    const std::string_view name = in.Word();
    static constexpr std::array<std::pair<std::string_view, int>, 11> kZones = {{{"GMT", 0},
                                                                                 {"UT", 0},
                                                                                 {"UTC", 0},
                                                                                 {"Z", 0},
                                                                                 {"EST", -5 * 60},
                                                                                 {"EDT", -4 * 60},
                                                                                 {"CST", -6 * 60},
                                                                                 {"CDT", -5 * 60},
                                                                                 {"MST", -7 * 60},
                                                                                 {"MDT", -6 * 60},
                                                                                 {"PST", -8 * 60}}};
    for (const auto& [zone, offset] : kZones) {
        if (EqualsAsciiNoCase(name, zone))
            return offset;
    }
    if (EqualsAsciiNoCase(name, "PDT"))
        return -7 * 60;
    if (EqualsAsciiNoCase(name, "JST"))
        return 9 * 60;
    return std::nullopt;
}

// RFC 822 (and 1123): "[Sat,] 07 Sep 2002 09:42[:31] GMT", two-digit years
// as 19xx/20xx the way mail readers take them.
std::optional<FeedTime> ParseRfc822(std::string_view text)
{
    Cursor in(text);
    const std::string_view first = in.Word();
    if (!first.empty()) {
        bool weekday = false;
        for (const std::string_view name : kWeekdays)
            weekday = weekday || (first.size() >= 3 && EqualsAsciiNoCase(first.substr(0, 3), name));
        if (!weekday)
            return std::nullopt;
        in.Take(',');
        in.SkipBlanks();
    }
    const auto day = in.Digits(1, 2);
    in.SkipBlanks();
    in.Take('-');
    const std::string_view monthName = in.Word();
    in.SkipBlanks();
    in.Take('-');
    unsigned month = 0;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (monthName.size() >= 3 && EqualsAsciiNoCase(monthName.substr(0, 3), kMonths[i]))
            month = static_cast<unsigned>(i + 1);
    }
    auto year = in.Digits(2, 4);
    if (!day || month == 0 || !year)
        return std::nullopt;
    if (*year < 50)
        *year += 2000;
    else if (*year < 100)
        *year += 1900;
    in.SkipBlanks();
    unsigned hour = 0, minute = 0, second = 0;
    if (!in.AtEnd()) {
        const auto h = in.Digits(1, 2);
        if (!h || !in.Take(':'))
            return std::nullopt;
        const auto m = in.Digits(2, 2);
        if (!m)
            return std::nullopt;
        hour = *h;
        minute = *m;
        if (in.Take(':')) {
            const auto s = in.Digits(2, 2);
            if (!s)
                return std::nullopt;
            second = *s;
        }
    }
    const auto zone = Rfc822Zone(in);
    in.SkipBlanks();
    if (!zone || !in.AtEnd())
        return std::nullopt;
    return Compose(*year, month, *day, hour, minute, second, *zone);
}

std::string Format(const char* format, const Civil& c)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, static_cast<long long>(c.year), c.month, c.day, c.hour, c.minute,
                  c.second);
    return buffer;
}

}  // namespace

std::optional<FeedTime> ParseFeedDate(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    if (const auto iso = ParseIso(text))
        return iso;
    return ParseRfc822(text);
}

std::string LastModText(FeedTime time)
{
    return Format("%04lld-%02u-%02uT%02u:%02u", CivilFromTime(time));
}

std::string Rfc3339Text(FeedTime time)
{
    return Format("%04lld-%02u-%02uT%02u:%02u:%02uZ", CivilFromTime(time));
}

std::string Rfc822Text(FeedTime time)
{
    const Civil c = CivilFromTime(time);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3s, %02u %.3s %04lld %02u:%02u:%02u GMT", kWeekdays[c.weekday].data(),
                  c.day, kMonths[c.month - 1].data(), static_cast<long long>(c.year), c.hour, c.minute, c.second);
    return buffer;
}

}  // namespace fw::cli
