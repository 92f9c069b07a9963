#pragma once
// Resource IDs of the site map dialog's controls; each control's objectName
// is its number. Its OK button has an ID of its own.

#include <QObject>

namespace sitemap_dlg {
Q_NAMESPACE

enum ControlId {
    IDC_BUTTON_ADDCHANNEL = 1067,
    IDC_BUTTON_ADDPAGE = 1068,
    IDC_BUTTON_DELETE = 1069,
    IDC_BUTTON_COPY = 1070,
    IDC_TREE_SITEMAP = 1071,
    IDC_BUTTON_PASTE = 1072,
    IDC_EDIT_URL = 1078,
    IDC_EDIT_ITEMTITLE = 1079,
    IDC_BUTTON_COMMENT = 1082,
    IDC_CHECK_PRECACHE = 1083,
    IDC_BUTTON_OK = 1085,
    IDC_COMBO_LEVEL = 1086,
};
Q_ENUM_NS(ControlId)

}  // namespace sitemap_dlg
