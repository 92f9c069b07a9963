#pragma once
// Turns a Channel into the bytes of a .cdf file: Shift-JIS as held, CR LF
// line ends, no byte-order mark. The only escapes are the two the reader
// turns back: '<' in TITLE and ABSTRACT text is written "&lt;", '"' in an
// attribute value "&quot;"; everything else ('&' and '>' included) is
// written as it stands. URLs, and the titles and abstracts of site map
// items, are normalised in place as they are written, so the members
// afterwards hold the written text.

#include <cstdint>
#include <string>

#include "cdf/ByteSink.h"

namespace fw {

struct Channel;
class SitemapItem;

// The writer's current nesting depth: 0 whenever no write is running, also
// after a write that failed.
extern int g_nItemDepth;

// Appends `depth` copies of two blanks to `indent`; nothing for depth <= 0.
void MakeIndent(int depth, std::string& indent);

// Writes the whole channel. Every line break reaches the sink as exactly one
// CR LF, also one held in a member as LF or CR LF. False when the sink
// refused a write; the rest is then not written.
[[nodiscard]] bool WriteCdf(Channel& channel, ByteSink& sink);

// WriteCdf in two steps, for a save that must know the size first.
// NormalizeForWrite changes the members as writing does; CdfFileSize then
// tells exactly how many bytes WriteNormalizedCdf hands to the sink, without
// writing, in time linear in the channel's lines and text (the indentation
// of a deep site map is counted, not made).
void NormalizeForWrite(Channel& channel);
std::uint64_t CdfFileSize(const Channel& channel);
[[nodiscard]] bool WriteNormalizedCdf(const Channel& channel, ByteSink& sink);

// Writes `item`'s subtree (and, unless bRoot, the item itself) as nested ITEM
// and CHANNEL elements, without recursion. False when the sink refused a write.
[[nodiscard]] bool WriteSitemapItem(SitemapItem* item, ByteSink& sink, bool bRoot);

}  // namespace fw
