#pragma once
// Relative URLs made absolute, as a browser resolves a link against the
// page it stands on (RFC 3986, section 5.2).

#include <string>
#include <string_view>

namespace fw::cli {

// `reference` against `base`. A reference with its own scheme comes back
// (with "." and ".." segments removed); against a base without a scheme a
// relative reference stays relative.
std::string ResolveUrl(std::string_view base, std::string_view reference);

// True for an absolute http or https URL with a host.
bool IsWebUrl(std::string_view url);

// A URL as a sitemap's <loc> wants it: bytes outside printable ASCII (UTF-8
// of non-Latin characters, blanks) and characters unsafe in URLs written as
// %XX. Not yet XML-escaped.
std::string PercentEncoded(std::string_view url);

}  // namespace fw::cli
