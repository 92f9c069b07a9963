#include "export/SiteMapView.h"

#include "channel/Channel.h"
#include "export/MarkupText.h"
#include "export/UrlResolve.h"
#include "text/SjisText.h"

namespace fw::cli {

namespace {

constexpr std::size_t kMaxIndentLevels = 32;
constexpr std::string_view kIndent = "                                                                ";
static_assert(kIndent.size() == 2 * kMaxIndentLevels);

// A URL as the writer would write it, as UTF-8; empty for none.
std::string GivenUrl(const std::string& cp932)
{
    std::string url = cp932;
    NormalizeUrl(url);
    if (url.empty() || EqualsAsciiNoCase(url, kHttpPrefix))
        return {};
    return ChannelTextToUtf8(url);
}

}  // namespace

std::string_view Indent(std::size_t depth)
{
    return kIndent.substr(0, 2 * std::min(depth, kMaxIndentLevels));
}

SiteMapView::SiteMapView(const Channel& channel) : m_channel(channel), m_root(*channel.sitemap.Root())
{
    const ChannelHead& head = channel.head;
    if (head.m_bUseBaseUrl != 0) {
        // The writer keeps BASE's trailing '/', which resolving needs.
        std::string base = head.m_strBaseUrl;
        TrimSingleByteWhiteSpace(base);
        if (!base.empty() && !EqualsAsciiNoCase(base, kHttpPrefix))
            m_base = ChannelTextToUtf8(base);
    }
    if (m_base.empty())
        m_base = GivenUrl(head.m_strHomeUrl);
    // A "javascript:" BASE would make every relative link a script: such a
    // base is not resolved against, and the links stay relative.
    if (!IsSafeLink(m_base))
        m_base.clear();
}

std::string SiteMapView::Title(const SitemapItem& item) const
{
    std::string title = &item == &m_root ? m_channel.head.m_strTitle : item.Node().m_strTitle;
    TrimSingleByteWhiteSpace(title);
    return ChannelTextToUtf8(title);
}

std::string SiteMapView::Abstract(const SitemapItem& item) const
{
    std::string text = &item == &m_root ? m_channel.head.m_strAbstract : item.Node().m_strAbstract;
    TrimSingleByteWhiteSpace(text);
    return ChannelTextToUtf8(text);
}

std::string SiteMapView::Url(const SitemapItem& item) const
{
    const std::string given = GivenUrl(&item == &m_root ? m_channel.head.m_strHomeUrl : item.Node().m_strHref);
    if (given.empty() || m_base.empty())
        return given;
    return ResolveUrl(m_base, given);
}

}  // namespace fw::cli
