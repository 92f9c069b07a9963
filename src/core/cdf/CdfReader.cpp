#include "cdf/CdfReader.h"

#include <algorithm>
#include <array>
#include <new>
#include <utility>

#include "cdf/ByteScanner.h"
#include "cdf/CdfProgress.h"
#include "cdf/CdfReadPass.h"
#include "channel/Channel.h"
#include "os/RegularFile.h"
#include "text/FileEncoding.h"
#include "text/SjisText.h"
#include "trace/TraceSink.h"

namespace fw {

namespace {

enum class Element {
    Declaration,
    Channel,
    ChannelEnd,
    Item,
    ItemEnd,
    Title,
    Abstract,
    Schedule,
    ScheduleEnd,
    IntervalTime,
    EarliestTime,
    LatestTime,
    Usage,
    UsageEnd,
    Logo,
};

struct ElementName {
    std::string_view name;
    Element element;
};

// Tag names are matched without regard to the case of a-z (files of the time
// write <Channel> and <Item> as often as <CHANNEL>); any other name is
// skipped, and the rest of its tag with it, like text.
constexpr std::array<ElementName, 15> kElements = {{
    {"?XML", Element::Declaration},
    {"CHANNEL", Element::Channel},
    {"/CHANNEL", Element::ChannelEnd},
    {"ITEM", Element::Item},
    {"/ITEM", Element::ItemEnd},
    {"TITLE", Element::Title},
    {"ABSTRACT", Element::Abstract},
    {"SCHEDULE", Element::Schedule},
    {"/SCHEDULE", Element::ScheduleEnd},
    {"INTERVALTIME", Element::IntervalTime},
    {"EARLIESTTIME", Element::EarliestTime},
    {"LATESTTIME", Element::LatestTime},
    {"USAGE", Element::Usage},
    {"/USAGE", Element::UsageEnd},
    {"LOGO", Element::Logo},
}};

constexpr std::size_t kLongestElementName = [] {
    std::size_t longest = 0;
    for (const ElementName& entry : kElements)
        longest = std::max(longest, entry.name.size());
    return longest;
}();

// Runs for every tag of a file: the name is folded once into a small buffer
// (a name too long, or with a byte outside ASCII, cannot be one of ours).
const ElementName* FindElement(std::string_view name)
{
    if (name.size() > kLongestElementName)
        return nullptr;
    char folded[kLongestElementName];
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte >= 0x80)
            return nullptr;
        folded[i] = static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte);
    }
    const std::string_view upper(folded, name.size());
    for (const ElementName& entry : kElements) {
        if (entry.name == upper)
            return &entry;
    }
    return nullptr;
}

// What ends a tag name: '>' closes the start tag at once; the others leave
// an attribute list to read. A CR LF ends it as its LF; a lone CR is part of
// the name (it is searched for only to tell the two apart).
constexpr ByteSet kTagNameStops = {'>', ' ', '\n', '\t', '\r'};

}  // namespace

// How many input bytes pass between two reports to the progress.
constexpr std::size_t kReportEvery = 64 * 1024;

void Unescape(std::string& text, std::string_view reference, char character)
{
    std::size_t at = text.find(reference);
    if (at == std::string::npos)
        return;
    std::size_t out = at;
    while (at < text.size()) {
        if (text.compare(at, reference.size(), reference) == 0) {
            text[out++] = character;
            at += reference.size();
        } else {
            text[out++] = text[at++];
        }
    }
    text.resize(out);
}

CdfReadPass::CdfReadPass(Channel& channel, CdfInput& input, TraceSink& trace, CdfProgress* progress,
                         CdfReadObserver* observer)
    : m_channel(channel),
      m_input(input),
      m_trace(trace),
      m_tracing(trace.Enabled()),
      m_progress(progress),
      m_observer(observer)
{
}

bool CdfReadPass::ReportProgress(std::size_t done)
{
    if (m_progress == nullptr || done < m_nextReport)
        return true;
    m_nextReport = done + kReportEvery;
    return m_progress->Advance(done, m_input.Size());
}

void CdfReadPass::Tell(CdfReadAction action, std::size_t offset, std::string_view name, bool attribute,
                       std::string_view takenAs)
{
    if (m_observer != nullptr)
        m_observer->OnRead({offset, action, m_element, name, takenAs, attribute, {}});
}

void CdfReadPass::TellTakenAs(std::string_view ownName)
{
    const std::string_view name = TrimAttrName(m_attrName);
    Tell(CdfReadAction::TakenAs, m_input.OffsetOf(name.data()), name, true, ownName);
}

void CdfReadPass::TellAttribute(CdfReadAction action, std::string_view takenAs)
{
    if (m_observer == nullptr)
        return;
    const std::string_view name = TrimAttrName(m_attrName);
    m_observer->OnRead({m_input.OffsetOf(name.data()), action, m_element, name, takenAs, true, m_value});
}

void CdfReadPass::Trace(std::string_view text)
{
    if (m_tracing)
        m_trace.Write(text);
}

CdfReadResult CdfReadPass::Run()
{
    // Text and white space between elements are skipped.
    while (m_input.SkipPast('<')) {
        const std::size_t tagStart = m_input.Consumed() - 1;
        if (!ReportProgress(tagStart))
            return {ReadStatus::Cancelled, tagStart};
        const int stop = ReadTagName();
        if (stop == 0)
            break;
        if (Tracing()) {
            Trace("[");
            Trace(m_tagName);
            Trace("]\n");
        }
        Dispatch(tagStart, stop);
        if (m_elementError) {
            Trace("Element reading error.\n");
            return {ReadStatus::ElementError, m_elementErrorAt};
        }
    }

    const std::size_t end = m_input.Size();
    if (m_phase == 0)
        return {ReadStatus::Phase0, end};
    if (m_phase == 1)
        return {ReadStatus::Phase1, end};
    return {ReadStatus::Ok, end};
}

int CdfReadPass::ReadTagName()
{
    const std::string_view rest = m_input.Rest();
    std::size_t at = 0;
    for (;;) {
        at += FindFirstOf(rest.substr(at), kTagNameStops);
        if (at == rest.size()) {
            m_tagName = rest;
            m_input.Advance(at);
            return 0;
        }
        std::size_t taken = at + 1;
        if (rest[at] == '\r') {
            if (at + 1 == rest.size() || rest[at + 1] != '\n') {
                ++at;  // a lone CR
                continue;
            }
            taken = at + 2;
        }
        m_tagName = rest.substr(0, at);
        m_input.Advance(taken);
        return rest[at] == '>' ? 1 : 2;
    }
}

template <char Delimiter> bool CdfReadPass::ReadText(std::string_view reference, char character, std::string_view& text)
{
    // A constant set: nothing to prepare per call.
    constexpr ByteSet kStops = {Delimiter, '\r', '&'};
    const std::string_view rest = m_input.Rest();
    bool plain = true;  // no CR and no reference: the bytes are the text
    std::size_t at = 0;
    for (;;) {
        at += FindFirstOf(rest.substr(at), kStops);
        if (at == rest.size()) {
            m_input.Advance(at);
            return false;
        }
        if (rest[at] == Delimiter)
            break;
        plain = false;
        ++at;
    }
    m_input.Advance(at + 1);
    text = rest.substr(0, at);
    if (plain)
        return true;
    m_attrValue.clear();
    AppendWithoutCrLf(m_attrValue, text);
    Unescape(m_attrValue, reference, character);
    text = m_attrValue;
    return true;
}

template bool CdfReadPass::ReadText<'<'>(std::string_view, char, std::string_view&);

std::string CdfReadPass::TakeText(std::string_view text)
{
    if (!text.empty() && text.data() == m_attrValue.data())
        return std::move(m_attrValue);
    return std::string(text);
}

// Whether a known element stands where a record takes it; one that does
// not (a SCHEDULE of a nested channel, a USAGE of a channel, a TITLE outside
// every channel) is kept as written, like an element of another vocabulary.
bool CdfReadPass::TakenWhereItStands(int element) const
{
    const bool inPage = m_inItem && m_currentPage != nullptr;
    switch (static_cast<Element>(element)) {
    case Element::Title:
    case Element::Abstract:
        return inPage || (!m_inItem && Depth() >= 1);
    case Element::Schedule:
        return !m_inItem && Depth() == 1;
    case Element::IntervalTime:
    case Element::EarliestTime:
    case Element::LatestTime:
        return m_inSchedule;
    case Element::Usage:
        return inPage;
    default:
        return true;
    }
}

void CdfReadPass::Dispatch(std::size_t tagStart, int stop)
{
    const ElementName* entry = FindElement(m_tagName);
    // "<INTERVALTIME/>", as the writer writes an interval of no hours and no
    // minutes, and the like: passed over as they always were.
    if (entry == nullptr && stop == 1 && m_tagName.ends_with('/') &&
        FindElement(m_tagName.substr(0, m_tagName.size() - 1)) != nullptr)
        return;
    if (entry == nullptr || !TakenWhereItStands(static_cast<int>(entry->element))) {
        const char first = m_tagName.empty() ? '\0' : m_tagName.front();
        if (first == '!' || (first == '?' && entry == nullptr)) {
            m_input.SeekTo(tagStart);
            TellKeptMarkup(tagStart);
            const KeptTarget target = CurrentOwner();
            m_foreign.clear();
            ReadMarkup(m_foreign, target.part);
            Commit(target, m_foreign);
        } else if (IsNameStart(first)) {
            KeepForeignElement(tagStart, stop);
        }
        // Anything else (a stray end tag, a '<' in text) is passed over.
        return;
    }
    m_listOpen = stop != 1;
    m_selfClosed = false;
    m_element = entry->name;
    switch (entry->element) {
    case Element::Declaration:
        ReadDeclaration();
        break;
    case Element::Channel:
        OpenChannel();
        break;
    case Element::ChannelEnd:
        CloseChannel();
        break;
    case Element::Item:
        AddPageItem();
        break;
    case Element::ItemEnd:
        m_inItem = false;
        m_inUsage = false;
        break;
    case Element::Title:
        ReadElementText(true);
        break;
    case Element::Abstract:
        ReadElementText(false);
        break;
    case Element::Schedule:
        ReadSchedule();
        break;
    case Element::ScheduleEnd:
        m_inSchedule = false;
        break;
    case Element::IntervalTime:
        ReadScheduleTime(TimeElement::Interval);
        break;
    case Element::EarliestTime:
        ReadScheduleTime(TimeElement::Earliest);
        break;
    case Element::LatestTime:
        ReadScheduleTime(TimeElement::Latest);
        break;
    case Element::Usage:
        ReadUsage();
        break;
    case Element::UsageEnd:
        m_inUsage = false;
        break;
    case Element::Logo:
        ReadLogo(tagStart);
        break;
    }
    m_listOpen = false;
}

namespace {

bool IsBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// Whether the bytes before a tag's '>' end with '/', blanks aside.
bool EndsWithSlash(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return !text.empty() && text.back() == '/';
}

}  // namespace

bool IsNameStart(char byte)
{
    switch (byte) {
    case '\0':
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case '<':
    case '>':
    case '/':
    case '=':
    case '"':
    case '\'':
    case '!':
    case '?':
        return false;
    default:
        return true;
    }
}

bool CdfReadPass::NextAttribute()
{
    if (!m_listOpen)
        return false;
    m_listOpen = false;
    std::string_view rest = m_input.Rest();
    std::size_t at = FindFirstOf(rest, {'=', '>'});
    if (at == rest.size() || rest[at] != '=') {
        if (at < rest.size())
            m_selfClosed = EndsWithSlash(rest.substr(0, at));
        m_input.Advance(at == rest.size() ? at : at + 1);
        return false;  // the tag's '>' or the end of the input
    }
    // A CR LF in the name may stay: it cannot change what the name contains.
    m_attrName = rest.substr(0, at);
    m_upperAttrName.clear();
    m_input.Advance(at + 1);

    rest = m_input.Rest();
    at = 0;
    while (at < rest.size() && IsBlank(rest[at]))
        ++at;
    if (at == rest.size()) {
        m_input.Advance(at);
        return false;
    }
    const char first = rest[at];
    if (first == '"' || first == '\'') {
        m_input.Advance(at + 1);
        return ReadQuotedValue(first);
    }
    // A value without quotes, as files of the time have them.
    std::size_t end = at;
    while (end < rest.size() && !IsBlank(rest[end]) && rest[end] != '>')
        ++end;
    m_value = rest.substr(at, end - at);
    if (m_value.find('&') != std::string_view::npos) {
        m_attrValue.assign(m_value);
        Unescape(m_attrValue, "&quot;", '"');
        m_value = m_attrValue;
    }
    m_input.Advance(end);
    m_listOpen = true;
    TellAttribute(CdfReadAction::Unquoted);
    return true;
}

bool CdfReadPass::ReadQuotedValue(char quote)
{
    const std::size_t start = m_input.Consumed();
    const char* const begin = m_input.Rest().data();
    const bool closed = quote == '"' ? ReadText<'"'>("&quot;", '"', m_value) : ReadText<'\''>("&quot;", '"', m_value);
    // The bytes the value took up to its closing quote (or the end).
    const std::string_view taken(begin, m_input.Consumed() - start);
    // A line ends at LF or at CR, for files with the line ends of any system.
    const std::size_t lineBreak = taken.find_first_of("\r\n");
    if (closed && (lineBreak == std::string_view::npos || taken.find('<', lineBreak) == std::string_view::npos)) {
        m_listOpen = true;
        return true;
    }
    // The closing quote is missing: the value and the tag end at the first
    // '>' of the value's line, or with the line.
    m_input.SeekTo(start);
    const std::string_view rest = m_input.Rest();
    std::size_t lineEnd = rest.find_first_of("\r\n");
    if (lineEnd == std::string_view::npos)
        lineEnd = rest.size();
    const std::size_t tagEnd = rest.substr(0, lineEnd).find('>');
    m_attrValue.assign(rest.substr(0, tagEnd == std::string_view::npos ? lineEnd : tagEnd));
    Unescape(m_attrValue, "&quot;", '"');
    m_value = m_attrValue;
    m_input.Advance(tagEnd == std::string_view::npos ? lineEnd : tagEnd + 1);
    TellAttribute(CdfReadAction::QuoteMissing);
    return true;  // the list is over
}

const std::string& CdfReadPass::UpperAttrName()
{
    if (m_upperAttrName.empty() && !m_attrName.empty()) {
        m_upperAttrName.assign(m_attrName);
        MakeUpperSjis(m_upperAttrName);
    }
    return m_upperAttrName;
}

std::string_view TrimAttrName(std::string_view name)
{
    const auto blank = [](char byte) { return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n'; };
    while (!name.empty() && blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && blank(name.back()))
        name.remove_suffix(1);
    return name;
}

// The declaration counts once, wherever it stands; its attributes are not
// looked at, only whether its text ends with '?' before the '>'.
void CdfReadPass::ReadDeclaration()
{
    if (m_phase != 0)
        return;
    m_phase = 1;
    const std::string_view rest = m_input.Rest();
    const std::size_t end = rest.find('>');
    if (end == std::string_view::npos) {
        m_input.Advance(rest.size());
        return;
    }
    m_input.Advance(end + 1);
    if (end > 0 && rest[end - 1] == '?')
        m_phase = 2;
}

SitemapNode* CdfReadPass::CurrentPageNode() const
{
    return m_currentPage != nullptr ? &m_currentPage->Node() : nullptr;
}

CdfReadResult ReadCdf(Channel& channel, CdfInput& input, TraceSink& trace, CdfProgress* progress,
                      CdfReadObserver* observer)
{
    // Views refresh once, after the whole file, not once per item.
    SitemapTree::BulkUpdate bulk(channel.sitemap);
    channel.Clear();
    CdfReadPass pass(channel, input, trace, progress, observer);
    return pass.Run();
}

CdfReadResult ReadCdfBytes(Channel& channel, std::string_view bytes, TraceSink& trace, CdfProgress* progress,
                           CdfReadObserver* observer)
{
    const FileText text = DecodeFileText(bytes);
    CdfInput input(text.bytes);
    return ReadCdf(channel, input, trace, progress, observer);
}

namespace {

// Passes the reader's progress on, and gives back the input it has passed.
class ReleasingProgress final : public CdfProgress {
public:
    ReleasingProgress(FileBuffer& buffer, CdfProgress* progress) : m_buffer(buffer), m_progress(progress) {}
    bool Advance(std::uint64_t done, std::uint64_t total) override
    {
        m_buffer.ReleaseBefore(static_cast<std::size_t>(done));
        return m_progress == nullptr || m_progress->Advance(done, total);
    }

private:
    FileBuffer& m_buffer;
    CdfProgress* m_progress;
};

}  // namespace

CdfReadResult ReadCdfFile(Channel& channel, const std::string& path, TraceSink& trace, CdfProgress* progress)
{
    try {
        // The whole file is read before anything changes, so that a read
        // error (a failing disk) cannot leave a cleared, half-loaded channel
        // that a later save would write over the good file.
        FileBuffer file;
        if (!ReadRegularFile(path, file))
            return {ReadStatus::CannotOpen};
        FileText text = DecodeFileText(file.Bytes());
        if (!text.convertedFrom.empty())
            file.Release();  // the converted text is read instead
        // The bytes go into a channel of their own, which this one takes
        // over once they have all been read: a cancel, or memory running
        // out half-way, leaves this one as it was. The root's title is what
        // a Clear of this channel would have left in it.
        Channel loaded(&trace);
        loaded.sitemap.Root()->Node().m_strTitle = channel.sitemap.Root()->Node().m_strTitle;
        CdfInput input(text.bytes);
        ReleasingProgress releasing(file, progress);
        const CdfReadResult result = ReadCdf(loaded, input, trace, &releasing);
        if (result.status != ReadStatus::Cancelled)
            channel.ReplaceWith(loaded);
        return result;
    } catch (const std::bad_alloc&) {
        return {ReadStatus::CannotOpen};
    }
}

}  // namespace fw
