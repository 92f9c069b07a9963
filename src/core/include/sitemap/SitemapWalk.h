#pragma once
// The one walk over a site map subtree: down to first children and back up
// through parents, so a tree of any depth is walked without recursion and in
// constant memory.

#include <cstddef>
#include <type_traits>

#include "sitemap/SitemapTree.h"

namespace fw {

namespace detail {

// A visitor returning nothing never stops the walk.
template <typename Visit, typename Item> bool VisitGoesOn(Visit& visit, Item& item, std::size_t depth)
{
    if constexpr (std::is_void_v<std::invoke_result_t<Visit&, Item&, std::size_t>>) {
        visit(item, depth);
        return true;
    } else {
        return static_cast<bool>(visit(item, depth));
    }
}

}  // namespace detail

// Calls enter(item, depth) before an item's children and leave(item, depth)
// after them, for `top` (depth 0) and every item below it, in tree order.
// A visitor that returns false stops the walk, which then returns false.
// `Item` is SitemapItem or const SitemapItem.
template <typename Item, typename Enter, typename Leave> bool WalkSubtree(Item& top, Enter enter, Leave leave)
{
    Item* item = &top;
    std::size_t depth = 0;
    if (!detail::VisitGoesOn(enter, *item, depth))
        return false;
    for (;;) {
        if (Item* child = item->FirstChild()) {
            item = child;
            if (!detail::VisitGoesOn(enter, *item, ++depth))
                return false;
            continue;
        }
        // A leaf: it ends, and with it every ancestor whose last child it was.
        for (;;) {
            if (!detail::VisitGoesOn(leave, *item, depth))
                return false;
            if (item == &top)
                return true;
            if (Item* next = item->NextSibling()) {
                item = next;
                if (!detail::VisitGoesOn(enter, *item, depth))
                    return false;
                break;
            }
            item = item->Parent();
            --depth;
        }
    }
}

}  // namespace fw
