#pragma once
// The site map dialog: a modeless window over the disabled main form, with
// the tree of pages and sub-channels and the fields of the selected item.

#include <QPointer>
#include <string>

#include "framework/Dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QModelIndex;
class SitemapHistory;
class SitemapModel;
class SitemapTreeView;
namespace fw {
struct Channel;
struct ChannelHead;
class SitemapItem;
}  // namespace fw

class CSitemapDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    // `mainForm` is the window this dialog disables while shown; the dialog
    // is a top-level window of its own (no Qt parent), since disabling a
    // parent would disable it too. It is created hidden.
    CSitemapDlg(fwgui::Platform& platform, fw::Channel& channel, QWidget* mainForm);
    ~CSitemapDlg() override;

    // Fields of the selected item, exchanged with IDC_EDIT_URL,
    // IDC_EDIT_ITEMTITLE, IDC_CHECK_PRECACHE and IDC_COMBO_LEVEL.
    std::string m_strUrl;
    std::string m_strItemTitle;
    int m_bItemPrecache = 0;
    int m_nItemLevel = -1;

    // The main form has cleared the channel: the title and URL fields show
    // the cleared head's, as the root takes them when this dialog is next
    // shown.
    void OnChannelCleared();

    // OK: the root's title, URL and abstract into the channel head.
    void accept() override;
    // Escape and the close box: nothing is copied back.
    void reject() override;

signals:
    // OK copied the root's title, URL and abstract into the channel head;
    // the main form shows its members again.
    void rootCopiedBack();

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateTree();
    void CreateCommandButtons();
    void CreateItemFields();
    void CreateCacheControls();
    void ConnectControls();

    void OnTreeSelectionChanged(const QModelIndex& selected);
    void OnViewCurrentChanged(const QModelIndex& current);
    void OnViewSelectionChanged(const QModelIndex& selected);
    void ScrollSelectionIntoView();
    void OnEnsureVisible(const QModelIndex& index);
    void OnBranchCollapsed(const QModelIndex& index);
    void OnBulkEnded();
    // Opens every channel that holds items, to a bounded depth; true when the
    // selection lies in an open branch (or is the root).
    bool OpenChannelsWithItems();
    void OnLabelCommitted(fw::SitemapItem* item);
    void FieldsFromRecord(const fw::SitemapItem& item);
    void TitleAndUrlFromHead(const fw::ChannelHead& head);
    void ShowTreeSelectionInView();

    fw::SitemapItem* SelectedForUserEdit();
    void OnChangeEditUrl();
    void OnChangeEditTitle();
    void OnCheckPrecache();
    void OnSelchangeComboLevel();

    void OnButtonAddPage();
    void OnButtonAddChannel();
    void OnButtonDelete();
    void OnButtonCopy();
    void OnButtonPaste();
    void OnButtonComment();
    void OnOK();
    void RootRefresh();
    void EnableMainForm();

    fw::Channel& m_channel;
    QPointer<QWidget> m_mainForm;
    SitemapModel* m_model = nullptr;
    SitemapTreeView* m_tree = nullptr;
    QLineEdit* m_urlEdit = nullptr;
    QLineEdit* m_titleEdit = nullptr;
    QCheckBox* m_precacheCheck = nullptr;
    QComboBox* m_levelCombo = nullptr;
    // Set while the view is being moved to the tree's selection, so that the
    // view's own notification does not select anything in return.
    bool m_followingTree = false;

    // Undo and redo of every change to the site map (SitemapHistory.h).
    void CreateHistory();
    SitemapHistory* m_history = nullptr;
};
