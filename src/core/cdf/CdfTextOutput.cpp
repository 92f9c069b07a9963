#include "cdf/CdfTextOutput.h"

#include <algorithm>
#include <charconv>

namespace fw {

CdfTextOutput::CdfTextOutput(ByteSink& sink)
    : m_sink(&sink), m_block(new char[kBlockSize]), m_converted(new char[2 * kBlockSize])
{
}

CdfTextOutput::CdfTextOutput() : m_sink(nullptr), m_block(new char[kBlockSize])
{
}

namespace {

// The first `byte` in [pos, end), or end.
const char* FindByte(const char* pos, const char* end, char byte)
{
    const void* found = std::memchr(pos, byte, static_cast<std::size_t>(end - pos));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

// Indents up to this long are gathered like any piece when only counting;
// longer ones are added up instead.
constexpr std::size_t kGatheredBlanks = 256;

}  // namespace

void CdfTextOutput::PutLong(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t part = std::min(text.size(), kBlockSize - m_used);
        std::memcpy(m_block.get() + m_used, text.data(), part);
        m_used += part;
        text.remove_prefix(part);
        if (m_used == kBlockSize)
            TakeBlock();
    }
}

// Line breaks are turned a block at a time rather than piece by piece: one
// search per line instead of one per piece.
void CdfTextOutput::TakeBlock()
{
    if (m_used == 0)
        return;
    const char* const begin = m_block.get();
    const char* const end = begin + m_used;
    const char before = m_lastTaken;
    m_lastTaken = end[-1];
    m_used = 0;
    if (m_failed)
        return;

    // An LF gets a CR in front of it unless a member held it as CR LF already.
    char* out = m_converted.get();
    std::uint64_t size = 0;
    const char* run = begin;
    for (const char* lf = FindByte(run, end, '\n'); lf != end; lf = FindByte(run, end, '\n')) {
        const bool heldAsCrLf = (lf != begin ? lf[-1] : before) == '\r';
        const std::size_t length = static_cast<std::size_t>(lf - run);
        if (out != nullptr) {
            std::memcpy(out, run, length);
            out += length;
            if (!heldAsCrLf)
                *out++ = '\r';
            *out++ = '\n';
        }
        size += length + (heldAsCrLf ? 1 : 2);
        run = lf + 1;
    }
    const std::size_t rest = static_cast<std::size_t>(end - run);
    size += rest;
    if (m_sink == nullptr) {
        m_count += size;
        return;
    }
    std::memcpy(out, run, rest);
    if (!m_sink->Write(std::string_view(m_converted.get(), size)))
        m_failed = true;
    else
        m_count += size;
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
    // Most indents are a few dozen blanks: one fixed-size store, of which
    // only `count` bytes are kept.
    constexpr std::size_t kShortIndent = 32;
    if (count <= kShortIndent && kBlockSize - m_used >= kShortIndent) {
        std::memset(m_block.get() + m_used, ' ', kShortIndent);
        m_used += count;
        return;
    }
    if (m_sink == nullptr && count > kGatheredBlanks) {
        // A deep site map's indents together are far longer than its file
        // has lines: long ones are added up, never made.
        TakeBlock();
        m_count += count;
        m_lastTaken = ' ';
        return;
    }
    while (count > 0) {
        const std::size_t part = std::min(count, kBlockSize - m_used);
        std::memset(m_block.get() + m_used, ' ', part);
        m_used += part;
        count -= part;
        if (m_used == kBlockSize)
            TakeBlock();
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
    TakeBlock();
    return !m_failed;
}

}  // namespace fw
