#include "feeds/FeedChannel.h"

#include <algorithm>
#include <vector>

#include "channel/Channel.h"
#include "text/Cp932.h"

namespace fw::cli {

namespace {

SitemapNode PageOf(const FeedItem& item)
{
    SitemapNode node = SitemapNode::NewPage();
    node.m_strHref = Utf8ToCp932(item.link);
    // An item without a title is named by its link, as a reader lists it.
    node.m_strTitle = Utf8ToCp932(item.title.empty() ? item.link : item.title);
    node.m_strAbstract = Utf8ToCp932(item.summary);
    if (item.date)
        node.m_kept.Make().attributes.push_back({KeptPart::Self, false, "LASTMOD", LastModText(*item.date)});
    return node;
}

void AppendPages(SitemapTree& tree, const Feed& feed)
{
    for (const FeedItem& item : feed.items) {
        tree.Select(tree.Root());
        SitemapItem& page = *tree.AddPage(false);
        page.Node() = PageOf(item);
        tree.SetLabel(&page, page.Node().m_strTitle);
    }
    tree.Select(tree.Root());
}

}  // namespace

void SetUpdateInterval(ScheduleRecord& schedule, unsigned minutes)
{
    if (minutes >= 13 * 60) {
        schedule.m_nUpdateUnit = 0;
        schedule.m_nIntervalDay = std::clamp((minutes + 12 * 60) / (24 * 60), 1u, 365u);
        return;
    }
    schedule.m_nUpdateUnit = 1;
    const unsigned hours = minutes / 60;
    schedule.SelectHourEntry(HourIndexForHours(static_cast<int>(hours)));
    schedule.m_nIntervalMin = schedule.m_nIntervalHour == hours ? minutes % 60 : 0;
}

void FillChannelFromFeed(Channel& channel, const Feed& feed, const std::string& selfUrl)
{
    ChannelHead& head = channel.head;
    if (!feed.title.empty())
        head.m_strTitle = Utf8ToCp932(feed.title);
    if (!feed.link.empty())
        head.m_strHomeUrl = Utf8ToCp932(feed.link);
    head.m_strAbstract = Utf8ToCp932(feed.description);
    if (!selfUrl.empty())
        head.m_strCdfUrl = selfUrl;
    if (!feed.image.empty())
        channel.logos.m_strLogoUrl = Utf8ToCp932(feed.image);
    if (!feed.icon.empty())
        channel.logos.m_strIconUrl = Utf8ToCp932(feed.icon);
    if (feed.updateMinutes)
        SetUpdateInterval(channel.schedule, *feed.updateMinutes);

    SitemapTree& tree = channel.sitemap;
    SitemapItem& root = *tree.Root();
    root.Node().m_strHref = head.m_strHomeUrl;
    root.Node().m_strTitle = head.m_strTitle;
    SitemapTree::BulkUpdate bulk(tree);
    tree.SetLabel(&root, head.m_strTitle);
    AppendPages(tree, feed);
}

void ReplaceTopLevelPages(Channel& channel, const Feed& feed)
{
    SitemapTree& tree = channel.sitemap;
    SitemapTree::BulkUpdate bulk(tree);
    std::vector<SitemapItem*> pages;
    for (SitemapItem* item = tree.Root()->FirstChild(); item != nullptr; item = item->NextSibling()) {
        if (item->Node().m_bIsPage)
            pages.push_back(item);
    }
    for (SitemapItem* page : pages)
        tree.DeleteItem(page);
    AppendPages(tree, feed);
}

}  // namespace fw::cli
