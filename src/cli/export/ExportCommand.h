#pragma once
// feedwright-cdf export --to opml|html|sitemap|rss|atom IN [OUT]

#include <optional>
#include <string>
#include <string_view>

#include "ExitStatus.h"

namespace fw::cli {

enum class ExportFormat { Opml, Html, Sitemap, Rss, Atom };

// "opml", "html", "sitemap", "rss" or "atom" in any case.
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

// Loads IN as Load does and writes its site map in `format` to OUT (safely),
// or to standard output when OUT is empty. Like rewrite, a load problem is
// reported and what was read is still exported.
ExitStatus RunExport(ExportFormat format, const std::string& in, const std::string& out);

}  // namespace fw::cli
