#pragma once
// The reader's input: a byte source read in text mode (each CR LF arrives
// as one LF), and the two scanning operations that collect bytes up to a
// delimiter.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace fw {

class CdfInput {
public:
    // Over bytes in memory (not copied; they must outlive the input).
    explicit CdfInput(std::string_view bytes);
    // Over an open file, read in large blocks; the caller closes it.
    explicit CdfInput(std::FILE* file);

    // The next byte (0..255), or -1 at the end of the input. CR LF gives LF.
    int Get();

private:
    int RawGet();
    bool Refill();

    std::FILE* m_file = nullptr;
    std::string m_buffer;
    const char* m_pos = nullptr;
    const char* m_end = nullptr;
    int m_pending = -2;  // a byte read ahead after a CR, or -2 for none
};

// Collects bytes into `out` until `delimiter` (consumed, not kept). True when
// it was found, false at the end of the input. Upper-cases the result if asked.
bool ReadUntilChar(CdfInput& input, std::string& out, char delimiter, bool upper);

// As ReadUntilChar with a set of delimiters; returns the 1-based position in
// `delimiters` of the byte that stopped the scan, 0 at the end of the input.
int ReadUntilAny(CdfInput& input, std::string& out, std::string_view delimiters, bool upper);

}  // namespace fw
