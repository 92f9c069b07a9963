#pragma once
// feedwright-cdf new OUT --from-folder DIR --url URL: a channel made from a
// local copy of a web site.

#include <string>

#include "ExitStatus.h"

namespace fw::cli {

// An absolute http, https or ftp URL with a host and without a query or a
// fragment, in printable ASCII without blanks or quotes (it is written into
// the file as it stands, and the pages' URLs are made by adding to it).
bool IsSiteUrl(const std::string& url, std::string& problem);

// The site's folder becomes the channel: its home page (index.html,
// index.htm, default.htm) gives the channel's HREF and title, every other
// page an item, every folder holding pages a sub-channel; BASE is URL with
// a final "/", SELF the .cdf's name under URL, and items' HREFs relative.
// A folder below that cannot be read is reported and left out (status 3,
// OUT still written).
ExitStatus RunNewFromFolder(const std::string& out, const std::string& folder, const std::string& url);

}  // namespace fw::cli
