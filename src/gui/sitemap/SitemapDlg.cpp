#include "sitemap/SitemapDlg.h"

#include "channel/Channel.h"

// Placeholder until the site map dialog's controls are built.
CSitemapDlg::CSitemapDlg(fwgui::Platform& platform, fw::Channel& channel, QWidget* mainForm)
    : fwgui::CDialog(platform, nullptr, QStringLiteral("ページ指定"), 238, 215), m_channel(channel), m_mainForm(mainForm)
{
}

void CSitemapDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    (void)dx;
}
