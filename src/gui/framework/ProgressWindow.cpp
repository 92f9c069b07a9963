#include "framework/ProgressWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QProgressDialog>

namespace fwgui {

namespace {

constexpr int kSteps = 1000;

ProgressWindow::Clock SystemClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* owner, const QString& text, Clock clock)
    : m_owner(owner), m_text(text), m_clock(clock ? std::move(clock) : SystemClock()), m_start(m_clock())
{
}

ProgressWindow::~ProgressWindow()
{
    delete m_window;
}

bool ProgressWindow::Advance(std::uint64_t done, std::uint64_t total)
{
    if (m_window == nullptr) {
        if (m_clock() - m_start < kDelayMs)
            return true;
        m_window = new QProgressDialog(m_text, QCoreApplication::translate("ProgressWindow", "キャンセル"), 0, kSteps,
                                       m_owner);
        // A screen reader names the window and its bar by what is going on.
        m_window->setWindowTitle(m_text);
        if (auto* bar = m_window->findChild<QProgressBar*>())
            bar->setAccessibleName(m_text);
        m_window->setWindowModality(Qt::ApplicationModal);
        m_window->setMinimumDuration(0);
        m_window->setAutoClose(false);
        m_window->setAutoReset(false);
        m_window->show();
    }
    const std::uint64_t step = total == 0 ? 0 : done * kSteps / total;
    m_window->setValue(static_cast<int>(step > kSteps ? kSteps : step));
    QCoreApplication::processEvents();
    return !m_window->wasCanceled();
}

}  // namespace fwgui
