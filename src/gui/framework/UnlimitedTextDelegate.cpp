#include "framework/UnlimitedTextDelegate.h"

#include "framework/Dialog.h"

namespace fwgui {

QWidget* UnlimitedTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor != nullptr)
        LiftLengthLimit(editor);
    return editor;
}

}  // namespace fwgui
