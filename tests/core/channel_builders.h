#pragma once
// Channels of known shape, built in code, for any test that needs one; and
// the table that pairs each golden .cdf file in tests/data/golden/ with the
// channel it is the exact written form of.
//
// The golden builders hold members as writing leaves them (trimmed, no
// trailing slash to drop, a base URL that already ends in '/'), so writing
// one changes nothing, and a golden file read back gives the same channel.
// The root record's title, URL and abstract mirror the head, as the site map
// dialog keeps them.
//
// Not every file comes back whole through the reader: markup_unchanged.cdf
// has '<' inside TITLE and ABSTRACT text, where the reader stops;
// every_optional_piece.cdf gives a sub-channel a USAGE, which the reader
// takes only inside an ITEM; and an INTERVALTIME without attributes
// (schedule_hour0_min0.cdf) cannot tell that the unit was hours.

#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "channel/Channel.h"
#include "sitemap/SitemapTree.h"

namespace cdftest {

inline std::string GoldenDir()
{
    return std::string(FEEDWRIGHT_TEST_DATA_DIR) + "/golden";
}

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline fw::SitemapNode Page(std::string href, std::string title)
{
    fw::SitemapNode node = fw::SitemapNode::NewPage();
    node.m_strHref = std::move(href);
    node.m_strTitle = std::move(title);
    return node;
}

inline fw::SitemapNode SubChannel(std::string href, std::string title)
{
    fw::SitemapNode node = fw::SitemapNode::NewSubChannel();
    node.m_strHref = std::move(href);
    node.m_strTitle = std::move(title);
    return node;
}

// Adds a child of the record's kind below `parent` the way the reader does
// (a page goes last, a sub-channel after the parent's other sub-channels),
// then gives it `record` and labels it with the record's title.
inline fw::SitemapItem* AddChild(fw::Channel& channel, fw::SitemapItem* parent, const fw::SitemapNode& record)
{
    channel.sitemap.Select(parent);
    fw::SitemapItem* item =
        record.m_bIsPage != 0 ? channel.sitemap.AddPage(false) : channel.sitemap.AddSubChannel(false);
    item->Node() = record;
    channel.sitemap.SetLabel(item, record.m_strTitle);
    return item;
}

// A chain of `depth` sub-channels, each the only child of the one above,
// below the root. Returns the innermost.
inline fw::SitemapItem* AddChain(fw::Channel& channel, std::size_t depth)
{
    fw::SitemapItem* item = channel.sitemap.Root();
    for (std::size_t level = 0; level < depth; ++level)
        item = AddChild(channel, item, SubChannel("c.htm", "C"));
    return item;
}

// The root record mirrors the head's title, home URL and abstract.
inline void MirrorHeadInRoot(fw::Channel& channel)
{
    fw::SitemapItem* root = channel.sitemap.Root();
    root->Node().m_strTitle = channel.head.m_strTitle;
    root->Node().m_strHref = channel.head.m_strHomeUrl;
    root->Node().m_strAbstract = channel.head.m_strAbstract;
    channel.sitemap.SetLabel(root, channel.head.m_strTitle);
}

inline void SetStartDate(fw::ScheduleRecord& schedule, unsigned year, unsigned month, unsigned day)
{
    schedule.m_bStartDate = 1;
    schedule.m_nStartYear = year;
    schedule.m_nStartMonth = month;
    schedule.m_nStartDay = day;
}

inline void SetStopDate(fw::ScheduleRecord& schedule, unsigned year, unsigned month, unsigned day)
{
    schedule.m_bStopDate = 1;
    schedule.m_nStopYear = year;
    schedule.m_nStopMonth = month;
    schedule.m_nStopDay = day;
}

// ---- the golden channels -------------------------------------------------

// Everything as at start-up.
inline void BuildFresh(fw::Channel& channel)
{
    MirrorHeadInRoot(channel);
}

// Every optional piece of the head: base URL, root level, the three logos,
// both dates, an update window at each end.
inline void BuildFullHead(fw::Channel& channel)
{
    fw::ChannelHead& head = channel.head;
    head.m_strHomeUrl = "http://server/dir";
    head.m_strTitle = "Example channel";
    head.m_strAbstract = "Pages of the example server";
    head.m_strCdfUrl = "http://server/dir/channel.cdf";
    head.m_bUseBaseUrl = 1;
    head.m_strBaseUrl = "http://server/dir/";
    channel.logos.m_strIconUrl = "http://server/dir/icon.ico";
    channel.logos.m_strLogoUrl = "http://server/dir/logo.gif";
    channel.logos.m_strWideLogoUrl = "http://server/dir/wide.gif";
    channel.sitemap.Root()->Node().m_nLevel = 1;
    fw::ScheduleRecord& schedule = channel.schedule;
    SetStartDate(schedule, 2004, 3, 9);
    SetStopDate(schedule, 2005, 10, 21);
    schedule.m_nIntervalDay = 14;
    schedule.m_nEarliestHour = 2;
    schedule.m_nLatestDay = 1;
    schedule.m_nLatestHour = 3;
    schedule.m_nLatestMin = 30;
    MirrorHeadInRoot(channel);
}

// The site map's worked example (sub-channel B with page B1, then page A)
// behind the full head.
inline void BuildWorkedExample(fw::Channel& channel)
{
    BuildFullHead(channel);
    fw::SitemapItem* root = channel.sitemap.Root();
    fw::SitemapNode b = SubChannel("http://", "B");
    b.m_nLevel = 2;
    b.m_bPrecache = 0;
    fw::SitemapNode b1 = Page("b1.htm", "B1");
    b1.m_nUsage = fw::kUsageEmail;
    b1.m_strIconHref = "i.ico";
    fw::SitemapNode a = Page("http://server/a.htm", "A");
    AddChild(channel, AddChild(channel, root, b), b1);
    AddChild(channel, root, a);
}

// Every optional piece of the head and of both kinds of item, with Shift-JIS
// text whose trail bytes include 0x5C.
inline void BuildEveryOptionalPiece(fw::Channel& channel)
{
    BuildFullHead(channel);
    channel.head.m_strTitle = "\x83\x5c\x83\x74\x83\x67\x8d\x58\x90\x56";  // ソフト更新
    channel.head.m_strAbstract = "\x95\x5c\x8e\xa6\x82\xb7\x82\xe9\x83\x79\x81\x5b\x83\x57";  // 表示するページ
    fw::ScheduleRecord& schedule = channel.schedule;
    schedule.m_nIntervalDay = 3;
    schedule.m_nEarliestDay = 1;
    schedule.m_nEarliestHour = 2;
    schedule.m_nEarliestMin = 3;
    MirrorHeadInRoot(channel);

    fw::SitemapNode soft = SubChannel("http://server/dir/soft", "\x83\x5c\x83\x74\x83\x67");  // ソフト
    soft.m_strAbstract = "Updates";
    soft.m_nLevel = 4;
    soft.m_bPrecache = 0;
    soft.m_nUsage = fw::kUsageSoftwareUpdate;
    soft.m_strIconHref = "http://server/dir/s.ico";
    fw::SitemapNode setup = Page("http://server/dir/soft/setup.htm", "Setup");
    setup.m_strAbstract = "How to install";
    setup.m_nLevel = 12;
    setup.m_nUsage = fw::kUsageScreenSaver;
    setup.m_strIconHref = "p.ico";
    fw::SitemapNode q = Page("q.htm", "Q");
    q.m_strAbstract = "Desktop piece";
    q.m_nLevel = 1;
    q.m_bPrecache = 0;
    q.m_nUsage = fw::kUsageDesktopComponent;
    q.m_strIconHref = "q.ico";

    fw::SitemapItem* root = channel.sitemap.Root();
    AddChild(channel, AddChild(channel, root, soft), setup);
    AddChild(channel, root, q);
}

inline void BuildLogoIconOnly(fw::Channel& channel)
{
    channel.logos.m_strIconUrl = "http://server/icon.ico";
    MirrorHeadInRoot(channel);
}

inline void BuildLogoImageOnly(fw::Channel& channel)
{
    channel.logos.m_strLogoUrl = "http://server/logo.gif";
    MirrorHeadInRoot(channel);
}

inline void BuildLogoWideOnly(fw::Channel& channel)
{
    channel.logos.m_strWideLogoUrl = "http://server/wide.gif";
    MirrorHeadInRoot(channel);
}

inline void BuildScheduleDates(fw::Channel& channel)
{
    SetStartDate(channel.schedule, 2004, 3, 9);
    SetStopDate(channel.schedule, 2005, 10, 21);
    MirrorHeadInRoot(channel);
}

inline void BuildScheduleDay14(fw::Channel& channel)
{
    channel.schedule.m_nIntervalDay = 14;
    MirrorHeadInRoot(channel);
}

inline void BuildScheduleHour12Min30(fw::Channel& channel)
{
    channel.schedule.m_nUpdateUnit = 1;
    channel.schedule.SelectHourEntry(7);  // "12"
    channel.schedule.m_nIntervalMin = 30;
    MirrorHeadInRoot(channel);
}

inline void BuildScheduleHour0Min0(fw::Channel& channel)
{
    channel.schedule.m_nUpdateUnit = 1;
    channel.schedule.SelectHourEntry(0);  // "0"
    channel.schedule.m_nIntervalMin = 0;
    MirrorHeadInRoot(channel);
}

inline void BuildWindowHour2(fw::Channel& channel)
{
    channel.schedule.m_nEarliestHour = 2;
    MirrorHeadInRoot(channel);
}

inline void BuildRootLevel3NoPrecache(fw::Channel& channel)
{
    channel.sitemap.Root()->Node().m_nLevel = 3;
    channel.sitemap.Root()->Node().m_bPrecache = 0;
    MirrorHeadInRoot(channel);
}

inline void BuildMarkupUnchanged(fw::Channel& channel)
{
    channel.head.m_strHomeUrl = "http://server/?a=1&b=2";
    channel.head.m_strTitle = "Tom & Jerry <Best> \"Cartoons\"";
    channel.head.m_strAbstract = "<b>bold</b> & 'quoted' > x";
    MirrorHeadInRoot(channel);
    fw::SitemapNode page = Page("page.htm?x=1&y=2", "A&B<C> \"D\"");
    page.m_strAbstract = "1 < 2 & 3 > 2";
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

struct GoldenCase {
    const char* file;  // in GoldenDir()
    void (*build)(fw::Channel&);
    bool roundTrips;   // reading the file and writing it again gives the same bytes
};

inline const std::vector<GoldenCase>& GoldenCases()
{
    static const std::vector<GoldenCase> cases = {
        {"fresh.cdf", BuildFresh, true},
        {"worked_example.cdf", BuildWorkedExample, true},
        {"every_optional_piece.cdf", BuildEveryOptionalPiece, false},
        {"logo_icon_only.cdf", BuildLogoIconOnly, true},
        {"logo_image_only.cdf", BuildLogoImageOnly, true},
        {"logo_wide_only.cdf", BuildLogoWideOnly, true},
        {"schedule_dates.cdf", BuildScheduleDates, true},
        {"schedule_day14.cdf", BuildScheduleDay14, true},
        {"schedule_hour12_min30.cdf", BuildScheduleHour12Min30, true},
        {"schedule_hour0_min0.cdf", BuildScheduleHour0Min0, false},
        {"window_hour2.cdf", BuildWindowHour2, true},
        {"root_level3_noprecache.cdf", BuildRootLevel3NoPrecache, true},
        {"markup_unchanged.cdf", BuildMarkupUnchanged, false},
        {"three_nested_channels.cdf", BuildThreeNestedChannels, true},
    };
    return cases;
}

}  // namespace cdftest
