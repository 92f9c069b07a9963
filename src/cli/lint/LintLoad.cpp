#include "lint/LintLoad.h"

#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "trace/TraceSink.h"

namespace fw::cli::lint {

namespace {

bool HasLoneCr(std::string_view text)
{
    for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 1)) {
        if (at + 1 == text.size() || text[at + 1] != '\n')
            return true;
    }
    return false;
}

}  // namespace

LintLoad::LintLoad(std::string_view bytes) : m_text(DecodeFileText(bytes))
{
    NullTraceSink trace;
    Channel channel(&trace);
    LoadEventRecorder recorder;
    const CdfReadResult load = ReadCdfBytes(channel, bytes, trace, nullptr, &recorder);
    m_input.loadStatus = load.status;
    m_input.loadStoppedAt = load.offset;
    m_input.loadEvents = std::move(recorder.events);
    m_input.text = m_text.bytes;
    // A file with the CR-only line ends of old Macs: its lines are counted,
    // and its tags read, as those of the same file with LF; a byte for a
    // byte, so every offset stays.
    if (HasLoneCr(m_text.bytes)) {
        m_lineEnds.assign(m_text.bytes);
        for (std::size_t at = 0; at < m_lineEnds.size(); ++at) {
            if (m_lineEnds[at] == '\r' && (at + 1 == m_lineEnds.size() || m_lineEnds[at + 1] != '\n'))
                m_lineEnds[at] = '\n';
        }
        m_input.text = m_lineEnds;
    }
}

}  // namespace fw::cli::lint
