#include "sitemapeditor/SitemapUndo.h"

#include <utility>

namespace sitemap_undo {

namespace {

constexpr int kTypingId = 28;  // any id but -1: typing steps may merge

}  // namespace

PartValues ReadPart(RecordPart part, const fw::SitemapItem& item)
{
    const fw::SitemapNode& node = item.Node();
    PartValues values;
    switch (part) {
    case RecordPart::Title:
        values.text = node.m_strTitle;
        values.label = item.Label();
        break;
    case RecordPart::Url:
        values.text = node.m_strHref;
        break;
    case RecordPart::Level:
        values.number = node.m_nLevel;
        break;
    case RecordPart::Precache:
        values.number = node.m_bPrecache;
        break;
    case RecordPart::Comment:
        values.text = node.m_strAbstract;
        values.text2 = node.m_strIconHref;
        values.number = node.m_nUsage;
        break;
    }
    return values;
}

// --- items in and out ---

ItemCommand::ItemCommand(UndoHost& host, fw::SitemapItem& inserted, fw::SitemapItem* selectedBefore,
                         const QString& text)
    : QUndoCommand(text), m_host(host), m_item(&inserted), m_selectedBefore(selectedBefore), m_inserts(true)
{
}

ItemCommand::ItemCommand(UndoHost& host, std::unique_ptr<fw::DetachedSubtree> deleted,
                         std::vector<fw::SitemapItem*> open, const QString& text)
    : QUndoCommand(text),
      m_host(host),
      m_item(deleted->Top()),
      m_inserts(false),
      m_detached(std::move(deleted)),
      m_open(std::move(open))
{
}

void ItemCommand::undo()
{
    m_inserts ? TakeOut() : PutBack();
}

void ItemCommand::redo()
{
    if (m_firstRedo) {
        m_firstRedo = false;
        return;
    }
    m_inserts ? PutBack() : TakeOut();
}

void ItemCommand::PutBack()
{
    if (m_detached == nullptr || m_host.Tree().ReattachItem(*m_detached) == nullptr)
        return;
    m_detached.reset();
    m_host.Reopen(m_open);
    m_host.ShowItem(m_item);
}

// The selection moves as a delete moves it; an addition taken back selects
// what was selected before it.
void ItemCommand::TakeOut()
{
    m_open = m_host.OpenChannels(*m_item);
    m_detached = m_host.Tree().DetachItem(m_item);
    if (m_inserts && m_selectedBefore != nullptr)
        m_host.ShowItem(m_selectedBefore);
}

// --- record edits ---

RecordCommand::RecordCommand(UndoHost& host, fw::SitemapItem& item, RecordPart part, PartValues before,
                             PartValues after, bool typing, int session)
    : m_host(host),
      m_item(&item),
      m_part(part),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_typing(typing),
      m_session(session)
{
}

void RecordCommand::undo()
{
    Apply(m_before);
}

void RecordCommand::redo()
{
    if (m_firstRedo) {
        m_firstRedo = false;
        return;
    }
    Apply(m_after);
}

int RecordCommand::id() const
{
    return m_typing ? kTypingId : -1;
}

bool RecordCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const RecordCommand*>(other);
    if (next->m_item != m_item || next->m_part != m_part || next->m_session != m_session)
        return false;
    m_after = next->m_after;
    // Typed back to where it started: no step at all.
    setObsolete(m_after == m_before);
    return true;
}

void RecordCommand::Apply(const PartValues& values)
{
    fw::SitemapNode& node = m_item->Node();
    switch (m_part) {
    case RecordPart::Title:
        node.m_strTitle = values.text;
        m_host.Tree().SetLabel(m_item, values.label);
        break;
    case RecordPart::Url:
        node.m_strHref = values.text;
        break;
    case RecordPart::Level:
        node.m_nLevel = values.number;
        break;
    case RecordPart::Precache:
        node.m_bPrecache = values.number;
        break;
    case RecordPart::Comment:
        node.m_strAbstract = values.text;
        node.m_strIconHref = values.text2;
        node.m_nUsage = values.number;
        break;
    }
    m_host.ShowItem(m_item);
}

}  // namespace sitemap_undo
