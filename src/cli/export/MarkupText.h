#pragma once
// Channel text on its way into XML and HTML output: CP932 to UTF-8, the
// references a file may hold ("&amp;", "&#x1F600;") taken as the characters
// they stand for, and everything escaped again on the way out, so that text
// written bare ("Tom & Jerry") and text written as XML ("Tom &amp; Jerry")
// come out alike.

#include <string>
#include <string_view>

namespace fw::cli {

// UTF-8 with references resolved. Characters XML cannot carry (control
// characters) become U+FFFD; bytes that are not CP932 do too.
std::string ChannelTextToUtf8(std::string_view cp932);

// Appends UTF-8 text escaped for element content (& < >) or, with
// `attribute`, for a double-quoted attribute value (also " and line breaks).
void AppendEscaped(std::string& out, std::string_view utf8, bool attribute = false);

}  // namespace fw::cli
