#pragma once
// A Platform that answers in a person's place and records what a person
// would have seen: each message box and file dialog as one line, each
// progress started, each document opened and every trace line.

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "cdf/CdfProgress.h"
#include "framework/Platform.h"
#include "trace/TraceSink.h"

namespace fwtest {

class ScriptedPlatform final : public fwgui::Platform {
public:
    // The names the next file dialogs answer with, in order; none left cancels.
    void QueueFileName(const QString& path) { m_fileNames.push_back(path); }
    // Runs while a message box is "open", before it is answered with its first button.
    void OnMessage(std::function<void()> hook) { m_onMessage = std::move(hook); }
    // The next progress presses Cancel at its `report`th report (0: never).
    void CancelProgressAt(int report) { m_cancelAt = report; }

    // "caption: text", then " (!)" for the exclamation icon, " (icon N)" for
    // another and " [buttons N]" for buttons other than OK.
    const QStringList& Messages() const { return m_messages; }
    // "open" or "save", the filter, ".extension", the initial name and
    // " overwrite?" when the dialog asks before replacing a file.
    const QStringList& FileDialogs() const { return m_fileDialogs; }
    const QStringList& OpenedDocuments() const { return m_openedDocuments; }
    // The text of each progress started, then " (cancelled)" when Cancel was pressed.
    const QStringList& Progresses() const { return m_progresses; }
    QString TraceText() const { return QString::fromStdString(m_trace.Text()); }

    fwgui::MessageAnswer MessageBox(QWidget*, const QString& text, const QString& caption,
                                    fwgui::MessageButtons buttons, fwgui::MessageIcon icon) override
    {
        using fwgui::MessageButtons;
        QString line = caption + QStringLiteral(": ") + text;
        if (icon != fwgui::MessageIcon::None)
            line += icon == fwgui::MessageIcon::Exclamation ? QStringLiteral(" (!)")
                                                            : QStringLiteral(" (icon %1)").arg(int(icon));
        if (buttons != MessageButtons::Ok)
            line += QStringLiteral(" [buttons %1]").arg(int(buttons));
        m_messages << line;
        if (m_onMessage)
            m_onMessage();
        const bool ok = buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel;
        return ok ? fwgui::MessageAnswer::Ok : fwgui::MessageAnswer::Yes;
    }
    std::optional<QString> GetOpenFileName(QWidget*, const fwgui::FileDialogRequest& request) override
    {
        return FileDialog(QStringLiteral("open"), request);
    }
    std::optional<QString> GetSaveFileName(QWidget*, const fwgui::FileDialogRequest& request) override
    {
        return FileDialog(QStringLiteral("save"), request);
    }
    std::unique_ptr<fw::CdfProgress> StartProgress(QWidget*, const QString& text) override
    {
        struct Scripted final : fw::CdfProgress {
            Scripted(QStringList& lines, int cancelAt) : m_lines(lines), m_line(lines.size() - 1), m_cancelAt(cancelAt)
            {
            }
            bool Advance(std::uint64_t, std::uint64_t) override
            {
                if (++m_reports != m_cancelAt)
                    return true;
                m_lines[m_line] += QStringLiteral(" (cancelled)");
                return false;
            }
            QStringList& m_lines;
            qsizetype m_line;
            int m_cancelAt;
            int m_reports = 0;
        };
        m_progresses << text;
        return std::make_unique<Scripted>(m_progresses, std::exchange(m_cancelAt, 0));
    }
    bool OpenDocument(const QString& path) override
    {
        m_openedDocuments << path;
        return true;
    }
    fw::TraceSink& Trace() override { return m_trace; }

private:
    std::optional<QString> FileDialog(const QString& kind, const fwgui::FileDialogRequest& request)
    {
        m_fileDialogs << QStringLiteral("%1 %2 .%3 %4%5")
                             .arg(kind, request.filter, request.defaultExtension, request.initialName,
                                  request.promptOverwrite ? QStringLiteral(" overwrite?") : QString());
        if (m_fileNames.empty())
            return std::nullopt;
        const QString name = m_fileNames.front();
        m_fileNames.pop_front();
        return name;
    }

    std::deque<QString> m_fileNames;
    std::function<void()> m_onMessage;
    int m_cancelAt = 0;
    QStringList m_progresses;
    QStringList m_messages;
    QStringList m_fileDialogs;
    QStringList m_openedDocuments;
    fw::CapturingTraceSink m_trace;
};

}  // namespace fwtest
