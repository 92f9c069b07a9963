#pragma once
// A Platform that answers in a person's place and records what a person
// would have seen: each message box and file dialog as one line, each
// document opened and every trace line.

#include <QStringList>
#include <deque>
#include <functional>

#include "framework/Platform.h"
#include "trace/TraceSink.h"

namespace fwtest {

class ScriptedPlatform final : public fwgui::Platform {
public:
    // The names the next file dialogs answer with, in order; none left cancels.
    void QueueFileName(const QString& path) { m_fileNames.push_back(path); }
    // Runs while a message box is "open", before it is answered with its first button.
    void OnMessage(std::function<void()> hook) { m_onMessage = std::move(hook); }

    // "caption: text", then " (!)" for the exclamation icon, " (icon N)" for
    // another and " [buttons N]" for buttons other than OK.
    const QStringList& Messages() const { return m_messages; }
    // "open" or "save", the filter, ".extension", the initial name and
    // " overwrite?" when the dialog asks before replacing a file.
    const QStringList& FileDialogs() const { return m_fileDialogs; }
    const QStringList& OpenedDocuments() const { return m_openedDocuments; }
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
    bool OpenDocument(const QString& path) override
    {
        m_openedDocuments << path;
        return true;
    }
    fw::TraceSink& Trace() override { return m_trace; }

private:
    std::optional<QString> FileDialog(const QString& kind, const fwgui::FileDialogRequest& request)
    {
        m_fileDialogs << QStringLiteral("%1 %2 .%3 %4%5").arg(kind, request.filter, request.defaultExtension,
                                                              request.initialName,
                                                              request.promptOverwrite ? QStringLiteral(" overwrite?")
                                                                                      : QString());
        if (m_fileNames.empty())
            return std::nullopt;
        const QString name = m_fileNames.front();
        m_fileNames.pop_front();
        return name;
    }

    std::deque<QString> m_fileNames;
    std::function<void()> m_onMessage;
    QStringList m_messages;
    QStringList m_fileDialogs;
    QStringList m_openedDocuments;
    fw::CapturingTraceSink m_trace;
};

}  // namespace fwtest
