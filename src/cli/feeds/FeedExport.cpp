#include "feeds/FeedExport.h"

#include <optional>
#include <set>

#include "channel/LogoSet.h"
#include "export/MarkupText.h"
#include "export/SiteMapView.h"
#include "export/UrlResolve.h"
#include "sitemap/SitemapWalk.h"
#include "text/SjisText.h"

namespace fw::cli {

namespace {

constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The item's LASTMOD, kept from the file it was read from (or from a feed).
std::optional<FeedTime> LastModOf(const SitemapItem& item)
{
    const KeptContent* kept = item.Node().m_kept.Get();
    if (kept == nullptr)
        return std::nullopt;
    for (const KeptAttribute& attribute : kept->attributes) {
        if (attribute.part == KeptPart::Self && EqualsAsciiNoCase(attribute.name, "LASTMOD"))
            return ParseFeedDate(attribute.value);
    }
    return std::nullopt;
}

// The latest LASTMOD of the whole site map, if any.
std::optional<FeedTime> LatestOf(const SiteMapView& view)
{
    std::optional<FeedTime> latest;
    WalkSubtree(
        view.Root(),
        [&](const SitemapItem& item, std::size_t) {
            const auto date = LastModOf(item);
            if (date && (!latest || *date > *latest))
                latest = date;
        },
        [](const SitemapItem&, std::size_t) {});
    return latest;
}

void Element(std::string& out, std::string_view indent, std::string_view name, std::string_view text)
{
    out.append(indent).append("<").append(name).append(">");
    AppendEscaped(out, text);
    out.append("</").append(name).append(">\n");
}

// Every item below the root, in tree order, with its link when it may be
// one (otherwise its URL is noted and left out).
template <typename Each> void EachItem(const SiteMapView& view, ExportedPage& page, Each each)
{
    WalkSubtree(
        view.Root(),
        [&](const SitemapItem& item, std::size_t) {
            if (&item == &view.Root())
                return;
            const std::string url = view.Url(item);
            std::string link = url;
            if (!url.empty() && !IsSafeLink(url)) {
                page.notLinks.push_back(url);
                link.clear();
            }
            each(item, link);
        },
        [](const SitemapItem&, std::size_t) {});
}

std::string ChannelLink(const SiteMapView& view, ExportedPage& page)
{
    const std::string url = view.Url(view.Root());
    if (url.empty() || IsSafeLink(url))
        return url;
    page.notLinks.push_back(url);
    return {};
}

std::string LogoOf(const SiteMapView& view, const std::string& cp932)
{
    std::string url = cp932;
    TrimSingleByteWhiteSpace(url);
    if (url.empty() || EqualsAsciiNoCase(url, "http://"))
        return {};
    url = ChannelTextToUtf8(url);
    if (!view.Base().empty())
        url = ResolveUrl(view.Base(), url);
    return IsSafeLink(url) ? url : std::string();
}

}  // namespace

ExportedPage ExportRss(const SiteMapView& view, const LogoSet& logos)
{
    ExportedPage page;
    std::string& out = page.document;
    out = kXmlDeclaration;
    out += "<rss version=\"2.0\">\n<channel>\n";
    const std::string title = view.Title(view.Root());
    const std::string link = ChannelLink(view, page);
    Element(out, "  ", "title", title);
    Element(out, "  ", "link", link);
    Element(out, "  ", "description", view.Abstract(view.Root()));
    if (const auto latest = LatestOf(view))
        Element(out, "  ", "lastBuildDate", Rfc822Text(*latest));
    Element(out, "  ", "generator", "feedwright-cdf");
    if (const std::string logo = LogoOf(view, logos.m_strLogoUrl); !logo.empty()) {
        out += "  <image>\n";
        Element(out, "    ", "url", logo);
        Element(out, "    ", "title", title);
        Element(out, "    ", "link", link);
        out += "  </image>\n";
    }
    EachItem(view, page, [&](const SitemapItem& item, const std::string& itemLink) {
        out += "  <item>\n";
        Element(out, "    ", "title", view.Title(item));
        if (!itemLink.empty()) {
            Element(out, "    ", "link", itemLink);
            if (IsWebUrl(itemLink) || EqualsAsciiNoCase(itemLink.substr(0, 6), "ftp://")) {
                out += "    <guid isPermaLink=\"true\">";
                AppendEscaped(out, itemLink);
                out += "</guid>\n";
            }
        }
        if (const std::string abstract = view.Abstract(item); !abstract.empty())
            Element(out, "    ", "description", abstract);
        if (const auto date = LastModOf(item))
            Element(out, "    ", "pubDate", Rfc822Text(*date));
        out += "  </item>\n";
    });
    out += "</channel>\n</rss>\n";
    return page;
}

ExportedPage ExportAtom(const SiteMapView& view, const LogoSet& logos, FeedTime now)
{
    ExportedPage page;
    std::string& out = page.document;
    out = kXmlDeclaration;
    out += "<feed xmlns=\"http://www.w3.org/2005/Atom\">\n";
    const std::string link = ChannelLink(view, page);
    const FeedTime updated = LatestOf(view).value_or(now);
    // An id must be an absolute IRI that stays the same: the channel's own
    // address, else its home page; a made-up one only when it has neither.
    std::string id = link;
    if (!IsWebUrl(id)) {
        bool changed = false;
        id = "urn:feedwright:" + PercentEncoded(view.Title(view.Root()), changed);
    }
    Element(out, "  ", "title", view.Title(view.Root()));
    if (const std::string abstract = view.Abstract(view.Root()); !abstract.empty())
        Element(out, "  ", "subtitle", abstract);
    if (!link.empty()) {
        out += "  <link rel=\"alternate\" href=\"";
        AppendEscaped(out, link, true);
        out += "\"/>\n";
    }
    Element(out, "  ", "id", id);
    Element(out, "  ", "updated", Rfc3339Text(updated));
    Element(out, "  ", "generator", "feedwright-cdf");
    if (const std::string icon = LogoOf(view, logos.m_strIconUrl); !icon.empty())
        Element(out, "  ", "icon", icon);
    if (const std::string logo = LogoOf(view, logos.m_strLogoUrl); !logo.empty())
        Element(out, "  ", "logo", logo);
    std::size_t position = 0;
    std::set<std::string> ids;
    EachItem(view, page, [&](const SitemapItem& item, const std::string& itemLink) {
        ++position;
        out += "  <entry>\n";
        Element(out, "    ", "title", view.Title(item));
        if (!itemLink.empty()) {
            out += "    <link rel=\"alternate\" href=\"";
            AppendEscaped(out, itemLink, true);
            out += "\"/>\n";
        }
        // An entry is known by its link; one without a link of its own (or
        // repeating an earlier one) by its place in the channel.
        // Not an http URL, which readers would take for the entry's link.
        std::string entryId = itemLink;
        if (!IsWebUrl(entryId) || !ids.insert(entryId).second)
            entryId = (id.starts_with("urn:") ? id : "urn:feedwright:" + id) + ":item-" + std::to_string(position);
        Element(out, "    ", "id", entryId);
        Element(out, "    ", "updated", Rfc3339Text(LastModOf(item).value_or(updated)));
        if (const std::string abstract = view.Abstract(item); !abstract.empty())
            Element(out, "    ", "summary", abstract);
        out += "  </entry>\n";
    });
    out += "</feed>\n";
    return page;
}

}  // namespace fw::cli
