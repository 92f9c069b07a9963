#pragma once
// The site map dialog: a modeless window over the disabled main form, with
// the tree of pages and sub-channels and the fields of the selected item.

#include <string>

#include "framework/Dialog.h"

namespace fw { struct Channel; }

class CSitemapDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    // `mainForm` is the window this dialog disables while shown; the dialog
    // is a top-level window of its own (no Qt parent), since disabling a
    // parent would disable it too.
    CSitemapDlg(fwgui::Platform& platform, fw::Channel& channel, QWidget* mainForm);

    // Fields of the selected item, exchanged with edits 1078, 1079, check
    // box 1083 and combo 1086.
    std::string m_strUrl;
    std::string m_strItemTitle;
    int m_bItemPrecache = 0;
    int m_nItemLevel = -1;

signals:
    // OK copied the root's title, URL and abstract into the channel head;
    // the main form shows its members again.
    void rootCopiedBack();

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override;

private:
    fw::Channel& m_channel;
    QWidget* m_mainForm;
};
