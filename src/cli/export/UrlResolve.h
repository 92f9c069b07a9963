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

// True when a browser following `url` would fetch a page: an http, https or
// ftp URL, or a relative one. It is judged as a browser reads it, blanks and
// control characters around it and tabs and line breaks inside it removed
// ("java\tscript:" is "javascript:"); references must already be decoded.
bool IsSafeLink(std::string_view url);

// A URL as a sitemap's <loc> wants it: bytes outside printable ASCII (UTF-8
// of non-Latin characters) and characters not allowed in URLs (blanks, "<",
// a "%" that starts no %XX) written as %XX. Not yet XML-escaped. `changed`
// tells whether anything but non-ASCII text had to be written so.
std::string PercentEncoded(std::string_view url, bool& changed);

// True when the host (and user and port) of an absolute URL holds only what
// a URL's host may hold: "http://<your server>/" does not.
bool HasValidHost(std::string_view url);

}  // namespace fw::cli
