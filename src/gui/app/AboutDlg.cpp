#include "app/AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/AboutDlgIds.h"
#include "app/ProgramIcon.h"

using namespace about_dlg;

CAboutDlg::CAboutDlg(fwgui::Platform& platform, QWidget* parent)
    : CDialog(platform, parent, tr("ﾊﾞｰｼﾞｮﾝ情報"), 159, 107)
{
    auto* icon = Add(new QLabel(this), IDC_STATIC, 12, 14, 21, 20);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setObjectName(QStringLiteral("icon"));
    auto* version = Add(new QLabel(QStringLiteral("Feedwright Version." FEEDWRIGHT_VERSION "a"), this), IDC_STATIC, 42,
                        20, 110, 10);
    version->setObjectName(QStringLiteral("version"));
    auto* ok = Add(new QPushButton(QStringLiteral("OK"), this), IDOK, 55, 84, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);
    ok->setFocus();
}
