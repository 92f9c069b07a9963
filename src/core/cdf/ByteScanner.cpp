#include "cdf/ByteScanner.h"

#include <cstdint>
#include <cstring>

#include "text/SjisText.h"

namespace fw {

namespace {

// Appends [begin, end) with each CR LF as one LF. A CR LF never straddles
// `end`: no scan stops between the two bytes of a pair.
void AppendText(std::string& out, const char* begin, const char* end)
{
    if (begin == end)
        return;
    const char* cr = static_cast<const char*>(std::memchr(begin, '\r', static_cast<std::size_t>(end - begin)));
    while (cr != nullptr) {
        if (cr + 1 < end && cr[1] == '\n') {
            out.append(begin, cr);
            begin = cr + 1;  // the LF goes out with the next run
        }
        const char* from = cr + 1;
        cr = static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(end - from)));
    }
    out.append(begin, end);
}

// A delimiter set of bytes below 64 (every set the reader uses) as a mask.
struct DelimiterMask {
    std::uint64_t bits = 0;
    bool simple = true;  // false: a delimiter of 64 or above; test the set itself

    explicit DelimiterMask(std::string_view delimiters)
    {
        for (const char c : delimiters) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 64)
                bits |= std::uint64_t{1} << byte;
            else
                simple = false;
        }
    }
};

}  // namespace

void AppendWithoutCrLf(std::string& out, std::string_view raw)
{
    AppendText(out, raw.data(), raw.data() + raw.size());
}

CdfInput::CdfInput(std::string_view bytes)
    : m_begin(bytes.data()), m_pos(bytes.data()), m_end(bytes.data() + bytes.size())
{
}

bool CdfInput::SkipPast(char byte)
{
    const void* found = std::memchr(m_pos, byte, static_cast<std::size_t>(m_end - m_pos));
    if (found == nullptr) {
        m_pos = m_end;
        return false;
    }
    m_pos = static_cast<const char*>(found) + 1;
    return true;
}

bool ReadUntilChar(CdfInput& input, std::string& out, char delimiter, bool upper)
{
    if (delimiter == '\n' || delimiter == '\r')
        return ReadUntilAny(input, out, std::string_view(&delimiter, 1), upper) != 0;
    out.clear();
    const char* begin = input.m_pos;
    const auto* found =
        static_cast<const char*>(std::memchr(begin, delimiter, static_cast<std::size_t>(input.m_end - begin)));
    const char* stop = found != nullptr ? found : input.m_end;
    AppendText(out, begin, stop);
    input.m_pos = found != nullptr ? found + 1 : input.m_end;
    if (upper)
        MakeUpperSjis(out);
    return found != nullptr;
}

int ReadUntilAny(CdfInput& input, std::string& out, std::string_view delimiters, bool upper)
{
    out.clear();
    const DelimiterMask mask(delimiters);
    const bool lineFeedStops = delimiters.find('\n') != std::string_view::npos;
    const char* const begin = input.m_pos;
    const char* const end = input.m_end;
    const char* pos = begin;
    int position = 0;
    std::size_t delimiterLength = 1;
    for (; pos != end; ++pos) {
        const auto byte = static_cast<unsigned char>(*pos);
        if (byte < 64 && ((mask.bits >> byte) & 1U) != 0) {
            position = static_cast<int>(delimiters.find(static_cast<char>(byte))) + 1;
            break;
        }
        if (!mask.simple && byte >= 64 && delimiters.find(static_cast<char>(byte)) != std::string_view::npos) {
            position = static_cast<int>(delimiters.find(static_cast<char>(byte))) + 1;
            break;
        }
        if (byte == '\r' && lineFeedStops && pos + 1 != end && pos[1] == '\n') {
            position = static_cast<int>(delimiters.find('\n')) + 1;  // CR LF stops as its LF
            delimiterLength = 2;
            break;
        }
    }
    AppendText(out, begin, pos);
    input.m_pos = position != 0 ? pos + delimiterLength : end;
    if (upper)
        MakeUpperSjis(out);
    return position;
}

}  // namespace fw
