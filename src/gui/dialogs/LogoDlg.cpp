#include "dialogs/LogoDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "channel/LogoSet.h"
#include "dialogs/LogoDlgIds.h"
#include "framework/DataExchange.h"

using namespace logo_dlg;

namespace {

// Geometry in dialog units: a label above each edit, the buttons at the foot.
constexpr int kWidth = 230;
constexpr int kHeight = 110;
constexpr int kMargin = 7;
constexpr int kFieldWidth = kWidth - 2 * kMargin;
constexpr int kRowPitch = 27;  // label 8 + gap 2 + edit 12 + gap 5

}  // namespace

CLogoDlg::CLogoDlg(fwgui::Platform& platform, fw::LogoSet& logos, QWidget* parent)
    : fwgui::CDialog(platform, parent, tr("チャンネルロゴの指定"), kWidth, kHeight), m_logos(logos)
{
    // Created in the order of the template, which is also the tab order.
    auto* ok = Add(new QPushButton(QStringLiteral("OK"), this), IDOK, kWidth - kMargin - 104, kHeight - 21, 50, 14);
    auto* cancel = Add(new QPushButton(tr("ｷｬﾝｾﾙ"), this), IDCANCEL, kWidth - kMargin - 50, kHeight - 21, 50, 14);
    ok->setDefault(true);

    struct Field {
        const char* label;
        int id;
    };
    const Field fields[] = {
        {QT_TRANSLATE_NOOP("CLogoDlg", "アイコンファイルのＵＲＬ(16x16 .ico)"), IDC_EDIT_ICONURL},
        {QT_TRANSLATE_NOOP("CLogoDlg", "チャンネルロゴファイルのＵＲＬ(80x32 .gif)"), IDC_EDIT_LOGOURL},
        {QT_TRANSLATE_NOOP("CLogoDlg", "チャンネルロゴ（ワイド）ファイルのＵＲＬ(194x32 .gif)"), IDC_EDIT_WIDELOGOURL},
    };
    int y = kMargin;
    for (const Field& field : fields) {
        auto* label = Add(new QLabel(tr(field.label), this), IDC_STATIC, kMargin, y, kFieldWidth, 8);
        label->setBuddy(Add(new QLineEdit(this), field.id, kMargin, y + 10, kFieldWidth, 12));
        y += kRowPitch;
    }

    // accept() takes the edits into the members before closing.
    connect(ok, &QPushButton::clicked, this, &CLogoDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CLogoDlg::reject);
}

void CLogoDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_ICONURL), m_logos.m_strIconUrl);
    fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_LOGOURL), m_logos.m_strLogoUrl);
    fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_WIDELOGOURL), m_logos.m_strWideLogoUrl);
}
