#include "app/AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/ProgramIcon.h"

namespace {

constexpr int kIconStatic = 0;
constexpr int kVersionStatic = 0;
constexpr int kOkButton = 1;

}  // namespace

CAboutDlg::CAboutDlg(fwgui::Platform& platform, QWidget* parent)
    : CDialog(platform, parent, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), 159, 107)
{
    auto* icon = Add(new QLabel(this), kIconStatic, 12, 14, 21, 20);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setObjectName(QStringLiteral("icon"));
    auto* version = Add(new QLabel(QStringLiteral("Feedwright Version.1.2a"), this), kVersionStatic, 42, 20, 110, 10);
    version->setObjectName(QStringLiteral("version"));
    auto* ok = Add(new QPushButton(QStringLiteral("OK"), this), kOkButton, 55, 84, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAboutDlg::accept);
    ok->setFocus();
}
