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

enum class ReferenceKind {
    Bare,         // no reference: the '&' is not followed by a name or number and ';'
    Character,    // a name `names` knows, or a number that is an XML character
    UnknownName,  // "&name;" with a name `names` does not know
    Forbidden,    // "&#...;" naming no XML character (&#0;, &#xFFFE;, past U+10FFFF)
};

struct Reference {
    ReferenceKind kind = ReferenceKind::Bare;
    std::size_t length = 0;  // from the '&' to the ';', both counted; 0 when bare
    char32_t c = 0;          // Character: the character
};

// What stands at the start of `text` (which begins with '&'). Looks no
// further than the name or number runs, so reading every '&' of a text
// (whose names and numbers end at the next '&') is linear in its size.
Reference ClassifyReference(std::string_view text, ReferenceNames names);

// The reference at the start of `text` as a character: its length and, in
// `c`, the character; 0 when ClassifyReference finds no Character there.
std::size_t ReadReference(std::string_view text, ReferenceNames names, char32_t& c);

// The text (UTF-8) with every reference ReadReference knows replaced by its
// character; anything else, a bare '&' too, stays as written.
std::string DecodeReferences(std::string_view utf8, ReferenceNames names);

}  // namespace fw
