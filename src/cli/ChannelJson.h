#pragma once
// The channel as one JSON object, for `feedwright-cdf show`.

#include <string_view>

#include "cdf/CdfReader.h"

namespace fw {
struct Channel;
}

namespace fw::cli {

class JsonWriter;

// Writes the load status, the head, the logos, the schedule and the whole
// site map. The tree is walked through its parent and sibling links, so a
// site map of any depth prints without deep recursion.
void WriteChannelJson(const Channel& channel, ReadStatus status, JsonWriter& json);

}  // namespace fw::cli
