#pragma once
// The reader's input: a byte source read in text mode (each CR LF arrives
// as one LF), and the two scanning operations that collect bytes up to a
// delimiter.

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

class CdfInput {
public:
    // Over bytes in memory (not copied; they must outlive the input).
    explicit CdfInput(std::string_view bytes);

    // The next byte (0..255), or -1 at the end of the input. CR LF gives LF.
    int Get();

    // How many of the bytes have been taken, and how many there are.
    std::size_t Consumed() const { return static_cast<std::size_t>(m_pos - m_begin); }
    std::size_t Size() const { return static_cast<std::size_t>(m_end - m_begin); }

private:
    int RawGet();

    const char* m_begin = nullptr;
    const char* m_pos = nullptr;
    const char* m_end = nullptr;
    int m_pending = -2;  // a byte read ahead after a CR, or -2 for none
};

// Get() is called for every byte of a file: kept inline.
inline int CdfInput::RawGet()
{
    if (m_pos == m_end)
        return -1;
    return static_cast<unsigned char>(*m_pos++);
}

inline int CdfInput::Get()
{
    int byte;
    if (m_pending != -2) {
        byte = m_pending;  // the byte after a lone CR; it may be a CR itself
        m_pending = -2;
    } else {
        byte = RawGet();
    }
    if (byte != '\r')
        return byte;
    const int next = RawGet();
    if (next == '\n')
        return '\n';
    m_pending = next;  // a lone CR stays; the byte after it (or the end) comes next
    return '\r';
}

// Collects bytes into `out` until `delimiter` (consumed, not kept). True when
// it was found, false at the end of the input. Upper-cases the result if asked.
bool ReadUntilChar(CdfInput& input, std::string& out, char delimiter, bool upper);

// As ReadUntilChar with a set of delimiters; returns the 1-based position in
// `delimiters` of the byte that stopped the scan, 0 at the end of the input.
int ReadUntilAny(CdfInput& input, std::string& out, std::string_view delimiters, bool upper);

}  // namespace fw
