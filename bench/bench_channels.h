#pragma once
// Large channels for the benchmarks, built the way a load builds them.

#include <memory>
#include <string>

#include "channel/Channel.h"
#include "sitemap/SitemapTree.h"

namespace benchdata {

inline fw::SitemapItem* Add(fw::Channel& channel, fw::SitemapItem* parent, bool page, int number)
{
    channel.sitemap.Select(parent);
    fw::SitemapItem* item = page ? channel.sitemap.AddPage(false) : channel.sitemap.AddSubChannel(false);
    fw::SitemapNode& node = item->Node();
    node.m_strHref = "http://server/section/page" + std::to_string(number) + ".htm";
    node.m_strTitle = "Page number " + std::to_string(number);
    node.m_strAbstract = page && number % 4 == 0 ? "A short comment on the page" : "";
    node.m_nUsage = page && number % 7 == 0 ? fw::kUsageEmail : fw::kUsageSitemap;
    node.m_nLevel = number % 3;
    return item;
}

// A page below the root, and beside it a sub-channel of `items` items (pages,
// one sub-channel in fifty holding the next ones), added as a load adds them.
inline fw::SitemapItem* SubChannelOf(fw::SitemapTree& tree, int items)
{
    tree.Select(tree.Root());
    tree.AddPage(false);
    tree.Select(tree.Root());
    fw::SitemapItem* top = tree.AddSubChannel(false);
    fw::SitemapItem* channel = top;
    for (int made = 1; made < items; ++made) {
        tree.Select(channel);
        if (made % 50 == 0)
            channel = tree.AddSubChannel(false);
        else
            tree.AddPage(false);
    }
    return top;
}

// Sub-channels of the root holding 50 pages each, until `items` exist.
inline std::unique_ptr<fw::Channel> WideChannel(int items)
{
    auto channel = std::make_unique<fw::Channel>();
    fw::SitemapItem* root = channel->sitemap.Root();
    for (int made = 0; made < items;) {
        fw::SitemapItem* sub = Add(*channel, root, false, made++);
        for (int i = 0; i < 50 && made < items; ++i)
            Add(*channel, sub, true, made++);
    }
    return channel;
}

// A chain of sub-channels `depth` levels deep.
inline std::unique_ptr<fw::Channel> ChainChannel(int depth)
{
    auto channel = std::make_unique<fw::Channel>();
    fw::SitemapItem* parent = channel->sitemap.Root();
    for (int i = 0; i < depth; ++i)
        parent = Add(*channel, parent, false, i);
    return channel;
}

}  // namespace benchdata
