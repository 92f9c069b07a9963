#pragma once
// The writer's output stream: collects the pieces of a .cdf file in a block,
// turns every line break into one CR LF as the block is handed on, and hands
// the blocks to a ByteSink. Once the sink refuses a block, everything after
// it is dropped and Failed() stays true.
//
// Made without a sink, it writes nothing and only counts the bytes it would
// have handed on, in time linear in the pieces put (long runs of blanks are
// counted, not made), so the size of a file can be known before a byte of it
// is written.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "cdf/ByteSink.h"

namespace fw {

class CdfTextOutput {
public:
    // Bytes gathered before their line breaks are turned and they are handed on.
    static constexpr std::size_t kBlockSize = 64 * 1024;

    explicit CdfTextOutput(ByteSink& sink);
    CdfTextOutput();  // counting only
    CdfTextOutput(const CdfTextOutput&) = delete;
    CdfTextOutput& operator=(const CdfTextOutput&) = delete;

    // Appends text as it stands, except that each LF becomes CR LF; a CR LF
    // already in the text stays one CR LF, and a lone CR stays a lone CR.
    // Line breaks are looked at in the whole stream, so a piece must not
    // start with the LF of a CR that ended the piece before it.
    void Put(std::string_view text)
    {
        if (text.size() <= kBlockSize - m_used) {
            std::memcpy(m_block.get() + m_used, text.data(), text.size());
            m_used += text.size();
        } else {
            PutLong(text);
        }
    }
    // As Put, with every `special` byte written as `reference` instead.
    void PutEscaped(std::string_view text, char special, std::string_view reference);
    // Appends `count` blanks.
    void PutBlanks(std::size_t count);
    // Appends a number in decimal, with a '-' only when it is negative.
    void PutNumber(long long value);

    // Hands everything gathered to the sink, or counts it. False once the
    // sink has refused.
    bool Flush();
    bool Failed() const { return m_failed; }
    // Bytes handed on or counted up to the last Flush.
    std::uint64_t Count() const { return m_count; }

private:
    void PutLong(std::string_view text);
    // Turns the line breaks of the gathered block and hands it on, or counts it.
    void TakeBlock();

    ByteSink* m_sink;
    std::unique_ptr<char[]> m_block;      // kBlockSize bytes as put
    std::unique_ptr<char[]> m_converted;  // twice that, with a sink only
    std::size_t m_used = 0;
    char m_lastTaken = '\0';  // the last byte of the blocks taken so far
    std::uint64_t m_count = 0;
    bool m_failed = false;
};

}  // namespace fw
