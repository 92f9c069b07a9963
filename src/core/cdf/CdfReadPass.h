#pragma once
// One load of a .cdf file: the reader's state for a single pass and the
// element handlers that work on it. Used only by the reader's own files.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cdf/CdfReader.h"
#include "text/SjisText.h"

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

    // The elements of the update pace and window, the three fields each one
    // fills (with the trace line it starts with), and which of DAY, HOUR and
    // MIN an element carried.
    enum class TimeElement { Interval, Earliest, Latest };
    struct TimeFields {
        std::string_view trace;
        unsigned* day;
        unsigned* hour;
        unsigned* min;
    };
    struct TimeNamesSeen {
        bool day = false;
        bool hour = false;
        bool min = false;
    };

private:
    void Dispatch(bool hasAttributes);
    // Tells the progress how far the input has been read, every so many
    // bytes; false when it asks to stop.
    bool ReportProgress();

    // The attribute list of the start tag being read: one name/value pair per
    // call, false when the list is over (its '>' or the end of the input).
    // The name (m_attrName) is a view into the input with the white space in
    // front of it. The value (m_value) has each CR LF as LF and "&quot;"
    // turned into '"'; it is a view into the input where that changes
    // nothing, else into m_attrValue, and it lasts until the next read.
    bool NextAttribute();
    // The attribute name upper-cased, white space kept.
    const std::string& UpperAttrName();
    // The tag name after a '<' (a view into the input), and which byte ended
    // it: 1 for '>', another number for white space, 0 at the end of the input.
    int ReadTagName();
    // The bytes up to the next `Delimiter`, which is taken; the text between
    // has each CR LF as LF and every `reference` (which starts with '&')
    // turned into `character`. False at the end of the input (all of it taken).
    template <char Delimiter> bool ReadText(std::string_view reference, char character, std::string_view& text);
    // A copy of a text that ReadText or NextAttribute gave; one held in
    // m_attrValue is moved out instead of copied.
    std::string TakeText(std::string_view text);
    // Index of the first of `names` that occurs in the upper-cased attribute
    // name, or -1. The names must be upper case, and none may hold an earlier
    // one (NoNameHoldsAnEarlierOne).
    template <std::size_t N> int MatchName(const std::array<std::string_view, N>& names);

    // Element handlers. A TITLE or ABSTRACT not closed by its own tag sets
    // the element error, which ends the load.
    void ReadDeclaration();
    void OpenChannel();
    void CloseChannel();
    void AddPageItem();
    void ReadElementText(bool isTitle);
    void ReadSchedule();
    void ReadScheduleTime(TimeElement element);
    TimeNamesSeen ReadTimeAttributes(TimeElement element, const TimeFields& fields);
    void ReadUsage();
    void ReadLogo();
    void ApplyLogoStyle();

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

    std::string_view m_tagName;
    std::string_view m_attrName;
    std::string m_upperAttrName;  // made from m_attrName when asked for
    std::string_view m_value;
    std::string m_attrValue;  // where a value or a text is rewritten when it must change
    std::string m_logoUrl;    // the HREF of the LOGO being read
    bool m_listOpen = false;

    int m_phase = 0;  // 0 no declaration, 1 declaration without '?', 2 complete
    bool m_elementError = false;
    std::vector<SitemapItem*> m_openChannels;  // innermost last; any depth
    bool m_inItem = false;
    SitemapItem* m_currentPage = nullptr;
    bool m_inSchedule = false;
};

// True when no name occurs inside an earlier one: an attribute name that is
// exactly one of them, blanks aside, then matches that one and no other.
template <std::size_t N> constexpr bool NoNameHoldsAnEarlierOne(const std::array<std::string_view, N>& names)
{
    for (std::size_t later = 0; later < N; ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (names[later].find(names[earlier]) != std::string_view::npos)
                return false;
        }
    }
    return true;
}

// The blanks and line breaks around an attribute name.
std::string_view TrimAttrName(std::string_view name);

template <std::size_t N> int CdfReadPass::MatchName(const std::array<std::string_view, N>& names)
{
    // Nearly every name is one of ours as it stands: no copy, no search.
    const std::string_view bare = TrimAttrName(m_attrName);
    for (std::size_t i = 0; i < N; ++i) {
        if (bare.size() == names[i].size() && EqualsAsciiNoCase(bare, names[i]))
            return static_cast<int>(i);
    }
    const std::string& upper = UpperAttrName();
    for (std::size_t i = 0; i < N; ++i) {
        if (upper.find(names[i]) != std::string::npos)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace fw
