#include "sitemapeditor/SitemapDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>
#include <vector>

#include "channel/Channel.h"
#include "framework/ButtonNotify.h"
#include "framework/DataExchange.h"
#include "framework/EnterKey.h"
#include "sitemapeditor/CommentDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "sitemapeditor/SitemapIcons.h"
#include "sitemapeditor/SitemapModel.h"
#include "sitemapeditor/SitemapTreeView.h"

using namespace sitemap_dlg;

namespace {

constexpr int kLevelCount = 13;  // "0" .. "12"
// How many levels of channels a load opens. The view lays out the rows of
// open branches with one nested call per open level, about 320 bytes of
// stack each: an 8 MiB stack runs out near 26,000 open levels. A thousand
// take some 320 KB, leave room for smaller stacks, and are far more than a
// person can read (each level indents the row further).
constexpr int kOpenDepth = 1000;

}  // namespace

CSitemapDlg::CSitemapDlg(fwgui::Platform& platform, fw::Channel& channel, QWidget* mainForm)
    : fwgui::CDialog(platform, nullptr, QStringLiteral("ページ指定"), 238, 215), m_channel(channel), m_mainForm(mainForm)
{
    CreateControls();
    UpdateData(false);  // the combo starts without a selection
    ConnectControls();
    // A selection made before this dialog existed is shown at once.
    if (fw::SitemapItem* selected = m_channel.sitemap.Selected()) {
        ShowTreeSelectionInView();
        FieldsFromRecord(*selected);
    }
}

CSitemapDlg::~CSitemapDlg()
{
    // The view goes before the model it shows.
    delete m_tree;
    m_tree = nullptr;
}

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
    auto* treeLabel = Add(new QLabel(QStringLiteral("サイトマップ"), this), IDC_STATIC, 11, 6, 60, 8);
    m_model = new SitemapModel(m_channel.sitemap, this);
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
        {IDC_BUTTON_ADDPAGE, sitemap_icons::kPage, 18, "追加", 21, "ページを追加"},
        {IDC_BUTTON_ADDCHANNEL, sitemap_icons::kChannel, 34, "追加", 37, "サブチャンネルを追加"},
        {IDC_BUTTON_DELETE, sitemap_icons::kDelete, 50, "削除", 53, nullptr},
        {IDC_BUTTON_COPY, sitemap_icons::kCopy, 71, "コピー", 75, nullptr},
        {IDC_BUTTON_PASTE, sitemap_icons::kPaste, 87, "ペースト", 91, nullptr},
    };
    for (const IconButton& entry : buttons) {
        const QString text = QString::fromUtf8(entry.text);
        auto* button = Add(new QPushButton(this), entry.id, 187, entry.y, 12, 13);
        button->setIcon(sitemap_icons::Icon(entry.icon));
        button->setIconSize(QSize(16, 16));
        button->setAutoDefault(false);
        button->setAccessibleName(text);
        // Both add buttons read "追加"; what they add is heard and shown on hover.
        if (entry.says != nullptr) {
            button->setAccessibleDescription(QString::fromUtf8(entry.says));
            button->setToolTip(QString::fromUtf8(entry.says));
        }
        Add(new QLabel(text, this), IDC_STATIC, 201, entry.textY, 30, 8);
    }

    auto* okButton = Add(new QPushButton(QStringLiteral("OK"), this), IDC_BUTTON_OK, 187, 115, 28, 14);
    okButton->setAutoDefault(false);
}

void CSitemapDlg::CreateItemFields()
{
    auto* titleLabel = Add(new QLabel(QStringLiteral("タイトル"), this), IDC_STATIC, 11, 135, 55, 8);
    m_titleEdit = Add(new QLineEdit(this), IDC_EDIT_ITEMTITLE, 11, 145, 146, 13);
    titleLabel->setBuddy(m_titleEdit);
    // Wide enough for its caption in the desktop's font, right edge on the edits'.
    auto* commentButton =
        Add(new QPushButton(QStringLiteral("コメント／詳細"), this), IDC_BUTTON_COMMENT, 101, 164, 56, 14);
    commentButton->setAutoDefault(false);
    auto* urlLabel = Add(new QLabel(QStringLiteral("ＵＲＬ"), this), IDC_STATIC, 11, 174, 61, 8);
    m_urlEdit = Add(new QLineEdit(this), IDC_EDIT_URL, 11, 184, 146, 13);
    urlLabel->setBuddy(m_urlEdit);
}

void CSitemapDlg::CreateCacheControls()
{
    Add(new QGroupBox(QStringLiteral("キャッシュ"), this), IDC_STATIC, 168, 141, 59, 64);
    // The combo shows "12" beside its arrow, so it starts a little further left.
    m_levelCombo = Add(new QComboBox(this), IDC_COMBO_LEVEL, 175, 159, 27, 13);
    for (int level = 0; level < kLevelCount; ++level)
        m_levelCombo->addItem(QString::number(level));
    m_levelCombo->raise();
    // Centred on the combo's line.
    auto* levelLabel = Add(new QLabel(QStringLiteral("Level"), this), IDC_STATIC, 205, 162, 20, 8);
    levelLabel->setBuddy(m_levelCombo);
    levelLabel->raise();
    m_precacheCheck = Add(new QCheckBox(QStringLiteral("読みこむ"), this), IDC_CHECK_PRECACHE, 175, 185, 44, 8);
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

    connect(m_urlEdit, &QLineEdit::textChanged, this, &CSitemapDlg::OnChangeEditUrl);
    connect(m_titleEdit, &QLineEdit::textChanged, this, &CSitemapDlg::OnChangeEditTitle);
    fwgui::OnButtonClicked(m_precacheCheck, this, [this] { OnCheckPrecache(); });
    connect(m_levelCombo, &QComboBox::currentIndexChanged, this, &CSitemapDlg::OnSelchangeComboLevel);

    connect(Control<QPushButton>(IDC_BUTTON_ADDPAGE), &QPushButton::clicked, this, &CSitemapDlg::OnButtonAddPage);
    connect(Control<QPushButton>(IDC_BUTTON_ADDCHANNEL), &QPushButton::clicked, this, &CSitemapDlg::OnButtonAddChannel);
    connect(Control<QPushButton>(IDC_BUTTON_DELETE), &QPushButton::clicked, this, &CSitemapDlg::OnButtonDelete);
    connect(Control<QPushButton>(IDC_BUTTON_COPY), &QPushButton::clicked, this, &CSitemapDlg::OnButtonCopy);
    connect(Control<QPushButton>(IDC_BUTTON_PASTE), &QPushButton::clicked, this, &CSitemapDlg::OnButtonPaste);
    connect(Control<QPushButton>(IDC_BUTTON_COMMENT), &QPushButton::clicked, this, &CSitemapDlg::OnButtonComment);
    connect(Control<QPushButton>(IDC_BUTTON_OK), &QPushButton::clicked, this, &CSitemapDlg::OnOK);
}

void CSitemapDlg::DoDataExchange(fwgui::CDataExchange& dx)
{
    fwgui::DDX_Text(dx, m_urlEdit, m_strUrl);
    fwgui::DDX_Text(dx, m_titleEdit, m_strItemTitle);
    fwgui::DDX_Check(dx, m_precacheCheck, m_bItemPrecache);
    fwgui::DDX_CBIndex(dx, m_levelCombo, m_nItemLevel);
}

// --- selection: the tree's selection is the truth, the view follows it ---

void CSitemapDlg::ShowTreeSelectionInView()
{
    const QModelIndex selected = m_model->IndexOf(m_channel.sitemap.Selected());
    m_followingTree = true;
    if (selected.isValid())
        m_tree->selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect);
    else
        m_tree->selectionModel()->clear();
    m_followingTree = false;
}

void CSitemapDlg::OnTreeSelectionChanged(const QModelIndex& selected)
{
    ShowTreeSelectionInView();
    if (selected.isValid())
        m_tree->scrollTo(selected);
    // An empty selection leaves the fields as they are.
    if (fw::SitemapItem* item = m_channel.sitemap.Selected())
        FieldsFromRecord(*item);
}

void CSitemapDlg::OnViewCurrentChanged(const QModelIndex& current)
{
    // Rows going in or out move the view's current index by themselves; the
    // tree moves its own selection and tells the view.
    if (m_followingTree || m_model->IsChanging() || !current.isValid())
        return;
    m_channel.sitemap.Select(SitemapModel::ItemAt(current));
}

void CSitemapDlg::OnEnsureVisible(const QModelIndex& index)
{
    m_tree->scrollTo(index, QAbstractItemView::PositionAtTop);
}

// A branch closed over the selection passes the selection to the item that
// was closed, so that what the commands act on stays in sight.
void CSitemapDlg::OnBranchCollapsed(const QModelIndex& index)
{
    fw::SitemapItem* collapsed = SitemapModel::ItemAt(index);
    for (fw::SitemapItem* item = m_channel.sitemap.Selected(); item != nullptr; item = item->Parent()) {
        if (item->Parent() == collapsed) {
            m_channel.sitemap.Select(collapsed);
            return;
        }
    }
}

// After a load or a Clear the view starts afresh, with every channel that
// holds items open, as the load left them by selecting each item it made,
// down to kOpenDepth levels. The selection (the last item read) is made the
// first visible row, as the reader's insertion of it asked, when it lies in
// an open branch.
void CSitemapDlg::OnBulkEnded()
{
    const bool inOpenBranch = OpenChannelsWithItems();
    const bool autoScroll = m_tree->hasAutoScroll();
    m_tree->setAutoScroll(false);
    ShowTreeSelectionInView();
    m_tree->setAutoScroll(autoScroll);
    if (inOpenBranch)
        m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtTop);
    // The fields describe the selected item as it is now, not as it was
    // when the load created it. With nothing selected (no item was ever
    // made) the title and URL are a cleared channel's.
    if (fw::SitemapItem* item = m_channel.sitemap.Selected())
        FieldsFromRecord(*item);
    else
        TitleAndUrlFromHead(fw::ChannelHead{});
}

bool CSitemapDlg::OpenChannelsWithItems()
{
    struct Level {
        fw::SitemapItem* channel;
        int depth;
    };
    fw::SitemapItem* root = m_channel.sitemap.Root();
    if (root == nullptr)
        return false;
    // Sub-channels open the child lists, so a walk stops at the first page.
    std::vector<Level> pending{{root, 0}};
    while (!pending.empty()) {
        const Level level = pending.back();
        pending.pop_back();
        if (level.channel->FirstChild() == nullptr || level.depth >= kOpenDepth)
            continue;
        m_tree->expand(m_model->IndexOf(level.channel));
        for (fw::SitemapItem* child = level.channel->FirstChild(); child != nullptr && !child->IsPageImage();
             child = child->NextSibling())
            pending.push_back({child, level.depth + 1});
    }
    int depth = 0;
    for (const fw::SitemapItem* item = m_channel.sitemap.Selected(); item != nullptr; item = item->Parent())
        ++depth;
    return depth > 0 && depth <= kOpenDepth + 1;
}

void CSitemapDlg::FieldsFromRecord(const fw::SitemapItem& item)
{
    const fw::SitemapNode& record = item.Node();
    m_strItemTitle = record.m_strTitle;
    m_strUrl = record.m_strHref;
    m_nItemLevel = record.m_nLevel;
    m_bItemPrecache = record.m_bPrecache;
    UpdateData(false);
}

void CSitemapDlg::TitleAndUrlFromHead(const fw::ChannelHead& head)
{
    const fw::SitemapNode root = fw::RootRecordFor(head);
    m_strItemTitle = root.m_strTitle;
    m_strUrl = root.m_strHref;
    UpdateData(false);
}

void CSitemapDlg::OnChannelCleared()
{
    TitleAndUrlFromHead(m_channel.head);
}

void CSitemapDlg::OnLabelCommitted(fw::SitemapItem* item)
{
    // The fields show the selected item only.
    if (item != m_channel.sitemap.Selected())
        return;
    m_strItemTitle = item->Node().m_strTitle;
    UpdateData(false);
}

// --- the fields into the selected record, for the user's own edits only ---

// The selected item after a field read, or null when the change came from a
// refresh (or nothing is selected) and must not reach a record.
fw::SitemapItem* CSitemapDlg::SelectedForUserEdit()
{
    fw::SitemapItem* item = m_channel.sitemap.Selected();
    if (IsExchanging() || item == nullptr)
        return nullptr;
    UpdateData(true);
    return item;
}

void CSitemapDlg::OnChangeEditUrl()
{
    if (fw::SitemapItem* item = SelectedForUserEdit())
        item->Node().m_strHref = m_strUrl;
}

void CSitemapDlg::OnChangeEditTitle()
{
    if (fw::SitemapItem* item = SelectedForUserEdit()) {
        item->Node().m_strTitle = m_strItemTitle;
        m_channel.sitemap.SetLabel(item, m_strItemTitle);
    }
}

void CSitemapDlg::OnCheckPrecache()
{
    if (fw::SitemapItem* item = SelectedForUserEdit())
        item->Node().m_bPrecache = m_bItemPrecache;
}

void CSitemapDlg::OnSelchangeComboLevel()
{
    if (fw::SitemapItem* item = SelectedForUserEdit())
        item->Node().m_nLevel = m_nItemLevel;
}

// --- buttons ---

void CSitemapDlg::OnButtonAddPage()
{
    m_channel.sitemap.AddPage(true);
}

void CSitemapDlg::OnButtonAddChannel()
{
    m_channel.sitemap.AddSubChannel(true);
}

void CSitemapDlg::OnButtonDelete()
{
    m_channel.sitemap.DeleteSelected();
}

void CSitemapDlg::OnButtonCopy()
{
    m_channel.sitemap.CopySelected();
}

void CSitemapDlg::OnButtonPaste()
{
    fw::SitemapItem* item = m_channel.sitemap.Paste();
    if (item == nullptr)
        return;
    FieldsFromRecord(*item);
    m_channel.sitemap.SetLabel(item, m_strItemTitle);
}

void CSitemapDlg::OnButtonComment()
{
    fw::SitemapItem* item = m_channel.sitemap.Selected();
    if (item == nullptr)
        return;
    UpdateData(true);
    CCommentDlg dlg(platform(), this);
    dlg.LoadFromRecord(item->Node());
    if (dlg.DoModal() == QDialog::Accepted)
        dlg.StoreIntoRecord(item->Node());
}

// --- showing, OK and cancel ---

void CSitemapDlg::showEvent(QShowEvent* event)
{
    fwgui::CDialog::showEvent(event);
    if (m_mainForm != nullptr && windowHandle() != nullptr) {
        if (QWindow* owner = m_mainForm->window()->windowHandle())
            windowHandle()->setTransientParent(owner);
    }
    // A window coming back from the task bar is not a new showing.
    if (!event->spontaneous())
        RootRefresh();
}

// The root mirrors the main form's title, home URL and abstract.
void CSitemapDlg::RootRefresh()
{
    fw::SitemapTree& tree = m_channel.sitemap;
    fw::SitemapItem* root = tree.Root();
    if (root == nullptr)
        return;
    tree.Select(root);
    fw::RootRecordFromHead(root->Node(), m_channel.head);
    FieldsFromRecord(*root);
    tree.SetLabel(root, m_strItemTitle);
}

void CSitemapDlg::OnOK()
{
    if (const fw::SitemapItem* root = m_channel.sitemap.Root()) {
        fw::HeadFromRootRecord(m_channel.head, root->Node());
        emit rootCopiedBack();
    }
    EnableMainForm();
    QDialog::accept();
}

void CSitemapDlg::accept()
{
    OnOK();
}

void CSitemapDlg::reject()
{
    EnableMainForm();
    QDialog::reject();
}

void CSitemapDlg::EnableMainForm()
{
    if (m_mainForm != nullptr)
        m_mainForm->setEnabled(true);
}

// Enter never closes this dialog; it only ends a label edit in progress.
void CSitemapDlg::keyPressEvent(QKeyEvent* event)
{
    if (fwgui::IsEnterKey(*event)) {
        m_tree->EndLabelEdit();
        event->accept();
        return;
    }
    fwgui::CDialog::keyPressEvent(event);
}
