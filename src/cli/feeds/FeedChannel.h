#pragma once
// A feed's content put into a channel: a new channel made from the feed, or
// the top-level pages of an existing one replaced by the feed's items.

#include "feeds/Feed.h"

namespace fw {
struct Channel;
struct ScheduleRecord;
}  // namespace fw

namespace fw::cli {

// The channel's head, logos, schedule and pages from the feed; `selfUrl`
// (may be empty) is where the .cdf will be published.
void FillChannelFromFeed(Channel& channel, const Feed& feed, const std::string& selfUrl);

// Every top-level page is deleted and the feed's items appended as pages;
// sub-channels, the head, logos and schedule stay as they are.
void ReplaceTopLevelPages(Channel& channel, const Feed& feed);

// The schedule's interval nearest to fetching every `minutes` minutes that
// the schedule can say: minutes alone below an hour, an hour entry up to
// 12 hours (rounded up to the next entry, with the minutes when the entry
// is exact), else whole days (at least 1, at most 365).
void SetUpdateInterval(ScheduleRecord& schedule, unsigned minutes);

}  // namespace fw::cli
