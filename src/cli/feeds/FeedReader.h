#pragma once
// Reading an RSS 0.91/0.92/2.0, RSS 1.0 (RDF) or Atom 1.0 feed with
// libxml2's streaming reader: any encoding the feed declares, namespaces,
// CDATA, references and xml:base. Nothing is fetched: no network, no DTD,
// no external entity; a feed's own entities are never expanded, and one
// that would expand beyond libxml2's limits is refused.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "feeds/Feed.h"

namespace fw::cli {

struct FeedReading {
    Feed feed;
    // Items left out (no link, or not an http, https or ftp one), dates not
    // understood, entities not expanded.
    std::vector<FeedProblem> warnings;
    // Set when the feed could not be read; `feed` is then incomplete.
    bool failed = false;
    FeedProblem error;
};

// At most `limit` items are kept (0: all); the rest of the feed is still
// read to its end, so a broken feed is found whatever the limit.
FeedReading ReadFeedFromFd(int fd, std::size_t limit);
FeedReading ReadFeedFromBytes(std::string_view bytes, std::size_t limit);

}  // namespace fw::cli
