#pragma once
// The channel's site map in other forms. Each returns the whole document.

#include <cstddef>
#include <string>
#include <vector>

namespace fw::cli {

class SiteMapView;

// A page and the URLs it shows as text rather than as links (UTF-8): those
// a browser would not fetch as a page (IsSafeLink), such as "javascript:".
struct ExportedPage {
    std::string document;
    std::vector<std::string> notLinks;
};

// OPML 2.0: the channel as one outline, its items nested inside (text, and
// type="link" with url).
ExportedPage ExportOpml(const SiteMapView& view);
// One UTF-8 HTML page (well-formed as XML too): nested lists of links with
// their titles and abstracts.
ExportedPage ExportHtml(const SiteMapView& view);

// sitemaps.org's limits for one file.
constexpr std::size_t kMaxSitemapUrls = 50000;
constexpr std::size_t kMaxSitemapBytes = 50 * 1000 * 1000;

// Every distinct absolute http(s) URL in tree order, percent-encoded as a
// <loc> wants it, and those that could not be taken (UTF-8): not absolute
// web URLs (`skipped`), a host no URL may have (`invalid`), or taken only
// after characters not allowed in a URL were percent-encoded (`encoded`).
struct SitemapUrls {
    std::vector<std::string> locs;
    std::vector<std::string> skipped, invalid, encoded;
};
SitemapUrls CollectSitemapUrls(const SiteMapView& view);

// The urlset documents for `locs`: one, or as many as keep each within
// sitemaps.org's limits.
std::vector<std::string> SitemapDocuments(const std::vector<std::string>& locs);
// A sitemap index naming each of `sitemaps` (their URLs).
std::string SitemapIndex(const std::vector<std::string>& sitemaps);

}  // namespace fw::cli
