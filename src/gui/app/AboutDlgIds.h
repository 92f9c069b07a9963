#pragma once
// Resource IDs of the About box's controls; its icon and version text are
// statics, named "icon" and "version" instead.

#include <QObject>

namespace about_dlg {
Q_NAMESPACE

enum ControlId {
    IDOK = 1,
};
Q_ENUM_NS(ControlId)

}  // namespace about_dlg
