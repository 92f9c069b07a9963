#pragma once
// The site map's tree view: lines and expand buttons, labels edited in place
// (double-click or F2), one selection that the user can move but never
// clear, no dragging.

#include <QTreeView>

class SitemapTreeView final : public QTreeView {
    Q_OBJECT
public:
    explicit SitemapTreeView(QWidget* parent = nullptr);

    bool IsEditingLabel() const { return state() == EditingState; }
    // Ends an active label edit as losing the focus does: the typed text
    // becomes the label. Nothing happens without an active edit.
    void EndLabelEdit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};
