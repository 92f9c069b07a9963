#include "framework/DesktopPlatform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "framework/ProgressWindow.h"

namespace fwgui {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Escape or the close box gives the answer the box's own buttons allow.
MessageAnswer ToAnswer(int result, MessageButtons buttons)
{
    switch (result) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

std::optional<QString> RunFileDialog(QWidget* owner, const FileDialogRequest& request, bool save)
{
    QFileDialog dialog(owner, QString(), QString(), ToQtFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Qt's own dialog, in the program's language: a desktop's native one would
    // speak the desktop's language instead of the program's.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The open dialog does not insist that the file exists either: a typed
    // name goes to the command, which reports a file it cannot open.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

}  // namespace

DesktopPlatform::DesktopPlatform(std::unique_ptr<fw::TraceSink> trace) : m_trace(std::move(trace))
{
}

MessageAnswer DesktopPlatform::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                          MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), caption, text, ToQtButtons(buttons), owner);
    // Messages may quote file names or typed text: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    return ToAnswer(box.exec(), buttons);
}

std::optional<QString> DesktopPlatform::GetOpenFileName(QWidget* owner, const FileDialogRequest& request)
{
    return RunFileDialog(owner, request, false);
}

std::optional<QString> DesktopPlatform::GetSaveFileName(QWidget* owner, const FileDialogRequest& request)
{
    return RunFileDialog(owner, request, true);
}

std::unique_ptr<fw::CdfProgress> DesktopPlatform::StartProgress(QWidget* owner, const QString& text)
{
    return std::make_unique<ProgressWindow>(owner, text);
}

bool DesktopPlatform::OpenDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace fwgui
