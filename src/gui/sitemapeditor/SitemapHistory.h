#pragma once
// The site map dialog's undo history: a QUndoStack of the steps of
// SitemapUndo.h, the commands that make them, and the keys Ctrl+Z (undo),
// Ctrl+Y and Ctrl+Shift+Z (redo) anywhere in the dialog but inside an edit,
// where they undo typing as usual. An accessibility client reaches both as
// actions of the dialog. Load and Clear change the tree in a bulk update;
// the history ends there. It holds at most kUndoLimit steps.

#include <QObject>
#include <QUndoStack>
#include <optional>

#include "sitemap/SitemapTree.h"
#include "sitemapeditor/SitemapUndo.h"

class QAction;
class QTreeView;
class QWidget;
class SitemapModel;

class SitemapHistory final : public QObject, private fw::SitemapObserver, private sitemap_undo::UndoHost {
    Q_OBJECT
public:
    static constexpr int kUndoLimit = 1000;

    // Made a child of `dialog`, whose keys and accessible actions it takes.
    SitemapHistory(fw::SitemapTree& tree, SitemapModel& model, QTreeView& view, QWidget& dialog);
    ~SitemapHistory() override;

    QUndoStack& Stack() { return m_stack; }
    QAction* UndoAction() const { return m_undoAction; }
    QAction* RedoAction() const { return m_redoAction; }
    // The keys' work: an edit with the focus undoes its own typing instead.
    void Undo();
    void Redo();
    // One step of the history back or forward, wherever the focus is.
    void UndoStep();
    void RedoStep();

    // The tree's commands on the selection, each one step when it did something.
    fw::SitemapItem* AddPage();
    fw::SitemapItem* AddSubChannel();
    fw::SitemapItem* Paste();
    void DeleteSelected();

    // Notes one part of a record as it is now; when the returned guard goes,
    // the change made meanwhile becomes a step (none when nothing changed).
    // `typing`: a keystroke in a field, merged with the keystrokes before it.
    class RecordEdit {
    public:
        RecordEdit(SitemapHistory* history, fw::SitemapItem* item, sitemap_undo::RecordPart part, bool typing);
        ~RecordEdit();
        RecordEdit(const RecordEdit&) = delete;
        RecordEdit& operator=(const RecordEdit&) = delete;

    private:
        SitemapHistory* m_history;
        fw::SitemapItem* m_item;
        sitemap_undo::RecordPart m_part;
        sitemap_undo::PartValues m_before;
        bool m_typing;
    };
    [[nodiscard]] RecordEdit Edit(fw::SitemapItem* item, sitemap_undo::RecordPart part, bool typing = false);

signals:
    // A step changed the selected item's record: its fields show it again.
    void recordRestored(fw::SitemapItem* item);

private:
    fw::SitemapItem* Inserted(fw::SitemapItem* item, fw::SitemapItem* selectedBefore, const QString& text);
    void OnLabelAboutToBeCommitted(fw::SitemapItem* item);
    void OnLabelCommitted(fw::SitemapItem* item);

    // fw::SitemapObserver
    void OnSelectionChanged(fw::SitemapItem* selected) override;
    void OnBulkBegin() override;
    // sitemap_undo::UndoHost
    fw::SitemapTree& Tree() override { return m_tree; }
    void ShowItem(fw::SitemapItem* item) override;
    std::vector<fw::SitemapItem*> OpenChannels(fw::SitemapItem& top) override;
    void Reopen(const std::vector<fw::SitemapItem*>& channels) override;

    fw::SitemapTree& m_tree;
    SitemapModel& m_model;
    QTreeView& m_view;
    QWidget& m_dialog;
    QUndoStack m_stack;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    // Typing merges within one session; a new selection, an undo or a redo
    // starts the next.
    int m_session = 0;
    std::optional<RecordEdit> m_labelEdit;  // a label being committed in place
};
