#include "cdf/CdfReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "cdf/ByteScanner.h"
#include "cdf/CdfProgress.h"
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

CdfReadPass::CdfReadPass(Channel& channel, CdfInput& input, TraceSink& trace, CdfProgress* progress)
    : m_channel(channel), m_input(input), m_trace(trace), m_tracing(trace.Enabled()), m_progress(progress)
{
}

bool CdfReadPass::ReportProgress()
{
    if (m_progress == nullptr || m_input.Consumed() < m_nextReport)
        return true;
    m_nextReport = m_input.Consumed() + kReportEvery;
    return m_progress->Advance(m_input.Consumed(), m_input.Size());
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
        if (!ReportProgress())
            return ReadStatus::Cancelled;
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
    Unescape(m_attrValue, "&quot;", '"');
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

ReadStatus ReadCdf(Channel& channel, CdfInput& input, TraceSink& trace, CdfProgress* progress)
{
    // Views refresh once, after the whole file, not once per item.
    SitemapTree::BulkUpdate bulk(channel.sitemap);
    channel.Clear();
    CdfReadPass pass(channel, input, trace, progress);
    return pass.Run();
}

ReadStatus ReadCdfBytes(Channel& channel, std::string_view bytes, TraceSink& trace, CdfProgress* progress)
{
    const FileText text = DecodeFileText(bytes);
    CdfInput input(text.bytes);
    return ReadCdf(channel, input, trace, progress);
}

namespace {

// Closes a file descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
private:
    int m_fd;
};

// The whole of a regular file. Anything else is refused before a byte is
// read: a FIFO without a writer would wait for ever, a device like
// /dev/zero never ends, and a folder has no bytes to give (it must not
// clear the channel as if it were an empty file). The open does not wait
// for a FIFO's writer. Throws std::bad_alloc for a file larger than memory.
bool ReadRegularFile(const std::string& path, std::string& bytes)
{
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    if (info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = read(file.Get(), block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(block, static_cast<std::size_t>(got));
    }
}

}  // namespace

ReadStatus ReadCdfFile(Channel& channel, const std::string& path, TraceSink& trace, CdfProgress* progress)
{
    try {
        // The whole file is read before anything changes, so that a read
        // error (a failing disk) cannot leave a cleared, half-loaded channel
        // that a later save would write over the good file.
        std::string bytes;
        if (!ReadRegularFile(path, bytes))
            return ReadStatus::CannotOpen;
        // The bytes go into a channel of their own, which this one takes
        // over once they have all been read: a cancel, or memory running
        // out half-way, leaves this one as it was. The root's title is what
        // a Clear of this channel would have left in it.
        Channel loaded(&trace);
        loaded.sitemap.Root()->Node().m_strTitle = channel.sitemap.Root()->Node().m_strTitle;
        const ReadStatus status = ReadCdfBytes(loaded, bytes, trace, progress);
        if (status != ReadStatus::Cancelled)
            channel.ReplaceWith(loaded);
        return status;
    } catch (const std::bad_alloc&) {
        return ReadStatus::CannotOpen;
    }
}

}  // namespace fw
