#include "dialogs/LogoDlg.h"

#include "channel/LogoSet.h"

// Placeholder until the logo dialog's controls are built.
CLogoDlg::CLogoDlg(fwgui::Platform& platform, fw::LogoSet& logos, QWidget* parent)
    : fwgui::CDialog(platform, parent, QStringLiteral("チャンネルロゴの指定"), 200, 100), m_logos(logos)
{
}

void CLogoDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    (void)dx;
}
