// CHANNEL, ITEM, TITLE and ABSTRACT: the channel head and the site map tree.

#include <array>
#include <string_view>
#include <utility>

#include "cdf/ByteScanner.h"
#include "cdf/CdfReadPass.h"
#include "channel/Channel.h"
#include "text/SjisText.h"

namespace fw {

using namespace std::string_view_literals;

namespace {

constexpr std::array<std::string_view, 5> kChannelNames = {"BASE", "HREF", "SELF", "LEVEL", "PRECACHE"};
static_assert(NoNameHoldsAnEarlierOne(kChannelNames));
enum ChannelName { kBase, kHref, kSelf, kLevel, kPrecache };

constexpr std::array<std::string_view, 3> kItemNames = {"HREF", "LEVEL", "PRECACHE"};
static_assert(NoNameHoldsAnEarlierOne(kItemNames));
enum ItemName { kItemHref, kItemLevel, kItemPrecache };

constexpr std::array<std::string_view, 5> kChannelLabels = {"BASE:", "HREF:", "SELF:", "LEVEL:", "PRECACHE:"};
constexpr std::array<std::string_view, 3> kItemLabels = {"HREF:", "LEVEL:", "PRECACHE:"};

}  // namespace

// The top-level channel is the root item, which Clear left in place; a nested
// one becomes a new sub-channel of the channel around it. The open channels
// live in a vector, so any depth reads without recursion.
void CdfReadPass::OpenChannel()
{
    Trace("CHANNEL:\n");
    SitemapTree& tree = m_channel.sitemap;
    SitemapItem* item = tree.Root();
    if (SitemapItem* parent = InnermostChannel()) {
        tree.Select(parent);
        item = tree.AddSubChannel(false);
        if (item == nullptr)
            item = parent;  // the tree refused; keep the depth count honest
    }
    m_openChannels.push_back(item);
    m_inUsage = false;
    m_titleAttrOwner = nullptr;
    const bool topLevel = Depth() == 1;
    if (topLevel && m_channelSeen)
        Tell(CdfReadAction::Joined, m_input.OffsetOf(m_tagName.data()), "CHANNEL", false);
    if (topLevel)
        m_channelSeen = true;
    SitemapNode& node = item->Node();
    ChannelHead& head = m_channel.head;
    // The top-level channel's own content is the head's; the root record
    // only mirrors the head.
    Kept& kept = topLevel ? head.m_kept : node.m_kept;

    while (NextAttribute()) {
        const int name = MatchName(kChannelNames);
        if (Tracing()) {
            if (name >= 0)
                Trace(kChannelLabels[static_cast<std::size_t>(name)]);
            Trace(m_value);
            Trace("\n");
        }
        switch (name) {
        case kBase:
        case kSelf:
            // A nested channel has no record for these: kept as written.
            if (!topLevel)
                KeepAttribute(kept, KeptPart::Self);
            else if (name == kSelf)
                head.m_strCdfUrl = m_value;
            else {
                head.m_strBaseUrl = m_value;
                head.m_bUseBaseUrl = 1;
            }
            break;
        case kHref:
            if (topLevel)
                head.m_strHomeUrl = m_value;
            node.m_strHref = m_value;
            break;
        case kLevel:
            node.m_nLevel = LeadingInteger(m_value);
            break;
        case kPrecache:
            ReadPrecache(node);
            break;
        default:
            if (!TakeTitleAttribute(kept, item, topLevel))
                KeepAttribute(kept, KeptPart::Self);
            break;
        }
    }
}

// Only "NO", in capitals, turns precaching off; anything else leaves it on.
void CdfReadPass::ReadPrecache(SitemapNode& node)
{
    if (m_value == "NO")
        node.m_bPrecache = 0;
    else if (m_value != "YES")
        TellAttribute(CdfReadAction::Changed, "YES");
}

// The older way to give a title, TITLE="..." on the ITEM or CHANNEL, is
// taken as the title; a TITLE element that follows wins, and the attribute
// is then kept as written.
bool CdfReadPass::TakeTitleAttribute(Kept& kept, SitemapItem* item, bool forHead)
{
    if (!EqualsAsciiNoCase(TrimAttrName(m_attrName), "TITLE"))
        return false;
    m_titleAttrOwner = &kept;
    m_titleAttrName.clear();
    AppendWithoutCrLf(m_titleAttrName, TrimAttrName(m_attrName));
    m_titleAttrValue.assign(m_value);
    m_titleAttrOffset = m_input.OffsetOf(TrimAttrName(m_attrName).data());
    TellAttribute(CdfReadAction::TitleAttribute);
    if (forHead)
        m_channel.head.m_strTitle.assign(m_value);
    item->Node().m_strTitle.assign(m_value);
    m_channel.sitemap.SetLabel(item, std::string(m_value));
    return true;
}

void CdfReadPass::CloseChannel()
{
    if (!m_openChannels.empty())
        m_openChannels.pop_back();
}

// ITEM elements do not nest: one inside another adds a page to the same
// channel. "/ITEM" clears the in-item flag but keeps the current page.
void CdfReadPass::AddPageItem()
{
    m_inItem = true;
    m_inUsage = false;
    m_titleAttrOwner = nullptr;
    SitemapTree& tree = m_channel.sitemap;
    SitemapItem* parent = InnermostChannel();
    tree.Select(parent != nullptr ? parent : tree.Root());
    m_currentPage = tree.AddPage(false);
    Trace("ITEM:\n");

    SitemapNode* node = CurrentPageNode();
    while (NextAttribute()) {
        const int name = MatchName(kItemNames);
        if (Tracing()) {
            if (name >= 0)
                Trace(kItemLabels[static_cast<std::size_t>(name)]);
            Trace(m_value);
            Trace("\n");
        }
        if (node == nullptr)
            continue;
        switch (name) {
        case kItemHref:
            node->m_strHref = m_value;
            break;
        case kItemLevel:
            node->m_nLevel = LeadingInteger(m_value);
            break;
        case kItemPrecache:
            ReadPrecache(*node);
            break;
        default:
            if (!TakeTitleAttribute(node->m_kept, m_currentPage, false))
                KeepAttribute(node->m_kept, KeptPart::Self);
            break;
        }
    }
}

// The text is every byte up to the next '<', white space and line breaks
// included; "&lt;" in it becomes '<', and nothing else is unescaped. The closing tag must be exactly "</TITLE>"
// or "</ABSTRACT>" in any case, else the load stops with the element error.
void CdfReadPass::ReadElementText(bool isTitle)
{
    Trace(isTitle ? "TITLE:"sv : "ABSTRACT:"sv);
    // Its attributes (XML-SPACE and the like) are kept; the text starts
    // after the start tag's '>'.
    const KeptTarget owner = ElementTextOwner();
    const KeptPart part = isTitle ? KeptPart::Title : KeptPart::Abstract;
    while (NextAttribute()) {
        if (owner.kept != nullptr)
            KeepAttribute(*owner.kept, part);
    }
    std::string_view text;
    if (m_selfClosed) {
        text = {};
    } else if (!ReadText<'<'>("&lt;", '<', text)) {
        return;
    } else {
        const std::size_t closeAt = m_input.Consumed() - 1;
        const std::string_view rest = m_input.Rest();
        const std::size_t end = rest.find('>');
        m_input.Advance(end == std::string_view::npos ? rest.size() : end + 1);
        if (end == std::string_view::npos)
            return;
        // A CR LF in the closing tag makes it longer than either name, as an LF would.
        if (!EqualsAsciiNoCase(rest.substr(0, end), isTitle ? "/TITLE"sv : "/ABSTRACT"sv)) {
            m_elementError = true;
            m_elementErrorAt = closeAt;
            return;
        }
    }
    if (isTitle && owner.kept != nullptr && owner.kept == m_titleAttrOwner) {
        // A title given both ways: the element's is taken, the attribute kept.
        owner.kept->Make().attributes.push_back({KeptPart::Self, false, m_titleAttrName, m_titleAttrValue});
        m_titleAttrOwner = nullptr;
        m_element = m_inItem ? "ITEM" : "CHANNEL";
        Tell(CdfReadAction::Kept, m_titleAttrOffset, "TITLE", true);
    }

    const bool forPage = m_inItem && m_currentPage != nullptr;
    if (Tracing()) {
        if (forPage)
            Trace("item-");
        Trace(text);
        Trace("\n");
    }

    // The last use takes the text itself where it was rewritten, so a huge
    // text is not held once more.
    SitemapTree& tree = m_channel.sitemap;
    if (forPage) {
        SitemapNode& node = m_currentPage->Node();
        if (isTitle) {
            node.m_strTitle.assign(text);
            tree.SetLabel(m_currentPage, TakeText(text));
        } else {
            node.m_strAbstract.assign(text);
        }
    } else if (!m_inItem && Depth() >= 1) {
        // Outside every channel and item there is no target: nothing changes.
        SitemapItem* item = InnermostChannel();
        SitemapNode& node = item->Node();
        const bool topLevel = Depth() == 1;
        if (isTitle) {
            if (topLevel)
                m_channel.head.m_strTitle.assign(text);
            node.m_strTitle.assign(text);
            tree.SetLabel(item, TakeText(text));
        } else {
            if (topLevel)
                m_channel.head.m_strAbstract.assign(text);
            node.m_strAbstract.assign(text);
        }
    }
}

}  // namespace fw
