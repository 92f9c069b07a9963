#include "cdf/CdfTextOutput.h"

#include <algorithm>
#include <charconv>

namespace fw {

CdfTextOutput::CdfTextOutput(ByteSink& sink) : m_sink(&sink)
{
    m_buffer.reserve(kBlockSize + kBlockSize / 4);
}

CdfTextOutput::CdfTextOutput() : m_sink(nullptr) {}

void CdfTextOutput::Put(std::string_view text)
{
    if (m_failed)
        return;
    for (;;) {
        const std::size_t lf = text.find('\n');
        if (lf == std::string_view::npos) {
            if (m_sink != nullptr)
                m_buffer.append(text);
            else
                m_count += text.size();
            break;
        }
        // A member may already hold its line break as CR LF; it must not
        // reach the file as CR CR LF.
        const bool heldAsCrLf = lf > 0 && text[lf - 1] == '\r';
        if (m_sink != nullptr) {
            m_buffer.append(text.substr(0, lf));
            m_buffer.append(heldAsCrLf ? "\n" : "\r\n");
        } else {
            m_count += lf + (heldAsCrLf ? 1 : 2);
        }
        text.remove_prefix(lf + 1);
    }
    if (m_buffer.size() >= kBlockSize)
        Flush();
}

void CdfTextOutput::PutEscaped(std::string_view text, char special, std::string_view reference)
{
    for (std::size_t at = text.find(special); at != std::string_view::npos; at = text.find(special)) {
        Put(text.substr(0, at));
        Put(reference);
        text.remove_prefix(at + 1);
    }
    Put(text);
}

void CdfTextOutput::PutBlanks(std::size_t count)
{
    if (m_failed)
        return;
    if (m_sink == nullptr) {
        m_count += count;
        return;
    }
    while (count > 0 && !m_failed) {
        const std::size_t room = kBlockSize - std::min(m_buffer.size(), kBlockSize - 1);
        const std::size_t part = std::min(count, room);
        m_buffer.append(part, ' ');
        count -= part;
        if (m_buffer.size() >= kBlockSize)
            Flush();
    }
}

void CdfTextOutput::PutNumber(long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    Put(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

bool CdfTextOutput::Flush()
{
    if (!m_failed && !m_buffer.empty() && m_sink != nullptr) {
        if (!m_sink->Write(m_buffer))
            m_failed = true;
        else
            m_count += m_buffer.size();
        m_buffer.clear();
    }
    return !m_failed;
}

}  // namespace fw
