#pragma once
// The site map's 16x16 pictures, by resource number: 134 delete (a red
// cross), 135 channel (a blue book), 136 page (a page sheet), 137 copy (two
// sheets), 138 paste (a clipboard).

#include <QIcon>

namespace sitemap_icons {

inline constexpr int kDelete = 134;
inline constexpr int kChannel = 135;
inline constexpr int kPage = 136;
inline constexpr int kCopy = 137;
inline constexpr int kPaste = 138;

QIcon Icon(int resourceNumber);

}  // namespace sitemap_icons
