#pragma once
// The record that every site map item owns.

#include <string>

#include "channel/KeptContent.h"
#include "channel/Url.h"
#include "text/Literals.h"

namespace fw {

// Page usage codes held in m_nUsage. -1 (no choice confirmed) is written like 0.
enum SitemapUsage : int {
    kUsageNoneChosen = -1,
    kUsageSitemap = 0,
    kUsageNone = 1,
    kUsageEmail = 2,
    kUsageScreenSaver = 3,
    kUsageDesktopComponent = 4,
    kUsageSoftwareUpdate = 5,
};

struct SitemapNode {
    std::string m_strHref{kHttpPrefix};
    std::string m_strTitle;
    std::string m_strAbstract;
    int m_nLevel = 0;  // crawl level, 0 means none
    int m_bPrecache = 1;
    int m_bIsPage = 0;  // 1 page (ITEM), 0 channel or sub-channel (CHANNEL)
    std::string m_strIconHref{kHttpPrefix};
    int m_nUsage = kUsageSitemap;
    Kept m_kept{};  // what the item's element held that no member takes

    static SitemapNode NewPage();        // "新規ページ"
    static SitemapNode NewSubChannel();  // "新規チャンネル"

    bool operator==(const SitemapNode&) const = default;
};

inline SitemapNode SitemapNode::NewPage()
{
    SitemapNode node;
    node.m_strTitle = std::string(kNewPageTitleSjis);
    node.m_bIsPage = 1;
    return node;
}

inline SitemapNode SitemapNode::NewSubChannel()
{
    SitemapNode node;
    node.m_strTitle = std::string(kNewSubChannelTitleSjis);
    return node;
}

}  // namespace fw
