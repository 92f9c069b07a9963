#include "cdf/CdfWriter.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "cdf/CdfKeptOutput.h"
#include "cdf/CdfTextOutput.h"
#include "channel/Channel.h"
#include "channel/Url.h"
#include "sitemap/SitemapTree.h"
#include "sitemap/SitemapWalk.h"
#include "sitemap/UsageWords.h"

namespace fw {

int g_nItemDepth = 0;

namespace {

// Puts g_nItemDepth back to the value it had on entry when the write ends,
// however it ends (a refused write, an exception).
class ItemDepthRestorer {
public:
    ItemDepthRestorer() : m_saved(g_nItemDepth) {}
    ~ItemDepthRestorer() { g_nItemDepth = m_saved; }
    ItemDepthRestorer(const ItemDepthRestorer&) = delete;
    ItemDepthRestorer& operator=(const ItemDepthRestorer&) = delete;

private:
    int m_saved;
};

// Numbers go out as a signed decimal, as the file format has always had
// them; an unsigned value read from a file that way comes back unchanged.
void PutSigned(CdfTextOutput& out, unsigned value)
{
    out.PutNumber(static_cast<int>(value));
}

void PutValue(CdfTextOutput& out, std::string_view value);

// The date as the file spelled it when it still gives this date, else as
// year-month-day.
void PutDate(CdfTextOutput& out, const Kept& kept, std::string_view name, unsigned year, unsigned month, unsigned day)
{
    out.Put(" ");
    out.Put(name);
    out.Put("=\"");
    if (const std::string* spelled = KeptShadow(kept, KeptPart::Self, name)) {
        if (DateOfValue(*spelled) == LocalDate{year, month, day}) {
            PutValue(out, *spelled);
            out.Put("\"");
            return;
        }
    }
    PutSigned(out, year);
    out.Put("-");
    PutSigned(out, month);
    out.Put("-");
    PutSigned(out, day);
    out.Put("\"");
}

// ` NAME="n"`, only for a non-zero value.
void PutNonZeroAttribute(CdfTextOutput& out, std::string_view name, unsigned value)
{
    if (value == 0)
        return;
    out.Put(" ");
    out.Put(name);
    out.Put("=\"");
    PutSigned(out, value);
    out.Put("\"");
}

// The text of TITLE and ABSTRACT, and attribute values, with the one
// character each could not otherwise hold written as a reference.
void PutText(CdfTextOutput& out, std::string_view text)
{
    out.PutEscaped(text, '<', "&lt;");
}

void PutValue(CdfTextOutput& out, std::string_view value)
{
    out.PutEscaped(value, '"', "&quot;");
}

// A logo line, also for an image not given when the LOGO carried
// attributes of its own that must not be lost.
void PutLogoLine(CdfTextOutput& out, const std::string& url, std::string_view style, const Kept& kept, KeptPart part,
                 std::string_view lineEnd)
{
    if (!IsUrlGiven(url) && !HasKeptAttributes(kept, part))
        return;
    out.Put("  <LOGO HREF=\"");
    PutValue(out, url);
    out.Put("\" STYLE=\"");
    out.Put(style);
    out.Put("\"");
    PutKeptAttributes(out, kept, part, " ");
    out.Put("/>");
    out.Put(lineEnd);
}

// The update window's element, written when any of its fields is set.
void PutWindowLine(CdfTextOutput& out, std::string_view element, unsigned day, unsigned hour, unsigned min,
                   const Kept& kept, KeptPart part)
{
    if (day == 0 && hour == 0 && min == 0 && !HasKeptAttributes(kept, part))
        return;
    out.Put("    <");
    out.Put(element);
    PutNonZeroAttribute(out, "DAY", day);
    PutNonZeroAttribute(out, "HOUR", hour);
    PutNonZeroAttribute(out, "MIN", min);
    PutKeptAttributes(out, kept, part, " ");
    out.Put("/>\n");
}

bool WritesBaseUrl(const ChannelHead& head)
{
    return head.m_bUseBaseUrl != 0 && !head.m_strBaseUrl.empty();
}

void NormalizeHead(Channel& channel)
{
    ChannelHead& head = channel.head;
    // The base only gets its closing slash; it is not trimmed.
    if (WritesBaseUrl(head) && head.m_strBaseUrl.back() != '/')
        head.m_strBaseUrl.push_back('/');
    NormalizeUrl(head.m_strHomeUrl);
    NormalizeUrl(head.m_strCdfUrl);
    NormalizeUrl(channel.logos.m_strIconUrl);
    NormalizeUrl(channel.logos.m_strLogoUrl);
    NormalizeUrl(channel.logos.m_strWideLogoUrl);
}

// The channel's start tag: its attributes, the root record's LEVEL and
// PRECACHE, and the '>' on the line of the last one.
void PutChannelStartTag(const Channel& channel, CdfTextOutput& out)
{
    const ChannelHead& head = channel.head;
    out.Put("\n<CHANNEL\n");
    if (WritesBaseUrl(head)) {
        out.Put("  BASE=\"");
        PutValue(out, head.m_strBaseUrl);
        out.Put("\"\n");
    }
    out.Put("  HREF=\"");
    PutValue(out, head.m_strHomeUrl);
    out.Put("\"\n");
    out.Put("  SELF=\"");
    PutValue(out, head.m_strCdfUrl);
    out.Put("\"");
    if (const SitemapItem* root = channel.sitemap.Root()) {
        const SitemapNode& rootNode = root->Node();
        if (rootNode.m_nLevel != 0) {
            out.Put("\n  LEVEL=\"");
            out.PutNumber(rootNode.m_nLevel);
            out.Put("\"");
        }
        out.Put(rootNode.m_bPrecache != 0 ? "\n  PRECACHE=\"YES\"" : "\n  PRECACHE=\"NO\"");
    }
    PutKeptAttributes(out, head.m_kept, KeptPart::Self, "\n  ", {"BASE", "HREF", "SELF", "LEVEL", "PRECACHE"});
    out.Put(">\n");
}

// `<TITLE>` or `<ABSTRACT>` with the attributes the element carried.
void PutTextStartTag(CdfTextOutput& out, std::string_view name, const Kept& kept, KeptPart part)
{
    out.Put("<");
    out.Put(name);
    PutKeptAttributes(out, kept, part, " ");
    out.Put(">");
}

void PutTitleAndAbstract(const ChannelHead& head, CdfTextOutput& out)
{
    PutTextStartTag(out, "TITLE", head.m_kept, KeptPart::Title);
    PutText(out, head.m_strTitle);
    out.Put("</TITLE>\n");
    PutTextStartTag(out, "ABSTRACT", head.m_kept, KeptPart::Abstract);
    PutText(out, head.m_strAbstract);
    out.Put("</ABSTRACT>\n\n");
}

void PutLogos(const LogoSet& logos, CdfTextOutput& out)
{
    PutLogoLine(out, logos.m_strIconUrl, "ICON", logos.m_kept, KeptPart::Icon, "\n");
    PutLogoLine(out, logos.m_strLogoUrl, "IMAGE", logos.m_kept, KeptPart::Image, "\n");
    PutLogoLine(out, logos.m_strWideLogoUrl, "IMAGE-WIDE", logos.m_kept, KeptPart::WideImage, "\n\n");
}

void PutSchedule(const ScheduleRecord& schedule, CdfTextOutput& out)
{
    const Kept& kept = schedule.m_kept;
    out.Put("  <SCHEDULE");
    if (schedule.m_bStartDate != 0)
        PutDate(out, kept, "STARTDATE", schedule.m_nStartYear, schedule.m_nStartMonth, schedule.m_nStartDay);
    if (schedule.m_bStopDate != 0)
        PutDate(out, kept, "STOPDATE", schedule.m_nStopYear, schedule.m_nStopMonth, schedule.m_nStopDay);
    // A date the record could not take stays, unless the record has one now.
    const std::string_view start = schedule.m_bStartDate != 0 ? "STARTDATE" : "";
    const std::string_view stop = schedule.m_bStopDate != 0 ? "STOPDATE" : "";
    PutKeptAttributes(out, kept, KeptPart::Self, " ", {start, stop});
    out.Put(">\n");

    // Whether the interval is written depends on all three fields; what it
    // says depends on the unit.
    if (schedule.m_nIntervalDay != 0 || schedule.m_nIntervalHour != 0 || schedule.m_nIntervalMin != 0 ||
        HasKeptAttributes(kept, KeptPart::Interval)) {
        out.Put("    <INTERVALTIME");
        if (schedule.m_nUpdateUnit == 0) {
            PutNonZeroAttribute(out, "DAY", schedule.m_nIntervalDay);
        } else {
            PutNonZeroAttribute(out, "HOUR", schedule.m_nIntervalHour);
            PutNonZeroAttribute(out, "MIN", schedule.m_nIntervalMin);
        }
        PutKeptAttributes(out, kept, KeptPart::Interval, " ");
        out.Put("/>\n");
    }
    PutWindowLine(out, "EARLIESTTIME", schedule.m_nEarliestDay, schedule.m_nEarliestHour, schedule.m_nEarliestMin, kept,
                  KeptPart::Earliest);
    PutWindowLine(out, "LATESTTIME", schedule.m_nLatestDay, schedule.m_nLatestHour, schedule.m_nLatestMin, kept,
                  KeptPart::Latest);
    PutKeptChildren(out, kept, KeptPart::Self, 4);
    out.Put("  </SCHEDULE>\n\n");
}

// Everything before the site map: the prolog, the channel's start tag, its
// TITLE and ABSTRACT, the logos and the schedule, and what else the channel
// held.
void PutHead(const Channel& channel, CdfTextOutput& out)
{
    out.Put("<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\n");
    PutKeptChildren(out, channel.head.m_kept, KeptPart::Prolog, 0);
    PutChannelStartTag(channel, out);
    PutTitleAndAbstract(channel.head, out);
    PutLogos(channel.logos, out);
    PutSchedule(channel.schedule, out);
    if (HasKeptChildren(channel.head.m_kept, KeptPart::Self)) {
        PutKeptChildren(out, channel.head.m_kept, KeptPart::Self, 2);
        out.Put("\n");
    }
}

// Titles and abstracts of items go through the URL rule too: trimmed, and
// one trailing slash dropped.
void NormalizeNode(SitemapNode& node)
{
    NormalizeUrl(node.m_strHref);
    NormalizeUrl(node.m_strTitle);
    NormalizeUrl(node.m_strAbstract);
    NormalizeUrl(node.m_strIconHref);
}

// Every record that writing `top`'s subtree writes, in tree order.
void NormalizeSubtree(SitemapItem* top, bool bRoot)
{
    WalkSubtree(
        *top,
        [&](SitemapItem& item, std::size_t) {
            if (&item != top || !bRoot)
                NormalizeNode(item.Node());
        },
        [](SitemapItem&, std::size_t) {});
}

// A page's USAGE: its word as the file spelled it while it still means the
// same, the attributes it carried and what it held.
void PutUsage(const SitemapNode& node, std::size_t indent, CdfTextOutput& out)
{
    const Kept& kept = node.m_kept;
    std::string_view word = UsageWordToWrite(node.m_nUsage);
    const std::string* spelled = KeptShadow(kept, KeptPart::Usage, "VALUE");
    if (spelled != nullptr && UsageCodeOfWord(*spelled) == std::max(node.m_nUsage, int{kUsageSitemap}))
        word = *spelled;
    const bool holds = HasKeptChildren(kept, KeptPart::Usage);
    if (word.empty() && !holds && !HasKeptAttributes(kept, KeptPart::Usage))
        return;
    out.PutBlanks(indent);
    out.Put("<USAGE");
    if (!word.empty()) {
        out.Put(" VALUE=\"");
        PutValue(out, word);
        out.Put("\"");
    }
    PutKeptAttributes(out, kept, KeptPart::Usage, " ", {"VALUE"});
    out.Put(">");
    if (holds) {
        out.Put("\n");
        PutKeptChildren(out, kept, KeptPart::Usage, indent + 2);
        out.PutBlanks(indent);
    }
    out.Put("</USAGE>\n");
}

// An item's start tag and body, up to `</ITEM>` for a page, each line
// indented by `indent` blanks.
void PutElementHead(const SitemapNode& node, std::size_t indent, CdfTextOutput& out)
{
    const bool isPage = node.m_bIsPage != 0;
    out.PutBlanks(indent);
    out.Put(isPage ? "<ITEM" : "<CHANNEL");

    if (IsUrlGiven(node.m_strHref)) {
        out.Put(" HREF=\"");
        PutValue(out, node.m_strHref);
        out.Put("\"");
    }
    if (node.m_nLevel != 0) {
        out.Put(" LEVEL=\"");
        out.PutNumber(node.m_nLevel);
        out.Put("\"");
    }
    out.Put(node.m_bPrecache != 0 ? " PRECACHE=\"YES\"" : " PRECACHE=\"NO\"");
    const Kept& kept = node.m_kept;
    PutKeptAttributes(out, kept, KeptPart::Self, " ", {"HREF", "LEVEL", "PRECACHE"});
    out.Put(">\n");

    if (!node.m_strTitle.empty() || HasKeptAttributes(kept, KeptPart::Title)) {
        out.PutBlanks(indent);
        PutTextStartTag(out, "TITLE", kept, KeptPart::Title);
        PutText(out, node.m_strTitle);
        out.Put("</TITLE>\n");
    }
    if (!node.m_strAbstract.empty() || HasKeptAttributes(kept, KeptPart::Abstract)) {
        out.PutBlanks(indent);
        PutTextStartTag(out, "ABSTRACT", kept, KeptPart::Abstract);
        PutText(out, node.m_strAbstract);
        out.Put("</ABSTRACT>\n");
    }
    PutUsage(node, indent, out);
    if (IsUrlGiven(node.m_strIconHref) || HasKeptAttributes(kept, KeptPart::Icon)) {
        out.PutBlanks(indent);
        out.Put("<LOGO HREF=\"");
        PutValue(out, node.m_strIconHref);
        out.Put("\" STYLE=\"ICON\"");
        PutKeptAttributes(out, kept, KeptPart::Icon, " ");
        out.Put("/>\n");
    }
    PutKeptChildren(out, kept, KeptPart::Self, indent);
    if (isPage) {
        out.PutBlanks(indent);
        out.Put("</ITEM>\n");
    }
}

// The blanks in front of an item's lines: two for every level of depth.
std::size_t IndentOf(int depth)
{
    return depth > 0 ? 2 * static_cast<std::size_t>(depth) : 0;
}

// Writes the subtree depth first in tree order, with the walk that needs no
// recursion, so a site map of any depth is written in constant memory. Indentation is a count of blanks, never a string as
// long as the depth, so counting the bytes of a deep site map costs time in
// proportion to its lines alone.
bool PutSubtree(const SitemapItem* top, CdfTextOutput& out, bool bRoot)
{
    ItemDepthRestorer restorer;
    const auto writesSelf = [&](const SitemapItem* item) { return item != top || !bRoot; };
    // An item's end: a sub-channel's end tag, and the empty line that follows
    // every element.
    const auto close = [&](const SitemapItem* item) {
        if (!writesSelf(item))
            return;
        if (item->Node().m_bIsPage == 0) {
            out.PutBlanks(IndentOf(g_nItemDepth));
            out.Put("</CHANNEL>\n");
        }
        out.Put("\n");
    };

    const int start = g_nItemDepth;
    const auto enter = [&](const SitemapItem& item, std::size_t depth) {
        g_nItemDepth = start + static_cast<int>(depth);
        if (writesSelf(&item))
            PutElementHead(item.Node(), IndentOf(g_nItemDepth), out);
        if (item.FirstChild() != nullptr && writesSelf(&item) && item.Node().m_bIsPage == 0)
            out.Put("\n");  // between a sub-channel's body and its first child
        return !out.Failed();
    };
    const auto leave = [&](const SitemapItem& item, std::size_t depth) {
        g_nItemDepth = start + static_cast<int>(depth);
        close(&item);
    };
    return WalkSubtree(*top, enter, leave) && !out.Failed();
}

void PutChannel(const Channel& channel, CdfTextOutput& out)
{
    ItemDepthRestorer restorer;
    PutHead(channel, out);
    if (const SitemapItem* root = channel.sitemap.Root(); root != nullptr && !out.Failed())
        PutSubtree(root, out, true);
    out.Put("</CHANNEL>\n");
    PutKeptChildren(out, channel.head.m_kept, KeptPart::Epilog, 0);
}

}  // namespace

void MakeIndent(int depth, std::string& indent)
{
    if (depth <= 0)
        return;
    indent.reserve(indent.size() + 2 * static_cast<std::size_t>(depth));
    for (int level = 0; level < depth; ++level)
        indent.append("  ");
}

void NormalizeForWrite(Channel& channel)
{
    NormalizeHead(channel);
    if (SitemapItem* root = channel.sitemap.Root())
        NormalizeSubtree(root, true);
}

std::uint64_t CdfFileSize(const Channel& channel)
{
    CdfTextOutput counter;
    PutChannel(channel, counter);
    (void)counter.Flush();  // counting never fails
    return counter.Count();
}

bool WriteNormalizedCdf(const Channel& channel, ByteSink& sink)
{
    CdfTextOutput out(sink);
    PutChannel(channel, out);
    return out.Flush();
}

bool WriteCdf(Channel& channel, ByteSink& sink)
{
    NormalizeForWrite(channel);
    return WriteNormalizedCdf(channel, sink);
}

bool WriteSitemapItem(SitemapItem* item, ByteSink& sink, bool bRoot)
{
    ItemDepthRestorer restorer;
    CdfTextOutput out(sink);
    if (item != nullptr) {
        NormalizeSubtree(item, bRoot);
        PutSubtree(item, out, bRoot);
    }
    return out.Flush();
}

}  // namespace fw
