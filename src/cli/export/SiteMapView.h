#pragma once
// What every export takes from a loaded channel: each item's title and URL
// as UTF-8, URLs made absolute against the channel's BASE (or its HREF when
// it has none), and a walk over the tree without recursion.

#include <cstddef>
#include <string>
#include <string_view>

#include "sitemap/SitemapTree.h"

namespace fw {
struct Channel;
}

namespace fw::cli {

class SiteMapView {
public:
    explicit SiteMapView(const Channel& channel);

    const SitemapItem& Root() const { return m_root; }
    // The root stands for the channel: its title and URL come from the head.
    std::string Title(const SitemapItem& item) const;
    std::string Abstract(const SitemapItem& item) const;
    // Empty when the item has no URL ("http://" alone or nothing); relative
    // when it is relative and the channel gives nothing to resolve it against
    // (or only a BASE or HREF that is no safe link, IsSafeLink).
    std::string Url(const SitemapItem& item) const;
    // What relative URLs are resolved against (UTF-8); empty when nothing.
    const std::string& Base() const { return m_base; }

private:
    const Channel& m_channel;
    const SitemapItem& m_root;
    std::string m_base;  // UTF-8, empty when there is none
};

// Two blanks a level, up to a limit: a chain of sub-channels thousands of
// levels deep must not make the output grow with the square of its depth.
std::string_view Indent(std::size_t depth);

}  // namespace fw::cli
