#pragma once
// Conversion between CP932 bytes (what members hold) and UTF-8 (what the
// screen and JSON speak), through glibc iconv.

#include <optional>
#include <string>
#include <string_view>

namespace fw {

// UTF-8 to CP932. A character that CP932 cannot hold (an emoji, a rare kanji)
// is kept as an XML numeric character reference such as "&#x1F600;", so
// nothing the user typed is lost. Invalid UTF-8 bytes become "?".
std::string Utf8ToCp932(std::string_view utf8);

// CP932 to UTF-8. Bytes that are not valid CP932 become U+FFFD. Character
// references are left as they stand.
std::string Cp932ToUtf8(std::string_view cp932);

// CP932 to UTF-8 for showing in an edit field: like Cp932ToUtf8, but a
// reference "&#xHEX;" to a character that CP932 cannot hold is shown as that
// character, so Utf8ToCp932(Cp932ToDisplayUtf8(x)) == x for text this program
// produced. References to characters CP932 can hold stay literal text.
std::string Cp932ToDisplayUtf8(std::string_view cp932);

// True when the whole text is well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Converts text in `encoding` (any name iconv knows) to UTF-8. Nothing when
// iconv does not know the name or a byte sequence is not valid in it: the
// caller then keeps the bytes as they are rather than lose any to a guess.
std::optional<std::string> ConvertToUtf8(std::string_view text, const std::string& encoding);

}  // namespace fw
