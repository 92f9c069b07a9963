#include "cdf/ByteScanner.h"

#include <cstring>

namespace fw {

// A CR LF never straddles the end of `raw`: the reader takes text up to a
// delimiter, never between the two bytes of a pair.
void AppendWithoutCrLf(std::string& out, std::string_view raw)
{
    const char* begin = raw.data();
    const char* const end = begin + raw.size();
    const char* cr = static_cast<const char*>(std::memchr(begin, '\r', raw.size()));
    while (cr != nullptr) {
        // After a lone CR the pair stays whole: taken as LF, it would be
        // written back as CR LF after that CR, and the lone CR would then
        // pass for the CR of the pair and be lost on the next load.
        if (cr + 1 < end && cr[1] == '\n' && (cr == raw.data() || cr[-1] != '\r')) {
            out.append(begin, cr);
            begin = cr + 1;  // the LF goes out with the next run
        }
        const char* from = cr + 1;
        cr = static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(end - from)));
    }
    out.append(begin, end);
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

}  // namespace fw
