// USAGE and LOGO: a page's usage, the icons of pages and sub-channels, and
// the channel's logo set.

#include <array>
#include <string_view>

#include "cdf/CdfReadPass.h"
#include "channel/Channel.h"
#include "sitemap/UsageWords.h"
#include "text/SjisText.h"

namespace fw {

namespace {

constexpr std::array<std::string_view, 2> kLogoNames = {"HREF", "STYLE"};
static_assert(NoNameHoldsAnEarlierOne(kLogoNames));

}  // namespace

// The name must be exactly VALUE: no substring match, so nothing may stand
// between the element name's single blank and it. Only a page takes a usage.
void CdfReadPass::ReadUsage()
{
    Trace("USAGE:");
    while (NextAttribute()) {
        if (!m_inItem || UpperAttrName() != "VALUE")
            continue;
        const int code = UsageCodeOfWord(m_value);
        if (SitemapNode* page = CurrentPageNode()) {
            page->m_nUsage = code;
            if (Tracing())
                Trace("value=" + std::to_string(code));
        }
    }
    Trace("\n");
}

// Each STYLE applies the URL read so far, so HREF must come first: a STYLE
// before any HREF stores the empty URL.
void CdfReadPass::ReadLogo()
{
    Trace("LOGO:\n");
    m_logoUrl.clear();
    while (NextAttribute()) {
        switch (MatchName(kLogoNames)) {
        case 0:
            Trace("HREF:");
            m_logoUrl.assign(m_value);
            break;
        case 1:
            Trace("STYLE:");
            ApplyLogoStyle();
            break;
        default:
            break;
        }
    }
    Trace("\n");
}

// The style word is taken without regard to case.
void CdfReadPass::ApplyLogoStyle()
{
    const std::string_view style = m_value;
    const std::string& url = m_logoUrl;
    if (m_inItem) {
        if (EqualsAsciiNoCase(style, "ICON")) {
            if (SitemapNode* page = CurrentPageNode())
                page->m_strIconHref = url;
        }
        return;
    }
    if (Depth() == 1) {
        // The top-level channel's images are the logo set, not the root's icon.
        LogoSet& logos = m_channel.logos;
        if (EqualsAsciiNoCase(style, "ICON"))
            logos.m_strIconUrl = url;
        else if (EqualsAsciiNoCase(style, "IMAGE"))
            logos.m_strLogoUrl = url;
        else if (EqualsAsciiNoCase(style, "IMAGE-WIDE"))
            logos.m_strWideLogoUrl = url;
        return;
    }
    if (Depth() >= 2 && EqualsAsciiNoCase(style, "ICON"))
        InnermostChannel()->Node().m_strIconHref = url;
    // Outside every channel and item there is no target.
}

}  // namespace fw
