// USAGE and LOGO: a page's usage, the icons of pages and sub-channels, and
// the channel's logo set.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cdf/ByteScanner.h"
#include "cdf/CdfReadPass.h"
#include "channel/Channel.h"
#include "channel/Url.h"
#include "sitemap/UsageWords.h"
#include "text/SjisText.h"

namespace fw {

namespace {

constexpr std::array<std::string_view, 2> kLogoNames = {"HREF", "STYLE"};
static_assert(NoNameHoldsAnEarlierOne(kLogoNames));

}  // namespace

// A page's usage is its VALUE, the name matched whole (blanks aside); the
// word is written back as the file spelled it while the usage stays. Other
// attributes, and what the USAGE holds (a desktop component's size, say),
// are kept with the page.
void CdfReadPass::ReadUsage()
{
    Trace("USAGE:");
    SitemapNode* page = CurrentPageNode();
    while (NextAttribute()) {
        if (!EqualsAsciiNoCase(TrimAttrName(m_attrName), "VALUE")) {
            KeepAttribute(page->m_kept, KeptPart::Usage);
            continue;
        }
        const int code = UsageCodeOfWord(m_value);
        page->m_nUsage = code;
        if (Tracing())
            Trace("value=" + std::to_string(code));
        if (KeptContent* content = page->m_kept.Has() ? &page->m_kept.Make() : nullptr)
            std::erase_if(content->attributes,
                          [](const KeptAttribute& a) { return a.shadow && a.part == KeptPart::Usage; });
        if (m_value != UsageWordToWrite(code))
            KeepAttribute(page->m_kept, KeptPart::Usage, true);
    }
    Trace("\n");
    m_inUsage = !m_selfClosed;
}

namespace {

// The logo set's field and kept part for a top-level LOGO's style.
std::string* LogoSetField(LogoSet& logos, std::string_view style, KeptPart& part)
{
    if (EqualsAsciiNoCase(style, "ICON")) {
        part = KeptPart::Icon;
        return &logos.m_strIconUrl;
    }
    if (EqualsAsciiNoCase(style, "IMAGE")) {
        part = KeptPart::Image;
        return &logos.m_strLogoUrl;
    }
    if (EqualsAsciiNoCase(style, "IMAGE-WIDE")) {
        part = KeptPart::WideImage;
        return &logos.m_strWideLogoUrl;
    }
    return nullptr;
}

}  // namespace

// The style applies with the HREF wherever it stands in the tag. A LOGO no
// field takes (an image of a page, a second icon, one inside a USAGE, one
// outside every channel) is kept whole with the record around it.
void CdfReadPass::ReadLogo(std::size_t tagStart)
{
    Trace("LOGO:\n");
    m_logoUrl.clear();
    std::string style;
    struct Other {
        std::string name, value;
        std::size_t offset;
    };
    std::vector<Other> others;
    while (NextAttribute()) {
        switch (MatchName(kLogoNames)) {
        case 0:
            Trace("HREF:");
            m_logoUrl.assign(m_value);
            break;
        case 1:
            Trace("STYLE:");
            style.assign(m_value);
            break;
        default:
            others.push_back(
                {KeptName(m_attrName), std::string(m_value), m_input.OffsetOf(TrimAttrName(m_attrName).data())});
            break;
        }
    }
    Trace("\n");

    std::string* field = nullptr;
    Kept* kept = nullptr;
    KeptPart part = KeptPart::Icon;
    if (m_inItem) {
        // One inside the page's USAGE stays there: the icon is written after
        // the USAGE, and read back it would lose its place to this one.
        SitemapNode* page = m_inUsage ? nullptr : CurrentPageNode();
        if (page != nullptr && EqualsAsciiNoCase(style, "ICON"))
            field = &page->m_strIconHref, kept = &page->m_kept;
    } else if (Depth() == 1) {
        field = LogoSetField(m_channel.logos, style, part);
        kept = &m_channel.logos.m_kept;
    } else if (Depth() >= 2 && EqualsAsciiNoCase(style, "ICON")) {
        SitemapNode& node = InnermostChannel()->Node();
        field = &node.m_strIconHref, kept = &node.m_kept;
    }
    // The first LOGO that gives a field a URL keeps it.
    if (field != nullptr && !IsUrlGiven(*field)) {
        *field = m_logoUrl;
        for (Other& other : others) {
            Tell(CdfReadAction::Kept, other.offset, other.name, true);
            kept->Make().attributes.push_back({part, false, std::move(other.name), std::move(other.value)});
        }
        return;
    }
    m_input.SeekTo(tagStart);
    const KeptTarget target = CurrentOwner();
    m_element = OwnerElementName();
    Tell(CdfReadAction::Kept, tagStart, "LOGO", false);
    m_foreign.clear();
    m_input.Advance(1);
    ReadForeignStartTag(ReadTagName(), m_foreign, target.part);
    m_foreign.back().kind = KeptToken::Kind::Empty;
    Commit(target, m_foreign);
}

}  // namespace fw
