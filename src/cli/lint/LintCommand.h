#pragma once
// feedwright-cdf lint FILE...: one line per finding, FILE:LINE: SEVERITY: TEXT.

#include <string>
#include <vector>

#include "ExitStatus.h"

namespace fw::cli {

// 0 when nothing was found but notes, 1 when a warning was, 2 to 4 as
// `check` gives them (a load problem, a file that cannot be opened, standard
// output that cannot be written); the most severe over all files.
// With a `site` folder (the local copy of the site the channel describes),
// links to pages that are not in it are found too.
ExitStatus RunLint(const std::vector<std::string>& files, const std::string& site = {});

}  // namespace fw::cli
