// The site map editor. Its dialog over a stand-in main form: fields and
// records, the root, OK and Escape, Enter, the editing buttons, the selected
// item always in sight, what a screen reader hears and does, and very large
// trees. Its item model: its shape always matches the tree's under Qt's model
// tester, it takes a bulk update as one reset and a label edited in place.
// The comment dialog over one record: what it shows, what OK stores (usage,
// icon URL, comment), that Cancel stores nothing, and Enter and Ctrl+Enter.

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QLineEdit>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <vector>

#include "channel/Channel.h"
#include "common/CaseFile.h"
#include "framework/SjisQt.h"
#include "sitemapeditor/CommentDlg.h"
#include "sitemapeditor/CommentDlgIds.h"
#include "sitemapeditor/SitemapDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "sitemapeditor/SitemapModel.h"
#include "support/ScriptedPlatform.h"
#include "support/SitemapDialogHost.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using namespace sitemap_dlg;
using namespace comment_dlg;  // no ID has the same name in both

namespace {

const QString kNewChannel =
    u"IDC_EDIT_ITEMTITLE=新規チャンネル IDC_EDIT_URL=http:// IDC_COMBO_LEVEL=0 "
    "IDC_CHECK_PRECACHE=[x] | 新規チャンネル"_s;

// Appends a page or a sub-channel under `parent` the way the reader does.
fw::SitemapItem* Append(fw::SitemapTree& tree, fw::SitemapItem* parent, bool page, const char* label)
{
    tree.Select(parent);
    fw::SitemapItem* item = page ? tree.AddPage(false) : tree.AddSubChannel(false);
    tree.SetLabel(item, label);
    return item;
}

struct Harness : fwtest::SitemapDialogHost {
    QWidget* Control(int id) const { return fwtest::FindControl<QWidget>(&dlg, id); }
    QTreeView* View() const { return fwtest::FindControl<QTreeView>(&dlg, IDC_TREE_SITEMAP); }
    QModelIndex IndexOf(const fw::SitemapItem* item) const
    {
        return qobject_cast<SitemapModel*>(View()->model())->IndexOf(item);
    }
    void Click(int id) const { fwtest::Click(Control(id)); }
    // The fields, then the selected item's label when the view shows that
    // item as current and highlighted in an open branch.
    QString Fields() const
    {
        const QModelIndex selected = IndexOf(tree.Selected());
        const bool shown = View()->currentIndex() == selected && View()->selectionModel()->isSelected(selected) &&
            (!selected.parent().isValid() || View()->isExpanded(selected.parent()));
        return fwtest::Outline(&dlg, {IDC_EDIT_ITEMTITLE, IDC_EDIT_URL, IDC_COMBO_LEVEL, IDC_CHECK_PRECACHE}) +
            u" | "_s + (shown ? selected.data().toString() : u"<view elsewhere>"_s);
    }
    // Fields() for an item made by LoadedPage.
    static QString LoadedFields(const QString& title, const QString& level = u"0"_s, const QString& label = {})
    {
        return u"IDC_EDIT_ITEMTITLE=%1 IDC_EDIT_URL=http://example.com/%1 IDC_COMBO_LEVEL=%2 IDC_CHECK_PRECACHE=[ ] | %3"_s
            .arg(title, level, label.isEmpty() ? title : label);
    }
    // The item as a screen reader finds it among the tree's rows.
    QAccessibleInterface* Accessible(const fw::SitemapItem* item) const
    {
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(View());
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface* row = tree->child(i);
            if (row != nullptr && row->text(QAccessible::Name) == fwgui::ToQString(item->Label()))
                return row;
        }
        return nullptr;
    }
    // A click on the item's picture.
    void ClickItem(const fw::SitemapItem* item) const
    {
        View()->scrollTo(IndexOf(item));
        const QRect row = View()->visualRect(IndexOf(item));
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 8, row.center().y()));
    }

    // Items appended the way a load makes them.
    fw::SitemapItem* LoadedChannel(fw::SitemapItem* parent)
    {
        tree.Select(parent);
        return tree.AddSubChannel(false);
    }
    fw::SitemapItem* LoadedPage(fw::SitemapItem* parent, const char* title, int level = 0)
    {
        fw::SitemapItem* page = Append(tree, parent, true, title);
        // Moved in whole: g++ 12 at -O3 warns falsely of an overlapping copy
        // when a short literal is assigned here (-Wrestrict).
        page->Node().m_strTitle = std::string(title);
        page->Node().m_strHref = std::string("http://example.com/") + title;
        page->Node().m_nLevel = level;
        page->Node().m_bPrecache = 0;
        return page;
    }
};

// Walks model and tree side by side, without recursion.
void CompareShape(const SitemapModel& model, const fw::SitemapTree& tree)
{
    std::vector<std::pair<QModelIndex, const fw::SitemapItem*>> pending{{model.index(0, 0), tree.Root()}};
    while (!pending.empty()) {
        const auto [index, item] = pending.back();
        pending.pop_back();
        QCOMPARE(SitemapModel::ItemAt(index), item);
        QCOMPARE(index.data().toString(), fwgui::ToQString(item->Label()));
        QCOMPARE(model.rowCount(index), int(item->ChildCount()));
        int row = 0;
        for (const fw::SitemapItem* child = item->FirstChild(); child != nullptr; child = child->NextSibling())
            pending.emplace_back(model.index(row++, 0, index), child);
    }
}

// Clicks the controls `ids` of the comment dialog.
void Click(CCommentDlg& dlg, const QList<int>& ids)
{
    for (int id : ids)
        fwtest::Click(fwtest::FindControl<QWidget>(&dlg, id));
}

// Opens the dialog on `record` as the site map's button does, runs `drive`
// and stores into the record on OK. What it showed first, and how it closed.
QString EditComment(fw::SitemapNode& record, const std::function<void(CCommentDlg&)>& drive)
{
    fwtest::ScriptedPlatform platform;
    CCommentDlg dlg(platform, nullptr);
    dlg.LoadFromRecord(record);
    QString shown;
    const int result = fwtest::RunModal(dlg, [&] {
        shown = fwtest::Outline(&dlg,
                                {IDC_CHECK_USEICON, IDC_EDIT_ICONHREF, IDC_RADIO_SITEMAP, IDC_RADIO_NOSITEMAP,
                                 IDC_RADIO_EMAIL, IDC_RADIO_SCREENSAVER, IDC_RADIO_DESKTOP});
        drive(dlg);
    });
    if (result == QDialog::Accepted)
        dlg.StoreIntoRecord(record);
    return shown + (result == QDialog::Accepted ? u" | OK"_s : u" | cancelled"_s);
}

}  // namespace

class SitemapEditorTest : public QObject {
    Q_OBJECT

private slots:
    // New items show their defaults; Enter ends a label edit; the fields take
    // the user's edits.
    void newItemsEnterAndTheUsersEdits()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(IDC_BUTTON_ADDCHANNEL);
        QCOMPARE(h.Fields(), kNewChannel);
        h.Click(IDC_BUTTON_ADDPAGE);
        fw::SitemapItem* page = h.tree.Selected();
        QCOMPARE(page->Parent(), h.tree.Root()->FirstChild());
        QCOMPARE(h.Fields(),
                 u"IDC_EDIT_ITEMTITLE=新規ページ IDC_EDIT_URL=http:// "
                 "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[x] | 新規ページ"_s);
        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(h.View()->indexWidget(h.IndexOf(page)));
        QVERIFY(editor != nullptr);
        editor->setText(u"typed"_s);
        QTest::keyClick(&h.dlg, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(h.dlg.isVisible() && h.View()->indexWidget(h.IndexOf(page)) == nullptr);
        QCOMPARE(h.Fields(),
                 u"IDC_EDIT_ITEMTITLE=typed IDC_EDIT_URL=http:// IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[x] | typed"_s);
        QCOMPARE(page->Node().m_strTitle, std::string("typed"));

        // The title renames the label with every keystroke; the URL does not.
        fwtest::Retype(h.Control(IDC_EDIT_ITEMTITLE), u"新"_s);
        QCOMPARE(h.IndexOf(page).data().toString(), u"新"_s);
        fwtest::TypeText(h.Control(IDC_EDIT_ITEMTITLE), u"館"_s);
        fwtest::Retype(h.Control(IDC_EDIT_URL), u"http://a/"_s);
        h.Click(IDC_CHECK_PRECACHE);
        QTest::keyClick(h.Control(IDC_COMBO_LEVEL), Qt::Key_Down);
        QCOMPARE(h.Fields(),
                 u"IDC_EDIT_ITEMTITLE=新館 IDC_EDIT_URL=http://a/ IDC_COMBO_LEVEL=1 IDC_CHECK_PRECACHE=[ ] | 新館"_s);
        fw::SitemapNode edited = fw::SitemapNode::NewPage();
        edited.m_strHref = "http://a/", edited.m_strTitle = "\x90\x56\x8A\xD9", edited.m_nLevel = 1;  // 新館
        edited.m_bPrecache = 0;
        QCOMPARE(page->Node(), edited);
    }

    // Showing a record never writes into it: not its level, not its label.
    void selectingShowsTheRecordAndWritesNothing()
    {
        Harness h;
        fw::SitemapItem* a = h.LoadedPage(h.tree.Root(), "a", 5);
        fw::SitemapItem* b = h.LoadedPage(h.tree.Root(), "b", 20);
        h.tree.SetLabel(b, "label of b");
        QVERIFY(h.Open());
        h.ClickItem(a);
        QCOMPARE(h.Fields(), h.LoadedFields(u"a"_s, u"5"_s));
        h.ClickItem(b);
        QCOMPARE(h.Fields(), h.LoadedFields(u"b"_s, QString(), u"label of b"_s));  // no level 20
        fwtest::Retype(h.Control(IDC_EDIT_URL), u"http://x"_s);
        QCOMPARE(b->Node().m_nLevel, 20);
        QCOMPARE(b->Label(), std::string("label of b"));
        QCOMPARE(a->Node().m_nLevel, 5);
    }

    // Each showing overwrites the root with the main form's values; only OK copies them back.
    void theRootMirrorsTheMainForm()
    {
        Harness h;
        QSignalSpy copiedBack(&h.dlg, &CSitemapDlg::rootCopiedBack);
        h.tree.Root()->Node().m_strTitle = "old";
        h.tree.Root()->Node().m_nLevel = 3;
        h.channel.head.m_strTitle = "Head";
        h.channel.head.m_strHomeUrl = "http://home";
        h.channel.head.m_strAbstract = "about";
        QVERIFY(h.Open());
        const QString headShown =
            u"IDC_EDIT_ITEMTITLE=Head IDC_EDIT_URL=http://home IDC_COMBO_LEVEL=3 IDC_CHECK_PRECACHE=[x] | Head"_s;
        QCOMPARE(h.Fields(), headShown);
        QCOMPARE(h.tree.Root()->Node().m_strAbstract, std::string("about"));
        fwtest::Retype(h.Control(IDC_EDIT_ITEMTITLE), u"Escaped"_s);
        QTest::keyClick(&h.dlg, Qt::Key_Escape);
        QVERIFY(!h.dlg.isVisible() && h.mainForm.isEnabled());
        QCOMPARE(h.channel.head.m_strTitle, std::string("Head"));

        QVERIFY(h.Open());
        QCOMPARE(h.Fields(), headShown);
        fwtest::Retype(h.Control(IDC_EDIT_ITEMTITLE), u"Kept"_s);
        fwtest::Retype(h.Control(IDC_EDIT_URL), u"http://kept"_s);
        h.tree.Root()->Node().m_strAbstract = "comment";
        h.Click(IDC_BUTTON_OK);
        QVERIFY(!h.dlg.isVisible() && h.mainForm.isEnabled());
        QCOMPARE(copiedBack.count(), 1);
        const fw::ChannelHead& head = h.channel.head;
        QCOMPARE(head.m_strTitle + '|' + head.m_strHomeUrl + '|' + head.m_strAbstract, "Kept|http://kept|comment");
    }

    // The buttons act on the selection and show what they leave selected;
    // what they do to the tree is the tree's own (tests/core/sitemap_test).
    void deleteCopyAndPaste()
    {
        Harness h;
        h.LoadedPage(h.tree.Root(), "p");
        fw::SitemapItem* source = h.LoadedPage(h.tree.Root(), "src", 7);
        source->Node().m_nUsage = 5;
        // What the item kept from its file goes with it, and its tooltip names it.
        fw::KeptContent& kept = source->Node().m_kept.Make();
        kept.attributes.push_back({fw::KeptPart::Self, false, "LASTMOD", "1998-03-02"});
        kept.children.push_back({fw::KeptPart::Self, fw::KeptToken::Kind::Empty, "LOG", {{"VALUE", "document:view"}}});
        const fw::SitemapNode copied = source->Node();
        QVERIFY(h.Open());
        QCOMPARE(h.IndexOf(source).data(Qt::ToolTipRole).toString(),
                 u"編集できない要素 (保存時にそのまま残ります): LASTMOD, LOG"_s);
        QVERIFY(h.IndexOf(h.tree.Root()).data(Qt::ToolTipRole).isNull());
        h.ClickItem(source);
        h.Click(IDC_BUTTON_COPY);
        source->Node().m_strTitle = "changed after copying";
        h.Click(IDC_BUTTON_DELETE);
        QCOMPARE(h.Fields(), h.LoadedFields(u"p"_s));
        h.Click(IDC_BUTTON_PASTE);
        QCOMPARE(h.tree.ItemCount(), std::size_t(3));
        QCOMPARE(h.tree.Selected()->Node(), copied);
        QCOMPARE(h.Fields(), h.LoadedFields(u"src"_s, u"7"_s));
    }

    // A load leaves every channel that received items open, as selecting each
    // new item does, and the last item read in sight.
    void aLoadOpensEveryChannelWithItems()
    {
        Harness h;
        QVERIFY(h.Open());
        fw::SitemapItem *outer, *inner, *empty;
        {
            fw::SitemapTree::BulkUpdate bulk(h.tree);
            outer = h.LoadedChannel(h.tree.Root());
            empty = h.LoadedChannel(h.tree.Root());
            inner = h.LoadedChannel(outer);
            h.LoadedPage(outer, "p");
            h.LoadedPage(inner, "last");
        }
        QStringList open;
        for (const fw::SitemapItem* item : {h.tree.Root(), outer, inner, empty})
            open << (h.View()->isExpanded(h.IndexOf(item)) ? u"open"_s : u"closed"_s);
        QCOMPARE(open.join(u' '), u"open open open closed"_s);
        QCOMPARE(h.Fields(), h.LoadedFields(u"last"_s));
        QVERIFY(h.View()->visualRect(h.View()->currentIndex()).intersects(h.View()->viewport()->rect()));
    }

    // The user moves the selection but never clears it or hides it.
    void theSelectionStaysInSight()
    {
        Harness h;
        fw::SitemapItem* channel = h.LoadedChannel(h.tree.Root());
        fw::SitemapItem* inner = h.LoadedPage(channel, "inner");
        h.LoadedPage(h.tree.Root(), "outer");
        QVERIFY(h.Open());
        h.ClickItem(inner);
        const QString innerFields = h.LoadedFields(u"inner"_s);
        QCOMPARE(h.Fields(), innerFields);
        QWidget* viewport = h.View()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier,
                          h.View()->visualRect(h.IndexOf(inner)).center());
        QCOMPARE(h.Fields(), innerFields);
        QTest::keyClick(h.View(), Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(h.Fields(), innerFields);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() / 2, viewport->height() - 2));
        QCOMPARE(h.Fields(), innerFields);

        // Closing the branch by its button selects the channel; Delete deletes it.
        const QRect channelRow = h.View()->visualRect(h.IndexOf(channel));
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          QPoint(channelRow.left() - h.View()->indentation() / 2, channelRow.center().y()));
        QVERIFY(!h.View()->isExpanded(h.IndexOf(channel)));
        QCOMPARE(h.Fields(), kNewChannel);
        h.Click(IDC_BUTTON_DELETE);
        QCOMPARE(h.tree.Root()->ChildCount(), std::size_t(1));
        QCOMPARE(h.Fields(), h.LoadedFields(u"outer"_s));
    }

    // The cases of tests/data/gui/selection_in_sight.txt.
    void theSelectedItemIsAlwaysInSight()
    {
        QStringList faults;
        for (const auto& c : casefile::Rows("gui/selection_in_sight.txt")) {
            Harness h;
            QHash<QString, fw::SitemapItem*> items{{u"root"_s, h.tree.Root()}};
            const auto add = [&](fw::SitemapItem* parent, bool page, const QString& name) {
                fw::SitemapItem* item = Append(h.tree, parent, page, name.toUtf8().constData());
                item->Node().m_strTitle = item->Label();
                return items[name] = item;
            };
            {
                fw::SitemapTree::BulkUpdate load(h.tree);  // every channel open, as a load leaves them
                fw::SitemapItem* chain = h.tree.Root();
                for (int level = 1; level <= 20; ++level)
                    chain = add(chain, false, u"c%1"_s.arg(level));
                add(chain, true, u"deep"_s);
                fw::SitemapItem* branch = add(h.tree.Root(), false, u"branch"_s);
                for (int i = 1; i <= 100; ++i)
                    add(branch, true, u"p%1"_s.arg(i));
                add(h.tree.Root(), true, u"end"_s);
            }
            QVERIFY(h.Open());
            h.tree.Select(items.value(QString::fromStdString(c.at(0))));
            h.View()->setFocus();

            const QString command = QString::fromStdString(c.at(1));
            const QStringList words = command.split(u' ');
            const QHash<QString, int> buttons{{u"delete"_s, IDC_BUTTON_DELETE},
                                              {u"copy"_s, IDC_BUTTON_COPY},
                                              {u"paste"_s, IDC_BUTTON_PASTE},
                                              {u"addpage"_s, IDC_BUTTON_ADDPAGE},
                                              {u"addchannel"_s, IDC_BUTTON_ADDCHANNEL}};
            if (buttons.contains(words[0])) {
                for (const QString& word : words)
                    h.Click(buttons.value(word));
            } else if (words[0] == u"load"_s) {
                fw::SitemapTree::BulkUpdate bulk(h.tree);
                fw::SitemapItem* selected = h.tree.Selected();
                add(selected->IsPageImage() ? selected->Parent() : selected, true, u"loaded"_s);
            } else if (words[0] == u"collapse"_s) {
                h.View()->collapse(h.IndexOf(items.value(words[1])));
            } else if (words[0] == u"toggle"_s) {
                QAccessibleInterface* row = h.Accessible(items.value(words[1]));
                QVERIFY2(row != nullptr, qPrintable(command));
                row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            } else {
                QTest::keyClick(h.View(), Qt::Key(QKeySequence::fromString(command)[0].key()));
            }

            const QModelIndex selected = h.IndexOf(h.tree.Selected());
            const QRect row = h.View()->visualRect(selected);
            const QRect label(row.topLeft(), QSize(h.View()->sizeHintForIndex(selected).width(), row.height()));
            const QString shown = h.Fields().section(u" | "_s, 1);
            const QString where = QString::fromStdString(c.at(0) + " | " + c.at(1) + ": ");
            const QString expected = QString::fromStdString(c.at(2));
            if (shown != (items.contains(expected) ? fwgui::ToQString(items[expected]->Label()) : expected))
                faults << where + u"shows %1 as selected and current"_s.arg(shown);
            else if (!h.View()->viewport()->rect().contains(label))
                faults << where + u"its label at %1,%2 lies outside the view"_s.arg(label.left()).arg(label.top());
            else if (h.IndexOf(h.tree.Selected()).data().toString() != h.Control(IDC_EDIT_ITEMTITLE)->property("text"))
                faults << where + u"the fields show another item"_s;
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY(faults.isEmpty());
    }

    // A screen reader hears each item's kind and depth, and its action on an
    // item does what a click does: the fields follow and the item alone is
    // highlighted.
    void screenReaderHearsAndSelectsItems()
    {
        Harness h;
        fw::SitemapItem* page = h.LoadedPage(h.tree.Root(), "page");
        fw::SitemapItem* empty = h.LoadedChannel(h.tree.Root());
        fw::SitemapItem* full = h.LoadedChannel(h.tree.Root());
        h.LoadedPage(h.LoadedChannel(full), "inner");
        QVERIFY(h.Open());
        QStringList heard;
        for (const fw::SitemapItem* item : {h.tree.Root(), page, empty, full, full->FirstChild()->FirstChild()})
            heard << h.IndexOf(item).data(Qt::AccessibleDescriptionRole).toString();
        QCOMPARE(heard,
                 (QStringList{u"チャンネル, レベル 1, 3 項目"_s, u"ページ, レベル 2"_s,
                              u"サブチャンネル, レベル 2, 0 項目"_s, u"サブチャンネル, レベル 2, 1 項目"_s,
                              u"ページ, レベル 4"_s}));
        QAccessibleInterface* row = h.Accessible(page);
        QCOMPARE(row->text(QAccessible::Description), u"ページ, レベル 2"_s);
        row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(h.Fields(), h.LoadedFields(u"page"_s));
        row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());  // again: still selected
        QCOMPARE(h.Fields(), h.LoadedFields(u"page"_s));
        QCOMPARE(h.View()->selectionModel()->selectedIndexes(), QModelIndexList{h.IndexOf(page)});
        h.Click(IDC_BUTTON_DELETE);
        QCOMPARE(h.tree.Root()->ChildCount(), std::size_t(2));
    }

    // Enter on a focused command button presses it, as Space and a click
    // do; on OK, as anywhere else in the dialog, it never closes the dialog.
    void enterPressesTheFocusedButton()
    {
        Harness h;
        h.tree.Select(h.LoadedPage(h.tree.Root(), "p"));
        QVERIFY(h.Open());
        QStringList after;
        for (int id : {IDC_BUTTON_ADDPAGE, IDC_BUTTON_ADDCHANNEL, IDC_BUTTON_COPY, IDC_BUTTON_PASTE, IDC_BUTTON_DELETE,
                       IDC_BUTTON_COMMENT, IDC_BUTTON_OK, IDC_EDIT_URL}) {
            QString commented = u"-"_s;
            if (id == IDC_BUTTON_COMMENT)
                fwtest::WhenModalOpens([&commented](QWidget* dialog) {
                    commented = dialog->windowTitle();
                    QTest::keyClick(dialog, Qt::Key_Escape);
                });
            h.Control(id)->setFocus();
            QTest::keyClick(h.Control(id), Qt::Key_Return);
            after << u"%1: %2 %3 %4%5"_s.arg(fwtest::NameOf(h.Control(id)))
                         .arg(h.tree.ItemCount())
                         .arg(fwgui::ToQString(h.tree.Selected()->Label()), commented,
                              h.dlg.isVisible() ? QString() : u" closed"_s);
        }
        QCOMPARE(after,
                 (QStringList{u"IDC_BUTTON_ADDPAGE: 3 新規ページ -"_s, u"IDC_BUTTON_ADDCHANNEL: 4 新規チャンネル -"_s,
                              u"IDC_BUTTON_COPY: 4 新規チャンネル -"_s,
                              u"IDC_BUTTON_PASTE: 5 新規チャンネル -"_s,  // the copy, not a default page
                              u"IDC_BUTTON_DELETE: 4 新規チャンネル -"_s,
                              u"IDC_BUTTON_COMMENT: 4 新規チャンネル コメントの設定"_s,
                              u"IDC_BUTTON_OK: 4 新規チャンネル -"_s, u"IDC_EDIT_URL: 4 新規チャンネル -"_s}));
    }

    // 100,000 pages in one channel beside a chain of 100,000 nested sub-channels.
    void veryLargeTreesShow()
    {
        Harness h;
        {
            fw::SitemapTree::BulkUpdate bulk(h.tree);
            fw::SitemapItem* deepest = h.tree.Root();
            for (int i = 0; i < 100000; ++i) {
                h.LoadedPage(h.tree.Root(), "p");
                deepest = h.LoadedChannel(deepest);
            }
        }
        QVERIFY(h.Open());
        // The load opened the chain down to 1,000 levels; the star key opens one more.
        fw::SitemapItem* closed = h.tree.Root();
        int openLevels = 0;
        for (; h.View()->isExpanded(h.IndexOf(closed)); ++openLevels)
            closed = closed->FirstChild();
        QCOMPARE(openLevels, 1000);
        h.tree.Select(closed);
        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_Asterisk, Qt::KeypadModifier);
        QVERIFY(h.View()->isExpanded(h.IndexOf(closed)));
        QVERIFY(!h.View()->isExpanded(h.IndexOf(closed->FirstChild())));
        h.View()->scrollToBottom();
        h.ClickItem(h.tree.Root()->LastChild());
        h.Click(IDC_BUTTON_ADDPAGE);
        QCOMPARE(h.tree.Selected(), h.tree.Root()->LastChild());
        QVERIFY(h.View()->visualRect(h.View()->currentIndex()).intersects(h.View()->viewport()->rect()));
    }

    void theModelFollowsEveryEdit()
    {
        fw::SitemapTree tree(fw::SitemapNode{});
        SitemapModel model(tree);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fw::SitemapItem* a = Append(tree, tree.Root(), false, "A");
        Append(tree, tree.Root(), false, "B");
        fw::SitemapItem* p = Append(tree, tree.Root(), true, "P");
        Append(tree, Append(tree, a, false, "A2"), true, "A2a");
        // The interactive rules put items in the middle of sibling runs.
        tree.Select(p);
        tree.AddPage(true);
        tree.AddSubChannel(true);
        tree.Select(a);
        tree.CopySelected();
        tree.Select(p);
        tree.Paste();
        tree.DeleteItem(a);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.IndexOf(p), QStringLiteral("新しい名前")));  // a label edited in place
        QCOMPARE(p->Node().m_strTitle, std::string("\x90\x56\x82\xB5\x82\xA2\x96\xBC\x91\x4F"));
        QCOMPARE(changed.count(), 1);
        // Committed unchanged, a label keeps bytes that Unicode cannot carry back.
        tree.SetLabel(p, "\xED\x40\x80");
        QVERIFY(model.setData(model.IndexOf(p), model.IndexOf(p).data(Qt::EditRole)));
        QCOMPARE(p->Node().m_strTitle, std::string("\xED\x40\x80"));
        CompareShape(model, tree);

        // A load (which clears in a bulk update of its own): no row signals
        // at all, one reset at the end of the outer update.
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        {
            fw::SitemapTree::BulkUpdate bulk(tree);
            {
                fw::SitemapTree::BulkUpdate inner(tree);
                tree.DeleteChildren(tree.Root());
            }
            for (int i = 0; i < 50; ++i)
                Append(tree, i % 2 == 0 ? tree.Root() : tree.Root()->FirstChild(), i % 3 != 0, "x");
            QCOMPARE(reset.count(), 0);
        }
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count() + removed.count(), 0);
        CompareShape(model, tree);
    }

    // The cases of tests/data/gui/comment_dialog.txt.
    void commentDialogShowsAndStoresUsageAndIcon()
    {
        const QMetaEnum ids = QMetaEnum::fromType<comment_dlg::ControlId>();
        for (const auto& c : casefile::Rows("gui/comment_dialog.txt")) {
            const auto record = [&c](const std::string& usage, const std::string& icon) {
                fw::SitemapNode node =
                    c.at(0) == "page" ? fw::SitemapNode::NewPage() : fw::SitemapNode::NewSubChannel();
                node.m_nUsage = std::stoi(usage), node.m_strIconHref = icon;
                return node;
            };
            fw::SitemapNode edited = record(c.at(1), c.at(2));
            QList<int> clicks;
            for (const QString& name : QString::fromStdString(c.at(3)).split(u' '))
                clicks << ids.keyToValue(name.toLatin1().constData());
            QCOMPARE(EditComment(edited, [&clicks](CCommentDlg& dlg) { Click(dlg, clicks); }),
                     QString::fromStdString(c.at(4) + " | " + c.at(5)));
            QCOMPARE(edited, record(c.at(6), c.at(7)));
        }
    }

    // Enter on the focused Cancel cancels; Ctrl+Enter in the comment breaks the line and Enter confirms.
    void enterConfirmsOrCancelsAndCtrlEnterBreaksTheLine()
    {
        fw::SitemapNode record = fw::SitemapNode::NewPage();
        QVERIFY(EditComment(record, [](CCommentDlg& dlg) {
                    Click(dlg, {IDC_RADIO_NOSITEMAP});
                    fwtest::FindControl<QWidget>(&dlg, IDCANCEL)->setFocus();
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                }).endsWith(u"| cancelled"_s));
        QCOMPARE(record, fw::SitemapNode::NewPage());
        const QString closed = EditComment(record, [](CCommentDlg& dlg) {
            auto* comment = fwtest::FindControl<QWidget>(&dlg, IDC_EDIT_COMMENT);
            fwtest::Retype(comment, u"line 1"_s);
            QTest::keyClick(comment, Qt::Key_Return, Qt::ControlModifier);
            fwtest::TypeText(comment, u"line 2\n"_s);
        });
        QVERIFY(closed.endsWith(u"| OK"_s));
        QCOMPARE(record.m_strAbstract, std::string("line 1\nline 2"));
    }
};

QTEST_MAIN(SitemapEditorTest)
#include "sitemapeditor_test.moc"
