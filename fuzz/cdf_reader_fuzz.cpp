// libFuzzer target: any bytes load into a fresh channel, which then clears
// and writes without harm.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "channel/Channel.h"
#include "trace/TraceSink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fw::NullTraceSink trace;
    fw::Channel channel;
    fw::ReadCdfBytes(channel, std::string_view(reinterpret_cast<const char*>(data), size), trace);
    fw::StringSink written;
    fw::WriteCdf(channel, written);
    channel.Clear();
    return 0;
}
