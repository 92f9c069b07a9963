#pragma once
// The title of a web page, as CP932 text for a channel: taken from its
// <title>, converted from the page's encoding as Load converts a .cdf.

#include <string>
#include <string_view>

namespace fw::cli {

// `page` is the start of the file (all of it unless `truncated`). The
// encoding is, in this order: a byte-order mark; a charset declared by
// <meta charset> or <meta http-equiv="Content-Type" content="...; charset=">
// or an XML declaration; UTF-8 when the page is valid UTF-8 with bytes above
// 0x7F; else Shift-JIS. Character references and HTML's named entities
// ("Caf&eacute;") become their characters; runs of white space and control
// characters become one blank, a "<" becomes "&lt;" (a bare one would stop
// Load) and an "&" "&amp;". Empty when there is no title.
std::string PageTitleCp932(std::string_view page, bool truncated);

// A file or folder name (UTF-8 on this system when valid) as CP932 text.
std::string NameAsCp932(std::string_view name);

}  // namespace fw::cli
