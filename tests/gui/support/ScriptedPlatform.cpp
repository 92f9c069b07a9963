#include "support/ScriptedPlatform.h"

namespace fwtest {

using fwgui::MessageButtons;

fwgui::MessageAnswer ScriptedPlatform::MessageBox(QWidget*, const QString& text, const QString& caption,
                                                  MessageButtons buttons, fwgui::MessageIcon icon)
{
    QString line = caption + QStringLiteral(": ") + text;
    if (icon == fwgui::MessageIcon::Exclamation)
        line += QStringLiteral(" (!)");
    else if (icon != fwgui::MessageIcon::None)
        line += QStringLiteral(" (icon %1)").arg(int(icon));
    if (buttons != MessageButtons::Ok)
        line += QStringLiteral(" [buttons %1]").arg(int(buttons));
    m_messages.append(line);
    if (m_onMessage)
        m_onMessage();
    const bool yesNo = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
    return yesNo ? fwgui::MessageAnswer::Yes : fwgui::MessageAnswer::Ok;
}

std::optional<QString> ScriptedPlatform::FileDialog(const char* kind, const fwgui::FileDialogRequest& request)
{
    m_fileDialogs.append(QStringLiteral("%1 %2 .%3 %4%5")
                             .arg(QLatin1String(kind), request.filter, request.defaultExtension, request.initialName,
                                  request.promptOverwrite ? QStringLiteral(" overwrite?") : QString()));
    if (m_fileNames.empty())
        return std::nullopt;
    const QString name = m_fileNames.front();
    m_fileNames.pop_front();
    return name;
}

std::optional<QString> ScriptedPlatform::GetOpenFileName(QWidget*, const fwgui::FileDialogRequest& request)
{
    return FileDialog("open", request);
}

std::optional<QString> ScriptedPlatform::GetSaveFileName(QWidget*, const fwgui::FileDialogRequest& request)
{
    return FileDialog("save", request);
}

bool ScriptedPlatform::OpenDocument(const QString& path)
{
    m_openedDocuments.append(path);
    return m_openDocumentResult;
}

}  // namespace fwtest
