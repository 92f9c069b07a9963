#pragma once
// The schedule dialog: update pace, update window and dates. A persistent
// object shown modally again and again; its members live in the channel's
// schedule record, which the writer, the reader and Clear use directly.
//
// Every handler takes all fields from the controls first, so a refused field
// is reported from whatever the user does next; notifications that the
// dialog's own exchange, message box or closing cause are ignored, so that
// one refusal shows one message.

#include "framework/Dialog.h"

class FocusLostLineEdit;
class QLabel;
namespace fw {
struct ScheduleRecord;
}

class CScheduleDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    CScheduleDlg(fwgui::Platform& platform, fw::ScheduleRecord& record, QWidget* parent);

    // Takes the controls into the record, then enables the pace controls of
    // the record's unit and words the pace in the pace text and the two
    // hour labels of the window.
    void UpdatePaceDisplay();
    // Takes the controls into the record, then enables each date's three
    // edits when its check box is set.
    void UpdateDateControls();

    void done(int result) override;

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    // The constructor's steps, in the order of the controls.
    void CreatePaceControls();
    void CreateDateControls();
    void CreateWindowControls();
    void CreateButtons();
    void ConnectControls();
    QLabel* AddLabel(const QString& text, int id, int x, int y, int width);
    FocusLostLineEdit* AddNumberEdit(int id, int x, int y, int width, const QString& name);
    void AddGroup(const QString& title, int y, int height);
    // A check box and the year, month and day edits of one date.
    void AddDateRow(const QString& which, int checkId, int yearId, int monthId, int dayId, int y);
    // The day, hour and minute edits of one end of the update window.
    void AddWindowRow(const QString& which, int dayId, int hourId, int hourLabelId, int minId, int y);

    // The exchange of UpdatePaceDisplay / UpdateDateControls, with its outcome.
    bool TakeAndShowPace();
    void ShowPace();
    void EnableDateEdits();
    // Notifications from the dialog's own controls count only while it is
    // open and neither an exchange nor another handler is running.
    bool IgnoresNotifications() const;

    void OnDayIntervalChanged(const QString& text);
    void OnFocusLost(Qt::FocusReason reason);
    void OnHourEntryChanged();

    fw::ScheduleRecord& m_record;
    bool m_bOpen = false;
    bool m_bHandling = false;
};
