#pragma once
// Where the writer's bytes go.

#include <string>
#include <string_view>

namespace fw {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not be written; the writer stops there.
    [[nodiscard]] virtual bool Write(std::string_view bytes) = 0;
};

// Keeps everything in memory, for tests and tools.
class StringSink final : public ByteSink {
public:
    bool Write(std::string_view bytes) override
    {
        m_bytes.append(bytes);
        return true;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

}  // namespace fw
