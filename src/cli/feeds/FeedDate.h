#pragma once
// The dates feeds carry (RFC 822 in RSS's pubDate, W3C date-times in Atom
// and Dublin Core) and the one form a channel's LASTMOD takes:
// "yyyy-mm-ddThh:mm" in GMT.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw::cli {

// Seconds since 1970-01-01T00:00Z.
using FeedTime = std::int64_t;

// "Sat, 07 Sep 2002 09:42:31 GMT", "7 Sep 02 09:42 +0900", "2002-09-07",
// "2002-09-07T09:42:31.5+09:00", ...; blanks around it ignored. Nothing for
// anything else, or a day that no calendar has.
std::optional<FeedTime> ParseFeedDate(std::string_view text);

// "2002-09-07T00:42" (GMT), as LASTMOD is written.
std::string LastModText(FeedTime time);
// "Sat, 07 Sep 2002 00:42:31 GMT", as RSS 2.0 wants it.
std::string Rfc822Text(FeedTime time);
// "2002-09-07T00:42:31Z", as Atom wants it.
std::string Rfc3339Text(FeedTime time);

}  // namespace fw::cli
