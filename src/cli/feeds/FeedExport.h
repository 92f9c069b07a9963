#pragma once
// The channel as a feed that today's readers take: RSS 2.0 or Atom 1.0 in
// UTF-8, every item of the site map in tree order.

#include "export/Exports.h"
#include "feeds/FeedDate.h"

namespace fw {
struct LogoSet;
}

namespace fw::cli {

class SiteMapView;

// The channel's title, link, abstract and logo, then every item below the
// root (pages and sub-channels, which have pages of their own) with its
// title, absolute link, abstract and LASTMOD.
ExportedPage ExportRss(const SiteMapView& view, const LogoSet& logos);
// The same as Atom: ids from the links, `updated` from the LASTMODs. `now`
// stands in only when no item has a LASTMOD, so a channel with dates gives
// the same bytes from run to run.
ExportedPage ExportAtom(const SiteMapView& view, const LogoSet& logos, FeedTime now);

}  // namespace fw::cli
