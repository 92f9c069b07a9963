#include "cdf/SaveSignals.h"

#include <unistd.h>

#include <climits>
#include <cstring>

namespace fw {

namespace {

// The temporary file a signal handler removes, and whether there is one.
// The one piece of process-wide state the save needs: a handler has no
// other way to learn the name.
char s_temporaryPath[PATH_MAX];
volatile sig_atomic_t s_pathSet = 0;

extern "C" void RemoveTemporaryFileAndEnd(int signalNumber)
{
    if (s_pathSet != 0)
        unlink(s_temporaryPath);
    // The default action again, delivered as soon as this handler returns.
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

}  // namespace

SaveSignalGuard::SaveSignalGuard(const std::string& path)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &m_previousXfsz);

    if (s_pathSet != 0 || path.size() >= sizeof s_temporaryPath)
        return;
    std::memcpy(s_temporaryPath, path.c_str(), path.size() + 1);
    s_pathSet = 1;
    m_armed = true;

    struct sigaction remove {};
    remove.sa_handler = RemoveTemporaryFileAndEnd;
    sigemptyset(&remove.sa_mask);
    for (int signalNumber : kSignals)
        sigaddset(&remove.sa_mask, signalNumber);
    for (int i = 0; i < kSignalCount; ++i) {
        // A signal the program ignores or handles itself is left to it.
        if (sigaction(kSignals[i], nullptr, &m_previous[i]) != 0 || m_previous[i].sa_handler != SIG_DFL)
            continue;
        m_taken[i] = sigaction(kSignals[i], &remove, nullptr) == 0;
    }
}

void SaveSignalGuard::Disarm()
{
    if (m_armed)
        s_pathSet = 0;
}

SaveSignalGuard::~SaveSignalGuard()
{
    Disarm();
    if (m_armed) {
        for (int i = 0; i < kSignalCount; ++i) {
            if (m_taken[i])
                sigaction(kSignals[i], &m_previous[i], nullptr);
        }
    }
    sigaction(SIGXFSZ, &m_previousXfsz, nullptr);
}

}  // namespace fw
