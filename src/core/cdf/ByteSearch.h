#pragma once
// Searching bytes in memory for any of a few given bytes, sixteen at a time
// where the processor allows it: the reader's scans for the end of a name or
// a value.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fw {

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
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, b0), _mm_cmpeq_epi8(block, b1)),
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

}  // namespace fw
