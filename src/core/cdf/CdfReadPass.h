#pragma once
// One load of a .cdf file: the reader's state for a single pass and the
// element handlers that work on it. Used only by the reader's own files.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "cdf/CdfReadEvents.h"
#include "cdf/CdfReader.h"
#include "channel/KeptContent.h"
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
    CdfReadPass(Channel& channel, CdfInput& input, TraceSink& trace, CdfProgress* progress,
                CdfReadObserver* observer = nullptr);
    CdfReadPass(const CdfReadPass&) = delete;
    CdfReadPass& operator=(const CdfReadPass&) = delete;

    // Reads to the end of the input (or to an element error) and tells how
    // the load went. The channel must have been cleared before.
    CdfReadResult Run();

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
    // Where kept content goes: a record's kept content and the part of it.
    struct KeptTarget {
        Kept* kept;
        KeptPart part;
    };

    // `tagStart` is the offset of the tag's '<'; the input stands after its name.
    void Dispatch(std::size_t tagStart, int stop);
    // Tells the progress how far the input has been read (`done` bytes, all
    // of which are never read again), every so many bytes; false when it
    // asks to stop.
    bool ReportProgress(std::size_t done);

    // The attribute list of the start tag being read: one name/value pair per
    // call, false when the list is over (its '>' or the end of the input;
    // m_selfClosed then tells whether a '/' stood before the '>').
    // The name (m_attrName) is a view into the input with the white space in
    // front of it. The value (m_value) has each CR LF as LF and "&quot;"
    // turned into '"'; it is a view into the input where that changes
    // nothing, else into m_attrValue, and it lasts until the next read.
    // A value stands in either quote, or without quotes up to the next white
    // space or '>'. A quoted value whose closing quote is missing (the next
    // quote lies past a line break and a '<') ends with the tag, at the first
    // '>' of its line, so it cannot swallow the elements after it.
    bool NextAttribute();
    bool ReadQuotedValue(char quote);
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

    bool TakenWhereItStands(int element) const;

    // Element handlers. A TITLE or ABSTRACT not closed by its own tag sets
    // the element error, which ends the load.
    void ReadDeclaration();
    void OpenChannel();
    void CloseChannel();
    void AddPageItem();
    void ReadElementText(bool isTitle);
    bool TakeTitleAttribute(Kept& kept, SitemapItem* item, bool forHead);
    void ReadPrecache(SitemapNode& node);
    void ReadIntervalHours();
    // The record a TITLE or ABSTRACT read now belongs to, with its kept content.
    KeptTarget ElementTextOwner();
    void ReadSchedule();
    void ReadScheduleDate(bool start);
    void ReadScheduleTime(TimeElement element);
    TimeNamesSeen ReadTimeAttributes(TimeElement element, const TimeFields& fields);
    void ReadUsage();
    void ReadLogo(std::size_t tagStart);

    // Content no record takes (CdfReadForeign.cpp). The owner is the record
    // of the innermost open element that keeps content, and which of its
    // elements the content stands in.
    KeptTarget CurrentOwner();
    // The attribute just read, kept with `kept`.
    void KeepAttribute(Kept& kept, KeptPart part, bool shadow = false);
    // A start tag no record takes: the element with all it holds, up to its
    // end tag, is kept with the current owner. One not closed before the
    // element around it ends is kept empty, and what follows it is read as
    // if it were not there.
    void KeepForeignElement(std::size_t tagStart, int stop);
    bool CaptureUntilClosed(std::vector<KeptToken>& tokens, std::size_t firstTagStart);
    // The start tag whose name was just read, as a token; true when it is empty.
    bool ReadForeignStartTag(int stop, std::vector<KeptToken>& tokens, KeptPart part);
    // A comment, CDATA section, DOCTYPE or processing instruction at the input.
    void ReadMarkup(std::vector<KeptToken>& tokens, KeptPart part);
    bool ClosesKnownOpenElement(std::string_view upperName) const;
    void Commit(const KeptTarget& target, std::vector<KeptToken>& tokens);
    // The end of `pattern` from the input on, or npos; remembers a search
    // that found nothing, so that many unclosed comments cost one search.
    std::size_t FindAhead(std::string_view pattern);

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
    CdfReadObserver* m_observer;
    // The element whose start tag is being read, upper case, for events.
    std::string_view m_element;
    // Tells the observer, if any: `name` (a view into the input, or text of
    // the reader's own) at `offset`.
    void Tell(CdfReadAction action, std::size_t offset, std::string_view name, bool attribute,
              std::string_view takenAs = {});
    void TellTakenAs(std::string_view ownName);
    // Of the attribute being read, with m_value: its value, as written, is
    // held as `takenAs` (Changed), or was read in a form of its own.
    void TellAttribute(CdfReadAction action, std::string_view takenAs = {});
    // The name of the element whose record keeps what is read now.
    std::string_view OwnerElementName();
    // A comment, DOCTYPE or the like at `tagStart` was kept.
    void TellKeptMarkup(std::size_t tagStart);
    std::size_t m_nextReport = 0;  // input offset at which the progress hears next

    std::string_view m_tagName;
    std::string_view m_attrName;
    std::string m_upperAttrName;  // made from m_attrName when asked for
    std::string_view m_value;
    std::string m_attrValue;  // where a value or a text is rewritten when it must change
    std::string m_logoUrl;    // the HREF of the LOGO being read
    bool m_listOpen = false;
    bool m_selfClosed = false;

    int m_phase = 0;  // 0 no declaration, 1 declaration without '?', 2 complete
    bool m_elementError = false;
    std::size_t m_elementErrorAt = 0;          // the '<' of the tag that ended a TITLE or ABSTRACT badly
    std::vector<SitemapItem*> m_openChannels;  // innermost last; any depth
    bool m_inItem = false;
    SitemapItem* m_currentPage = nullptr;
    bool m_inSchedule = false;
    bool m_inUsage = false;      // inside a page's USAGE that has content
    bool m_channelSeen = false;  // a top-level CHANNEL has been opened
    // A TITLE attribute taken as a title: kept after all when a TITLE
    // element of the same owner follows.
    Kept* m_titleAttrOwner = nullptr;
    std::string m_titleAttrName, m_titleAttrValue;
    std::size_t m_titleAttrOffset = 0;

    // Foreign start tags found not closed in time, by offset: read again as
    // empty elements. Reading again is bounded: past the budget, every
    // foreign element is taken as empty at once.
    std::unordered_set<std::size_t> m_emptyAt;
    std::size_t m_readAgain = 0;
    bool m_noLookahead = false;
    std::unordered_map<std::string_view, std::size_t> m_notFoundFrom;  // pattern -> offset searched in vain
    std::vector<KeptToken> m_foreign;                                  // the element being kept
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

// Whether `byte` can begin an element's name (after '<').
bool IsNameStart(char byte);

// An attribute name as it is kept: blanks around it trimmed, CR LF as LF.
std::string KeptName(std::string_view name);

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
        if (upper.find(names[i]) != std::string::npos) {
            if (m_observer != nullptr)
                TellTakenAs(names[i]);
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace fw
