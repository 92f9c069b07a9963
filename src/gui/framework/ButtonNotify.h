#pragma once
// The clicked notification of a check box or radio button, however it is
// switched: by the mouse, by the keyboard, or by an accessibility action
// (a screen reader's "toggle" sets the check without clicking).

#include <QObject>
#include <functional>

class QAbstractButton;

namespace fwgui {

class CDialog;

// Runs `handler` once whenever `button` is clicked, and once whenever its
// check changes without a click, as a click on it would (a radio button only
// when it becomes checked: the one it took the check from is not clicked).
// A click on a radio button that is already checked runs it too, as a click
// does. Checks that the dialog's own data exchange sets are not clicks: they
// never reach the handler.
void OnButtonClicked(QAbstractButton* button, CDialog& dialog, std::function<void()> handler);

}  // namespace fwgui
