// libFuzzer target: any bytes load into a fresh channel, which then writes
// without harm, exactly as many bytes as the size pass counted, and clears.

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
    // Any status is a fine answer to random bytes; what matters is what follows.
    (void)fw::ReadCdfBytes(channel, std::string_view(reinterpret_cast<const char*>(data), size), trace);
    fw::NormalizeForWrite(channel);
    const std::uint64_t counted = fw::CdfFileSize(channel);
    fw::StringSink written;
    if (!fw::WriteNormalizedCdf(channel, written) || counted != written.Bytes().size())
        __builtin_trap();
    channel.Clear();
    return 0;
}
