// libFuzzer target: lint takes any bytes, in any encoding, without harm and
// in time linear in their size.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "lint/ChannelLint.h"
#include "text/FileEncoding.h"
#include "trace/TraceSink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fw::NullTraceSink trace;
    fw::Channel channel;
    fw::cli::lint::LintInput input;
    input.loadStatus = fw::ReadCdfBytes(channel, bytes, trace);
    const fw::FileText text = fw::DecodeFileText(bytes);
    input.text = text.bytes;
    input.readBeside = [&bytes](const std::string&) { return std::optional<std::string>(std::string(bytes)); };
    fw::cli::lint::LintChannel(input);
    return 0;
}
