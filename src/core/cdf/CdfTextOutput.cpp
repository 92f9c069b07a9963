#include "cdf/CdfTextOutput.h"

#include <charconv>

namespace fw {

CdfTextOutput::CdfTextOutput(ByteSink& sink) : m_sink(sink)
{
    m_buffer.reserve(kBlockSize + kBlockSize / 4);
}

void CdfTextOutput::Put(std::string_view text)
{
    if (m_failed)
        return;
    for (;;) {
        const std::size_t lf = text.find('\n');
        if (lf == std::string_view::npos) {
            m_buffer.append(text);
            break;
        }
        // A member may already hold its line break as CR LF; it must not
        // reach the file as CR CR LF.
        const bool heldAsCrLf = lf > 0 && text[lf - 1] == '\r';
        m_buffer.append(text.substr(0, lf));
        m_buffer.append(heldAsCrLf ? "\n" : "\r\n");
        text.remove_prefix(lf + 1);
    }
    if (m_buffer.size() >= kBlockSize)
        Flush();
}

void CdfTextOutput::PutNumber(long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    Put(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

bool CdfTextOutput::Flush()
{
    if (!m_failed && !m_buffer.empty()) {
        if (!m_sink.Write(m_buffer))
            m_failed = true;
        m_buffer.clear();
    }
    return !m_failed;
}

}  // namespace fw
