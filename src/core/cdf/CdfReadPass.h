#pragma once
// One load of a .cdf file: the reader's state for a single pass and the
// element handlers that work on it. Used only by the reader's own files.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cdf/CdfReader.h"

namespace fw {

struct Channel;
class CdfInput;
class CdfProgress;
class SitemapItem;
struct SitemapNode;
class TraceSink;

// Turns every `reference` in `text` back into `character`, in place, in one
// pass; all else stays as it stands.
void Unescape(std::string& text, std::string_view reference, char character);

class CdfReadPass {
public:
    CdfReadPass(Channel& channel, CdfInput& input, TraceSink& trace, CdfProgress* progress);
    CdfReadPass(const CdfReadPass&) = delete;
    CdfReadPass& operator=(const CdfReadPass&) = delete;

    // Reads to the end of the input (or to an element error) and tells how
    // the load went. The channel must have been cleared before.
    ReadStatus Run();

private:
    enum class TimeElement { Interval, Earliest, Latest };

    void Dispatch(bool hasAttributes);
    // Tells the progress how far the input has been read, every so many
    // bytes; false when it asks to stop.
    bool ReportProgress();

    // The attribute list of the start tag being read: one name/value pair per
    // call, false when the list is over (its '>' or the end of the input).
    // The name is upper-cased and keeps the white space in front of it; in
    // the value, "&quot;" has become '"'.
    bool NextAttribute(bool upperValue);
    // Index of the first of `names` that occurs in the attribute name, or -1.
    template <std::size_t N>
    int MatchName(const std::array<std::string_view, N>& names) const;

    // Element handlers. A TITLE or ABSTRACT not closed by its own tag sets
    // the element error, which ends the load.
    void ReadDeclaration();
    void OpenChannel();
    void CloseChannel();
    void AddPageItem();
    void ReadElementText(bool isTitle);
    void ReadSchedule();
    void ReadScheduleTime(TimeElement element);
    void ReadUsage();
    void ReadLogo();
    void ApplyLogoStyle(const std::string& url);

    // Context.
    std::size_t Depth() const { return m_openChannels.size(); }
    SitemapItem* InnermostChannel() const { return m_openChannels.empty() ? nullptr : m_openChannels.back(); }
    SitemapNode* CurrentPageNode() const;

    bool Tracing() const { return m_tracing; }
    void Trace(std::string_view text);

    Channel& m_channel;
    CdfInput& m_input;
    TraceSink& m_trace;
    const bool m_tracing;
    CdfProgress* m_progress;
    std::size_t m_nextReport = 0;  // input offset at which the progress hears next

    std::string m_tagName;
    std::string m_attrName;
    std::string m_attrValue;
    std::string m_skipped;  // what stands between '=' and the value's opening quote
    bool m_listOpen = false;

    int m_phase = 0;  // 0 no declaration, 1 declaration without '?', 2 complete
    bool m_elementError = false;
    std::vector<SitemapItem*> m_openChannels;  // innermost last; any depth
    bool m_inItem = false;
    SitemapItem* m_currentPage = nullptr;
    bool m_inSchedule = false;
};

template <std::size_t N>
int CdfReadPass::MatchName(const std::array<std::string_view, N>& names) const
{
    for (std::size_t i = 0; i < N; ++i) {
        if (m_attrName.find(names[i]) != std::string::npos)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace fw
