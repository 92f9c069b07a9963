#pragma once
// Sinks that fail, for tests of what the writer does when the disk fills up.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cdf/ByteSink.h"

namespace cdftest {

// Takes bytes until `limit` of them have arrived, like a disk that fills up:
// the write that crosses the limit keeps its first bytes (passed on to `next`
// when there is one) and fails, and so does every write after it.
class FailAfterSink final : public fw::ByteSink {
public:
    explicit FailAfterSink(std::size_t limit, fw::ByteSink* next = nullptr) : m_limit(limit), m_next(next) {}

    bool Write(std::string_view bytes) override
    {
        if (m_refused) {
            ++m_callsAfterRefusal;
            return false;
        }
        const std::size_t room = m_limit - m_accepted.size();
        const std::string_view taken = bytes.substr(0, room);
        m_accepted.append(taken);
        if (m_next != nullptr && !taken.empty())
            m_next->Write(taken);
        m_refused = bytes.size() > room;
        return !m_refused;
    }

    const std::string& Accepted() const { return m_accepted; }
    bool Refused() const { return m_refused; }
    int CallsAfterRefusal() const { return m_callsAfterRefusal; }

private:
    std::size_t m_limit;
    fw::ByteSink* m_next;
    std::string m_accepted;
    bool m_refused = false;
    int m_callsAfterRefusal = 0;
};

// Throws once `limit` bytes have gone through.
class ThrowAfterSink final : public fw::ByteSink {
public:
    explicit ThrowAfterSink(std::size_t limit) : m_limit(limit) {}
    bool Write(std::string_view bytes) override
    {
        m_count += bytes.size();
        if (m_count > m_limit)
            throw std::runtime_error("device gone");
        return true;
    }
private:
    std::size_t m_limit;
    std::size_t m_count = 0;
};

}  // namespace cdftest
