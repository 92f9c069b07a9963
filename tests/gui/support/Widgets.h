#pragma once
// Helpers for driving real widgets in tests: finding controls by their
// resource ID, typing keystroke by keystroke, and answering a modal dialog
// that a command opens.

#include <QString>
#include <QWidget>
#include <functional>

namespace fwtest {

// The control whose objectName is `id`, or null.
template <typename T> T* FindControl(const QWidget* dialog, int id)
{
    return dialog->findChild<T*>(QString::number(id));
}

// Sends each character of `text` to `widget` as its own key press, the way
// a person types: "\n" as Return, "\t" as Tab, characters outside the Basic
// Multilingual Plane as one key event each.
void TypeText(QWidget* widget, const QString& text);

// Selects everything in an edit and deletes it with the keyboard.
void ClearByKeyboard(QWidget* edit);

// Shows `window`, makes it active and waits until it is (false on failure).
bool ShowAndActivate(QWidget* window);

// Runs `handler` with the next modal dialog that opens after this call,
// once it is shown; `handler` must close it. Use it around a call that
// blocks in exec().
void WhenModalOpens(std::function<void(QWidget*)> handler);

}  // namespace fwtest
