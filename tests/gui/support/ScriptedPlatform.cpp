#include "support/ScriptedPlatform.h"

namespace fwtest {

void ScriptedPlatform::ClearRecords()
{
    m_messages.clear();
    m_fileDialogs.clear();
    m_openedDocuments.clear();
    m_trace.Reset();
}

fwgui::MessageAnswer ScriptedPlatform::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                                  fwgui::MessageButtons buttons, fwgui::MessageIcon icon)
{
    const MessageCall call{owner, text, caption, buttons, icon};
    m_messages.append(call);
    if (m_onMessage)
        m_onMessage(call);
    if (!m_answers.empty()) {
        const fwgui::MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    switch (buttons) {
    case fwgui::MessageButtons::YesNo:
    case fwgui::MessageButtons::YesNoCancel: return fwgui::MessageAnswer::Yes;
    case fwgui::MessageButtons::Ok:
    case fwgui::MessageButtons::OkCancel: break;
    }
    return fwgui::MessageAnswer::Ok;
}

namespace {

std::optional<QString> TakeFront(std::deque<std::optional<QString>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    std::optional<QString> front = std::move(queue.front());
    queue.pop_front();
    return front;
}

}  // namespace

std::optional<QString> ScriptedPlatform::GetOpenFileName(QWidget* owner, const fwgui::FileDialogRequest& request)
{
    m_fileDialogs.append(FileDialogCall{owner, false, request});
    return TakeFront(m_openNames);
}

std::optional<QString> ScriptedPlatform::GetSaveFileName(QWidget* owner, const fwgui::FileDialogRequest& request)
{
    m_fileDialogs.append(FileDialogCall{owner, true, request});
    return TakeFront(m_saveNames);
}

bool ScriptedPlatform::OpenDocument(const QString& path)
{
    m_openedDocuments.append(path);
    return m_openDocumentResult;
}

}  // namespace fwtest
