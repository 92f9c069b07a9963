#pragma once
// Resource IDs of the comment dialog's controls; each control's objectName
// is its number. The usage buttons follow the usage codes 0..4.

#include <QObject>

namespace comment_dlg {
Q_NAMESPACE

enum ControlId {
    IDOK = 1,
    IDCANCEL = 2,
    IDC_EDIT_ICONHREF = 1017,
    IDC_EDIT_COMMENT = 1084,
    IDC_CHECK_USEICON = 1091,
    IDC_RADIO_SITEMAP = 1093,
    IDC_RADIO_NOSITEMAP = 1094,
    IDC_RADIO_EMAIL = 1095,
    IDC_RADIO_SCREENSAVER = 1096,
    IDC_RADIO_DESKTOP = 1097,
};
Q_ENUM_NS(ControlId)

}  // namespace comment_dlg
