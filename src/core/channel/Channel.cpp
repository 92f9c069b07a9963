#include "channel/Channel.h"

#include <utility>

namespace fw {

SitemapNode RootRecordFor(const ChannelHead& head)
{
    SitemapNode root;
    RootRecordFromHead(root, head);
    return root;
}

void RootRecordFromHead(SitemapNode& root, const ChannelHead& head)
{
    root.m_strTitle = head.m_strTitle;
    root.m_strHref = head.m_strHomeUrl;
    root.m_strAbstract = head.m_strAbstract;
}

void HeadFromRootRecord(ChannelHead& head, const SitemapNode& root)
{
    head.m_strTitle = root.m_strTitle;
    head.m_strHomeUrl = root.m_strHref;
    head.m_strAbstract = root.m_strAbstract;
}

Channel::Channel(TraceSink* trace) : sitemap(RootRecordFor(head), trace)
{
}

void Channel::Clear()
{
    SitemapTree::BulkUpdate bulk(sitemap);
    head = ChannelHead{};
    logos = LogoSet{};
    schedule.ResetSchedule();

    SitemapItem* root = sitemap.Root();
    sitemap.DeleteChildren(root);
    // The root's own title is left for the site map dialog to refresh when shown.
    SitemapNode& node = root->Node();
    node.m_strHref = head.m_strHomeUrl;
    node.m_strAbstract = head.m_strAbstract;
    node.m_nLevel = 0;
    node.m_bPrecache = 1;
    node.m_bIsPage = 0;
    node.m_strIconHref = std::string(kHttpPrefix);
    node.m_nUsage = kUsageSitemap;
    node.m_kept.Reset();
    sitemap.SetLabel(root, head.m_strTitle);
}

void Channel::ReplaceWith(Channel& loaded)
{
    // Clearing this channel would have moved a selection it had to the root.
    if (loaded.sitemap.Selected() == nullptr && sitemap.Selected() != nullptr)
        loaded.sitemap.Select(loaded.sitemap.Root());
    std::swap(head, loaded.head);
    std::swap(logos, loaded.logos);
    std::swap(schedule, loaded.schedule);
    sitemap.SwapItems(loaded.sitemap);
}

}  // namespace fw
