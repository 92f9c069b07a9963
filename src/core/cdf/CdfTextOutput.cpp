#include "cdf/CdfTextOutput.h"

#include "cdf/ByteSearch.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace fw {

CdfTextOutput::CdfTextOutput(ByteSink& sink) : m_sink(&sink), m_buffer(new char[kBlockSize])
{
}

CdfTextOutput::CdfTextOutput() : m_sink(nullptr)
{
}

namespace {

// The first `byte` in [pos, end), or end.
const char* FindByte(const char* pos, const char* end, char byte)
{
    return pos + FindFirstOf(std::string_view(pos, static_cast<std::size_t>(end - pos)), {byte});
}

}  // namespace

void CdfTextOutput::Append(const char* bytes, std::size_t size)
{
    if (m_sink == nullptr) {
        m_count += size;
        return;
    }
    while (size > 0 && !m_failed) {
        const std::size_t part = std::min(size, kBlockSize - m_used);
        std::memcpy(m_buffer.get() + m_used, bytes, part);
        m_used += part;
        bytes += part;
        size -= part;
        if (m_used == kBlockSize)
            Flush();
    }
}

void CdfTextOutput::Put(std::string_view text)
{
    if (m_failed)
        return;
    // Most pieces are a few bytes: one pass copies or counts them, each LF
    // not held as CR LF taking its CR on the way.
    constexpr std::size_t kShortPiece = 64;
    if (text.size() <= kShortPiece) {
        // Most have no line break at all: they go as they are.
        if (std::memchr(text.data(), '\n', text.size()) == nullptr) {
            if (m_sink == nullptr)
                m_count += text.size();
            else if (kBlockSize - m_used >= text.size()) {
                std::memcpy(m_buffer.get() + m_used, text.data(), text.size());
                m_used += text.size();
            } else
                Append(text.data(), text.size());
            return;
        }
        if (m_sink == nullptr) {
            char before = '\0';
            for (const char byte : text) {
                m_count += byte == '\n' && before != '\r' ? 2 : 1;
                before = byte;
            }
            return;
        }
        if (kBlockSize - m_used >= 2 * text.size()) {
            char* out = m_buffer.get() + m_used;
            char before = '\0';
            for (const char byte : text) {
                if (byte == '\n' && before != '\r')
                    *out++ = '\r';
                *out++ = byte;
                before = byte;
            }
            m_used = static_cast<std::size_t>(out - m_buffer.get());
            return;
        }
    }
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* run = begin;
    for (;;) {
        const char* lf = FindByte(run, end, '\n');
        if (lf == end) {
            Append(run, static_cast<std::size_t>(end - run));
            return;
        }
        // A member may already hold its line break as CR LF; it must not
        // reach the file as CR CR LF.
        const bool heldAsCrLf = lf != begin && lf[-1] == '\r';
        Append(run, static_cast<std::size_t>(lf - run));
        if (heldAsCrLf)
            Append("\n", 1);
        else
            Append("\r\n", 2);
        run = lf + 1;
    }
}

void CdfTextOutput::PutEscaped(std::string_view text, char special, std::string_view reference)
{
    const char* const end = text.data() + text.size();
    const char* run = text.data();
    for (const char* at = FindByte(run, end, special); at != end; at = FindByte(run, end, special)) {
        Put(std::string_view(run, static_cast<std::size_t>(at - run)));
        Put(reference);
        run = at + 1;
    }
    Put(std::string_view(run, static_cast<std::size_t>(end - run)));
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
        const std::size_t part = std::min(count, kBlockSize - m_used);
        std::memset(m_buffer.get() + m_used, ' ', part);
        m_used += part;
        count -= part;
        if (m_used == kBlockSize)
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
    if (!m_failed && m_used > 0 && m_sink != nullptr) {
        if (!m_sink->Write(std::string_view(m_buffer.get(), m_used)))
            m_failed = true;
        else
            m_count += m_used;
        m_used = 0;
    }
    return !m_failed;
}

}  // namespace fw
