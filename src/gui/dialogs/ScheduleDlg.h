#pragma once
// The schedule dialog: update pace, update window and dates.

#include "framework/Dialog.h"

namespace fw { struct ScheduleRecord; }

class CScheduleDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    CScheduleDlg(fwgui::Platform& platform, fw::ScheduleRecord& record, QWidget* parent);

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override;

private:
    fw::ScheduleRecord& m_record;
};
