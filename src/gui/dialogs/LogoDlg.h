#pragma once
// The logo dialog: the channel's three image URLs. A persistent object that
// is shown modally again and again; the members live in the channel's logo
// set, so the writer and the reader see them whether or not it is open.

#include "framework/Dialog.h"

namespace fw {
struct LogoSet;
}

class CLogoDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    CLogoDlg(fwgui::Platform& platform, fw::LogoSet& logos, QWidget* parent);

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override;

private:
    fw::LogoSet& m_logos;
};
