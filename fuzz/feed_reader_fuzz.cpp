// libFuzzer target: the feed reader takes any bytes (a feed from the web)
// without harm, and what it gives goes into a channel, new and refreshed.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "channel/Channel.h"
#include "feeds/FeedChannel.h"
#include "feeds/FeedReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fw::cli::FeedReading reading = fw::cli::ReadFeedFromBytes(bytes, 0);
    if (reading.failed)
        return 0;
    fw::Channel channel;
    fw::cli::FillChannelFromFeed(channel, reading.feed, "http://fuzz.example/");
    fw::cli::ReplaceTopLevelPages(channel, reading.feed);
    return 0;
}
