#pragma once
// feedwright-cdf new OUT --from-feed FEED and refresh CHANNEL --from-feed
// FEED: channels made and kept up to date from RSS and Atom feeds. FEED "-"
// is standard input. A feed that cannot be read is reported as
// "FEED:LINE: error: ..." with status 3, and nothing is written.

#include <cstddef>
#include <string>

#include "ExitStatus.h"

namespace fw::cli {

// `url` is the .cdf's own address (SELF), may be empty; `limit` the most
// items taken (0: all).
ExitStatus RunNewFromFeed(const std::string& out, const std::string& feed, const std::string& url, std::size_t limit);

// Loads CHANNEL, replaces its top-level pages with the feed's items and
// saves it in place. A channel that does not load cleanly is left as it is.
ExitStatus RunRefresh(const std::string& channel, const std::string& feed, std::size_t limit);

}  // namespace fw::cli
