#include "sitemapeditor/SitemapModel.h"

#include <algorithm>
#include <climits>

#include <QStringList>

#include "channel/Channel.h"

#include "framework/SjisQt.h"
#include "sitemapeditor/SitemapIcons.h"

namespace {

int ToRow(std::size_t row)
{
    return row > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(row);
}

}  // namespace

SitemapModel::SitemapModel(fw::SitemapTree& tree, QObject* parent)
    : QAbstractItemModel(parent),
      m_tree(tree),
      m_channelIcon(sitemap_icons::Icon(sitemap_icons::kChannel)),
      m_pageIcon(sitemap_icons::Icon(sitemap_icons::kPage))
{
    m_tree.AddObserver(this);
}

SitemapModel::~SitemapModel()
{
    m_tree.RemoveObserver(this);
}

int SitemapModel::RowOf(const fw::SitemapItem& item) const
{
    return ToRow(m_tree.RowOf(item));
}

QModelIndex SitemapModel::IndexOf(const fw::SitemapItem* item) const
{
    if (item == nullptr)
        return QModelIndex();
    return createIndex(RowOf(*item), 0, const_cast<fw::SitemapItem*>(item));
}

fw::SitemapItem* SitemapModel::ItemAt(const QModelIndex& index)
{
    return index.isValid() ? static_cast<fw::SitemapItem*>(index.internalPointer()) : nullptr;
}

QModelIndex SitemapModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column != 0)
        return QModelIndex();
    if (!parent.isValid()) {
        fw::SitemapItem* root = m_tree.Root();
        return row == 0 && root != nullptr ? createIndex(0, 0, root) : QModelIndex();
    }
    if (parent.column() != 0)
        return QModelIndex();
    fw::SitemapItem* child = m_tree.ChildAt(*ItemAt(parent), static_cast<std::size_t>(row));
    return child != nullptr ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex SitemapModel::parent(const QModelIndex& child) const
{
    fw::SitemapItem* item = ItemAt(child);
    return item != nullptr ? IndexOf(item->Parent()) : QModelIndex();
}

int SitemapModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_tree.Root() != nullptr ? 1 : 0;
    if (parent.column() != 0)
        return 0;
    return ToRow(ItemAt(parent)->ChildCount());
}

int SitemapModel::columnCount(const QModelIndex& parent) const
{
    (void)parent;
    return 1;
}

bool SitemapModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_tree.Root() != nullptr;
    return parent.column() == 0 && ItemAt(parent)->FirstChild() != nullptr;
}

QString SitemapModel::KeptToolTip(const fw::SitemapItem& item) const
{
    std::vector<std::string> names = fw::KeptNames(item.Node().m_kept);
    if (&item == m_tree.Root() && m_channel != nullptr) {
        for (const fw::Kept* kept : {&m_channel->head.m_kept, &m_channel->logos.m_kept, &m_channel->schedule.m_kept}) {
            for (std::string& name : fw::KeptNames(*kept)) {
                if (std::find(names.begin(), names.end(), name) == names.end())
                    names.push_back(std::move(name));
            }
        }
    }
    if (names.empty())
        return {};
    QStringList shown;
    for (const std::string& name : names)
        shown << fwgui::ToQString(name);
    return tr("編集できない要素 (保存時にそのまま残ります): %1").arg(shown.join(QStringLiteral(", ")));
}

QVariant SitemapModel::data(const QModelIndex& index, int role) const
{
    const fw::SitemapItem* item = ItemAt(index);
    if (item == nullptr)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return fwgui::ToQString(item->Label());
    case Qt::DecorationRole:
        return item->IsPageImage() ? m_pageIcon : m_channelIcon;
    case Qt::ToolTipRole: {
        const QString kept = KeptToolTip(*item);
        return kept.isEmpty() ? QVariant() : QVariant(kept);
    }
    case Qt::AccessibleDescriptionRole:
        return AccessibleDescription(*item);
    default:
        return QVariant();
    }
}

// What a screen reader says after the label, since the picture that tells a
// page from a channel says nothing to it: the kind, the depth (the root is
// level 1) and, for a channel, how many items it holds.
QString SitemapModel::AccessibleDescription(const fw::SitemapItem& item)
{
    int level = 0;
    for (const fw::SitemapItem* up = &item; up != nullptr; up = up->Parent())
        ++level;
    if (item.IsPageImage())
        return tr("ページ, レベル %1").arg(level);
    const QString kind = item.Parent() == nullptr ? tr("チャンネル") : tr("サブチャンネル");
    return tr("%1, レベル %2, %3 項目").arg(kind).arg(level).arg(item.ChildCount());
}

bool SitemapModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    fw::SitemapItem* item = ItemAt(index);
    if (item == nullptr || role != Qt::EditRole)
        return false;
    emit labelAboutToBeCommitted(item);
    // A label committed unchanged keeps its bytes, even those that do not
    // survive the trip to Unicode and back.
    const QString text = value.toString();
    if (text != fwgui::ToQString(item->Label()))
        m_tree.SetLabel(item, fwgui::FromQString(text));
    item->Node().m_strTitle = item->Label();
    emit labelCommitted(item);
    return true;
}

Qt::ItemFlags SitemapModel::flags(const QModelIndex& index) const
{
    const fw::SitemapItem* item = ItemAt(index);
    if (item == nullptr)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    // Pages never get children, which spares the view from asking.
    if (item->IsPageImage())
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

void SitemapModel::OnItemAboutToBeInserted(fw::SitemapItem& parent, std::size_t row)
{
    ++m_changing;
    const int at = ToRow(row);
    beginInsertRows(IndexOf(&parent), at, at);
}

void SitemapModel::OnItemInserted(fw::SitemapItem& item)
{
    (void)item;
    endInsertRows();
    --m_changing;
}

void SitemapModel::OnItemAboutToBeDeleted(fw::SitemapItem& item)
{
    ++m_changing;
    const int row = RowOf(item);
    beginRemoveRows(IndexOf(item.Parent()), row, row);
}

void SitemapModel::OnItemDeleted(fw::SitemapItem& parent)
{
    (void)parent;
    endRemoveRows();
    --m_changing;
}

void SitemapModel::OnLabelChanged(fw::SitemapItem& item)
{
    const QModelIndex changed = IndexOf(&item);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void SitemapModel::OnSelectionChanged(fw::SitemapItem* selected)
{
    emit treeSelectionChanged(IndexOf(selected));
}

void SitemapModel::OnEnsureVisible(fw::SitemapItem& item)
{
    emit ensureVisibleRequested(IndexOf(&item));
}

void SitemapModel::OnBulkBegin()
{
    ++m_changing;
    beginResetModel();
}

void SitemapModel::OnBulkEnd()
{
    endResetModel();
    --m_changing;
    emit bulkEnded();
}
