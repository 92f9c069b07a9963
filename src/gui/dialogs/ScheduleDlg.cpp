#include "dialogs/ScheduleDlg.h"

#include "channel/ScheduleRecord.h"

// Placeholder until the schedule dialog's controls are built.
CScheduleDlg::CScheduleDlg(fwgui::Platform& platform, fw::ScheduleRecord& record, QWidget* parent)
    : fwgui::CDialog(platform, parent, QStringLiteral("スケジュールの設定"), 200, 100), m_record(record)
{
}

void CScheduleDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    (void)dx;
}
