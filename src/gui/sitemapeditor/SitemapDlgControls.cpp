#include "sitemapeditor/SitemapDlg.h"

// The site map dialog's controls: created in the order of the template,
// which is also the tab order, and connected to their handlers.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "channel/Channel.h"
#include "framework/ButtonNotify.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "sitemapeditor/SitemapIcons.h"
#include "sitemapeditor/SitemapModel.h"
#include "sitemapeditor/SitemapTreeView.h"

using namespace sitemap_dlg;

namespace {

constexpr int kLevelCount = 13;  // "0" .. "12"

}  // namespace

void CSitemapDlg::CreateControls()
{
    // Each label names its field for assistive technology; the tree view
    // takes its name only from its own accessible name.
    CreateTree();
    CreateCommandButtons();
    CreateItemFields();
    CreateCacheControls();
}

void CSitemapDlg::CreateTree()
{
    // Wide enough for its text in the desktop's Japanese font.
    auto* treeLabel = Add(new QLabel(tr("サイトマップ"), this), IDC_STATIC, 11, 6, 60, 8);
    m_model = new SitemapModel(m_channel.sitemap, this);
    m_model->SetChannel(&m_channel);
    m_tree = Add(new SitemapTreeView(this), IDC_TREE_SITEMAP, 11, 18, 167, 110);
    m_tree->setAccessibleName(treeLabel->text());
    treeLabel->setBuddy(m_tree);
    m_tree->setModel(m_model);
}

// The picture buttons beside the tree, each with its caption to its right,
// and OK below them.
void CSitemapDlg::CreateCommandButtons()
{
    struct IconButton {
        int id;
        int icon;
        int y;
        const char* text;
        int textY;
        const char* says;  // what the button does, where its picture alone tells it
    };
    const IconButton buttons[] = {
        {IDC_BUTTON_ADDPAGE, sitemap_icons::kPage, 18, QT_TRANSLATE_NOOP("CSitemapDlg", "追加"), 21,
         QT_TRANSLATE_NOOP("CSitemapDlg", "ページを追加")},
        {IDC_BUTTON_ADDCHANNEL, sitemap_icons::kChannel, 34, QT_TRANSLATE_NOOP("CSitemapDlg", "追加"), 37,
         QT_TRANSLATE_NOOP("CSitemapDlg", "サブチャンネルを追加")},
        {IDC_BUTTON_DELETE, sitemap_icons::kDelete, 50, QT_TRANSLATE_NOOP("CSitemapDlg", "削除"), 53, nullptr},
        {IDC_BUTTON_COPY, sitemap_icons::kCopy, 71, QT_TRANSLATE_NOOP("CSitemapDlg", "コピー"), 75, nullptr},
        {IDC_BUTTON_PASTE, sitemap_icons::kPaste, 87, QT_TRANSLATE_NOOP("CSitemapDlg", "ペースト"), 91, nullptr},
    };
    for (const IconButton& entry : buttons) {
        const QString text = tr(entry.text);
        auto* button = Add(new QPushButton(this), entry.id, 187, entry.y, 12, 13);
        button->setIcon(sitemap_icons::Icon(entry.icon));
        button->setIconSize(QSize(16, 16));
        button->setAutoDefault(false);
        button->setAccessibleName(text);
        // Both add buttons read "追加"; what they add is heard and shown on hover.
        if (entry.says != nullptr) {
            button->setAccessibleDescription(tr(entry.says));
            button->setToolTip(tr(entry.says));
        }
        Add(new QLabel(text, this), IDC_STATIC, 201, entry.textY, 30, 8);
    }

    auto* okButton = Add(new QPushButton(QStringLiteral("OK"), this), IDC_BUTTON_OK, 187, 115, 28, 14);
    okButton->setAutoDefault(false);
}

void CSitemapDlg::CreateItemFields()
{
    auto* titleLabel = Add(new QLabel(tr("タイトル"), this), IDC_STATIC, 11, 135, 55, 8);
    m_titleEdit = Add(new QLineEdit(this), IDC_EDIT_ITEMTITLE, 11, 145, 146, 13);
    titleLabel->setBuddy(m_titleEdit);
    // Wide enough for its caption in the desktop's font, right edge on the edits'.
    auto* commentButton = Add(new QPushButton(tr("コメント／詳細"), this), IDC_BUTTON_COMMENT, 101, 164, 56, 14);
    commentButton->setAutoDefault(false);
    auto* urlLabel = Add(new QLabel(tr("ＵＲＬ"), this), IDC_STATIC, 11, 174, 61, 8);
    m_urlEdit = Add(new QLineEdit(this), IDC_EDIT_URL, 11, 184, 146, 13);
    urlLabel->setBuddy(m_urlEdit);
}

void CSitemapDlg::CreateCacheControls()
{
    Add(new QGroupBox(tr("キャッシュ"), this), IDC_STATIC, 168, 141, 59, 64);
    // The combo shows "12" beside its arrow, so it starts a little further left.
    m_levelCombo = Add(new QComboBox(this), IDC_COMBO_LEVEL, 175, 159, 27, 13);
    for (int level = 0; level < kLevelCount; ++level)
        m_levelCombo->addItem(QString::number(level));
    m_levelCombo->raise();
    // Centred on the combo's line.
    auto* levelLabel = Add(new QLabel(QStringLiteral("Level"), this), IDC_STATIC, 205, 162, 20, 8);
    levelLabel->setBuddy(m_levelCombo);
    levelLabel->raise();
    m_precacheCheck = Add(new QCheckBox(tr("読みこむ"), this), IDC_CHECK_PRECACHE, 175, 185, 44, 8);
    m_precacheCheck->raise();
}

void CSitemapDlg::ConnectControls()
{
    connect(m_model, &SitemapModel::treeSelectionChanged, this, &CSitemapDlg::OnTreeSelectionChanged);
    connect(m_model, &SitemapModel::ensureVisibleRequested, this, &CSitemapDlg::OnEnsureVisible);
    connect(m_model, &SitemapModel::bulkEnded, this, &CSitemapDlg::OnBulkEnded);
    connect(m_model, &SitemapModel::labelCommitted, this, &CSitemapDlg::OnLabelCommitted);
    connect(m_tree, &QTreeView::collapsed, this, &CSitemapDlg::OnBranchCollapsed);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnViewCurrentChanged(current); });
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                OnViewSelectionChanged(selected.isEmpty() ? QModelIndex() : selected.indexes().value(0));
            });
    // Rows going out move the rows below them, and a label grows as its
    // title is typed: the selected item is brought back into sight.
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CSitemapDlg::ScrollSelectionIntoView);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &CSitemapDlg::ScrollSelectionIntoView);

    connect(m_urlEdit, &QLineEdit::textChanged, this, &CSitemapDlg::OnChangeEditUrl);
    connect(m_titleEdit, &QLineEdit::textChanged, this, &CSitemapDlg::OnChangeEditTitle);
    fwgui::OnButtonClicked(m_precacheCheck, *this, [this] { OnCheckPrecache(); });
    connect(m_levelCombo, &QComboBox::currentIndexChanged, this, &CSitemapDlg::OnSelchangeComboLevel);

    connect(Control<QPushButton>(IDC_BUTTON_ADDPAGE), &QPushButton::clicked, this, &CSitemapDlg::OnButtonAddPage);
    connect(Control<QPushButton>(IDC_BUTTON_ADDCHANNEL), &QPushButton::clicked, this, &CSitemapDlg::OnButtonAddChannel);
    connect(Control<QPushButton>(IDC_BUTTON_DELETE), &QPushButton::clicked, this, &CSitemapDlg::OnButtonDelete);
    connect(Control<QPushButton>(IDC_BUTTON_COPY), &QPushButton::clicked, this, &CSitemapDlg::OnButtonCopy);
    connect(Control<QPushButton>(IDC_BUTTON_PASTE), &QPushButton::clicked, this, &CSitemapDlg::OnButtonPaste);
    connect(Control<QPushButton>(IDC_BUTTON_COMMENT), &QPushButton::clicked, this, &CSitemapDlg::OnButtonComment);
    connect(Control<QPushButton>(IDC_BUTTON_OK), &QPushButton::clicked, this, &CSitemapDlg::OnOK);
}
