#pragma once
// The commands of feedwright-cdf that work on a loaded channel as a whole. Each returns its exit status and
// speaks only through standard output (results) and standard error
// (problems, in English).

#include <string>
#include <vector>

#include "ExitStatus.h"

namespace fw {
struct Channel;
}

namespace fw::cli {

// Writes the file the program creates for a fresh channel.
ExitStatus RunNew(const std::string& out);
// Loads IN as the program's Load does and writes OUT as its Create does.
// OUT is written also after a load error, from what was read.
// With `strict`, OUT is not written (status 1, the changes said on standard
// error) when the save would change more than the writer's documented
// normalisations (trimmed URLs, placeholders, sub-channels before pages).
ExitStatus RunRewrite(const std::string& in, const std::string& out, bool strict = false);
// One line per file on standard output.
ExitStatus RunCheck(const std::vector<std::string>& files);
// The loaded channel as JSON on standard output.
ExitStatus RunShow(const std::string& file);

// Writes the channel to OUT as Create does, safely; reports a failure.
ExitStatus SaveChannel(Channel& channel, const std::string& out);

}  // namespace fw::cli
