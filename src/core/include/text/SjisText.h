#pragma once
// Byte-wise operations on Shift-JIS (CP932) text. Every text member of the
// program holds CP932 bytes in a std::string; lengths and positions are byte
// counts, and nothing here decodes characters beyond telling lead bytes apart.

#include <string>
#include <string_view>

namespace fw {

// True for the first byte of a CP932 double-byte character.
bool IsSjisLeadByte(unsigned char byte);

// True for space, tab, line feed, vertical tab, form feed and carriage return.
// A full-width space (two bytes) is never white space here.
bool IsSingleByteWhiteSpace(unsigned char byte);

// True when a byte of `text` is 0x80 or above: it is not plain ASCII.
bool HasHighByte(std::string_view text);

// Trims single-byte white space from the left end, then from the right end.
void TrimSingleByteWhiteSpace(std::string& text);

// Upper-cases a-z in place; both bytes of a double-byte character stay as they
// are, even where the trail byte looks like a lower-case letter.
void MakeUpperSjis(std::string& text);

// Compares text with a fixed ASCII word without regard to case (a-z / A-Z only).
bool EqualsAsciiNoCase(std::string_view text, std::string_view word);

// The first place at or after `from` where `word` (ASCII) stands in `text`
// without regard to case; npos when nowhere.
std::size_t FindAsciiNoCase(std::string_view text, std::string_view word, std::size_t from = 0);

// The leading decimal integer of a text, as C's atoi reads it: leading white
// space and a sign allowed, stops at the first other byte, 0 without digits.
// Saturates instead of overflowing.
int LeadingInteger(std::string_view text);

}  // namespace fw
