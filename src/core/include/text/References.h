#pragma once
// Character references ("&amp;", "&#233;", "&#xE9;") and, for web pages,
// HTML's named entities ("&eacute;"), taken as the characters they stand
// for. Every part of the program that reads such references reads them here.

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

// Appends a code point as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

// True for the characters an XML document may hold (no C0 controls but tab,
// CR and LF, no surrogates, no U+FFFE/U+FFFF).
bool IsXmlChar(char32_t c);

enum class ReferenceNames {
    Xml,   // &amp; &lt; &gt; &quot; &apos; only
    Html,  // those and HTML 4's named entities (&eacute;, &nbsp;, &hellip;, ...)
};

// The reference at the start of `text` (which begins with '&'): its length
// and, in `c`, the character. 0 when there is none: no ';' within a short
// distance, an unknown name, a number that is not an XML character. Looks
// at a bounded number of bytes, so decoding a text is linear in its size.
std::size_t ReadReference(std::string_view text, ReferenceNames names, char32_t& c);

// The text (UTF-8) with every reference ReadReference knows replaced by its
// character; anything else, a bare '&' too, stays as written.
std::string DecodeReferences(std::string_view utf8, ReferenceNames names);

}  // namespace fw
