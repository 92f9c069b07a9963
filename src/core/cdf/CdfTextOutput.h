#pragma once
// The writer's output stream: collects the pieces of a .cdf file in a buffer,
// turns every line break into one CR LF on the way, and hands the buffer to a
// ByteSink in large blocks. Once the sink refuses a block, everything after
// it is dropped and Failed() stays true.

#include <cstddef>
#include <string>
#include <string_view>

#include "cdf/ByteSink.h"

namespace fw {

class CdfTextOutput {
public:
    // Bytes gathered before they are handed to the sink.
    static constexpr std::size_t kBlockSize = 64 * 1024;

    explicit CdfTextOutput(ByteSink& sink);
    CdfTextOutput(const CdfTextOutput&) = delete;
    CdfTextOutput& operator=(const CdfTextOutput&) = delete;

    // Appends text as it stands, except that each LF becomes CR LF; a CR LF
    // already in the text stays one CR LF, and a lone CR stays a lone CR.
    void Put(std::string_view text);
    // Appends a number in decimal, with a '-' only when it is negative.
    void PutNumber(long long value);

    // Hands everything buffered to the sink. False once the sink has refused.
    bool Flush();
    bool Failed() const { return m_failed; }

private:
    ByteSink& m_sink;
    std::string m_buffer;
    bool m_failed = false;
};

}  // namespace fw
