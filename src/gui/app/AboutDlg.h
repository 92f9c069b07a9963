#pragma once
// The About box: the program's icon, its name and version, and OK.

#include "framework/Dialog.h"

class CAboutDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    CAboutDlg(fwgui::Platform& platform, QWidget* parent);
};
