#include "Usage.h"

namespace fw::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: feedwright-cdf new OUT.cdf\n"
    "       feedwright-cdf new OUT.cdf --from-folder DIR --url URL\n"
    "       feedwright-cdf new OUT.cdf --from-feed FEED [--url URL] [--limit N]\n"
    "       feedwright-cdf refresh CHANNEL.cdf --from-feed FEED [--limit N]\n"
    "       feedwright-cdf rewrite [--strict] IN.cdf OUT.cdf\n"
    "       feedwright-cdf check FILE.cdf...\n"
    "       feedwright-cdf lint [--site DIR] FILE.cdf...\n"
    "       feedwright-cdf show FILE.cdf\n"
    "       feedwright-cdf export --to opml|html|sitemap|rss|atom IN.cdf [OUT]\n"
    "       feedwright-cdf --help | --version\n";

}  // namespace

std::string_view HelpText()
{
    return "feedwright-cdf: check, inspect, rewrite, lint and export Channel Definition Format\n"
           "(.cdf) files exactly as Feedwright loads and creates them, start a channel\n"
           "from a web site's folder or an RSS or Atom feed, and export channels as feeds.\n"
           "\n"
           "Commands:\n"
           "  new OUT.cdf              write the file Feedwright creates for a fresh channel\n"
           "                             feedwright-cdf new NewChannel.cdf\n"
           "  new OUT.cdf --from-folder DIR --url URL\n"
           "                           make a channel from a local copy of the site published\n"
           "                           at URL: the home page (index.html, index.htm or\n"
           "                           default.htm) gives the channel's HREF and title, every\n"
           "                           other .htm/.html page an item titled by its <title> (or\n"
           "                           its file name), every folder holding pages a\n"
           "                           sub-channel, sorted by name; BASE is URL and items'\n"
           "                           HREFs are relative to it. Hidden files and folders are\n"
           "                           skipped and links are not followed out of DIR.\n"
           "                             feedwright-cdf new site.cdf --from-folder ~/www \\\n"
           "                                 --url http://www.example.jp/\n"
           "  new OUT.cdf --from-feed FEED [--url URL] [--limit N]\n"
           "                           make a channel from an RSS 0.91/0.92/2.0, RSS 1.0 or\n"
           "                           Atom 1.0 feed (FEED - is standard input): its title,\n"
           "                           site link, description, image and icon, its ttl or\n"
           "                           sy:updatePeriod as the schedule; each item with an\n"
           "                           http, https or ftp link a page (title, link, summary\n"
           "                           as plain text, date as LASTMOD in GMT), in feed order,\n"
           "                           the first N only with --limit. Items without such a\n"
           "                           link are left out with a warning. URL is the .cdf's\n"
           "                           own address (SELF). Nothing is fetched: no network,\n"
           "                           no DTD, no external entity.\n"
           "                             curl -s https://example.org/feed | \\\n"
           "                                 feedwright-cdf new news.cdf --from-feed -\n"
           "  refresh CHANNEL.cdf --from-feed FEED [--limit N]\n"
           "                           replace CHANNEL's top-level pages with the feed's items;\n"
           "                           its head, logos, schedule and sub-channels stay. A feed\n"
           "                           that cannot be read, or a channel that does not load\n"
           "                           cleanly, leaves CHANNEL as it was.\n"
           "                             feedwright-cdf refresh news.cdf --from-feed feed.xml\n"
           "  rewrite [--strict] IN.cdf OUT.cdf\n"
           "                           load IN as Feedwright's Load does, then write OUT as its\n"
           "                           Create does (IN and OUT may be the same file); with\n"
           "                           --strict, only when nothing changes but what the writer\n"
           "                           always changes (else status 1, the changes on stderr)\n"
           "                             feedwright-cdf rewrite old.cdf tidy.cdf\n"
           "  check FILE.cdf...        load each file and print one line per file:\n"
           "                           FILE: ok | element error | no XML declaration (phase 0)\n"
           "                           | incomplete XML declaration (phase 1) | cannot open\n"
           "                             feedwright-cdf check channels/*.cdf\n"
           "  lint [--site DIR] FILE.cdf...\n"
           "                           report what would make each channel misbehave in a CDF\n"
           "                           reader of its time (schedule, links, logos, values,\n"
           "                           titles, bare & and <), what saving it in Feedwright\n"
           "                           changes and what it keeps as written, one line each:\n"
           "                           FILE:LINE: error|warning|note: TEXT\n"
           "                           With --site, also the links to pages (relative or\n"
           "                           under BASE) that the site's local folder DIR lacks\n"
           "                             feedwright-cdf lint --site public_html channels/*.cdf\n"
           "  show FILE.cdf            load the file and print the channel as one JSON object\n"
           "                           (UTF-8, references as characters; status, head,\n"
           "                           logos, schedule, sitemap)\n"
           "                             feedwright-cdf show channel.cdf > channel.json\n"
           "  export --to FORMAT IN.cdf [OUT]\n"
           "                           write IN's site map to OUT (or standard output) as\n"
           "                           opml     OPML 2.0, nested outlines with text and url\n"
           "                           html     one UTF-8 page of nested links and abstracts\n"
           "                           sitemap  a sitemaps.org urlset of every page's absolute\n"
           "                                    URL (relative ones resolved against BASE, or\n"
           "                                    else the channel's HREF); over 50,000 URLs,\n"
           "                                    OUT is an index of OUT-1.xml, OUT-2.xml, ...\n"
           "                           rss      RSS 2.0, every item in tree order with its\n"
           "                                    title, absolute link, abstract and LASTMOD\n"
           "                           atom     Atom 1.0, the same; ids from the links,\n"
           "                                    updated from the LASTMODs (the clock only\n"
           "                                    when the channel has no date)\n"
           "                           Only http, https, ftp and relative URLs become links;\n"
           "                           others (javascript:, data:) are shown as text.\n"
           "                             feedwright-cdf export --to sitemap c.cdf sitemap.xml\n"
           "  --help                   print this help\n"
           "  --version                print the version\n"
           "\n"
           "Files are written safely: into a temporary file beside OUT, then renamed over it,\n"
           "so a failed write leaves an existing OUT as it was. Arguments after \"--\" are file\n"
           "names even when they start with \"-\". FEEDWRIGHT_TRACE=1 prints the reader's trace\n"
           "on standard error.\n"
           "\n"
           "Exit status:\n"
           "  0   every file loaded cleanly (and OUT was written); lint found at most notes\n"
           "  1   lint warned about at least one file\n"
           "  2   at least one file loaded with the element error or without a complete\n"
           "      XML declaration (rewrite and export still write OUT from what was read)\n"
           "  3   a file or folder could not be opened (new --from-folder still writes OUT\n"
           "      when only something below DIR could not be read), or a feed could not be\n"
           "      read (FEED:LINE: error: ...; nothing is written)\n"
           "  4   OUT (or standard output) could not be written\n"
           "  64  wrong usage\n"
           "When several apply, the most severe is reported: 4 over 3 over 2 over 1.\n";
}

std::string_view VersionText()
{
    return "feedwright-cdf " FEEDWRIGHT_VERSION "\n";
}

std::string_view UsageSummary()
{
    return kUsage;
}

}  // namespace fw::cli
