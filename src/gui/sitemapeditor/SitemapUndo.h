#pragma once
// The site map's undoable steps, one QUndoCommand per user action. Each is
// made after its action has been applied (so the first redo that the undo
// stack asks for does nothing), and works on the very items of the tree:
// an item that a step takes out (a delete, the undo of an addition) is
// detached whole and kept in the step, and put back as it was, so that the
// item pointers the steps hold stay valid along the whole history.

#include <QString>
#include <QUndoCommand>
#include <memory>
#include <string>
#include <vector>

#include "sitemap/SitemapTree.h"

namespace sitemap_undo {

// Which fields of a record one edit changes. Title carries the label too.
enum class RecordPart { Title, Url, Level, Precache, Comment };

// The values of one part of a record.
struct PartValues {
    std::string text;   // title, URL or comment
    std::string text2;  // the icon URL of a comment edit
    std::string label;  // the item's label, with the title
    int number = 0;     // level, precache or usage
    bool operator==(const PartValues&) const = default;
};

PartValues ReadPart(RecordPart part, const fw::SitemapItem& item);

// What the steps ask of the editor around them.
class UndoHost {
public:
    virtual ~UndoHost() = default;
    virtual fw::SitemapTree& Tree() = 0;
    // Selects `item` and shows its fields, also when it was selected already.
    virtual void ShowItem(fw::SitemapItem* item) = 0;
    // The channels at and below `top` whose branches are shown open.
    virtual std::vector<fw::SitemapItem*> OpenChannels(fw::SitemapItem& top) = 0;
    virtual void Reopen(const std::vector<fw::SitemapItem*>& channels) = 0;
};

// An item with its subtree going in (a new page or sub-channel, a paste) or
// out (a delete). Taking it out detaches it and keeps which of its channels
// were open; putting it back reattaches it at its place, reopens them and
// selects it.
class ItemCommand final : public QUndoCommand {
public:
    // An item that the action has just inserted; `selectedBefore` is
    // selected again when it is taken out.
    ItemCommand(UndoHost& host, fw::SitemapItem& inserted, fw::SitemapItem* selectedBefore, const QString& text);
    // An item that the action has just detached.
    ItemCommand(UndoHost& host, std::unique_ptr<fw::DetachedSubtree> deleted, std::vector<fw::SitemapItem*> open,
                const QString& text);

    void undo() override;
    void redo() override;

private:
    void PutBack();
    void TakeOut();

    UndoHost& m_host;
    fw::SitemapItem* m_item;
    fw::SitemapItem* m_selectedBefore = nullptr;
    bool m_inserts;  // the step's action put the item in
    bool m_firstRedo = true;
    std::unique_ptr<fw::DetachedSubtree> m_detached;
    std::vector<fw::SitemapItem*> m_open;
};

// One part of one record changed: a field, a label renamed in place, the
// comment dialog's OK. Typing in the title or URL field changes the record
// with every keystroke; those edits of one field of one item, made one
// after the other in the same `session`, merge into one step.
class RecordCommand final : public QUndoCommand {
public:
    RecordCommand(UndoHost& host, fw::SitemapItem& item, RecordPart part, PartValues before, PartValues after,
                  bool typing, int session);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply(const PartValues& values);

    UndoHost& m_host;
    fw::SitemapItem* m_item;
    RecordPart m_part;
    PartValues m_before;
    PartValues m_after;
    bool m_typing;
    int m_session;
    bool m_firstRedo = true;
};

}  // namespace sitemap_undo
