#include "sitemapeditor/SitemapDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>
#include <vector>

#include "channel/Channel.h"
#include "framework/DataExchange.h"
#include "framework/EnterKey.h"
#include "sitemapeditor/CommentDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "sitemapeditor/SitemapHistory.h"
#include "sitemapeditor/SitemapModel.h"
#include "sitemapeditor/SitemapTreeView.h"

namespace {

// How many levels of channels a load opens. The view lays out the rows of
// open branches with one nested call per open level, about 320 bytes of
// stack each: an 8 MiB stack runs out near 26,000 open levels. A thousand
// take some 320 KB, leave room for smaller stacks, and are far more than a
// person can read (each level indents the row further).
constexpr int kOpenDepth = 1000;

}  // namespace

CSitemapDlg::CSitemapDlg(fwgui::Platform& platform, fw::Channel& channel, QWidget* mainForm)
    : fwgui::CDialog(platform, nullptr, tr("ページ指定"), 238, 215), m_channel(channel), m_mainForm(mainForm)
{
    CreateControls();
    UpdateData(false);  // the combo starts without a selection
    ConnectControls();
    CreateHistory();
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

// An item selected without moving the current one (a screen reader's action
// on it, which the view takes as a selection only) becomes the tree's
// selection, as a click on it would; a highlight taken off by such an action
// goes back to the selected item.
void CSitemapDlg::OnViewSelectionChanged(const QModelIndex& selected)
{
    if (m_followingTree || m_model->IsChanging())
        return;
    fw::SitemapItem* item = SitemapModel::ItemAt(selected);
    if (item != nullptr && item != m_channel.sitemap.Selected())
        m_channel.sitemap.Select(item);
    else if (!m_tree->selectionModel()->hasSelection())
        ShowTreeSelectionInView();
}

void CSitemapDlg::ScrollSelectionIntoView()
{
    const QModelIndex selected = m_model->IndexOf(m_channel.sitemap.Selected());
    if (selected.isValid())
        m_tree->scrollTo(selected);
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
    if (fw::SitemapItem* item = SelectedForUserEdit()) {
        const auto step = m_history->Edit(item, sitemap_undo::RecordPart::Url, true);
        item->Node().m_strHref = m_strUrl;
    }
}

void CSitemapDlg::OnChangeEditTitle()
{
    if (fw::SitemapItem* item = SelectedForUserEdit()) {
        const auto step = m_history->Edit(item, sitemap_undo::RecordPart::Title, true);
        item->Node().m_strTitle = m_strItemTitle;
        m_channel.sitemap.SetLabel(item, m_strItemTitle);
    }
}

void CSitemapDlg::OnCheckPrecache()
{
    if (fw::SitemapItem* item = SelectedForUserEdit()) {
        const auto step = m_history->Edit(item, sitemap_undo::RecordPart::Precache);
        item->Node().m_bPrecache = m_bItemPrecache;
    }
}

void CSitemapDlg::OnSelchangeComboLevel()
{
    if (fw::SitemapItem* item = SelectedForUserEdit()) {
        const auto step = m_history->Edit(item, sitemap_undo::RecordPart::Level);
        item->Node().m_nLevel = m_nItemLevel;
    }
}

// --- buttons ---

void CSitemapDlg::OnButtonAddPage()
{
    m_history->AddPage();
}

void CSitemapDlg::OnButtonAddChannel()
{
    m_history->AddSubChannel();
}

void CSitemapDlg::OnButtonDelete()
{
    m_history->DeleteSelected();
}

void CSitemapDlg::OnButtonCopy()
{
    m_channel.sitemap.CopySelected();
}

void CSitemapDlg::OnButtonPaste()
{
    fw::SitemapItem* item = m_history->Paste();
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
    if (dlg.DoModal() == QDialog::Accepted) {
        const auto step = m_history->Edit(item, sitemap_undo::RecordPart::Comment);
        dlg.StoreIntoRecord(item->Node());
    }
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

// Enter never closes this dialog: it presses a focused command button, as
// everywhere else in the program (not OK), and otherwise ends a label edit
// in progress.
void CSitemapDlg::keyPressEvent(QKeyEvent* event)
{
    if (fwgui::IsEnterKey(*event)) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button != nullptr && button->isEnabled() && button != Control<QPushButton>(sitemap_dlg::IDC_BUTTON_OK))
            button->click();
        else
            m_tree->EndLabelEdit();
        event->accept();
        return;
    }
    fwgui::CDialog::keyPressEvent(event);
}
