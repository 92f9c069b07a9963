#include "sitemapeditor/CommentDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "channel/Url.h"
#include "framework/ButtonNotify.h"
#include "framework/DataExchange.h"
#include "framework/EnterKey.h"
#include "sitemap/SitemapNode.h"
#include "sitemapeditor/CommentDlgIds.h"

using namespace comment_dlg;

namespace {

struct UsageButton {
    const char* text;
    int id;
    int y;
};

// In the order of the usage codes 0..4.
constexpr UsageButton kUsageButtons[] = {
    {QT_TRANSLATE_NOOP("CCommentDlg", "サイトマップに表示"), IDC_RADIO_SITEMAP, 31},
    {QT_TRANSLATE_NOOP("CCommentDlg", "サイトマップに表示しない"), IDC_RADIO_NOSITEMAP, 45},
    {QT_TRANSLATE_NOOP("CCommentDlg", "E-mail で送る"), IDC_RADIO_EMAIL, 59},
    {QT_TRANSLATE_NOOP("CCommentDlg", "チャンネルスクリーンセーバー"), IDC_RADIO_SCREENSAVER, 73},
    {QT_TRANSLATE_NOOP("CCommentDlg", "デスクトップコンポーネント"), IDC_RADIO_DESKTOP, 87},
};
// The usage texts run wider in the dialog font than the template's frame
// allows: the frame reaches further left and its buttons take its whole
// inner width.
constexpr int kUsageGroupX = 167;
constexpr int kUsageGroupWidth = 118;
constexpr int kUsageButtonX = kUsageGroupX + 5;
constexpr int kUsageButtonWidth = kUsageGroupWidth - 8;

}  // namespace

CCommentDlg::CCommentDlg(fwgui::Platform& platform, QWidget* parent)
    : fwgui::CDialog(platform, parent, tr("コメントの設定"), 295, 143)
{
    auto* commentLabel = Add(new QLabel(tr("簡単なコメント"), this), IDC_STATIC, 13, 7, 113, 8);
    m_commentEdit = Add(new QPlainTextEdit(this), IDC_EDIT_COMMENT, 13, 17, 146, 65);
    commentLabel->setBuddy(m_commentEdit);
    m_commentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_commentEdit->setTabChangesFocus(true);

    m_useIconCheck =
        Add(new QCheckBox(tr("アイコンを指定する（16x16 .ico）"), this), IDC_CHECK_USEICON, 13, 102, 146, 10);
    m_iconEdit = Add(new QLineEdit(this), IDC_EDIT_ICONHREF, 13, 116, 146, 13);
    // Labelled by the check box above it, which a label's buddy cannot be.
    m_iconEdit->setAccessibleName(tr("アイコンのＵＲＬ"));

    Add(new QGroupBox(tr("ページの使用法"), this), IDC_STATIC, kUsageGroupX, 13, kUsageGroupWidth, 94);
    for (const UsageButton& usage : kUsageButtons) {
        auto* button =
            Add(new QRadioButton(tr(usage.text), this), usage.id, kUsageButtonX, usage.y, kUsageButtonWidth, 10);
        button->raise();  // above the group box that frames it
        m_usageButtons.append(button);
    }

    auto* cancelButton = Add(new QPushButton(tr("ｷｬﾝｾﾙ"), this), IDCANCEL, 175, 116, 50, 14);
    m_okButton = Add(new QPushButton(QStringLiteral("OK"), this), IDOK, 235, 116, 50, 14);
    m_okButton->setDefault(true);
    // The comment takes no Enter: Enter confirms the dialog, Ctrl+Enter
    // breaks the line.
    fwgui::KeepEnterFrom(m_commentEdit, [this] { m_okButton->click(); });

    fwgui::OnButtonClicked(m_useIconCheck, *this, [this] { OnCheckUseIcon(); });
    connect(cancelButton, &QPushButton::clicked, this, &CCommentDlg::reject);
    connect(m_okButton, &QPushButton::clicked, this, &CCommentDlg::accept);
}

void CCommentDlg::LoadFromRecord(const fw::SitemapNode& record)
{
    m_nUsage = record.m_nUsage;
    m_bUseIcon = fw::IsUrlGiven(record.m_strIconHref) ? 1 : 0;
    m_strIconHref = record.m_strIconHref;
    m_strComment = record.m_strAbstract;
    m_bIsPage = record.m_bIsPage;
}

void CCommentDlg::StoreIntoRecord(fw::SitemapNode& record) const
{
    record.m_nUsage = m_nUsage;
    record.m_strIconHref = m_bUseIcon != 0 ? m_strIconHref : std::string(fw::kHttpPrefix);
    record.m_strAbstract = m_strComment;
}

void CCommentDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    fwgui::DDX_Radio(dx, m_usageButtons, m_nUsage);
    fwgui::DDX_Text(dx, m_commentEdit, m_strComment);
    fwgui::DDX_Text(dx, m_iconEdit, m_strIconHref);
    fwgui::DDX_Check(dx, m_useIconCheck, m_bUseIcon);
}

void CCommentDlg::showEvent(QShowEvent* event)
{
    fwgui::CDialog::showEvent(event);
    // Reading the controls back turns a usage without a button (a loaded 5)
    // into -1, which is what OK then stores.
    UpdateData(true);
    // Usage applies to pages only; channels still show and keep theirs.
    for (QRadioButton* button : m_usageButtons)
        button->setEnabled(m_bIsPage != 0);
    m_iconEdit->setEnabled(m_bUseIcon != 0);
}

void CCommentDlg::OnCheckUseIcon()
{
    UpdateData(true);
    m_iconEdit->setEnabled(m_bUseIcon != 0);
}
