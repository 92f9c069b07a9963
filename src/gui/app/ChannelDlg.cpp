#include "app/ChannelDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/AboutDlg.h"
#include "app/ChannelDlgIds.h"
#include "app/ProgramIcon.h"
#include "app/SystemMenuStyle.h"
#include "dialogs/LogoDlg.h"
#include "dialogs/ScheduleDlg.h"
#include "framework/ButtonNotify.h"
#include "framework/DataExchange.h"
#include "framework/EnterKey.h"
#include "framework/Platform.h"
#include "sitemapeditor/SitemapDlg.h"
#include "text/SjisText.h"
#include "trace/TraceSink.h"

using namespace channel_dlg;

namespace {

void Trace(fwgui::Platform& platform, std::string_view line)
{
    platform.Trace().Write(line);
}

}  // namespace

CChannelDlg::CChannelDlg(fwgui::Platform& platform, QWidget* parent)
    : CDialog(platform, parent, QStringLiteral("Feedwright Version." FEEDWRIGHT_VERSION), 259, 241),
      m_channel(&platform.Trace()),
      m_helpDirectories(DefaultHelpDirectories())
{
    // A main window of its own: caption and close box, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CreateControls();
    ConnectCommands();
}

CChannelDlg::~CChannelDlg()
{
    // The dialogs refer to m_channel, so they go before it.
    OnDestroy();
}

void CChannelDlg::CreateControls()
{
    // Created in template order, which is also the tab order.
    // Each label names the field below it for assistive technology.
    auto* exitButton = Add(new QPushButton(tr("終了"), this), IDC_EXIT, 213, 218, 39, 16);
    auto* homeUrlLabel = Add(new QLabel(tr("ホームページのＵＲＬ"), this), IDC_STATIC, 7, 7, 200, 9);
    homeUrlLabel->setBuddy(Add(new QLineEdit(this), IDC_EDIT_HOMEURL, 7, 17, 245, 13));
    auto* titleLabel = Add(new QLabel(tr("チャンネルのタイトル"), this), IDC_STATIC, 7, 35, 200, 9);
    titleLabel->setBuddy(Add(new QLineEdit(this), IDC_EDIT_TITLE, 7, 45, 245, 13));
    auto* abstractLabel = Add(new QLabel(tr("チャンネルの簡単な紹介文"), this), IDC_STATIC, 7, 63, 200, 9);
    auto* abstractEdit = Add(new QPlainTextEdit(this), IDC_EDIT_ABSTRACT, 7, 73, 245, 42);
    abstractLabel->setBuddy(abstractEdit);
    abstractEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    abstractEdit->setTabChangesFocus(true);
    // Enter is the form's (and does nothing), Ctrl+Enter makes a line break.
    fwgui::KeepEnterFrom(abstractEdit);
    auto* cdfUrlLabel = Add(new QLabel(tr("CDFファイルのＵＲＬ(* .cdf)"), this), IDC_STATIC, 7, 120, 200, 9);
    cdfUrlLabel->setBuddy(Add(new QLineEdit(this), IDC_EDIT_CDFURL, 7, 130, 245, 13));
    Add(new QPushButton(tr("読みこみ"), this), IDC_BUTTON_LOAD, 57, 218, 46, 16);
    Add(new QPushButton(tr("絵（ロゴ）"), this), IDC_BUTTON_LOGO, 15, 191, 74, 14);
    Add(new QPushButton(tr("スケジュール"), this), IDC_BUTTON_SCHEDULE, 93, 191, 74, 14);
    auto* group = Add(new QGroupBox(tr("詳細設定"), this), IDC_STATIC, 7, 179, 245, 31);
    // The frame lies behind the buttons it frames, as a template's group box does.
    group->lower();
    Add(new QPushButton(tr("ページ指定"), this), IDC_BUTTON_SITEMAP, 171, 191, 74, 14);
    Add(new QPushButton(tr("作成"), this), IDC_BUTTON_CREATE, 7, 218, 46, 16);
    Add(new QPushButton(tr("クリア"), this), IDC_BUTTON_CLEAR, 107, 218, 40, 16);
    auto* infoButton = Add(new QPushButton(this), IDC_INFO, 151, 218, 18, 16);
    // An icon-style button: the picture stands in for its caption.
    infoButton->setAccessibleName(tr("情報"));
    Add(new QPushButton(tr("ヘルプ"), this), IDC_HELP, 173, 218, 36, 16);
    auto* baseUrlEdit = Add(new QLineEdit(this), IDC_EDIT_BASEURL, 7, 160, 245, 13);
    baseUrlEdit->setEnabled(false);
    // Labelled by the check box above it, which a label's buddy cannot be.
    baseUrlEdit->setAccessibleName(tr("ベースＵＲＬ"));
    Add(new QCheckBox(tr("ベースＵＲＬを指定する"), this), IDC_CHECK_BASEURL, 7, 148, 200, 10);

    // Enter is the form's own business (see keyPressEvent): no button
    // becomes the default just because an edit has the focus.
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        button->setAutoDefault(false);

    QWidget* previous = exitButton;
    const int tabOrder[] = {
        IDC_EDIT_HOMEURL,    IDC_EDIT_TITLE,     IDC_EDIT_ABSTRACT, IDC_EDIT_CDFURL,  IDC_BUTTON_LOAD, IDC_BUTTON_LOGO,
        IDC_BUTTON_SCHEDULE, IDC_BUTTON_SITEMAP, IDC_BUTTON_CREATE, IDC_BUTTON_CLEAR, IDC_INFO,        IDC_HELP,
        IDC_EDIT_BASEURL,    IDC_CHECK_BASEURL};
    for (int id : tabOrder) {
        QWidget* next = Control<QWidget>(id);
        setTabOrder(previous, next);
        previous = next;
    }
}

void CChannelDlg::ConnectCommands()
{
    connect(Control<QPushButton>(IDC_EXIT), &QPushButton::clicked, this, &CChannelDlg::reject);
    connect(Control<QPushButton>(IDC_BUTTON_CLEAR), &QPushButton::clicked, this, &CChannelDlg::OnButtonClear);
    connect(Control<QPushButton>(IDC_BUTTON_SITEMAP), &QPushButton::clicked, this, &CChannelDlg::OnButtonSitemap);
    // A button that opens a dialog (or a message) has the focus when it
    // closes, as a dialog manager gives it back to the control that opened
    // it, whatever had it before: a screen reader's Press does not move it.
    const std::pair<int, void (CChannelDlg::*)()> opensDialog[] = {
        {IDC_BUTTON_CREATE, &CChannelDlg::OnButtonCreate},
        {IDC_BUTTON_LOAD, &CChannelDlg::OnButtonLoad},
        {IDC_BUTTON_LOGO, &CChannelDlg::OnButtonLogo},
        {IDC_BUTTON_SCHEDULE, &CChannelDlg::OnButtonSchedule},
        {IDC_INFO, &CChannelDlg::OnButtonInfo},
        {IDC_HELP, &CChannelDlg::OnButtonHelp},
    };
    for (const auto& [id, handler] : opensDialog) {
        connect(Control<QPushButton>(id), &QPushButton::clicked, this, [this, id, handler] {
            (this->*handler)();
            ReturnFocusTo(id);
        });
    }
    fwgui::OnButtonClicked(Control<QCheckBox>(IDC_CHECK_BASEURL), *this, [this] { OnCheckBaseUrl(); });
}

void CChannelDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    fw::ChannelHead& head = m_channel.head;
    fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_CDFURL), head.m_strCdfUrl);
    fwgui::DDX_Text(dx, Control<QPlainTextEdit>(IDC_EDIT_ABSTRACT), head.m_strAbstract);
    fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_TITLE), head.m_strTitle);
    fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_HOMEURL), head.m_strHomeUrl);
    fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_BASEURL), head.m_strBaseUrl);
    fwgui::DDX_Check(dx, Control<QCheckBox>(IDC_CHECK_BASEURL), head.m_bUseBaseUrl);
}

bool CChannelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // Linux window managers own the system menu: the version entry lives in
    // the form's own context menu, below a separator as it would there.
    if (m_systemMenu == nullptr) {
        m_systemMenu = new QMenu(this);
        auto* menuStyle = new SystemMenuStyle;
        menuStyle->setParent(m_systemMenu);
        m_systemMenu->setStyle(menuStyle);
        m_systemMenu->setSeparatorsCollapsible(false);
        m_systemMenu->addSeparator();
        m_systemMenu->addAction(tr("ﾊﾞｰｼﾞｮﾝ情報 (&A)..."), this, &CChannelDlg::OnButtonInfo);
    }
    setWindowIcon(ProgramIcon());

    CreateSubordinateDialogs();

    auto* infoButton = Control<QPushButton>(IDC_INFO);
    infoButton->setIcon(ProgramIcon());
    infoButton->setIconSize(QSize(16, 16));

    RegisterToolTips();
    OpenCommandLine();

    Control<QPushButton>(IDC_EXIT)->setFocus();
    return false;
}

void CChannelDlg::CreateSubordinateDialogs()
{
    if (logoDlg == nullptr) {
        logoDlg = new CLogoDlg(platform(), m_channel.logos, this);
        Trace(platform(), "Create logoDlg\n");
    }
    if (scheduleDlg == nullptr) {
        scheduleDlg = new CScheduleDlg(platform(), m_channel.schedule, this);
        Trace(platform(), "Create scheduleDlg\n");
    }
    if (sitemapDlg == nullptr) {
        // Created hidden; shown by OnButtonSitemap.
        sitemapDlg = new CSitemapDlg(platform(), m_channel, this);
        connect(sitemapDlg, &CSitemapDlg::rootCopiedBack, this, [this]() { UpdateData(false); });
        // The form is disabled while the site map is shown, which takes the
        // focus off its button; OK and Escape alike give it back.
        connect(sitemapDlg, &QDialog::finished, this, [this] { ReturnFocusTo(IDC_BUTTON_SITEMAP); });
        Trace(platform(), "Create sitemapDlg\n");
    }
}

QList<QPair<int, QString>> CChannelDlg::ToolTipTable()
{
    return {
        {IDC_INFO, tr("バージョン情報")},
        {IDC_CHECK_BASEURL, tr("ベースＵＲＬを指定すると、相対パスが使用できるようになります")},
        {IDC_EDIT_BASEURL, tr("相対パスのもととなるＵＲＬを入力します.(詳しくはヘルプ参照)")},
        {IDC_EDIT_HOMEURL, tr("チャンネルにしたいホームページのＵＲＬ(アドレス)を入力します")},
        {IDC_EDIT_TITLE, tr("これから作るチャンネルのタイトルを入力します")},
        {IDC_EDIT_ABSTRACT, tr("今ポップアップしているような形で表示する紹介文を指定できます")},
        {IDC_EDIT_CDFURL,
         tr("Feedwrightで作成したＣＤＦファイルを、ネット上で置く場所を指定します(ファイル名を忘れずに)")},
        {IDC_BUTTON_CREATE, tr("ファイル名を指定し、ＣＤＦファイルを作成します")},
        {IDC_BUTTON_LOAD, tr("ＣＤＦファイルを読みこみます")},
        {IDC_BUTTON_CLEAR, tr("データを起動初期の状態に戻します")},
        {IDC_BUTTON_LOGO, tr("チャンネルのロゴを設定します")},
        {IDC_BUTTON_SCHEDULE, tr("購読スケジュールを設定します")},
        {IDC_BUTTON_SITEMAP, tr("チャンネルに複数のページを組み込みます")},
    };
}

void CChannelDlg::RegisterToolTips()
{
    for (const auto& [id, text] : ToolTipTable())
        Control<QWidget>(id)->setToolTip(text);
}

void CChannelDlg::OpenCommandLine()
{
    // Byte-wise, as a command line of the platform's code page is handled;
    // the path reaches the file system as the very bytes given.
    std::string line = m_commandLine;
    fw::TrimSingleByteWhiteSpace(line);
    const std::string::size_type dot = line.rfind('.');
    if (dot == std::string::npos || line.size() <= 3)
        return;
    // Quotes are not removed: a quoted path ends in '"' and is not read.
    if (fw::EqualsAsciiNoCase(std::string_view(line).substr(dot + 1), "CDF"))
        ReadCdfAt(line);
}

void CChannelDlg::Open()
{
    OnInitDialog();
    show();
}

void CChannelDlg::RunMainForm()
{
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    Open();
    if (isVisible())
        loop.exec();
}

void CChannelDlg::done(int result)
{
    CDialog::done(result);
    OnDestroy();
}

void CChannelDlg::OnDestroy()
{
    if (logoDlg != nullptr) {
        delete logoDlg;
        logoDlg = nullptr;
        Trace(platform(), "Delete logoDlg\n");
    }
    if (scheduleDlg != nullptr) {
        delete scheduleDlg;
        scheduleDlg = nullptr;
        Trace(platform(), "Delete scheduleDlg\n");
    }
    if (sitemapDlg != nullptr) {
        // A top-level window of its own: Qt would not delete it with the form.
        delete sitemapDlg;
        sitemapDlg = nullptr;
        Trace(platform(), "Delete sitemapDlg\n");
    }
}

void CChannelDlg::keyPressEvent(QKeyEvent* event)
{
    if (fwgui::IsEnterKey(*event)) {
        // A focused push button takes Enter as a click; anywhere else Enter
        // is the form's OK, which does nothing.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button != nullptr && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    CDialog::keyPressEvent(event);
}

void CChannelDlg::ReturnFocusTo(int id)
{
    // Not after the form has closed or while the site map keeps it disabled.
    // The form is made active too: without a window manager nothing else
    // gives it back the keyboard when a dialog closes.
    if (!isVisible() || !isEnabled())
        return;
    activateWindow();
    Control<QWidget>(id)->setFocus(Qt::OtherFocusReason);
}

void CChannelDlg::OnSystemMenuKey()
{
    if (m_systemMenu == nullptr)
        return;
    // The version entry is the menu's only command: Enter takes it.
    m_systemMenu->popup(mapToGlobal(QPoint(0, 0)));
    m_systemMenu->setActiveAction(m_systemMenu->actions().value(1));
}

void CChannelDlg::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_systemMenu != nullptr)
        m_systemMenu->exec(event->globalPos());
}

void CChannelDlg::closeEvent(QCloseEvent* event)
{
    // While the site map dialog is shown the form is disabled and cannot be
    // closed, as a disabled window ignores its close box.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    CDialog::closeEvent(event);
}

void CChannelDlg::EnableBaseUrlEdit()
{
    Control<QLineEdit>(IDC_EDIT_BASEURL)->setEnabled(m_channel.head.m_bUseBaseUrl != 0);
}

void CChannelDlg::OnCheckBaseUrl()
{
    UpdateData(true);
    EnableBaseUrlEdit();
}

void CChannelDlg::OnButtonClear()
{
    m_channel.Clear();
    EnableBaseUrlEdit();
    if (sitemapDlg != nullptr)
        sitemapDlg->OnChannelCleared();
    UpdateData(false);
}

void CChannelDlg::OnButtonLogo()
{
    if (logoDlg != nullptr)
        logoDlg->DoModal();
}

void CChannelDlg::OnButtonSchedule()
{
    if (scheduleDlg != nullptr)
        scheduleDlg->DoModal();
}

void CChannelDlg::OnButtonSitemap()
{
    if (sitemapDlg == nullptr)
        return;
    UpdateData(true);
    // Centred over the form. There is no topmost band to leave here.
    const QRect form = frameGeometry();
    sitemapDlg->move(form.center() - QPoint(sitemapDlg->width() / 2, sitemapDlg->height() / 2));
    sitemapDlg->show();
    sitemapDlg->raise();
    sitemapDlg->activateWindow();
    setEnabled(false);
}

void CChannelDlg::OnButtonInfo()
{
    CAboutDlg about(platform(), this);
    about.DoModal();
}
