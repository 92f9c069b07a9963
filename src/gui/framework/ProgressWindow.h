#pragma once
// The progress of a long load or save: nothing for the first half second,
// then a window with the text, a bar and a Cancel button. While it is shown,
// each report lets the window's events through, so Cancel can be pressed;
// the window is application-modal, so nothing else can be touched while the
// work goes on. The clock is a value passed in, so tests need no waiting.

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <functional>

#include "cdf/CdfProgress.h"

class QProgressDialog;
class QWidget;

namespace fwgui {

class ProgressWindow final : public fw::CdfProgress {
public:
    using Clock = std::function<qint64()>;  // milliseconds, from any start
    static constexpr qint64 kDelayMs = 500;

    // Without a clock, a monotonic clock of the system.
    ProgressWindow(QWidget* owner, const QString& text, Clock clock = {});
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    bool Advance(std::uint64_t done, std::uint64_t total) override;

    // The window once it has been shown, else null.
    QProgressDialog* Window() const { return m_window; }

private:
    QWidget* m_owner;
    QString m_text;
    Clock m_clock;
    qint64 m_start;
    QProgressDialog* m_window = nullptr;
};

}  // namespace fwgui
