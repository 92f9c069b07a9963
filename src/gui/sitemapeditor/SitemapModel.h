#pragma once
// The site map tree as a Qt item model: one column showing each item's label
// and its picture (channel or page), labels editable in place. The model
// follows the tree through its notifications, row by row for single edits
// and with one reset after a bulk update (a load, a Clear), and passes on
// what a view needs besides rows: the tree's selection and its requests to
// make a new item visible. An index's internal pointer is its SitemapItem.

#include <QAbstractItemModel>
#include <QIcon>

#include "sitemap/SitemapTree.h"

namespace fw {
struct Channel;
}

class SitemapModel final : public QAbstractItemModel, private fw::SitemapObserver {
    Q_OBJECT
public:
    explicit SitemapModel(fw::SitemapTree& tree, QObject* parent = nullptr);
    ~SitemapModel() override;

    fw::SitemapTree& Tree() const { return m_tree; }
    // The channel whose head, logos and schedule the root item stands for:
    // its tooltip names what they keep from the file, as an item's names
    // what the item keeps.
    void SetChannel(const fw::Channel* channel) { m_channel = channel; }
    QModelIndex IndexOf(const fw::SitemapItem* item) const;
    static fw::SitemapItem* ItemAt(const QModelIndex& index);
    // "ページ, レベル 3", "サブチャンネル, レベル 2, 5 項目": the item's
    // accessible description.
    static QString AccessibleDescription(const fw::SitemapItem& item);
    // True while rows are going in or out or the model is being reset: a
    // view's current index may move then without the user choosing anything.
    bool IsChanging() const { return m_changing > 0; }

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // An in-place label edit: the label and the record's title take the text.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A label edit is about to be committed to `item`: the undo history notes
    // the label and title as they were.
    void labelAboutToBeCommitted(fw::SitemapItem* item);
    // A label edit was committed to `item` (label and record title).
    void labelCommitted(fw::SitemapItem* item);
    // The tree's selection moved; invalid when it became empty.
    void treeSelectionChanged(const QModelIndex& selected);
    // A new item asks to be made the first visible item.
    void ensureVisibleRequested(const QModelIndex& index);
    // A bulk update ended and the model has been reset.
    void bulkEnded();

private:
    void OnItemAboutToBeInserted(fw::SitemapItem& parent, std::size_t row) override;
    void OnItemInserted(fw::SitemapItem& item) override;
    void OnItemAboutToBeDeleted(fw::SitemapItem& item) override;
    void OnItemDeleted(fw::SitemapItem& parent) override;
    void OnLabelChanged(fw::SitemapItem& item) override;
    void OnSelectionChanged(fw::SitemapItem* selected) override;
    void OnEnsureVisible(fw::SitemapItem& item) override;
    void OnBulkBegin() override;
    void OnBulkEnd() override;

    int RowOf(const fw::SitemapItem& item) const;

    QString KeptToolTip(const fw::SitemapItem& item) const;

    fw::SitemapTree& m_tree;
    const fw::Channel* m_channel = nullptr;
    QIcon m_channelIcon;
    QIcon m_pageIcon;
    int m_changing = 0;
};
