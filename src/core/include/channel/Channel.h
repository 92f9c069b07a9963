#pragma once
// The channel being edited: the head, the logo set, the schedule record and
// the site map. The dialogs are views over their parts; the writer and the
// reader work on the whole.

#include "channel/ChannelHead.h"
#include "channel/LogoSet.h"
#include "channel/ScheduleRecord.h"
#include "sitemap/SitemapTree.h"

namespace fw {

class TraceSink;

struct Channel {
    explicit Channel(TraceSink* trace = nullptr);

    ChannelHead head;
    LogoSet logos;
    ScheduleRecord schedule;
    SitemapTree sitemap;

    // Everything back to its start-up state: head, logos, schedule (dates to
    // today), every item below the root deleted, the root record reset from
    // the head. The copy buffer stays. Views hear one bulk update.
    void Clear();

    // Takes over what `loaded` holds: head, logos, schedule, and the site
    // map's items with their selection (`loaded` gets this channel's old
    // ones in exchange). The copy buffer stays, and views hear one bulk update. With a
    // `loaded` that was cleared and read while this channel stood unchanged,
    // the result is what reading into this channel itself would have left.
    void ReplaceWith(Channel& loaded);
};

// The root record a fresh channel starts with, taken from the head.
SitemapNode RootRecordFor(const ChannelHead& head);

// The root record mirrors the head's title, home URL and abstract: the site
// map editor copies them into the root when it is shown and back on OK.
void RootRecordFromHead(SitemapNode& root, const ChannelHead& head);
void HeadFromRootRecord(ChannelHead& head, const SitemapNode& root);

}  // namespace fw
