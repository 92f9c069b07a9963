#include "sitemapeditor/SitemapDlg.h"

// The site map dialog's undo history: its keys, named by the tree's
// tooltip, and the fields shown again when a step changes the selected
// record.

#include "channel/Channel.h"
#include "sitemapeditor/SitemapHistory.h"
#include "sitemapeditor/SitemapModel.h"
#include "sitemapeditor/SitemapTreeView.h"

void CSitemapDlg::CreateHistory()
{
    m_history = new SitemapHistory(m_channel.sitemap, *m_model, *m_tree, *this);
    m_tree->setToolTip(tr("Ctrl+Z: 元に戻す / Ctrl+Y: やり直し"));
    connect(m_history, &SitemapHistory::recordRestored, this, [this](fw::SitemapItem* item) {
        if (item == m_channel.sitemap.Selected())
            FieldsFromRecord(*item);
    });
}
