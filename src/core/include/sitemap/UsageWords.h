#pragma once
// The words of a USAGE element's VALUE for each page usage code: the writer
// writes them in exactly this case, the reader takes them in any case.

#include <array>
#include <string_view>

#include "sitemap/SitemapNode.h"
#include "text/SjisText.h"

namespace fw {

struct UsageWord {
    int code;
    std::string_view word;
};

// "Channel" (shown in the site map, the usual use) is read but never written.
inline constexpr std::array<UsageWord, 6> kUsageWords = {{
    {kUsageSitemap, "Channel"},
    {kUsageNone, "NONE"},
    {kUsageEmail, "Email"},
    {kUsageScreenSaver, "ScreenSaver"},
    {kUsageDesktopComponent, "DesktopComponent"},
    {kUsageSoftwareUpdate, "SoftwareUpdate"},
}};

// The word the writer writes for `code`; empty for codes that write no USAGE
// (-1, 0, and codes no dialog or file produces).
inline std::string_view UsageWordToWrite(int code)
{
    for (const UsageWord& entry : kUsageWords) {
        if (entry.code == code && code > kUsageSitemap)
            return entry.word;
    }
    return {};
}

// The code of a value read from a file, in any case; an unknown word is the
// usual use, 0.
inline int UsageCodeOfWord(std::string_view value)
{
    for (const UsageWord& entry : kUsageWords) {
        if (EqualsAsciiNoCase(value, entry.word))
            return entry.code;
    }
    return kUsageSitemap;
}

}  // namespace fw
