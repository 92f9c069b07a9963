#pragma once
// A Platform that answers in a person's place: message boxes, file dialogs
// and opening documents take their answers from queues, and every call is
// recorded with what a person would have seen.

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "framework/Platform.h"
#include "trace/TraceSink.h"

namespace fwtest {

struct MessageCall {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    fwgui::MessageButtons buttons = fwgui::MessageButtons::Ok;
    fwgui::MessageIcon icon = fwgui::MessageIcon::None;
};

struct FileDialogCall {
    QWidget* owner = nullptr;
    bool save = false;
    fwgui::FileDialogRequest request;
};

class ScriptedPlatform final : public fwgui::Platform {
public:
    // Answers, used in order. An empty message queue answers with the first
    // button (OK or Yes); an empty file queue cancels.
    void QueueAnswer(fwgui::MessageAnswer answer) { m_answers.push_back(answer); }
    void QueueOpenFileName(std::optional<QString> path) { m_openNames.push_back(std::move(path)); }
    void QueueSaveFileName(std::optional<QString> path) { m_saveNames.push_back(std::move(path)); }
    void SetOpenDocumentResult(bool result) { m_openDocumentResult = result; }
    // Runs while a message box is "open", before it is answered.
    void OnMessage(std::function<void(const MessageCall&)> hook) { m_onMessage = std::move(hook); }

    const QList<MessageCall>& Messages() const { return m_messages; }
    const QList<FileDialogCall>& FileDialogs() const { return m_fileDialogs; }
    const QStringList& OpenedDocuments() const { return m_openedDocuments; }
    // Everything traced so far.
    QString TraceText() const { return QString::fromStdString(m_trace.Text()); }
    void ClearRecords();

    fwgui::MessageAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                    fwgui::MessageButtons buttons, fwgui::MessageIcon icon) override;
    std::optional<QString> GetOpenFileName(QWidget* owner, const fwgui::FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(QWidget* owner, const fwgui::FileDialogRequest& request) override;
    bool OpenDocument(const QString& path) override;
    fw::TraceSink& Trace() override { return m_trace; }

private:
    std::deque<fwgui::MessageAnswer> m_answers;
    std::deque<std::optional<QString>> m_openNames;
    std::deque<std::optional<QString>> m_saveNames;
    bool m_openDocumentResult = true;
    std::function<void(const MessageCall&)> m_onMessage;
    QList<MessageCall> m_messages;
    QList<FileDialogCall> m_fileDialogs;
    QStringList m_openedDocuments;
    fw::CapturingTraceSink m_trace;
};

}  // namespace fwtest
