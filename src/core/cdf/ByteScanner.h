#pragma once
// The reader's input: bytes in memory that the reader takes as views, in
// runs found with memchr or FindFirstOf, so a large file costs little more
// per byte than a plain search through it.

#include <cstddef>
#include <string>
#include <string_view>

#include "cdf/ByteSearch.h"

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
    // Goes back (or on) to `offset` bytes from the start.
    void SeekTo(std::size_t offset) { m_pos = m_begin + offset; }

    // The offset of a byte of a view into the input.
    std::size_t OffsetOf(const char* at) const { return static_cast<std::size_t>(at - m_begin); }
    // How many of the bytes have been taken, and how many there are.
    std::size_t Consumed() const { return static_cast<std::size_t>(m_pos - m_begin); }
    std::size_t Size() const { return static_cast<std::size_t>(m_end - m_begin); }

private:
    const char* m_begin = nullptr;
    const char* m_pos = nullptr;
    const char* m_end = nullptr;
};

// Appends `raw` with each CR LF as one LF (a lone CR stays, and so does a CR
// LF right after one), as the reader takes text.
void AppendWithoutCrLf(std::string& out, std::string_view raw);

}  // namespace fw
