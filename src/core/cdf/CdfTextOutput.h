#pragma once
// The writer's output stream: collects the pieces of a .cdf file in a buffer,
// turns every line break into one CR LF on the way, and hands the buffer to a
// ByteSink in large blocks. Once the sink refuses a block, everything after
// it is dropped and Failed() stays true.
//
// Made without a sink, it writes nothing and only counts the bytes it would
// have handed on, in time linear in the pieces put (blanks are counted, not
// made), so the size of a file can be known before a byte of it is written.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "cdf/ByteSink.h"

namespace fw {

class CdfTextOutput {
public:
    // Bytes gathered before they are handed to the sink.
    static constexpr std::size_t kBlockSize = 64 * 1024;

    explicit CdfTextOutput(ByteSink& sink);
    CdfTextOutput();  // counting only
    CdfTextOutput(const CdfTextOutput&) = delete;
    CdfTextOutput& operator=(const CdfTextOutput&) = delete;

    // Appends text as it stands, except that each LF becomes CR LF; a CR LF
    // already in the text stays one CR LF, and a lone CR stays a lone CR.
    void Put(std::string_view text);
    // As Put, with every `special` byte written as `reference` instead.
    void PutEscaped(std::string_view text, char special, std::string_view reference);
    // Appends `count` blanks.
    void PutBlanks(std::size_t count);
    // Appends a number in decimal, with a '-' only when it is negative.
    void PutNumber(long long value);

    // Hands everything buffered to the sink. False once the sink has refused.
    bool Flush();
    bool Failed() const { return m_failed; }
    // Bytes handed on or counted so far, the buffered ones included.
    std::uint64_t Count() const { return m_count + m_used; }

private:
    // Appends bytes that need no change, handing on full blocks.
    void Append(const char* bytes, std::size_t size);

    ByteSink* m_sink;
    std::unique_ptr<char[]> m_buffer;  // kBlockSize bytes, with a sink only
    std::size_t m_used = 0;
    std::uint64_t m_count = 0;  // bytes handed to the sink, or counted
    bool m_failed = false;
};

}  // namespace fw
