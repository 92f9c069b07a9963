#include "sitemap/CommentDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "framework/ButtonNotify.h"
#include "framework/DataExchange.h"
#include "sitemap/SitemapNode.h"
#include "channel/Url.h"

namespace {

constexpr int kIdComment = 1084;
constexpr int kIdUseIcon = 1091;
constexpr int kIdIconHref = 1017;
constexpr int kIdFirstUsage = 1093;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

struct UsageButton {
    const char* text;
    int y;
};

// In the order of the usage codes 0..4.
constexpr UsageButton kUsageButtons[] = {
    {"サイトマップに表示", 31},
    {"サイトマップに表示しない", 45},
    {"E-mail で送る", 59},
    {"チャンネルスクリーンセーバー", 73},
    {"デスクトップコンポーネント", 87},
};
// The usage texts run wider in the dialog font than the template's frame
// allows: the frame reaches further left and its buttons take its whole
// inner width.
constexpr int kUsageGroupX = 167;
constexpr int kUsageGroupWidth = 118;
constexpr int kUsageButtonX = kUsageGroupX + 5;
constexpr int kUsageButtonWidth = kUsageGroupWidth - 8;

bool IsEnterKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

CCommentDlg::CCommentDlg(fwgui::Platform& platform, QWidget* parent)
    : fwgui::CDialog(platform, parent, QStringLiteral("コメントの設定"), 295, 143)
{
    auto* commentLabel = Add(new QLabel(QStringLiteral("簡単なコメント"), this), 0, 13, 7, 113, 8);
    m_commentEdit = Add(new QPlainTextEdit(this), kIdComment, 13, 17, 146, 65);
    commentLabel->setBuddy(m_commentEdit);
    m_commentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_commentEdit->setTabChangesFocus(true);
    m_commentEdit->installEventFilter(this);

    m_useIconCheck = Add(new QCheckBox(QStringLiteral("アイコンを指定する（16x16 .ico）"), this), kIdUseIcon, 13, 102, 146, 10);
    m_iconEdit = Add(new QLineEdit(this), kIdIconHref, 13, 116, 146, 13);
    // Labelled by the check box above it, which a label's buddy cannot be.
    m_iconEdit->setAccessibleName(QStringLiteral("アイコンのＵＲＬ"));

    Add(new QGroupBox(QStringLiteral("ページの使用法"), this), 0, kUsageGroupX, 13, kUsageGroupWidth, 94);
    int id = kIdFirstUsage;
    for (const UsageButton& usage : kUsageButtons) {
        auto* button = Add(new QRadioButton(QString::fromUtf8(usage.text), this), id++, kUsageButtonX, usage.y,
                           kUsageButtonWidth, 10);
        button->raise();  // above the group box that frames it
        m_usageButtons.append(button);
    }

    auto* cancelButton = Add(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), kIdCancel, 175, 116, 50, 14);
    m_okButton = Add(new QPushButton(QStringLiteral("OK"), this), kIdOk, 235, 116, 50, 14);
    m_okButton->setDefault(true);

    fwgui::OnButtonClicked(m_useIconCheck, this, [this] { OnCheckUseIcon(); });
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
    if (IsExchanging())
        return;
    UpdateData(true);
    m_iconEdit->setEnabled(m_bUseIcon != 0);
}

// The comment takes no Enter: Enter confirms the dialog, Ctrl+Enter breaks
// the line.
bool CCommentDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_commentEdit && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsEnterKey(key)) {
            if (key.modifiers() & Qt::ControlModifier)
                m_commentEdit->insertPlainText(QStringLiteral("\n"));
            else
                m_okButton->click();
            return true;
        }
    }
    return fwgui::CDialog::eventFilter(watched, event);
}
