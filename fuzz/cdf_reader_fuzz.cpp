// libFuzzer target: any bytes load into a fresh channel, which then writes
// without harm, exactly as many bytes as the size pass counted, and clears.
// What was written reads back as it was written: loaded again, it gives the
// same records and kept content whenever the first write changed nothing
// (then it writes the same bytes), and a second load and write of the
// rewritten file give its own bytes back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "channel/Channel.h"
#include "trace/TraceSink.h"

namespace {

bool SameTree(const fw::SitemapItem* a, const fw::SitemapItem* b)
{
    // Both trees walked in step, without recursion.
    while (a != nullptr && b != nullptr) {
        if (!(a->Node() == b->Node()) || a->Label() != b->Label() || a->ChildCount() != b->ChildCount())
            return false;
        if (a->FirstChild() != nullptr) {
            a = a->FirstChild(), b = b->FirstChild();
            continue;
        }
        while (a != nullptr && a->NextSibling() == nullptr)
            a = a->Parent(), b = b->Parent();
        if (a != nullptr)
            a = a->NextSibling(), b = b->NextSibling();
    }
    return a == b;
}

bool SameChannel(const fw::Channel& a, const fw::Channel& b)
{
    return a.head == b.head && a.logos == b.logos && a.schedule == b.schedule &&
        SameTree(a.sitemap.Root(), b.sitemap.Root());
}

std::string Written(const fw::Channel& channel)
{
    fw::StringSink written;
    if (!fw::WriteNormalizedCdf(channel, written))
        __builtin_trap();
    return written.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fw::NullTraceSink trace;
    fw::Channel channel;
    // Any status is a fine answer to random bytes; what matters is what follows.
    (void)fw::ReadCdfBytes(channel, std::string_view(reinterpret_cast<const char*>(data), size), trace);
    fw::NormalizeForWrite(channel);
    const std::uint64_t counted = fw::CdfFileSize(channel);
    const std::string first = Written(channel);
    if (counted != first.size())
        __builtin_trap();

    fw::Channel again;
    (void)fw::ReadCdfBytes(again, first, trace);
    const std::string second = Written(again);
    if (SameChannel(channel, again) && second != first)
        __builtin_trap();
    fw::Channel third;
    (void)fw::ReadCdfBytes(third, second, trace);
    if (Written(third) != second)
        __builtin_trap();
    channel.Clear();
    return 0;
}
