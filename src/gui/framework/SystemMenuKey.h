#pragma once
// Alt+Space, the desktop's key for a window's system menu. Qt's buttons take
// a Space with any modifier as a press and its edits type it, so without a
// window manager that takes the key first, Alt+Space would press the focused
// button (終了 ends the program) or change a field. The program takes the key
// before any control sees it: a dialog with a system menu of its own opens
// it, every other window does nothing.

class QKeyEvent;

namespace fwgui {

bool IsSystemMenuKey(const QKeyEvent& key);

// Takes Alt+Space from every widget of the application, once; later calls do
// nothing. Needs the QApplication.
void TakeSystemMenuKey();

}  // namespace fwgui
