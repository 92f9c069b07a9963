#pragma once
// Small helpers for the reader's tests: loading bytes into a fresh channel
// and describing the site map tree as text.

#include <memory>
#include <string>
#include <string_view>

#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "trace/TraceSink.h"

namespace fw::testing {

// The declaration the writer puts first.
inline constexpr std::string_view kDeclaration = "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\n";

struct Loaded {
    std::unique_ptr<Channel> channel = std::make_unique<Channel>();
    ReadStatus status = ReadStatus::Ok;

    ChannelHead& head() { return channel->head; }
    ScheduleRecord& schedule() { return channel->schedule; }
    LogoSet& logos() { return channel->logos; }
    SitemapItem& root() { return *channel->sitemap.Root(); }
};

inline Loaded Load(std::string_view bytes)
{
    Loaded loaded;
    NullTraceSink trace;
    loaded.status = ReadCdfBytes(*loaded.channel, bytes, trace);
    return loaded;
}

// Loads `body` behind the writer's declaration.
inline Loaded LoadDeclared(std::string_view body)
{
    return Load(std::string(kDeclaration) + std::string(body));
}

// One line per item below `top`, depth first: two blanks per level, then "C "
// for a sub-channel or "P " for a page, then its label. Walks without recursion.
inline std::string Outline(const SitemapItem& top)
{
    std::string text;
    const SitemapItem* item = top.FirstChild();
    int depth = 0;
    while (item != nullptr) {
        text.append(static_cast<std::size_t>(depth) * 2, ' ');
        text += item->IsPageImage() ? "P " : "C ";
        text += item->Label();
        text += '\n';
        if (item->FirstChild() != nullptr) {
            item = item->FirstChild();
            ++depth;
            continue;
        }
        while (item != &top && item->NextSibling() == nullptr) {
            item = item->Parent();
            --depth;
        }
        item = item == &top ? nullptr : item->NextSibling();
    }
    return text;
}

// The n-th child of `parent` (0-based), or null.
inline SitemapItem* Child(const SitemapItem& parent, std::size_t n)
{
    SitemapItem* child = parent.FirstChild();
    for (; child != nullptr && n > 0; --n)
        child = child->NextSibling();
    return child;
}

}  // namespace fw::testing
