#include "sitemapeditor/TreeLineStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTreeView>

namespace {

constexpr int kBoxSize = 9;  // the expand button, in device-independent pixels

// A dotted line one pixel wide, dots on every other pixel counted from the
// view's origin, so that the pieces drawn for neighbouring rows join up.
void DotsAcross(QPainter& painter, int y, int fromX, int toX, const QColor& colour)
{
    for (int x = fromX + ((fromX + y) & 1); x <= toX; x += 2)
        painter.fillRect(x, y, 1, 1, colour);
}

void DotsDown(QPainter& painter, int x, int fromY, int toY, const QColor& colour)
{
    for (int y = fromY + ((fromY + x) & 1); y <= toY; y += 2)
        painter.fillRect(x, y, 1, 1, colour);
}

// The first top-level row has nothing above it to join.
bool IsFirstRow(const QWidget* widget, const QRect& cell)
{
    const auto* view = qobject_cast<const QTreeView*>(widget);
    if (view == nullptr)
        return false;
    const QModelIndex index = view->indexAt(cell.center());
    return index.isValid() && index.row() == 0 && !index.parent().isValid();
}

}  // namespace

TreeLineStyle::TreeLineStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

void TreeLineStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (element != PE_IndicatorBranch) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The cell left of a row, one per level: a line up to the parent's line
    // for the row's own item or an item further down, across to the item,
    // and on down when a sibling follows.
    const QRect& cell = option->rect;
    const QColor line = option->palette.color(QPalette::Dark);
    const int midX = cell.left() + cell.width() / 2;
    const int midY = cell.top() + cell.height() / 2;
    const bool hasChildren = (option->state & State_Children) != 0;
    const int gap = hasChildren ? kBoxSize / 2 + 1 : 0;  // lines stop at the box

    painter->save();
    if ((option->state & State_Sibling) || ((option->state & State_Item) && !IsFirstRow(widget, cell)))
        DotsDown(*painter, midX, cell.top(), midY - gap, line);
    if (option->state & State_Sibling)
        DotsDown(*painter, midX, midY + gap, cell.bottom(), line);
    if (option->state & State_Item) {
        if (option->direction == Qt::RightToLeft)
            DotsAcross(*painter, midY, cell.left(), midX - gap, line);
        else
            DotsAcross(*painter, midY, midX + gap, cell.right(), line);
    }
    if (hasChildren) {
        const QRect box(midX - kBoxSize / 2, midY - kBoxSize / 2, kBoxSize, kBoxSize);
        painter->fillRect(box, option->palette.color(QPalette::Base));
        painter->setPen(line);
        painter->drawRect(box.adjusted(0, 0, -1, -1));
        painter->setPen(option->palette.color(QPalette::Text));
        painter->drawLine(box.left() + 2, midY, box.right() - 2, midY);
        if (!(option->state & State_Open))
            painter->drawLine(midX, box.top() + 2, midX, box.bottom() - 2);
    }
    painter->restore();
}
