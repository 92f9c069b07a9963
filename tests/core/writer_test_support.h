#pragma once
// Small helpers for the writer's tests.

#include <string>
#include <string_view>

#include "cdf/CdfWriter.h"
#include "channel/Channel.h"

namespace cdftest {

// The channel's written bytes; the write must succeed.
inline std::string Written(fw::Channel& channel)
{
    fw::StringSink sink;
    const bool ok = fw::WriteCdf(channel, sink);
    return ok ? sink.Bytes() : std::string("<write failed>");
}

// True when `line` (without its line end) is a whole line of `bytes`.
inline bool HasLine(const std::string& bytes, std::string_view line)
{
    const std::string framed = "\r\n" + std::string(line) + "\r\n";
    return bytes.find(framed) != std::string::npos;
}

// The site map items: everything between the SCHEDULE element's empty line
// and the closing tag of the channel.
inline std::string ItemsPart(const std::string& bytes)
{
    const std::string_view open = "  </SCHEDULE>\r\n\r\n";
    const std::string_view close = "</CHANNEL>\r\n";
    const std::size_t begin = bytes.find(open);
    if (begin == std::string::npos || bytes.size() < close.size())
        return "<no schedule>";
    const std::size_t from = begin + open.size();
    return bytes.substr(from, bytes.size() - close.size() - from);
}

}  // namespace cdftest
