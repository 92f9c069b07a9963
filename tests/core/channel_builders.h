#pragma once
// Channels of known shape, and the table pairing each golden .cdf file in
// tests/data/golden/ with the channel it is the exact written form of. The
// builders hold members as writing leaves them, so writing changes nothing;
// the root record mirrors the head as the site map dialog keeps it.

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "channel/Channel.h"
#include "sitemap/SitemapTree.h"

namespace cdftest {

inline std::string GoldenDir()
{
    return FEEDWRIGHT_TEST_DATA_DIR "/golden";
}

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline fw::SitemapNode Record(fw::SitemapNode node, std::string href, std::string title)
{
    node.m_strHref = std::move(href);
    node.m_strTitle = std::move(title);
    return node;
}
inline fw::SitemapNode Page(std::string href, std::string title)
{
    return Record(fw::SitemapNode::NewPage(), std::move(href), std::move(title));
}
inline fw::SitemapNode SubChannel(std::string href, std::string title)
{
    return Record(fw::SitemapNode::NewSubChannel(), std::move(href), std::move(title));
}

// Adds a child of the record's kind below `parent` the way the reader does
// (a page last, a sub-channel after the other sub-channels), labelled with
// the record's title.
inline fw::SitemapItem* AddChild(fw::Channel& channel, fw::SitemapItem* parent, const fw::SitemapNode& record)
{
    channel.sitemap.Select(parent);
    fw::SitemapItem* item =
        record.m_bIsPage != 0 ? channel.sitemap.AddPage(false) : channel.sitemap.AddSubChannel(false);
    item->Node() = record;
    channel.sitemap.SetLabel(item, record.m_strTitle);
    return item;
}

// A chain of `depth` sub-channels "C" (href "c.htm") below the root, each the
// only child of the one above. Returns the innermost.
inline fw::SitemapItem* AddChain(fw::Channel& channel, std::size_t depth)
{
    fw::SitemapItem* item = channel.sitemap.Root();
    for (std::size_t level = 0; level < depth; ++level)
        item = AddChild(channel, item, SubChannel("c.htm", "C"));
    return item;
}

inline void MirrorHeadInRoot(fw::Channel& channel)
{
    fw::SitemapItem* root = channel.sitemap.Root();
    root->Node().m_strTitle = channel.head.m_strTitle;
    root->Node().m_strHref = channel.head.m_strHomeUrl;
    root->Node().m_strAbstract = channel.head.m_strAbstract;
    channel.sitemap.SetLabel(root, channel.head.m_strTitle);
}

// Start 2004-3-9, stop 2005-10-21.
inline void SetDates(fw::ScheduleRecord& s)
{
    s.m_bStartDate = s.m_bStopDate = 1;
    s.m_nStartYear = 2004, s.m_nStartMonth = 3, s.m_nStartDay = 9;
    s.m_nStopYear = 2005, s.m_nStopMonth = 10, s.m_nStopDay = 21;
}

// ---- the golden channels -------------------------------------------------

// Every optional piece of the head: base URL, root level, the three logos,
// both dates, an update window at each end.
inline void BuildFullHead(fw::Channel& channel)
{
    channel.head = {.m_strCdfUrl = "http://server/dir/channel.cdf",
                    .m_strAbstract = "Pages of the example server",
                    .m_strTitle = "Example channel",
                    .m_strHomeUrl = "http://server/dir",
                    .m_strBaseUrl = "http://server/dir/",
                    .m_bUseBaseUrl = 1};
    channel.logos = {"http://server/dir/icon.ico", "http://server/dir/logo.gif", "http://server/dir/wide.gif"};
    channel.sitemap.Root()->Node().m_nLevel = 1;
    fw::ScheduleRecord& s = channel.schedule;
    SetDates(s);
    s.m_nIntervalDay = 14;
    s.m_nEarliestHour = 2;
    s.m_nLatestDay = 1, s.m_nLatestHour = 3, s.m_nLatestMin = 30;
    MirrorHeadInRoot(channel);
}

// Sub-channel B with page B1, then page A, behind the full head.
inline void BuildWorkedExample(fw::Channel& channel)
{
    BuildFullHead(channel);
    fw::SitemapItem* root = channel.sitemap.Root();
    fw::SitemapItem* b =
        AddChild(channel, root, {.m_strTitle = "B", .m_strAbstract = "", .m_nLevel = 2, .m_bPrecache = 0});
    fw::SitemapNode b1 = Page("b1.htm", "B1");
    b1.m_strIconHref = "i.ico", b1.m_nUsage = fw::kUsageEmail;
    AddChild(channel, b, b1);
    AddChild(channel, root, Page("http://server/a.htm", "A"));
}

// Every optional piece of the head and of both kinds of item, with Shift-JIS
// text whose trail bytes include 0x5C. A sub-channel's USAGE does not come
// back through the reader, which takes one only inside an ITEM.
inline void BuildEveryOptionalPiece(fw::Channel& channel)
{
    BuildFullHead(channel);
    channel.head.m_strTitle = "\x83\x5c\x83\x74\x83\x67\x8d\x58\x90\x56";                     // ソフト更新
    channel.head.m_strAbstract = "\x95\x5c\x8e\xa6\x82\xb7\x82\xe9\x83\x79\x81\x5b\x83\x57";  // 表示するページ
    fw::ScheduleRecord& s = channel.schedule;
    s.m_nIntervalDay = 3;
    s.m_nEarliestDay = 1, s.m_nEarliestHour = 2, s.m_nEarliestMin = 3;
    MirrorHeadInRoot(channel);
    fw::SitemapItem* root = channel.sitemap.Root();
    fw::SitemapNode soft = SubChannel("http://server/dir/soft", "\x83\x5c\x83\x74\x83\x67" /* ソフト */);
    soft.m_strAbstract = "Updates", soft.m_nLevel = 4, soft.m_bPrecache = 0;
    soft.m_strIconHref = "http://server/dir/s.ico", soft.m_nUsage = fw::kUsageSoftwareUpdate;
    fw::SitemapNode setup = Page("http://server/dir/soft/setup.htm", "Setup");
    setup.m_strAbstract = "How to install", setup.m_nLevel = 12;
    setup.m_strIconHref = "p.ico", setup.m_nUsage = fw::kUsageScreenSaver;
    fw::SitemapNode q = Page("q.htm", "Q");
    q.m_strAbstract = "Desktop piece", q.m_nLevel = 1, q.m_bPrecache = 0;
    q.m_strIconHref = "q.ico", q.m_nUsage = fw::kUsageDesktopComponent;
    AddChild(channel, AddChild(channel, root, soft), setup);
    AddChild(channel, root, q);
}

// Markup in texts and URLs: '<' in text goes out as "&lt;", '"' in a value
// as "&quot;", '&' and '>' as they stand; a title that would close itself
// and open a page stays a title.
inline void BuildMarkup(fw::Channel& channel)
{
    channel.head.m_strHomeUrl = "http://server/?a=1&b=\"2\"";
    channel.head.m_strTitle = "Tom & Jerry <Best> \"Cartoons\"";
    channel.head.m_strAbstract = "<b>bold</b> & 'quoted' > x";
    MirrorHeadInRoot(channel);
    fw::SitemapNode page = Page("page.htm?x=\"1\"&y=2", "A < B </TITLE><ITEM HREF=\"x\">");
    page.m_strAbstract = "1 < 2 & 3 > 2";
    page.m_strIconHref = "\"i\".ico";
    AddChild(channel, channel.sitemap.Root(), page);
}

// Sub-channels three deep (C1 > C2 > C3 > page P3), a page beside C2, an
// empty sub-channel and a page at the top.
inline void BuildThreeNestedChannels(fw::Channel& channel)
{
    channel.head.m_strHomeUrl = "http://server";
    channel.head.m_strTitle = "Nested";
    channel.head.m_strCdfUrl = "http://server/nested.cdf";
    MirrorHeadInRoot(channel);
    fw::SitemapItem* root = channel.sitemap.Root();
    fw::SitemapItem* c1 = AddChild(channel, root, SubChannel("http://server/c1", "C1"));
    fw::SitemapItem* c2 = AddChild(channel, c1, SubChannel("http://server/c1/c2", "C2"));
    fw::SitemapItem* c3 = AddChild(channel, c2, SubChannel("http://server/c1/c2/c3", "C3"));
    AddChild(channel, c3, Page("http://server/c1/c2/c3/p3.htm", "P3"));
    AddChild(channel, c1, Page("http://server/c1/p1.htm", "P1"));
    AddChild(channel, root, SubChannel("http://", "Empty"));
    AddChild(channel, root, Page("http://server/p0.htm", "P0"));
}

// kReadsBack: the file reads back into its channel and rewrites to the same bytes.
enum Reading { kReadsBack, kLossy };

struct GoldenCase {
    const char* file;             // in GoldenDir()
    void (*build)(fw::Channel&);  // MirrorHeadInRoot follows
    Reading reading;
};

inline const std::vector<GoldenCase>& GoldenCases()
{
    using C = fw::Channel;
    static const std::vector<GoldenCase> cases = {
        {"fresh.cdf", [](C&) {}, kReadsBack},
        {"worked_example.cdf", BuildWorkedExample, kReadsBack},
        {"every_optional_piece.cdf", BuildEveryOptionalPiece, kLossy},
        {"logo_icon_only.cdf", [](C& c) { c.logos.m_strIconUrl = "http://server/icon.ico"; }, kReadsBack},
        {"logo_image_only.cdf", [](C& c) { c.logos.m_strLogoUrl = "http://server/logo.gif"; }, kReadsBack},
        {"logo_wide_only.cdf", [](C& c) { c.logos.m_strWideLogoUrl = "http://server/wide.gif"; }, kReadsBack},
        {"schedule_dates.cdf", [](C& c) { SetDates(c.schedule); }, kReadsBack},
        {"schedule_day14.cdf", [](C& c) { c.schedule.m_nIntervalDay = 14; }, kReadsBack},
        // Hour unit, entry 7 ("12") and 30 minutes; then "0" hours and no minutes, an
        // <INTERVALTIME/> that keeps nothing to tell it from the day unit.
        {"schedule_hour12_min30.cdf",
         [](C& c) { c.schedule.m_nUpdateUnit = 1, c.schedule.SelectHourEntry(7), c.schedule.m_nIntervalMin = 30; },
         kReadsBack},
        {"schedule_hour0_min0.cdf", [](C& c) { c.schedule.m_nUpdateUnit = 1, c.schedule.SelectHourEntry(0); }, kLossy},
        {"window_hour2.cdf", [](C& c) { c.schedule.m_nEarliestHour = 2; }, kReadsBack},
        {"root_level3_noprecache.cdf",
         [](C& c) { c.sitemap.Root()->Node().m_nLevel = 3, c.sitemap.Root()->Node().m_bPrecache = 0; }, kReadsBack},
        {"markup.cdf", BuildMarkup, kReadsBack},
        {"three_nested_channels.cdf", BuildThreeNestedChannels, kReadsBack},
    };
    return cases;
}

inline void BuildGolden(const GoldenCase& golden, fw::Channel& channel)
{
    golden.build(channel);
    MirrorHeadInRoot(channel);
}

}  // namespace cdftest
