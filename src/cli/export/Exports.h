#pragma once
// The channel's site map in other forms. Each returns the whole document.

#include <cstddef>
#include <string>
#include <vector>

namespace fw::cli {

class SiteMapView;

// OPML 2.0: the channel as one outline, its items nested inside (text, htmlUrl).
std::string ExportOpml(const SiteMapView& view);
// One UTF-8 HTML page (well-formed as XML too): nested lists of links with
// their titles and abstracts.
std::string ExportHtml(const SiteMapView& view);
// A sitemaps.org urlset of every distinct absolute http(s) URL in tree
// order. URLs that cannot be made absolute, or are not web URLs, are left
// out and listed in `skipped` (UTF-8).
struct SitemapExport {
    std::string document;
    std::size_t urls = 0;
    std::vector<std::string> skipped;
};
SitemapExport ExportSitemap(const SiteMapView& view);

}  // namespace fw::cli
