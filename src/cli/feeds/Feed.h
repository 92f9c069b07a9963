#pragma once
// What a feed says that a channel can hold, as plain UTF-8 text: the feed
// reader fills it, the channel builder takes it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "feeds/FeedDate.h"

namespace fw::cli {

struct FeedItem {
    std::string title;    // plain text
    std::string link;     // absolute http, https or ftp
    std::string summary;  // plain text
    std::optional<FeedTime> date;
};

struct Feed {
    std::string title, link, description;   // link: the site's, absolute
    std::string image, icon;                // absolute URLs, or empty
    std::optional<unsigned> updateMinutes;  // how often the feed asks to be fetched
    std::vector<FeedItem> items;            // in feed order, up to the limit asked for
};

// A problem found on the way, with the line it stands on.
struct FeedProblem {
    int line = 0;
    std::string text;
};

}  // namespace fw::cli
