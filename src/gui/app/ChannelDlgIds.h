#pragma once
// Resource IDs of the main form's controls (template 102); each control's
// objectName is its number, and tests name controls through this enum.

#include <QObject>

namespace channel_dlg {
Q_NAMESPACE

enum ControlId {
    IDC_EXIT = 2,
    IDC_INFO = 3,
    IDC_HELP = 4,
    IDC_EDIT_HOMEURL = 1000,
    IDC_EDIT_TITLE = 1002,
    IDC_EDIT_ABSTRACT = 1003,
    IDC_EDIT_CDFURL = 1004,
    IDC_BUTTON_LOAD = 1005,
    IDC_BUTTON_LOGO = 1006,
    IDC_BUTTON_SCHEDULE = 1007,
    IDC_BUTTON_SITEMAP = 1008,
    IDC_EDIT_BASEURL = 1009,
    IDC_BUTTON_CREATE = 1011,
    IDC_BUTTON_CLEAR = 1013,
    IDC_CHECK_BASEURL = 1090,
};
Q_ENUM_NS(ControlId)

}  // namespace channel_dlg
