#pragma once
// Small judgements on attribute values and text for lint: URLs, dates,
// numbers, character references. Values are CP932 bytes as in the file.

#include <optional>
#include <string>
#include <string_view>

namespace fw::cli::lint {

// The value for a message: in double quotes, as UTF-8, cut after about 60
// bytes (at a character's end) with "..." so a huge value cannot flood the output.
std::string Quoted(std::string_view cp932);

// The scheme of an absolute URL ("http", "mailto", "c" for "c:\..."), or
// nothing for a relative one.
std::optional<std::string_view> UrlScheme(std::string_view url);
bool IsFetchableScheme(std::string_view scheme);  // http, https, ftp in any case
// "http://" alone in any case, blanks around it allowed: the value a new form starts with.
bool IsBareHttp(std::string_view url);

// An absolute URL with a host and nothing after it ("http://example.com").
bool IsHostOnly(std::string_view url);
// yyyy-mm-ddThh:mm (the time, or its seconds, may be left out), as LASTMOD is written.
bool IsLastmodForm(std::string_view value);
// +hhmm or -hhmm, as a schedule's TIMEZONE is written.
bool IsTimezoneForm(std::string_view value);
// A GIF that loops through several pictures (it has the NETSCAPE2.0 block).
bool IsAnimatedGif(std::string_view bytes);

// `%XX` escapes turned into their bytes; anything else as it stands.
std::string PercentDecoded(std::string_view text);

// Digits only (at least one), as readers take a count.
bool IsPlainNumber(std::string_view value);

struct Date {
    int year = 0, month = 0, day = 0;
    auto operator<=>(const Date&) const = default;
};
// A real calendar date written yyyy-mm-dd (month and day may have one digit).
std::optional<Date> ParseDate(std::string_view value);

// "1 day 2 hours 30 minutes"; "0 minutes" for none.
std::string Duration(long long minutes);

// The first problem for strict XML readers in text or a value: a bare '&',
// or a reference to an entity XML does not define. `where` completes the
// message: "in TITLE text", "in the value of HREF".
struct MarkupProblem {
    const char* at = nullptr;  // null when there is none
    std::string message;       // the whole message, without the line
};
MarkupProblem FindAmpersandProblem(std::string_view text, std::string_view where);

}  // namespace fw::cli::lint
