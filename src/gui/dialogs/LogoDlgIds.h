#pragma once
// Resource IDs of the logo dialog's controls; each control's objectName is
// its number.

#include <QObject>

namespace logo_dlg {
Q_NAMESPACE

enum ControlId {
    IDOK = 1,
    IDCANCEL = 2,
    IDC_EDIT_LOGOURL = 1001,
    IDC_EDIT_WIDELOGOURL = 1002,
    IDC_EDIT_ICONURL = 1017,
};
Q_ENUM_NS(ControlId)

}  // namespace logo_dlg
