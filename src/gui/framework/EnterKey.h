#pragma once
// Enter in the program's dialogs: which keys are Enter, and the rule for
// multi-line edits, which do not take Enter for themselves.

#include <functional>

class QKeyEvent;
class QPlainTextEdit;

namespace fwgui {

// Return, or Enter on the keypad.
bool IsEnterKey(const QKeyEvent& key);

// In `edit` Ctrl+Enter makes a line break and Enter runs `onEnter` (or does
// nothing when it is empty); the edit sees neither key itself.
void KeepEnterFrom(QPlainTextEdit* edit, std::function<void()> onEnter = {});

}  // namespace fwgui
