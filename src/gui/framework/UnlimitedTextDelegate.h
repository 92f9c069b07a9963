#pragma once
// An item delegate whose in-place editors take text of any length, like the
// dialogs' own fields (see LiftLengthLimit).

#include <QStyledItemDelegate>

namespace fwgui {

class UnlimitedTextDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace fwgui
