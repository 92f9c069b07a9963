#pragma once
// Text from a feed on its way into a channel: markup in descriptions
// turned into plain text by libxml2's HTML parser, white space collapsed.

#include <string>
#include <string_view>

namespace fw::cli {

// The text a browser would show for an HTML fragment (UTF-8): tags removed,
// character references and HTML's named entities decoded, scripts, styles
// and comments left out, block elements and <br> parted by a blank, and
// white space collapsed. Never fetches anything.
std::string HtmlToText(std::string_view html);

// Runs of white space (and control characters, which a channel cannot
// carry) as one blank, none at either end.
std::string CollapseBlanks(std::string_view utf8);

}  // namespace fw::cli
