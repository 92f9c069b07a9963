#include "dialogs/ScheduleDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "channel/ScheduleRecord.h"
#include "dialogs/ScheduleDlgIds.h"
#include "framework/ButtonNotify.h"
#include "framework/DataExchange.h"
#include "framework/FocusLostLineEdit.h"

using namespace schedule_dlg;

namespace {

constexpr int kDayUnit = 0;
constexpr int kHourUnit = 1;

// Dialog size in dialog units.
constexpr int kWidth = 264;
constexpr int kHeight = 236;

// The leading unsigned number of a text, 0 when there is none.
unsigned NumberInText(const QString& text)
{
    unsigned value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + static_cast<unsigned>(c.unicode() - '0');
    }
    return value;
}

}  // namespace

CScheduleDlg::CScheduleDlg(fwgui::Platform& platform, fw::ScheduleRecord& record, QWidget* parent)
    : fwgui::CDialog(platform, parent, tr("スケジュールの設定"), kWidth, kHeight), m_record(record)
{
    // Controls are created in the order a user meets them, which is the tab
    // order; the group boxes are siblings drawn beneath their controls.
    CreatePaceControls();
    CreateDateControls();
    CreateWindowControls();
    CreateButtons();
    ConnectControls();
}

QLabel* CScheduleDlg::AddLabel(const QString& text, int id, int x, int y, int width)
{
    return Add(new QLabel(text, this), id, x, y, width, 8);
}

// The unit labels sit after their edits, so each edit names itself.
FocusLostLineEdit* CScheduleDlg::AddNumberEdit(int id, int x, int y, int width, const QString& name)
{
    auto* edit = Add(new FocusLostLineEdit(this), id, x, y, width, 12);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setAccessibleName(name);
    return edit;
}

void CScheduleDlg::AddGroup(const QString& title, int y, int height)
{
    Add(new QGroupBox(title, this), IDC_STATIC, 7, y, kWidth - 14, height);
}

void CScheduleDlg::CreatePaceControls()
{
    AddGroup(tr("更新のペース"), 4, 52);
    Add(new QRadioButton(tr("日にち単位で更新する"), this), IDC_RADIO_DAY, 15, 17, 92, 10);
    AddNumberEdit(IDC_EDIT_INTERVALDAY, 110, 16, 30, tr("更新の間隔（日）"));
    AddLabel(tr("日", "unit of the interval"), IDC_STATIC, 143, 18, 12);
    Add(new QRadioButton(tr("時間単位で更新する"), this), IDC_RADIO_HOUR, 15, 35, 92, 10);
    auto* hourEntry = Add(new QComboBox(this), IDC_COMBO_HOUR, 110, 34, 30, 12);
    hourEntry->setAccessibleName(tr("更新の間隔（時間）"));
    for (const unsigned hours : fw::kHourEntries)
        hourEntry->addItem(QString::number(hours));
    // Screen readers on Linux announce a combo box by the label it is the
    // buddy of, followed by its entry; the accessible name serves elsewhere.
    AddLabel(tr("時間", "unit of the interval"), IDC_STATIC, 143, 36, 18)->setBuddy(hourEntry);
    AddNumberEdit(IDC_EDIT_INTERVALMIN, 164, 34, 24, tr("更新の間隔（分）"));
    AddLabel(tr("分", "unit of the interval"), IDC_STATIC, 191, 36, 12);
}

void CScheduleDlg::AddDateRow(const QString& which, int checkId, int yearId, int monthId, int dayId, int y)
{
    Add(new QCheckBox(tr("%1を指定").arg(which), this), checkId, 15, y + 1, 64, 10);
    AddNumberEdit(yearId, 82, y, 30, tr("%1（年）").arg(which));
    AddLabel(tr("年", "part of a date"), IDC_STATIC, 115, y + 2, 10);
    AddNumberEdit(monthId, 128, y, 18, tr("%1（月）").arg(which));
    AddLabel(tr("月", "part of a date"), IDC_STATIC, 149, y + 2, 10);
    AddNumberEdit(dayId, 162, y, 18, tr("%1（日）").arg(which));
    AddLabel(tr("日", "part of a date"), IDC_STATIC, 183, y + 2, 10);
}

void CScheduleDlg::CreateDateControls()
{
    AddGroup(tr("期間限定で公開する場合"), 60, 50);
    AddDateRow(tr("開始日"), IDC_CHECK_STARTDATE, IDC_EDIT_STARTYEAR, IDC_EDIT_STARTMONTH, IDC_EDIT_STARTDAY, 72);
    AddDateRow(tr("終了日"), IDC_CHECK_STOPDATE, IDC_EDIT_STOPYEAR, IDC_EDIT_STOPMONTH, IDC_EDIT_STOPDAY, 90);
}

void CScheduleDlg::AddWindowRow(const QString& which, int dayId, int hourId, int hourLabelId, int minId, int y)
{
    AddNumberEdit(dayId, 122, y, 22, tr("%1（日）").arg(which));
    AddLabel(tr("日", "days after the start"), IDC_STATIC, 146, y + 2, 10);
    AddNumberEdit(hourId, 158, y, 18, tr("%1（時）").arg(which));
    AddLabel(tr("時間", "hours after the start"), hourLabelId, 178, y + 2, 18);
    AddNumberEdit(minId, 198, y, 18, tr("%1（分）").arg(which));
    AddLabel(tr("分", "minutes after the start"), IDC_STATIC, 218, y + 2, 10);
}

void CScheduleDlg::CreateWindowControls()
{
    // Read with IDC_STATIC_PACE on its left, the window rows say "every N
    // days, that day plus d days h o'clock m minutes, up to ... , update
    // automatically".
    AddGroup(tr("更新する時間帯"), 114, 96);
    auto* paceText = AddLabel(tr("毎回"), IDC_STATIC_PACE, 12, 126, 106);
    paceText->resize(paceText->width(), Units().Y(26));
    paceText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    AddWindowRow(tr("更新する時間帯の始まり"), IDC_EDIT_EARLIESTDAY, IDC_EDIT_EARLIESTHOUR, IDC_STATIC_EARLIESTHOUR,
                 IDC_EDIT_EARLIESTMIN, 140);
    AddLabel(tr("から"), IDC_STATIC, 230, 142, 22);
    AddWindowRow(tr("更新する時間帯の終わり"), IDC_EDIT_LATESTDAY, IDC_EDIT_LATESTHOUR, IDC_STATIC_LATESTHOUR,
                 IDC_EDIT_LATESTMIN, 157);
    AddLabel(tr("の間に自動更新を行う"), IDC_STATIC_WINDOWEND, 122, 174, 128);
    AddLabel(tr("※時間は 0 ～ 24 の間で指定します"), IDC_STATIC, 15, 194, 236);
}

void CScheduleDlg::CreateButtons()
{
    auto* ok = Add(new QPushButton(QStringLiteral("OK"), this), IDOK, 150, 216, 50, 14);
    auto* cancel = Add(new QPushButton(tr("ｷｬﾝｾﾙ"), this), IDCANCEL, 207, 216, 50, 14);
    ok->setDefault(true);
    // A click on OK or Cancel does not pull the focus out of a field first:
    // that focus-lost would take the fields and could report a refusal before
    // the button acts (a second message for OK, a dialog that will not close
    // for Cancel).
    ok->setFocusPolicy(Qt::TabFocus);
    cancel->setFocusPolicy(Qt::TabFocus);
}

void CScheduleDlg::ConnectControls()
{
    // accept() takes every field and stays open on a refusal.
    connect(Control<QPushButton>(IDOK), &QPushButton::clicked, this, &CScheduleDlg::accept);
    connect(Control<QPushButton>(IDCANCEL), &QPushButton::clicked, this, &CScheduleDlg::reject);
    for (const int unit : {IDC_RADIO_DAY, IDC_RADIO_HOUR}) {
        fwgui::OnButtonClicked(Control<QRadioButton>(unit), *this, [this] {
            if (!IgnoresNotifications())
                UpdatePaceDisplay();
        });
    }
    auto* intervalDay = Control<FocusLostLineEdit>(IDC_EDIT_INTERVALDAY);
    connect(intervalDay, &QLineEdit::textChanged, this, &CScheduleDlg::OnDayIntervalChanged);
    connect(intervalDay, &FocusLostLineEdit::focusLost, this, &CScheduleDlg::OnFocusLost);
    connect(Control<FocusLostLineEdit>(IDC_EDIT_INTERVALMIN), &FocusLostLineEdit::focusLost, this,
            &CScheduleDlg::OnFocusLost);
    connect(Control<QComboBox>(IDC_COMBO_HOUR), &QComboBox::currentIndexChanged, this,
            &CScheduleDlg::OnHourEntryChanged);
    for (const int date : {IDC_CHECK_STARTDATE, IDC_CHECK_STOPDATE}) {
        fwgui::OnButtonClicked(Control<QCheckBox>(date), *this, [this] {
            if (!IgnoresNotifications())
                UpdateDateControls();
        });
    }
}

void CScheduleDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    using fwgui::DDV_MinMaxUInt;
    using fwgui::DDX_Text;
    fw::ScheduleRecord& r = m_record;
    auto edit = [this](int id) { return Control<QLineEdit>(id); };

    // The order decides which fields are already taken when one is refused.
    DDX_Text(dx, edit(IDC_EDIT_INTERVALDAY), r.m_nIntervalDay);
    DDV_MinMaxUInt(dx, r.m_nIntervalDay, 1, 365);
    DDX_Text(dx, edit(IDC_EDIT_INTERVALMIN), r.m_nIntervalMin);
    DDV_MinMaxUInt(dx, r.m_nIntervalMin, 0, 59);
    DDX_Text(dx, edit(IDC_EDIT_EARLIESTDAY), r.m_nEarliestDay);
    DDV_MinMaxUInt(dx, r.m_nEarliestDay, 0, 365);
    DDX_Text(dx, edit(IDC_EDIT_EARLIESTHOUR), r.m_nEarliestHour);
    DDV_MinMaxUInt(dx, r.m_nEarliestHour, 0, 24);
    DDX_Text(dx, edit(IDC_EDIT_EARLIESTMIN), r.m_nEarliestMin);
    DDV_MinMaxUInt(dx, r.m_nEarliestMin, 0, 59);
    DDX_Text(dx, edit(IDC_EDIT_LATESTDAY), r.m_nLatestDay);
    DDV_MinMaxUInt(dx, r.m_nLatestDay, 0, 365);
    DDX_Text(dx, edit(IDC_EDIT_LATESTHOUR), r.m_nLatestHour);
    DDV_MinMaxUInt(dx, r.m_nLatestHour, 0, 24);
    DDX_Text(dx, edit(IDC_EDIT_LATESTMIN), r.m_nLatestMin);
    DDV_MinMaxUInt(dx, r.m_nLatestMin, 0, 59);
    fwgui::DDX_Radio(dx, {Control<QRadioButton>(IDC_RADIO_DAY), Control<QRadioButton>(IDC_RADIO_HOUR)},
                     r.m_nUpdateUnit);
    fwgui::DDX_CBIndex(dx, Control<QComboBox>(IDC_COMBO_HOUR), r.m_nHourSel);
    DDX_Text(dx, edit(IDC_EDIT_STARTMONTH), r.m_nStartMonth);
    DDV_MinMaxUInt(dx, r.m_nStartMonth, 1, 12);
    DDX_Text(dx, edit(IDC_EDIT_STARTDAY), r.m_nStartDay);
    DDV_MinMaxUInt(dx, r.m_nStartDay, 1, 31);
    DDX_Text(dx, edit(IDC_EDIT_STARTYEAR), r.m_nStartYear);
    DDX_Text(dx, edit(IDC_EDIT_STOPDAY), r.m_nStopDay);
    DDV_MinMaxUInt(dx, r.m_nStopDay, 1, 31);
    DDX_Text(dx, edit(IDC_EDIT_STOPMONTH), r.m_nStopMonth);
    DDV_MinMaxUInt(dx, r.m_nStopMonth, 1, 12);
    DDX_Text(dx, edit(IDC_EDIT_STOPYEAR), r.m_nStopYear);
    fwgui::DDX_Check(dx, Control<QCheckBox>(IDC_CHECK_STARTDATE), r.m_bStartDate);
    fwgui::DDX_Check(dx, Control<QCheckBox>(IDC_CHECK_STOPDATE), r.m_bStopDate);
}

bool CScheduleDlg::OnInitDialog()
{
    m_bOpen = true;
    const QScopedValueRollback handling(m_bHandling, true);
    fwgui::CDialog::OnInitDialog();
    // Values that came from a file may be out of range: they are shown, then
    // refused here, once. After a refusal the date enabling follows the
    // record without a second exchange (which would repeat the message).
    const bool taken = TakeAndShowPace();
    m_record.m_nIntervalHour = NumberInText(Control<QComboBox>(IDC_COMBO_HOUR)->currentText());
    if (taken)
        UpdateDateControls();
    else
        EnableDateEdits();
    // After a refusal the focus stays on the refused field.
    return taken;
}

void CScheduleDlg::done(int result)
{
    // The focus-lost that hiding the window causes must not take the fields.
    m_bOpen = false;
    fwgui::CDialog::done(result);
}

bool CScheduleDlg::IgnoresNotifications() const
{
    return !m_bOpen || m_bHandling || IsExchanging();
}

void CScheduleDlg::UpdatePaceDisplay()
{
    TakeAndShowPace();
}

bool CScheduleDlg::TakeAndShowPace()
{
    const QScopedValueRollback handling(m_bHandling, true);
    // A refusal has shown its message; the display follows the record anyway.
    const bool taken = UpdateData(true);
    ShowPace();
    return taken;
}

void CScheduleDlg::ShowPace()
{
    const int unit = m_record.m_nUpdateUnit;
    if (unit != kDayUnit && unit != kHourUnit)
        return;
    const bool dayUnit = unit == kDayUnit;
    Control<QWidget>(IDC_EDIT_INTERVALDAY)->setEnabled(dayUnit);
    Control<QWidget>(IDC_COMBO_HOUR)->setEnabled(!dayUnit);
    Control<QWidget>(IDC_EDIT_INTERVALMIN)->setEnabled(!dayUnit);

    QString pace;
    if (!dayUnit)
        pace =
            tr("毎日、0時から %n時間おきに\n\nそのときの時間＋", nullptr, static_cast<int>(m_record.m_nIntervalHour));
    else if (m_record.m_nIntervalDay % 7 == 0)
        pace = tr("%n週間おきに\n\nその日＋", nullptr, static_cast<int>(m_record.m_nIntervalDay / 7));
    else
        pace = tr("%n日おきに\n\nその日＋", nullptr, static_cast<int>(m_record.m_nIntervalDay));
    Control<QLabel>(IDC_STATIC_PACE)->setText(pace);

    const QString hourWord = dayUnit ? tr("時") : tr("時間", "hours after the start");
    Control<QLabel>(IDC_STATIC_EARLIESTHOUR)->setText(hourWord);
    Control<QLabel>(IDC_STATIC_LATESTHOUR)->setText(hourWord);
}

void CScheduleDlg::UpdateDateControls()
{
    const QScopedValueRollback handling(m_bHandling, true);
    UpdateData(true);
    EnableDateEdits();
}

void CScheduleDlg::EnableDateEdits()
{
    const bool start = m_record.m_bStartDate != 0;
    const bool stop = m_record.m_bStopDate != 0;
    for (const int id : {IDC_EDIT_STARTYEAR, IDC_EDIT_STARTMONTH, IDC_EDIT_STARTDAY})
        Control<QWidget>(id)->setEnabled(start);
    for (const int id : {IDC_EDIT_STOPYEAR, IDC_EDIT_STOPMONTH, IDC_EDIT_STOPDAY})
        Control<QWidget>(id)->setEnabled(stop);
}

void CScheduleDlg::OnDayIntervalChanged(const QString& text)
{
    // Every keystroke rewords the pace; a field emptied on the way to a new
    // number is left alone until the user leaves it.
    if (IgnoresNotifications() || text.isEmpty())
        return;
    UpdatePaceDisplay();
}

void CScheduleDlg::OnFocusLost(Qt::FocusReason reason)
{
    // The window losing activation (a message box, another program) is not
    // the user leaving the field.
    if (IgnoresNotifications() || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    UpdatePaceDisplay();
}

void CScheduleDlg::OnHourEntryChanged()
{
    if (IgnoresNotifications())
        return;
    m_record.m_nIntervalHour = NumberInText(Control<QComboBox>(IDC_COMBO_HOUR)->currentText());
    UpdatePaceDisplay();
}
