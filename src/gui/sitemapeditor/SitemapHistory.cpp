#include "sitemapeditor/SitemapHistory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTreeView>
#include <utility>

#include "sitemapeditor/SitemapModel.h"

using sitemap_undo::ItemCommand;
using sitemap_undo::RecordCommand;
using sitemap_undo::RecordPart;

namespace {

// Looked up when used, so that they follow the language of the window.
QString UndoText()
{
    return SitemapHistory::tr("元に戻す");
}

QString RedoText()
{
    return SitemapHistory::tr("やり直し");
}

// The dialog as an accessibility client sees it, with undo and redo among
// its actions, named as the keys' tooltip names them.
class HistoryAccessible final : public QAccessibleWidget {
public:
    HistoryAccessible(QWidget* dialog, SitemapHistory& history)
        : QAccessibleWidget(dialog, QAccessible::Dialog), m_history(history)
    {
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << UndoText() << RedoText(); }
    QString localizedActionDescription(const QString& name) const override
    {
        if (name == UndoText())
            return SitemapHistory::tr("サイトマップの直前の変更を取り消します");
        if (name == RedoText())
            return SitemapHistory::tr("取り消した変更をもう一度行います");
        return QAccessibleWidget::localizedActionDescription(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == UndoText())
            return {QStringLiteral("Ctrl+Z")};
        if (name == RedoText())
            return {QStringLiteral("Ctrl+Y"), QStringLiteral("Ctrl+Shift+Z")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
    void doAction(const QString& name) override
    {
        // The history's own, not the keys': no edit's typing is meant here.
        if (name == UndoText())
            m_history.UndoStep();
        else if (name == RedoText())
            m_history.RedoStep();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    SitemapHistory& m_history;
};

// Only for the most derived class of a widget that has a history.
QAccessibleInterface* HistoryAccessibleFactory(const QString& key, QObject* object)
{
    if (object == nullptr || !object->isWidgetType() || key != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* history = object->findChild<SitemapHistory*>(QString(), Qt::FindDirectChildrenOnly);
    return history != nullptr ? new HistoryAccessible(static_cast<QWidget*>(object), *history) : nullptr;
}

QAction* KeyAction(QWidget& dialog, const QString& text, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, &dialog);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    dialog.addAction(action);
    return action;
}

// The line edit with the focus in `dialog`, where the keys undo typing.
QLineEdit* FocusedEdit(const QWidget& dialog)
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return edit != nullptr && dialog.isAncestorOf(edit) ? edit : nullptr;
}

}  // namespace

SitemapHistory::SitemapHistory(fw::SitemapTree& tree, SitemapModel& model, QTreeView& view, QWidget& dialog)
    : QObject(&dialog), m_tree(tree), m_model(model), m_view(view), m_dialog(dialog)
{
    m_stack.setUndoLimit(kUndoLimit);
    m_undoAction = KeyAction(dialog, UndoText(), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redoAction = KeyAction(dialog, RedoText(),
                             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undoAction, &QAction::triggered, this, &SitemapHistory::Undo);
    connect(m_redoAction, &QAction::triggered, this, &SitemapHistory::Redo);
    connect(&m_model, &SitemapModel::labelAboutToBeCommitted, this, &SitemapHistory::OnLabelAboutToBeCommitted);
    connect(&m_model, &SitemapModel::labelCommitted, this, &SitemapHistory::OnLabelCommitted);
    static const bool factoryInstalled = (QAccessible::installFactory(HistoryAccessibleFactory), true);
    (void)factoryInstalled;
    m_tree.AddObserver(this);
}

SitemapHistory::~SitemapHistory()
{
    m_tree.RemoveObserver(this);
    m_labelEdit.reset();
    // The steps hold detached items of the tree, which is still there.
    m_stack.clear();
}

void SitemapHistory::Undo()
{
    if (QLineEdit* edit = FocusedEdit(m_dialog)) {
        edit->undo();
        return;
    }
    UndoStep();
}

void SitemapHistory::Redo()
{
    if (QLineEdit* edit = FocusedEdit(m_dialog)) {
        edit->redo();
        return;
    }
    RedoStep();
}

void SitemapHistory::UndoStep()
{
    ++m_session;
    m_stack.undo();
}

void SitemapHistory::RedoStep()
{
    ++m_session;
    m_stack.redo();
}

// --- the commands ---

fw::SitemapItem* SitemapHistory::Inserted(fw::SitemapItem* item, fw::SitemapItem* selectedBefore, const QString& text)
{
    if (item != nullptr) {
        ++m_session;
        m_stack.push(new ItemCommand(*this, *item, selectedBefore, text));
    }
    return item;
}

fw::SitemapItem* SitemapHistory::AddPage()
{
    fw::SitemapItem* selected = m_tree.Selected();
    return Inserted(m_tree.AddPage(true), selected, SitemapHistory::tr("ページの追加"));
}

fw::SitemapItem* SitemapHistory::AddSubChannel()
{
    fw::SitemapItem* selected = m_tree.Selected();
    return Inserted(m_tree.AddSubChannel(true), selected, SitemapHistory::tr("サブチャンネルの追加"));
}

fw::SitemapItem* SitemapHistory::Paste()
{
    fw::SitemapItem* selected = m_tree.Selected();
    return Inserted(m_tree.Paste(), selected, SitemapHistory::tr("ペースト"));
}

void SitemapHistory::DeleteSelected()
{
    fw::SitemapItem* selected = m_tree.Selected();
    if (selected == nullptr || selected->Parent() == nullptr)
        return;  // nothing, or the root: nothing is deleted
    std::vector<fw::SitemapItem*> open = OpenChannels(*selected);
    std::unique_ptr<fw::DetachedSubtree> deleted = m_tree.DetachItem(selected);
    ++m_session;
    m_stack.push(new ItemCommand(*this, std::move(deleted), std::move(open), SitemapHistory::tr("削除")));
}

SitemapHistory::RecordEdit::RecordEdit(SitemapHistory* history, fw::SitemapItem* item, RecordPart part, bool typing)
    : m_history(history),
      m_item(item),
      m_part(part),
      m_before(item != nullptr ? sitemap_undo::ReadPart(part, *item) : sitemap_undo::PartValues{}),
      m_typing(typing)
{
}

SitemapHistory::RecordEdit::~RecordEdit()
{
    if (m_item == nullptr)
        return;
    sitemap_undo::PartValues after = sitemap_undo::ReadPart(m_part, *m_item);
    if (after == m_before)
        return;
    SitemapHistory& h = *m_history;
    if (!m_typing)
        ++h.m_session;
    h.m_stack.push(new RecordCommand(h, *m_item, m_part, std::move(m_before), std::move(after), m_typing, h.m_session));
}

SitemapHistory::RecordEdit SitemapHistory::Edit(fw::SitemapItem* item, RecordPart part, bool typing)
{
    return RecordEdit(this, item, part, typing);
}

void SitemapHistory::OnLabelAboutToBeCommitted(fw::SitemapItem* item)
{
    m_labelEdit.reset();
    m_labelEdit.emplace(this, item, RecordPart::Title, false);
}

void SitemapHistory::OnLabelCommitted(fw::SitemapItem* item)
{
    (void)item;
    m_labelEdit.reset();
}

// --- what the tree and the steps tell ---

void SitemapHistory::OnSelectionChanged(fw::SitemapItem* selected)
{
    (void)selected;
    ++m_session;
}

void SitemapHistory::OnBulkBegin()
{
    // A load or a Clear: the steps held refer to items about to go.
    m_labelEdit.reset();
    m_stack.clear();
}

void SitemapHistory::ShowItem(fw::SitemapItem* item)
{
    if (m_tree.Selected() != item)
        m_tree.Select(item);
    else if (item != nullptr)
        emit recordRestored(item);
}

// Sub-channels open the child lists: a walk stops at each channel's first page.
std::vector<fw::SitemapItem*> SitemapHistory::OpenChannels(fw::SitemapItem& top)
{
    std::vector<fw::SitemapItem*> open;
    if (top.IsPageImage())
        return open;
    std::vector<fw::SitemapItem*> pending{&top};
    while (!pending.empty()) {
        fw::SitemapItem* channel = pending.back();
        pending.pop_back();
        if (channel->FirstChild() == nullptr)
            continue;
        if (m_view.isExpanded(m_model.IndexOf(channel)))
            open.push_back(channel);
        for (fw::SitemapItem* child = channel->FirstChild(); child != nullptr && !child->IsPageImage();
             child = child->NextSibling())
            pending.push_back(child);
    }
    return open;
}

void SitemapHistory::Reopen(const std::vector<fw::SitemapItem*>& channels)
{
    // Outer channels first, as they were found.
    for (fw::SitemapItem* channel : channels)
        m_view.expand(m_model.IndexOf(channel));
}
