#pragma once
// While a save writes its temporary file, a signal that ends the program
// must not leave that file behind, and a file-size limit must fail the write
// instead of ending the program.

#include <csignal>
#include <string>

namespace fw {

// Lives while the temporary file at `path` exists. The signals that end a
// program by default (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1,
// SIGUSR2, SIGALRM), where their action is still the default one, first
// remove the file, then end the program as they would
// have. SIGXFSZ is ignored, so writing past RLIMIT_FSIZE fails with EFBIG.
// Everything is put back as it was when the guard goes.
//
// A signal handler can reach nothing but process-wide data, so the path
// waits in a static buffer: one save at a time may hold a guard (a second
// one at the same time does not arm, and its file is not covered).
class SaveSignalGuard {
public:
    explicit SaveSignalGuard(const std::string& path);
    ~SaveSignalGuard();
    SaveSignalGuard(const SaveSignalGuard&) = delete;
    SaveSignalGuard& operator=(const SaveSignalGuard&) = delete;

    // The file has been renamed into place: nothing to remove any more.
    void Disarm();

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1, SIGUSR2, SIGALRM};
    static constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];
    bool m_armed = false;
    bool m_taken[kSignalCount] = {};
    struct sigaction m_previous[kSignalCount] = {};
    struct sigaction m_previousXfsz = {};
};

}  // namespace fw
