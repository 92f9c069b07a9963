#include "lint/LintValues.h"

#include "text/Cp932.h"
#include "text/References.h"
#include "text/SjisText.h"

namespace fw::cli::lint {

namespace {

constexpr std::size_t kQuoteLimit = 60;

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void AppendPlural(std::string& out, long long count, const char* unit)
{
    if (!out.empty())
        out += ' ';
    out += std::to_string(count) + ' ' + unit + (count == 1 ? "" : "s");
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Reads 1 to `maxDigits` digits at `at`; -1 when there are none or too many.
int ReadNumber(std::string_view text, std::size_t& at, std::size_t minDigits, std::size_t maxDigits)
{
    const std::size_t start = at;
    int value = 0;
    while (at < text.size() && IsDigit(text[at]) && at - start < maxDigits + 1) {
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    const std::size_t digits = at - start;
    return digits >= minDigits && digits <= maxDigits ? value : -1;
}

}  // namespace

std::string Quoted(std::string_view cp932)
{
    std::size_t cut = cp932.size();
    if (cut > kQuoteLimit) {
        cut = 0;
        while (cut < kQuoteLimit)
            cut += IsSjisLeadByte(static_cast<unsigned char>(cp932[cut])) ? 2 : 1;
    }
    std::string out(1, '"');
    out.append(Cp932ToUtf8(cp932.substr(0, cut)));
    if (cut < cp932.size())
        out.append("...");
    out.push_back('"');
    return out;
}

std::optional<std::string_view> UrlScheme(std::string_view url)
{
    std::size_t start = 0;
    while (start < url.size() && IsSingleByteWhiteSpace(static_cast<unsigned char>(url[start])))
        ++start;
    if (start >= url.size() || !IsAsciiLetter(url[start]))
        return std::nullopt;
    std::size_t at = start + 1;
    while (at < url.size() &&
           (IsAsciiLetter(url[at]) || IsDigit(url[at]) || url[at] == '+' || url[at] == '-' || url[at] == '.'))
        ++at;
    if (at >= url.size() || url[at] != ':')
        return std::nullopt;
    return url.substr(start, at - start);
}

bool IsFetchableScheme(std::string_view scheme)
{
    return EqualsAsciiNoCase(scheme, "http") || EqualsAsciiNoCase(scheme, "https") || EqualsAsciiNoCase(scheme, "ftp");
}

bool IsBareHttp(std::string_view url)
{
    std::string trimmed(url);
    TrimSingleByteWhiteSpace(trimmed);
    return EqualsAsciiNoCase(trimmed, "http://");
}

bool IsHostOnly(std::string_view url)
{
    const std::size_t scheme = url.find("://");
    if (scheme == std::string_view::npos || scheme == 0 || IsBareHttp(url))
        return false;
    const std::string_view rest = url.substr(scheme + 3);
    return !rest.empty() && rest.find_first_of("/?#") == std::string_view::npos;
}

namespace {

// `text` matches `shape`, where '9' stands for a digit and every other byte for itself.
bool HasShape(std::string_view text, std::string_view shape)
{
    if (text.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (shape[i] == '9' ? (text[i] < '0' || text[i] > '9') : text[i] != shape[i])
            return false;
    }
    return true;
}

}  // namespace

bool IsLastmodForm(std::string_view value)
{
    return HasShape(value, "9999-99-99") || HasShape(value, "9999-99-99T99:99") ||
        HasShape(value, "9999-99-99T99:99:99");
}

bool IsTimezoneForm(std::string_view value)
{
    return HasShape(value, "+9999") || HasShape(value, "-9999");
}

bool IsAnimatedGif(std::string_view bytes)
{
    return bytes.starts_with("GIF8") && bytes.find("NETSCAPE2.0") != std::string_view::npos;
}

std::string PercentDecoded(std::string_view text)
{
    const auto hex = [](char c) -> int {
        return c >= '0' && c <= '9' ? c - '0'
            : c >= 'a' && c <= 'f'  ? c - 'a' + 10
            : c >= 'A' && c <= 'F'  ? c - 'A' + 10
                                    : -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool IsPlainNumber(std::string_view value)
{
    if (value.empty())
        return false;
    for (const char c : value) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

std::optional<Date> ParseDate(std::string_view value)
{
    std::size_t at = 0;
    Date date;
    date.year = ReadNumber(value, at, 4, 4);
    if (date.year < 0 || at >= value.size() || value[at++] != '-')
        return std::nullopt;
    date.month = ReadNumber(value, at, 1, 2);
    if (date.month < 1 || date.month > 12 || at >= value.size() || value[at++] != '-')
        return std::nullopt;
    date.day = ReadNumber(value, at, 1, 2);
    if (date.day < 1 || at != value.size() || date.day > DaysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

std::string Duration(long long minutes)
{
    std::string out;
    if (minutes >= 1440)
        AppendPlural(out, minutes / 1440, "day");
    if (minutes % 1440 >= 60)
        AppendPlural(out, minutes % 1440 / 60, "hour");
    if (minutes % 60 != 0 || out.empty())
        AppendPlural(out, minutes % 60, "minute");
    return out;
}

MarkupProblem FindAmpersandProblem(std::string_view text, std::string_view where)
{
    for (std::size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
        const Reference reference = ClassifyReference(text.substr(at), ReferenceNames::Xml);
        switch (reference.kind) {
        case ReferenceKind::Character:
            break;
        case ReferenceKind::Bare:
            return {text.data() + at,
                    "bare \"&\" " + std::string(where) + ": strict XML readers refuse it; write &amp;"};
        case ReferenceKind::Forbidden:
            return {text.data() + at,
                    Quoted(text.substr(at, reference.length)) + " " + std::string(where) +
                        ": it names a character XML forbids, and XML readers refuse it"};
        case ReferenceKind::UnknownName:
            return {text.data() + at,
                    Quoted(text.substr(at, reference.length)) + " " + std::string(where) +
                        ": XML readers know only &amp; &lt; &gt; &quot; &apos; and numeric references"};
        }
    }
    return {};
}

}  // namespace fw::cli::lint
