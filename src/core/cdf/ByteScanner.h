#pragma once
// The reader's input: bytes in memory read in text mode (each CR LF arrives
// as one LF), and the two scanning operations that collect bytes up to a
// delimiter. The scans search whole runs at a time (memchr, a bit mask of
// delimiters) and copy each run once, so a large file costs little more per
// byte than a plain search through it.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fw {

class CdfInput {
public:
    // Over bytes in memory (not copied; they must outlive the input).
    explicit CdfInput(std::string_view bytes);

    // Moves past the next `byte`, which must not be CR or LF. False, at the
    // end of the input, when there is none.
    bool SkipPast(char byte);

    // The bytes not yet taken, and taking the first `count` of them. A view
    // into the input stays valid as long as the input's bytes do.
    std::string_view Rest() const { return {m_pos, static_cast<std::size_t>(m_end - m_pos)}; }
    void Advance(std::size_t count) { m_pos += count; }

    // How many of the bytes have been taken, and how many there are.
    std::size_t Consumed() const { return static_cast<std::size_t>(m_pos - m_begin); }
    std::size_t Size() const { return static_cast<std::size_t>(m_end - m_begin); }

private:
    friend bool ReadUntilChar(CdfInput&, std::string&, char, bool);
    friend int ReadUntilAny(CdfInput&, std::string&, std::string_view, bool);

    const char* m_begin = nullptr;
    const char* m_pos = nullptr;
    const char* m_end = nullptr;
};

// Up to six bytes that a search stops at.
class ByteSet {
public:
    constexpr ByteSet(std::initializer_list<char> bytes)
    {
        for (const char byte : bytes) {
            if (m_count < m_bytes.size())
                m_bytes[m_count++] = byte;
        }
        for (std::size_t i = m_count; i < m_bytes.size(); ++i)
            m_bytes[i] = m_bytes[0];  // a repeat never changes what is found
    }
    bool Contains(char byte) const
    {
        return byte == m_bytes[0] || byte == m_bytes[1] || byte == m_bytes[2] || byte == m_bytes[3] ||
               byte == m_bytes[4] || byte == m_bytes[5];
    }
    char operator[](std::size_t i) const { return m_bytes[i]; }

private:
    std::array<char, 6> m_bytes{};
    std::size_t m_count = 0;
};

// Offset in `text` of the first byte that is in `set`, or text.size(). Looks
// at sixteen bytes at a time where the processor allows it. Inline, so that a
// constant set costs nothing to prepare.
inline std::size_t FindFirstOf(std::string_view text, const ByteSet& set)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* pos = begin;
#if defined(__SSE2__)
    const __m128i b0 = _mm_set1_epi8(set[0]);
    const __m128i b1 = _mm_set1_epi8(set[1]);
    const __m128i b2 = _mm_set1_epi8(set[2]);
    const __m128i b3 = _mm_set1_epi8(set[3]);
    const __m128i b4 = _mm_set1_epi8(set[4]);
    const __m128i b5 = _mm_set1_epi8(set[5]);
    for (; end - pos >= 16; pos += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pos));
        const __m128i hits = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, b0), _mm_cmpeq_epi8(block, b1)),
                         _mm_or_si128(_mm_cmpeq_epi8(block, b2), _mm_cmpeq_epi8(block, b3))),
            _mm_or_si128(_mm_cmpeq_epi8(block, b4), _mm_cmpeq_epi8(block, b5)));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0)
            return static_cast<std::size_t>(pos - begin) + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; pos != end; ++pos) {
        if (set.Contains(*pos))
            break;
    }
    return static_cast<std::size_t>(pos - begin);
}

// Appends `raw` with each CR LF as one LF (a lone CR stays), as the scans
// below deliver their text.
void AppendWithoutCrLf(std::string& out, std::string_view raw);

// Collects bytes into `out` until `delimiter` (consumed, not kept). True when
// it was found, false at the end of the input. Upper-cases the result if asked.
bool ReadUntilChar(CdfInput& input, std::string& out, char delimiter, bool upper);

// As ReadUntilChar with a set of delimiters; returns the 1-based position in
// `delimiters` of the byte that stopped the scan, 0 at the end of the input.
int ReadUntilAny(CdfInput& input, std::string& out, std::string_view delimiters, bool upper);

}  // namespace fw
