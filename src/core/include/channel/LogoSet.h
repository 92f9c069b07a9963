#pragma once
// The channel's three images. "http://" or an empty text means no image.

#include <string>

#include "channel/KeptContent.h"
#include "channel/Url.h"

namespace fw {

struct LogoSet {
    std::string m_strIconUrl{kHttpPrefix};      // 16x16 .ico, STYLE="ICON"
    std::string m_strLogoUrl{kHttpPrefix};      // 80x32 .gif, STYLE="IMAGE"
    std::string m_strWideLogoUrl{kHttpPrefix};  // 194x32 .gif, STYLE="IMAGE-WIDE"
    Kept m_kept{};                              // foreign attributes of the three LOGO lines

    bool operator==(const LogoSet&) const = default;
};

}  // namespace fw
