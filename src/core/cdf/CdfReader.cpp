#include "cdf/CdfReader.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "cdf/ByteScanner.h"
#include "cdf/CdfReadPass.h"
#include "channel/Channel.h"
#include "text/FileEncoding.h"
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

constexpr std::size_t kLongestElementName = 12;

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
// an attribute list to read.
constexpr std::string_view kTagNameEnds = ">\x20\n\t";

constexpr std::string_view kQuotes = "\"'";

}  // namespace

CdfReadPass::CdfReadPass(Channel& channel, CdfInput& input, TraceSink& trace)
    : m_channel(channel), m_input(input), m_trace(trace), m_tracing(trace.Enabled())
{
}

void CdfReadPass::Trace(std::string_view text)
{
    if (m_tracing)
        m_trace.Write(text);
}

ReadStatus CdfReadPass::Run()
{
    // Text and white space between elements are skipped.
    while (m_input.SkipPast('<')) {
        const int stop = ReadUntilAny(m_input, m_tagName, kTagNameEnds, false);
        if (stop == 0)
            break;
        if (Tracing()) {
            Trace("[");
            Trace(m_tagName);
            Trace("]\n");
        }
        Dispatch(stop != 1);
        if (m_elementError)
            break;
    }

    if (m_elementError) {
        Trace("Element reading error.\n");
        return ReadStatus::ElementError;
    }
    if (m_phase == 0)
        return ReadStatus::Phase0;
    if (m_phase == 1)
        return ReadStatus::Phase1;
    return ReadStatus::Ok;
}

void CdfReadPass::Dispatch(bool hasAttributes)
{
    const ElementName* entry = FindElement(m_tagName);
    if (entry == nullptr)
        return;
    m_listOpen = hasAttributes;
    switch (entry->element) {
    case Element::Declaration: ReadDeclaration(); break;
    case Element::Channel: OpenChannel(); break;
    case Element::ChannelEnd: CloseChannel(); break;
    case Element::Item: AddPageItem(); break;
    case Element::ItemEnd: m_inItem = false; break;
    case Element::Title: ReadElementText(true); break;
    case Element::Abstract: ReadElementText(false); break;
    case Element::Schedule: ReadSchedule(); break;
    case Element::ScheduleEnd: m_inSchedule = false; break;
    case Element::IntervalTime:
        if (m_inSchedule)
            ReadScheduleTime(TimeElement::Interval);
        break;
    case Element::EarliestTime:
        if (m_inSchedule)
            ReadScheduleTime(TimeElement::Earliest);
        break;
    case Element::LatestTime:
        if (m_inSchedule)
            ReadScheduleTime(TimeElement::Latest);
        break;
    case Element::Usage: ReadUsage(); break;
    case Element::UsageEnd: break;
    case Element::Logo: ReadLogo(); break;
    }
    m_listOpen = false;
}

bool CdfReadPass::NextAttribute(bool upperValue)
{
    if (!m_listOpen)
        return false;
    m_listOpen = false;
    if (ReadUntilAny(m_input, m_attrName, "=>", true) != 1)
        return false;  // the tag's '>' or the end of the input
    // The value stands between the first quote of either kind and the next
    // quote of the same kind.
    const int quote = ReadUntilAny(m_input, m_skipped, kQuotes, false);
    if (quote == 0)
        return false;
    if (!ReadUntilChar(m_input, m_attrValue, kQuotes[static_cast<std::size_t>(quote - 1)], upperValue))
        return false;
    m_listOpen = true;
    return true;
}

// The declaration counts once, wherever it stands; its attributes are not
// looked at, only whether its text ends with '?' before the '>'.
void CdfReadPass::ReadDeclaration()
{
    if (m_phase != 0)
        return;
    m_phase = 1;
    if (!ReadUntilChar(m_input, m_skipped, '>', true))
        return;
    if (!m_skipped.empty() && m_skipped.back() == '?')
        m_phase = 2;
}

SitemapNode* CdfReadPass::CurrentPageNode() const
{
    return m_currentPage != nullptr ? &m_currentPage->Node() : nullptr;
}

ReadStatus ReadCdf(Channel& channel, CdfInput& input, TraceSink& trace)
{
    // Views refresh once, after the whole file, not once per item.
    SitemapTree::BulkUpdate bulk(channel.sitemap);
    channel.Clear();
    CdfReadPass pass(channel, input, trace);
    return pass.Run();
}

ReadStatus ReadCdfBytes(Channel& channel, std::string_view bytes, TraceSink& trace)
{
    const FileText text = DecodeFileText(bytes);
    CdfInput input(text.bytes);
    return ReadCdf(channel, input, trace);
}

ReadStatus ReadCdfFile(Channel& channel, const std::string& path, TraceSink& trace)
{
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return ReadStatus::CannotOpen;
    // A folder opens for reading here but has no bytes to give; it must not
    // clear the channel as if it were an empty file.
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode))
        return ReadStatus::CannotOpen;
    // The whole file is read before anything changes, so that a read error
    // (a failing disk, a device) cannot leave a cleared, half-loaded channel
    // that a later save would write over the good file.
    std::string bytes;
    if (info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char block[64 * 1024];
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        bytes.append(block, got);
        if (got < sizeof block)
            break;
    }
    if (std::ferror(file.get()))
        return ReadStatus::CannotOpen;
    return ReadCdfBytes(channel, bytes, trace);
}

}  // namespace fw
