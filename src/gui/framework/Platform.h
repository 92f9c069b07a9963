#pragma once
// What the program asks of the desktop: message boxes, open and save file
// dialogs, the progress of a long load or save, opening a document with its
// default handler, and the trace sink.
// Everything goes through this one interface so that tests can answer in a
// person's place and see exactly what a person would have seen.

#include <QString>
#include <memory>
#include <optional>

class QWidget;
namespace fw {
class CdfProgress;
class TraceSink;
}  // namespace fw

namespace fwgui {

enum class MessageIcon { None, Exclamation, Information, Question, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
// The button that ended a message box.
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    // In the "Text (*.x)|*.x|All Files (*.*)|*.*||" form the program's
    // commands are written in; the platform turns it into the toolkit's form.
    QString filter;
    QString defaultExtension;  // appended to a typed name that has none
    QString initialName;
    bool promptOverwrite = false;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) = 0;
    virtual std::optional<QString> GetSaveFileName(QWidget* owner, const FileDialogRequest& request) = 0;
    // Follows a load or save that starts now: once it has taken longer than
    // a moment, a window with `text`, a bar and a Cancel button; pressing
    // Cancel makes the progress ask the work to stop.
    virtual std::unique_ptr<fw::CdfProgress> StartProgress(QWidget* owner, const QString& text) = 0;
    // Opens a local file with the desktop's default handler; false on failure.
    virtual bool OpenDocument(const QString& path) = 0;
    virtual fw::TraceSink& Trace() = 0;
};

// Turns "Text (*.x)|*.x|All Files (*.*)|*.*||" into Qt's "Text (*.x);;All Files (*.*)".
QString ToQtFilter(const QString& pipeFilter);

}  // namespace fwgui
