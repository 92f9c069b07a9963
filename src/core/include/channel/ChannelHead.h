#pragma once
// The part of a channel that the main form edits directly.

#include <string>

#include "channel/KeptContent.h"
#include "channel/Url.h"
#include "text/Literals.h"

namespace fw {

struct ChannelHead {
    std::string m_strCdfUrl{kHttpPrefix};  // SELF attribute
    std::string m_strAbstract;             // the channel's abstract; line breaks held as LF
    std::string m_strTitle{kDefaultTitleSjis};
    std::string m_strHomeUrl{kHttpPrefix};  // HREF attribute
    std::string m_strBaseUrl{kHttpPrefix};  // BASE attribute, only when m_bUseBaseUrl
    int m_bUseBaseUrl = 0;
    Kept m_kept{};  // of the top-level CHANNEL, its TITLE and ABSTRACT, and what stood around it

    bool operator==(const ChannelHead&) const = default;
};

}  // namespace fw
