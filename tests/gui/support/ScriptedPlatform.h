#pragma once
// A Platform that answers in a person's place and records what a person
// would have seen: each message box and file dialog as one line, each
// document opened and every trace line.

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "framework/Platform.h"
#include "trace/TraceSink.h"

namespace fwtest {

class ScriptedPlatform final : public fwgui::Platform {
public:
    // The names the next file dialogs answer with, in order; none left cancels.
    void QueueFileName(const QString& path) { m_fileNames.push_back(path); }
    void SetOpenDocumentResult(bool result) { m_openDocumentResult = result; }
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

    fwgui::MessageAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                    fwgui::MessageButtons buttons, fwgui::MessageIcon icon) override;
    std::optional<QString> GetOpenFileName(QWidget*, const fwgui::FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(QWidget*, const fwgui::FileDialogRequest& request) override;
    bool OpenDocument(const QString& path) override;
    fw::TraceSink& Trace() override { return m_trace; }

private:
    std::optional<QString> FileDialog(const char* kind, const fwgui::FileDialogRequest& request);

    std::deque<QString> m_fileNames;
    bool m_openDocumentResult = true;
    std::function<void()> m_onMessage;
    QStringList m_messages;
    QStringList m_fileDialogs;
    QStringList m_openedDocuments;
    fw::CapturingTraceSink m_trace;
};

}  // namespace fwtest
