#include "export/Exports.h"

#include <unordered_set>

#include "export/MarkupText.h"
#include "export/SiteMapView.h"
#include "export/UrlResolve.h"
#include "sitemap/SitemapWalk.h"

namespace fw::cli {

namespace {

constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr std::string_view kUrlsetOpen = "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
constexpr std::string_view kUrlsetClose = "</urlset>\n";

// The text an entry shows: its title, else its URL; a URL that is no link
// is shown beside the title.
std::string Caption(const SiteMapView& view, const SitemapItem& item, const std::string& url, bool link)
{
    std::string title = view.Title(item);
    if (title.empty())
        return url;
    return link || url.empty() ? title : title + " (" + url + ")";
}

// The item's URL when it may be a link; otherwise empty, and the URL noted.
std::string LinkOf(const std::string& url, std::vector<std::string>& notLinks)
{
    if (url.empty() || IsSafeLink(url))
        return url;
    notLinks.push_back(url);
    return {};
}

}  // namespace

ExportedPage ExportOpml(const SiteMapView& view)
{
    ExportedPage page;
    std::string& out = page.document;
    out = kXmlDeclaration;
    out += "<opml version=\"2.0\">\n<head>\n<title>";
    AppendEscaped(out, view.Title(view.Root()));
    out += "</title>\n</head>\n<body>\n";
    WalkSubtree(
        view.Root(),
        [&](const SitemapItem& item, std::size_t depth) {
            const std::string url = view.Url(item);
            const std::string link = LinkOf(url, page.notLinks);
            out.append(Indent(depth)).append("<outline text=\"");
            AppendEscaped(out, Caption(view, item, url, !link.empty()), true);
            out += '"';
            if (!link.empty()) {
                out += " type=\"link\" url=\"";
                AppendEscaped(out, link, true);
                out += '"';
            }
            out += item.FirstChild() != nullptr ? ">\n" : "/>\n";
        },
        [&](const SitemapItem& item, std::size_t depth) {
            if (item.FirstChild() != nullptr)
                out.append(Indent(depth)).append("</outline>\n");
        });
    out += "</body>\n</opml>\n";
    return page;
}

ExportedPage ExportHtml(const SiteMapView& view)
{
    ExportedPage page;
    std::string& out = page.document;
    const SitemapItem& root = view.Root();
    out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"UTF-8\"/>\n<title>";
    AppendEscaped(out, view.Title(root));
    out += "</title>\n</head>\n<body>\n";
    // An entry's link (or bare caption) and its abstract.
    const auto entry = [&](const SitemapItem& item, std::string_view indent, std::string_view tag) {
        const std::string url = view.Url(item);
        const std::string link = LinkOf(url, page.notLinks);
        out.append(indent).append("<").append(tag).append(">");
        if (!link.empty()) {
            out += "<a href=\"";
            AppendEscaped(out, link, true);
            out += "\">";
        }
        AppendEscaped(out, Caption(view, item, url, !link.empty()));
        if (!link.empty())
            out += "</a>";
        if (tag == "h1")
            out += "</h1>";
        const std::string abstract = view.Abstract(item);
        if (!abstract.empty()) {
            out += "\n";
            out.append(indent).append("<p>");
            AppendEscaped(out, abstract);
            out += "</p>";
        }
    };
    WalkSubtree(
        root,
        [&](const SitemapItem& item, std::size_t depth) {
            if (&item == &root) {
                entry(item, "", "h1");
            } else {
                if (item.PrevSibling() == nullptr)
                    out.append(Indent(depth - 1)).append("<ul>\n");
                entry(item, Indent(depth), "li");
            }
            out += "\n";
        },
        [&](const SitemapItem& item, std::size_t depth) {
            if (&item == &root) {
                if (item.FirstChild() != nullptr)
                    out += "</ul>\n";
                return;
            }
            if (item.FirstChild() != nullptr)
                out.append(Indent(depth)).append("</ul>\n");
            out.append(Indent(depth)).append("</li>\n");
        });
    out += "</body>\n</html>\n";
    return page;
}

SitemapUrls CollectSitemapUrls(const SiteMapView& view)
{
    SitemapUrls result;
    std::unordered_set<std::string> seen;
    WalkSubtree(
        view.Root(),
        [&](const SitemapItem& item, std::size_t) {
            const std::string url = view.Url(item);
            if (url.empty())
                return;
            if (!IsWebUrl(url)) {
                result.skipped.push_back(url);
                return;
            }
            if (!HasValidHost(url)) {
                result.invalid.push_back(url);
                return;
            }
            bool changed = false;
            std::string loc = PercentEncoded(url, changed);
            loc = loc.substr(0, loc.find('#'));  // a fragment names a place in a page, not a page
            if (!seen.insert(loc).second)
                return;
            if (changed)
                result.encoded.push_back(url);
            result.locs.push_back(std::move(loc));
        },
        [](const SitemapItem&, std::size_t) {});
    return result;
}

std::vector<std::string> SitemapDocuments(const std::vector<std::string>& locs)
{
    std::vector<std::string> documents;
    std::size_t count = 0;
    const auto open = [&] {
        documents.emplace_back(kXmlDeclaration).append(kUrlsetOpen);
        count = 0;
    };
    open();
    for (const std::string& loc : locs) {
        std::string entry = "<url><loc>";
        AppendEscaped(entry, loc);
        entry += "</loc></url>\n";
        if (count == kMaxSitemapUrls ||
            (count > 0 && documents.back().size() + entry.size() + kUrlsetClose.size() > kMaxSitemapBytes)) {
            documents.back() += kUrlsetClose;
            open();
        }
        documents.back() += entry;
        ++count;
    }
    documents.back() += kUrlsetClose;
    return documents;
}

std::string SitemapIndex(const std::vector<std::string>& sitemaps)
{
    std::string out(kXmlDeclaration);
    out += "<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    for (const std::string& url : sitemaps) {
        out += "<sitemap><loc>";
        AppendEscaped(out, url);
        out += "</loc></sitemap>\n";
    }
    out += "</sitemapindex>\n";
    return out;
}

}  // namespace fw::cli
