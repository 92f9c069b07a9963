#pragma once
// Where the program's short English trace lines go ("Create logoDlg\n", the
// reader's running trace, "BLAST\n"). They never affect results. The sink is
// handed to whoever traces; there is no process-wide sink.

#include <memory>
#include <string>
#include <string_view>

namespace fw {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    // False when nothing is kept, so callers can skip building trace text.
    virtual bool Enabled() const = 0;
    virtual void Write(std::string_view text) = 0;
};

// Keeps nothing.
class NullTraceSink final : public TraceSink {
public:
    bool Enabled() const override { return false; }
    void Write(std::string_view) override {}
};

// Writes each piece to standard error as it comes.
class StderrTraceSink final : public TraceSink {
public:
    bool Enabled() const override { return true; }
    void Write(std::string_view text) override;
};

// Collects everything, for tests.
class CapturingTraceSink final : public TraceSink {
public:
    bool Enabled() const override { return true; }
    void Write(std::string_view text) override { m_text.append(text); }
    const std::string& Text() const { return m_text; }
    void Reset() { m_text.clear(); }

private:
    std::string m_text;
};

// Standard error when FEEDWRIGHT_TRACE=1 is set, silent otherwise.
std::unique_ptr<TraceSink> MakeTraceSinkFromEnvironment();

}  // namespace fw
