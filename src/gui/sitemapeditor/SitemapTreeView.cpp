#include "sitemapeditor/SitemapTreeView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "framework/UnlimitedTextDelegate.h"
#include "sitemapeditor/TreeLineStyle.h"

SitemapTreeView::SitemapTreeView(QWidget* parent) : QTreeView(parent)
{
    auto* lines = new TreeLineStyle;
    lines->setParent(this);
    setStyle(lines);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    // Every row is one line of text with a 16x16 picture; this keeps a
    // channel of 100,000 pages quick to lay out.
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Items, not rows: a screen reader's action on an item then selects that
    // item (Qt takes a row of a tree for a row of its whole list).
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // One column, sized here, scrolled a pixel at a time.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new fwgui::UnlimitedTextDelegate(this));
    // Items are never moved: there is no drag and no drop.
    setDragEnabled(false);
    setAcceptDrops(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
}

void SitemapTreeView::EndLabelEdit()
{
    if (!IsEditingLabel())
        return;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void SitemapTreeView::keyPressEvent(QKeyEvent* event)
{
    // The view would open every branch below the current item at once and
    // lay them out with one nested call per level, which exhausts the stack
    // on a site map nested tens of thousands of levels deep. One level it is.
    if (event->key() == Qt::Key_Asterisk) {
        expand(currentIndex());
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags SitemapTreeView::selectionCommand(const QModelIndex& index,
                                                                      const QEvent* event) const
{
    // A click beside the rows changes nothing, and Ctrl+click or Ctrl+Space
    // on the selected row leaves it selected instead of taking the highlight
    // off: the commands act on the selected item, which must stay in sight.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QTreeView::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

int SitemapTreeView::RightOf(const QModelIndex& index) const
{
    // The visual rectangle starts after the indentation.
    return visualRect(index).left() + header()->offset() + sizeHintForIndex(index).width();
}

void SitemapTreeView::FitColumnTo(int right)
{
    m_widestRow = std::max(m_widestRow, right);
    const int width = std::max(m_widestRow, viewport()->width());
    if (header()->count() == 0 || header()->sectionSize(0) == width)
        return;
    header()->resizeSection(0, width);
    QTreeView::updateGeometries();  // the scroll bar's range
}

void SitemapTreeView::FitColumn()
{
    if (m_fitting || model() == nullptr)
        return;
    m_fitting = true;
    int right = 0;
    const int bottom = viewport()->height();
    for (QModelIndex row = indexAt(QPoint(0, 0)); row.isValid(); row = indexBelow(row)) {
        const QRect rect = visualRect(row);
        if (rect.top() >= bottom)
            break;
        right = std::max(right, RightOf(row));
    }
    FitColumnTo(right);
    m_fitting = false;
}

void SitemapTreeView::updateGeometries()
{
    QTreeView::updateGeometries();
    FitColumn();
}

void SitemapTreeView::scrollContentsBy(int dx, int dy)
{
    QTreeView::scrollContentsBy(dx, dy);
    if (dy != 0)
        FitColumn();
}

void SitemapTreeView::reset()
{
    m_widestRow = 0;
    QTreeView::reset();
}

void SitemapTreeView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // Qt scrolls a column wider than the view back to its left edge, where
    // a deep row shows only lines; the row's own start is what must show.
    QTreeView::scrollTo(index, hint);
    if (!index.isValid() || visualRect(index).isEmpty())
        return;
    FitColumn();
    const int right = RightOf(index);
    FitColumnTo(right);
    const int left = std::max(0, visualRect(index).left() + header()->offset() - indentation());
    const int width = viewport()->width();
    QScrollBar* bar = horizontalScrollBar();
    if (left < bar->value() || right - left > width)
        bar->setValue(left);
    else if (right > bar->value() + width)
        bar->setValue(right - width);
}
