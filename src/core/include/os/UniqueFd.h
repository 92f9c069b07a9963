#pragma once

#include <unistd.h>

namespace fw {

// Owns a file descriptor and closes it on every way out.
class UniqueFd {
public:
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return m_fd; }
    // Hands the descriptor over; it is no longer closed here.
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now, for callers that must know whether closing worked (a
    // written file's last error can surface only here).
    bool Close() { return close(Release()) == 0; }

private:
    int m_fd;
};

}  // namespace fw
