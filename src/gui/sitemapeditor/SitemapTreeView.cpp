#include "sitemapeditor/SitemapTreeView.h"

#include <QKeyEvent>

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
    setSelectionBehavior(QAbstractItemView::SelectRows);
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
