#pragma once
// The main form's part for a site map dialog under test: a window that the
// dialog disables and enables, and the channel whose head and site map it
// edits.

#include <QWidget>

#include "channel/Channel.h"
#include "sitemapeditor/SitemapDlg.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace fwtest {

struct SitemapDialogHost {
    ScriptedPlatform platform;
    fw::Channel channel;
    QWidget mainForm;
    CSitemapDlg dlg{platform, channel, &mainForm};
    fw::SitemapTree& tree = channel.sitemap;

    bool Open()  // as the main form's site map button does
    {
        mainForm.show();
        mainForm.setEnabled(false);
        return ShowAndActivate(&dlg);
    }
};

}  // namespace fwtest
