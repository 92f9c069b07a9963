#pragma once
// The texts of --help, --version and the short reminder after wrong usage.

#include <string_view>

namespace fw::cli {

std::string_view HelpText();
std::string_view VersionText();
// The command lines alone, shown on standard error after wrong usage.
std::string_view UsageSummary();

}  // namespace fw::cli
