#pragma once
// Driving real widgets the way a person does: controls found by their
// resource ID, typing key by key, clicking, answering a modal dialog, and a
// one-line outline of what a dialog's controls show, by their names.

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

namespace fwgui {
class CDialog;
}

namespace fwtest {

// The control whose objectName is `id`, or null.
template <typename T> T* FindControl(const QWidget* dialog, int id)
{
    return dialog->findChild<T*>(QString::number(id));
}

// Each character as its own key press: "\n" as Return, "\t" as Tab, a
// character outside the Basic Multilingual Plane as one key.
void TypeText(QWidget* widget, const QString& text);
// Focuses an edit as Tab would, deletes its text with the keyboard and types `text`.
void Retype(QWidget* edit, const QString& text);
// A left click near the left edge, where a check box or radio button has its box.
void Click(QWidget* button);
// Shows `window`, makes it active and waits until it is (false on failure).
bool ShowAndActivate(QWidget* window);
// Runs `handler` with the next modal dialog that opens, once it is shown;
// `handler` must close it. Call it before what blocks in exec().
void WhenModalOpens(std::function<void(QWidget*)> handler);
// DoModal, running `drive` once the dialog is active and cancelling the
// dialog if `drive` left it open. DoModal's result.
int RunModal(fwgui::CDialog& dialog, const std::function<void()>& drive);

// The name of control `id` in the header of control IDs of `dialog`'s class
// ("IDC_EDIT_TITLE"). A test's own dialog may name its controls in an enum
// ControlId declared with Q_ENUM. The number when there is no name.
QString ControlName(const QWidget* dialog, int id);
// The name of `control` in its dialog: ControlName of its objectName, or the
// objectName itself when that is not a number; "-" for null.
QString NameOf(const QWidget* control);

// "name=text" for each control, blank-separated: an edit's or label's text,
// a combo's current text, "[x]" or "[ ]" for a check box or radio button;
// "!" before the name of a disabled control.
QString Outline(const QWidget* dialog, const QList<int>& ids);

}  // namespace fwtest
