#include "Usage.h"

namespace fw::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: feedwright-cdf new OUT.cdf\n"
    "       feedwright-cdf rewrite IN.cdf OUT.cdf\n"
    "       feedwright-cdf check FILE.cdf...\n"
    "       feedwright-cdf show FILE.cdf\n"
    "       feedwright-cdf --help | --version\n";

}  // namespace

std::string_view HelpText()
{
    return
        "feedwright-cdf: check, inspect and rewrite Channel Definition Format (.cdf) files\n"
        "exactly as Feedwright loads and creates them.\n"
        "\n"
        "Commands:\n"
        "  new OUT.cdf              write the file Feedwright creates for a fresh channel\n"
        "                             feedwright-cdf new NewChannel.cdf\n"
        "  rewrite IN.cdf OUT.cdf   load IN as Feedwright's Load does, then write OUT as its\n"
        "                           Create does (IN and OUT may be the same file)\n"
        "                             feedwright-cdf rewrite old.cdf tidy.cdf\n"
        "  check FILE.cdf...        load each file and print one line per file:\n"
        "                           FILE: ok | element error | no XML declaration (phase 0)\n"
        "                           | incomplete XML declaration (phase 1) | cannot open\n"
        "                             feedwright-cdf check channels/*.cdf\n"
        "  show FILE.cdf            load the file and print the channel as one JSON object\n"
        "                           (UTF-8; status, head, logos, schedule, sitemap)\n"
        "                             feedwright-cdf show channel.cdf > channel.json\n"
        "  --help                   print this help\n"
        "  --version                print the version\n"
        "\n"
        "Files are written safely: into a temporary file beside OUT, then renamed over it,\n"
        "so a failed write leaves an existing OUT as it was. Arguments after \"--\" are file\n"
        "names even when they start with \"-\". FEEDWRIGHT_TRACE=1 prints the reader's trace\n"
        "on standard error.\n"
        "\n"
        "Exit status:\n"
        "  0   every file loaded cleanly (and OUT was written)\n"
        "  2   at least one file loaded with the element error or without a complete\n"
        "      XML declaration (rewrite still writes OUT from what was read)\n"
        "  3   a file could not be opened\n"
        "  4   OUT (or standard output) could not be written\n"
        "  64  wrong usage\n"
        "When several apply, the most severe is reported: 4 over 3 over 2.\n";
}

std::string_view VersionText()
{
    return "feedwright-cdf 1.2\n";
}

std::string_view UsageSummary()
{
    return kUsage;
}

}  // namespace fw::cli
