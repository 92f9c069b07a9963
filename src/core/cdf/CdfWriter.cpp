#include "cdf/CdfWriter.h"

#include <string_view>
#include <vector>

#include "cdf/CdfTextOutput.h"
#include "channel/Channel.h"
#include "sitemap/SitemapTree.h"
#include "text/SjisText.h"

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

// An optional URL counts as given unless it is empty or exactly "http://".
bool IsGivenUrl(const std::string& url)
{
    return !url.empty() && url != kHttpPrefix;
}

// Numbers go out as a signed decimal, as the file format has always had
// them; an unsigned value read from a file that way comes back unchanged.
void PutSigned(CdfTextOutput& out, unsigned value)
{
    out.PutNumber(static_cast<int>(value));
}

void PutDate(CdfTextOutput& out, std::string_view name, unsigned year, unsigned month, unsigned day)
{
    out.Put(name);
    out.Put("=\"");
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

void PutLogoLine(CdfTextOutput& out, std::string& url, std::string_view style, std::string_view lineEnd)
{
    NormalizeUrl(url);
    if (!IsGivenUrl(url))
        return;
    out.Put("  <LOGO HREF=\"");
    out.Put(url);
    out.Put("\" STYLE=\"");
    out.Put(style);
    out.Put("\"/>");
    out.Put(lineEnd);
}

// The update window's element, written when any of its fields is set.
void PutWindowLine(CdfTextOutput& out, std::string_view element, unsigned day, unsigned hour, unsigned min)
{
    if (day == 0 && hour == 0 && min == 0)
        return;
    out.Put("    <");
    out.Put(element);
    PutNonZeroAttribute(out, "DAY", day);
    PutNonZeroAttribute(out, "HOUR", hour);
    PutNonZeroAttribute(out, "MIN", min);
    out.Put("/>\n");
}

void PutHead(Channel& channel, CdfTextOutput& out)
{
    ChannelHead& head = channel.head;
    out.Put("<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\n");
    out.Put("\n<CHANNEL\n");

    if (head.m_bUseBaseUrl != 0 && !head.m_strBaseUrl.empty()) {
        // The base only gets its closing slash; it is not trimmed.
        if (head.m_strBaseUrl.back() != '/')
            head.m_strBaseUrl.push_back('/');
        out.Put("  BASE=\"");
        out.Put(head.m_strBaseUrl);
        out.Put("\"\n");
    }

    NormalizeUrl(head.m_strHomeUrl);
    out.Put("  HREF=\"");
    out.Put(head.m_strHomeUrl);
    out.Put("\"\n");

    NormalizeUrl(head.m_strCdfUrl);
    out.Put("  SELF=\"");
    out.Put(head.m_strCdfUrl);
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
    out.Put(">\n");

    out.Put("<TITLE>");
    out.Put(head.m_strTitle);
    out.Put("</TITLE>\n");
    out.Put("<ABSTRACT>");
    out.Put(head.m_strAbstract);
    out.Put("</ABSTRACT>\n\n");

    LogoSet& logos = channel.logos;
    PutLogoLine(out, logos.m_strIconUrl, "ICON", "\n");
    PutLogoLine(out, logos.m_strLogoUrl, "IMAGE", "\n");
    PutLogoLine(out, logos.m_strWideLogoUrl, "IMAGE-WIDE", "\n\n");

    const ScheduleRecord& schedule = channel.schedule;
    out.Put("  <SCHEDULE");
    if (schedule.m_bStartDate != 0)
        PutDate(out, " STARTDATE", schedule.m_nStartYear, schedule.m_nStartMonth, schedule.m_nStartDay);
    if (schedule.m_bStopDate != 0)
        PutDate(out, " STOPDATE", schedule.m_nStopYear, schedule.m_nStopMonth, schedule.m_nStopDay);
    out.Put(">\n");

    // Whether the interval is written depends on all three fields; what it
    // says depends on the unit.
    if (schedule.m_nIntervalDay != 0 || schedule.m_nIntervalHour != 0 || schedule.m_nIntervalMin != 0) {
        out.Put("    <INTERVALTIME");
        if (schedule.m_nUpdateUnit == 0) {
            PutNonZeroAttribute(out, "DAY", schedule.m_nIntervalDay);
        } else {
            PutNonZeroAttribute(out, "HOUR", schedule.m_nIntervalHour);
            PutNonZeroAttribute(out, "MIN", schedule.m_nIntervalMin);
        }
        out.Put("/>\n");
    }
    PutWindowLine(out, "EARLIESTTIME", schedule.m_nEarliestDay, schedule.m_nEarliestHour,
                  schedule.m_nEarliestMin);
    PutWindowLine(out, "LATESTTIME", schedule.m_nLatestDay, schedule.m_nLatestHour, schedule.m_nLatestMin);
    out.Put("  </SCHEDULE>\n\n");
}

// The USAGE value word of a usage code; empty for codes that write no USAGE.
std::string_view UsageWord(int usage)
{
    switch (usage) {
    case kUsageNone: return "NONE";
    case kUsageEmail: return "Email";
    case kUsageScreenSaver: return "ScreenSaver";
    case kUsageDesktopComponent: return "DesktopComponent";
    case kUsageSoftwareUpdate: return "SoftwareUpdate";
    default: return {};  // -1, 0, and codes no dialog or file produces
    }
}

// An item's start tag and body, up to `</ITEM>` for a page; normalises the
// record's href, title, abstract and icon URL in place.
void PutElementHead(SitemapNode& node, std::string_view indent, CdfTextOutput& out)
{
    const bool isPage = node.m_bIsPage != 0;
    out.Put(indent);
    out.Put(isPage ? "<ITEM" : "<CHANNEL");

    NormalizeUrl(node.m_strHref);
    if (IsGivenUrl(node.m_strHref)) {
        out.Put(" HREF=\"");
        out.Put(node.m_strHref);
        out.Put("\"");
    }
    if (node.m_nLevel != 0) {
        out.Put(" LEVEL=\"");
        out.PutNumber(node.m_nLevel);
        out.Put("\"");
    }
    out.Put(node.m_bPrecache != 0 ? " PRECACHE=\"YES\">\n" : " PRECACHE=\"NO\">\n");

    // Titles and abstracts go through the URL rule too: trimmed, and one
    // trailing slash dropped.
    NormalizeUrl(node.m_strTitle);
    if (!node.m_strTitle.empty()) {
        out.Put(indent);
        out.Put("<TITLE>");
        out.Put(node.m_strTitle);
        out.Put("</TITLE>\n");
    }
    NormalizeUrl(node.m_strAbstract);
    if (!node.m_strAbstract.empty()) {
        out.Put(indent);
        out.Put("<ABSTRACT>");
        out.Put(node.m_strAbstract);
        out.Put("</ABSTRACT>\n");
    }
    const std::string_view usage = UsageWord(node.m_nUsage);
    if (!usage.empty()) {
        out.Put(indent);
        out.Put("<USAGE VALUE=\"");
        out.Put(usage);
        out.Put("\"></USAGE>\n");
    }
    NormalizeUrl(node.m_strIconHref);
    if (IsGivenUrl(node.m_strIconHref)) {
        out.Put(indent);
        out.Put("<LOGO HREF=\"");
        out.Put(node.m_strIconHref);
        out.Put("\" STYLE=\"ICON\"/>\n");
    }
    if (isPage) {
        out.Put(indent);
        out.Put("</ITEM>\n");
    }
}

// One item whose children are being written.
struct ItemFrame {
    SitemapItem* item;
    SitemapItem* nextChild;    // the next child to write, or null when done
    std::size_t indentLength;  // the item's own indentation, 2 x its depth
    bool writesSelf;           // false for the item of a bRoot call
    bool raisedDepth;          // whether the item raised g_nItemDepth
};

// Writes the subtree depth first in tree order with an explicit stack, so a
// site map of any depth is written in constant stack space. The indentation
// is one string that grows by two blanks as the depth is raised and shrinks
// again as it is lowered.
bool PutSubtree(SitemapItem* top, CdfTextOutput& out, bool bRoot)
{
    ItemDepthRestorer restorer;
    std::string indent;
    MakeIndent(g_nItemDepth, indent);
    std::vector<ItemFrame> stack;

    const auto enter = [&](SitemapItem* item, bool writesSelf) {
        ItemFrame frame{item, nullptr, indent.size(), writesSelf, false};
        if (writesSelf)
            PutElementHead(item->Node(), indent, out);
        if (SitemapItem* first = item->FirstChild()) {
            ++g_nItemDepth;
            MakeIndent(1, indent);
            frame.raisedDepth = true;
            frame.nextChild = first;
            if (writesSelf && item->Node().m_bIsPage == 0)
                out.Put("\n");  // between a sub-channel's body and its first child
        }
        stack.push_back(frame);
    };

    enter(top, !bRoot);
    while (!stack.empty() && !out.Failed()) {
        ItemFrame& frame = stack.back();
        if (SitemapItem* child = frame.nextChild) {
            frame.nextChild = child->NextSibling();
            enter(child, true);  // may reallocate the stack: `frame` is not used after this
            continue;
        }
        if (frame.raisedDepth) {
            --g_nItemDepth;
            indent.resize(frame.indentLength);
        }
        if (frame.writesSelf) {
            if (frame.item->Node().m_bIsPage == 0) {
                out.Put(indent);
                out.Put("</CHANNEL>\n");
            }
            out.Put("\n");  // every element is followed by an empty line
        }
        stack.pop_back();
    }
    return !out.Failed();
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

bool WriteCdf(Channel& channel, ByteSink& sink)
{
    ItemDepthRestorer restorer;
    CdfTextOutput out(sink);
    PutHead(channel, out);
    if (SitemapItem* root = channel.sitemap.Root(); root != nullptr && !out.Failed())
        PutSubtree(root, out, true);
    out.Put("</CHANNEL>\n");
    return out.Flush();
}

bool WriteSitemapItem(SitemapItem* item, ByteSink& sink, bool bRoot)
{
    ItemDepthRestorer restorer;
    CdfTextOutput out(sink);
    if (item != nullptr)
        PutSubtree(item, out, bRoot);
    return out.Flush();
}

}  // namespace fw
