#include "channel/Url.h"

#include "text/SjisText.h"

namespace fw {

bool IsUrlGiven(std::string_view url)
{
    return !url.empty() && url != kHttpPrefix;
}

void NormalizeUrl(std::string& text)
{
    TrimSingleByteWhiteSpace(text);
    if (text.empty() || text.back() != '/')
        return;
    if (EqualsAsciiNoCase(text, kHttpPrefix))
        return;  // the default text keeps its slash
    text.pop_back();
}

}  // namespace fw
