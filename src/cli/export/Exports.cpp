#include "export/Exports.h"

#include <unordered_set>

#include "export/MarkupText.h"
#include "export/SiteMapView.h"
#include "export/UrlResolve.h"

namespace fw::cli {

namespace {

constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The text an entry shows: its title, else its URL.
std::string Caption(const SiteMapView& view, const SitemapItem& item, const std::string& url)
{
    std::string title = view.Title(item);
    return title.empty() ? url : title;
}

}  // namespace

std::string ExportOpml(const SiteMapView& view)
{
    std::string out(kXmlDeclaration);
    out += "<opml version=\"2.0\">\n<head>\n<title>";
    AppendEscaped(out, view.Title(view.Root()));
    out += "</title>\n</head>\n<body>\n";
    WalkSiteMap(
        view.Root(),
        [&](const SitemapItem& item, std::size_t depth) {
            const std::string url = view.Url(item);
            out.append(Indent(depth)).append("<outline text=\"");
            AppendEscaped(out, Caption(view, item, url), true);
            out += '"';
            if (!url.empty()) {
                out += " htmlUrl=\"";
                AppendEscaped(out, url, true);
                out += '"';
            }
            out += item.FirstChild() != nullptr ? ">\n" : "/>\n";
        },
        [&](const SitemapItem& item, std::size_t depth) {
            if (item.FirstChild() != nullptr)
                out.append(Indent(depth)).append("</outline>\n");
        });
    out += "</body>\n</opml>\n";
    return out;
}

std::string ExportHtml(const SiteMapView& view)
{
    const SitemapItem& root = view.Root();
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"UTF-8\"/>\n<title>";
    AppendEscaped(out, view.Title(root));
    out += "</title>\n</head>\n<body>\n";
    // An entry's link (or bare caption) and its abstract.
    const auto entry = [&](const SitemapItem& item, std::string_view indent, std::string_view tag) {
        const std::string url = view.Url(item);
        out.append(indent).append("<").append(tag).append(">");
        if (!url.empty()) {
            out += "<a href=\"";
            AppendEscaped(out, url, true);
            out += "\">";
        }
        AppendEscaped(out, Caption(view, item, url));
        if (!url.empty())
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
    WalkSiteMap(
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
    return out;
}

SitemapExport ExportSitemap(const SiteMapView& view)
{
    SitemapExport result;
    std::string& out = result.document;
    out = kXmlDeclaration;
    out += "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    std::unordered_set<std::string> seen;
    WalkSiteMap(
        view.Root(),
        [&](const SitemapItem& item, std::size_t) {
            const std::string url = view.Url(item);
            if (url.empty())
                return;
            if (!IsWebUrl(url)) {
                result.skipped.push_back(url);
                return;
            }
            std::string loc = PercentEncoded(url);
            loc = loc.substr(0, loc.find('#'));  // a fragment names a place in a page, not a page
            if (!seen.insert(loc).second)
                return;
            ++result.urls;
            out += "<url><loc>";
            AppendEscaped(out, loc);
            out += "</loc></url>\n";
        },
        [](const SitemapItem&, std::size_t) {});
    out += "</urlset>\n";
    return result;
}

}  // namespace fw::cli
