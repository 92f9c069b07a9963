#pragma once
// The URL rules of a channel: the text every URL field starts with, when an
// optional URL counts as given, and how a URL is tidied before it is written.

#include <string>
#include <string_view>

namespace fw {

// The text every URL field starts with; an optional URL equal to it means "none".
inline constexpr std::string_view kHttpPrefix = "http://";

// An optional URL (a logo, an icon, an item's HREF) counts as given unless it
// is empty or exactly "http://".
bool IsUrlGiven(std::string_view url);

// Trims single-byte white space at both ends, then removes one trailing '/'
// unless the whole text is "http://" in any case. Changes the text in place.
void NormalizeUrl(std::string& text);

}  // namespace fw
