#pragma once
// The site map's tree view: lines and expand buttons, labels edited in place
// (double-click or F2), one selection that the user can move but never
// clear, no dragging. Rows wider than the view scroll sideways: the one
// column is as wide as the widest row seen, and a row scrolled to shows its
// expand button, picture and label from their start, however deep it lies.

#include <QTreeView>

class SitemapTreeView final : public QTreeView {
    Q_OBJECT
public:
    explicit SitemapTreeView(QWidget* parent = nullptr);

    bool IsEditingLabel() const { return state() == EditingState; }
    // Ends an active label edit as losing the focus does: the typed text
    // becomes the label. Nothing happens without an active edit.
    void EndLabelEdit();

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void reset() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    // Where `index`'s label ends, from the column's left edge.
    int RightOf(const QModelIndex& index) const;
    // Widens the column for the rows in sight, never narrower than the view.
    void FitColumn();
    void FitColumnTo(int right);

    // The widest row seen since the rows were last reset: measuring every
    // row would make a large channel slow to show, and a column that
    // narrowed again would take the scroll bar away under the user.
    int m_widestRow = 0;
    bool m_fitting = false;
};
