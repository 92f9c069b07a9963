// The site map dialog over a stand-in main form: fields and records, the
// root, OK and Escape, Enter, the editing buttons and very large trees.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "channel/Channel.h"
#include "sitemapeditor/SitemapDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "sitemapeditor/SitemapModel.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using namespace sitemap_dlg;

namespace {

// The main form's part: a window that the dialog disables and enables, and
// the channel whose head and site map it edits.
struct Harness {
    fwtest::ScriptedPlatform platform;
    fw::Channel channel;
    QWidget mainForm;
    CSitemapDlg dlg{platform, channel, &mainForm};
    fw::SitemapTree& tree = channel.sitemap;

    bool Open()  // as the main form's site map button does
    {
        mainForm.show();
        mainForm.setEnabled(false);
        return fwtest::ShowAndActivate(&dlg);
    }
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
        const bool shown = View()->currentIndex() == selected && View()->selectionModel()->isSelected(selected)
                           && (!selected.parent().isValid() || View()->isExpanded(selected.parent()));
        return fwtest::Outline(&dlg, {IDC_EDIT_ITEMTITLE, IDC_EDIT_URL, IDC_COMBO_LEVEL, IDC_CHECK_PRECACHE}) +
               u" | "_s + (shown ? selected.data().toString() : u"<view elsewhere>"_s);
    }
    void ClickItem(const fw::SitemapItem* item) const
    {
        View()->scrollTo(IndexOf(item));
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, View()->visualRect(IndexOf(item)).center());
    }

    // Items appended the way a load makes them.
    fw::SitemapItem* LoadedChannel(fw::SitemapItem* parent)
    {
        tree.Select(parent);
        return tree.AddSubChannel(false);
    }
    fw::SitemapItem* LoadedPage(fw::SitemapItem* parent, const char* title, int level = 0)
    {
        tree.Select(parent);
        fw::SitemapItem* page = tree.AddPage(false);
        page->Node().m_strTitle = title;
        page->Node().m_strHref = std::string("http://example.com/") + title;
        page->Node().m_nLevel = level;
        page->Node().m_bPrecache = 0;
        tree.SetLabel(page, title);
        return page;
    }
};

}  // namespace

class SitemapDialogTest : public QObject {
    Q_OBJECT

private slots:
    void newItemsShowTheirDefaultsAndTakeTheUsersEdits()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(IDC_BUTTON_ADDCHANNEL);
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=新規チャンネル IDC_EDIT_URL=http:// "
                              "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[x] | 新規チャンネル"_s);
        h.Click(IDC_BUTTON_ADDPAGE);
        fw::SitemapItem* page = h.tree.Selected();
        QCOMPARE(page->Parent(), h.tree.Root()->FirstChild());
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=新規ページ IDC_EDIT_URL=http:// "
                              "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[x] | 新規ページ"_s);

        // The title renames the label with every keystroke; the URL does not.
        fwtest::Retype(h.Control(IDC_EDIT_ITEMTITLE), u"新"_s);
        QCOMPARE(h.IndexOf(page).data().toString(), u"新"_s);
        fwtest::TypeText(h.Control(IDC_EDIT_ITEMTITLE), u"館"_s);
        fwtest::Retype(h.Control(IDC_EDIT_URL), u"http://a/"_s);
        h.Click(IDC_CHECK_PRECACHE);
        QTest::keyClick(h.Control(IDC_COMBO_LEVEL), Qt::Key_Down);
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=新館 IDC_EDIT_URL=http://a/ "
                              "IDC_COMBO_LEVEL=1 IDC_CHECK_PRECACHE=[ ] | 新館"_s);
        fw::SitemapNode edited = fw::SitemapNode::NewPage();
        edited.m_strHref = "http://a/";
        edited.m_strTitle = "\x90\x56\x8A\xD9";  // 新館
        edited.m_nLevel = 1;
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
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=a IDC_EDIT_URL=http://example.com/a "
                              "IDC_COMBO_LEVEL=5 IDC_CHECK_PRECACHE=[ ] | a"_s);
        h.ClickItem(b);
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=b IDC_EDIT_URL=http://example.com/b "
                              "IDC_COMBO_LEVEL= IDC_CHECK_PRECACHE=[ ] | label of b"_s);  // no level 20
        fwtest::Retype(h.Control(IDC_EDIT_URL), u"http://x"_s);
        QCOMPARE(b->Node().m_nLevel, 20);
        QCOMPARE(b->Label(), std::string("label of b"));
        QCOMPARE(a->Node().m_nLevel, 5);

        // After a load the fields show the item the load selected last.
        {
            fw::SitemapTree::BulkUpdate bulk(h.tree);
            h.LoadedPage(h.tree.Root(), "read", 2);
        }
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=read IDC_EDIT_URL=http://example.com/read "
                              "IDC_COMBO_LEVEL=2 IDC_CHECK_PRECACHE=[ ] | read"_s);
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
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=Head IDC_EDIT_URL=http://home "
                              "IDC_COMBO_LEVEL=3 IDC_CHECK_PRECACHE=[x] | Head"_s);
        QCOMPARE(h.tree.Root()->Node().m_strAbstract, std::string("about"));
        fwtest::Retype(h.Control(IDC_EDIT_ITEMTITLE), u"Escaped"_s);
        QTest::keyClick(&h.dlg, Qt::Key_Escape);
        QVERIFY(!h.dlg.isVisible() && h.mainForm.isEnabled());
        QCOMPARE(h.channel.head.m_strTitle, std::string("Head"));

        QVERIFY(h.Open());
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=Head IDC_EDIT_URL=http://home "
                              "IDC_COMBO_LEVEL=3 IDC_CHECK_PRECACHE=[x] | Head"_s);
        fwtest::Retype(h.Control(IDC_EDIT_ITEMTITLE), u"Kept"_s);
        fwtest::Retype(h.Control(IDC_EDIT_URL), u"http://kept"_s);
        h.tree.Root()->Node().m_strAbstract = "comment";
        h.Click(IDC_BUTTON_OK);
        QVERIFY(!h.dlg.isVisible() && h.mainForm.isEnabled());
        QCOMPARE(copiedBack.count(), 1);
        const fw::ChannelHead& head = h.channel.head;
        QCOMPARE(head.m_strTitle + '|' + head.m_strHomeUrl + '|' + head.m_strAbstract, "Kept|http://kept|comment");
    }

    void enterNeverClosesAndEndsALabelEdit()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(IDC_BUTTON_ADDPAGE);
        const fw::SitemapItem* page = h.tree.Selected();
        QTest::keyClick(&h.dlg, Qt::Key_Return);
        h.Control(IDC_BUTTON_OK)->setFocus();
        QTest::keyClick(h.Control(IDC_BUTTON_OK), Qt::Key_Return);
        QVERIFY(h.dlg.isVisible());

        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(h.View()->indexWidget(h.IndexOf(page)));
        QVERIFY(editor != nullptr);
        editor->setText(u"typed"_s);
        QTest::keyClick(&h.dlg, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(h.dlg.isVisible());
        QVERIFY(h.View()->indexWidget(h.IndexOf(page)) == nullptr);
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=typed IDC_EDIT_URL=http:// "
                              "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[x] | typed"_s);
        QCOMPARE(page->Node().m_strTitle, std::string("typed"));
    }

    void deleteCopyAndPaste()
    {
        Harness h;
        fw::SitemapItem* channel = h.LoadedChannel(h.tree.Root());
        h.LoadedPage(channel, "c1");
        h.LoadedPage(h.LoadedChannel(channel), "deep");
        fw::SitemapItem* source = h.LoadedPage(h.tree.Root(), "src", 7);
        source->Node().m_nUsage = 5;
        const fw::SitemapNode copied = source->Node();
        QVERIFY(h.Open());
        h.Click(IDC_BUTTON_PASTE);  // before any copy: a new page
        QCOMPARE(h.tree.Selected()->Node(), fw::SitemapNode::NewPage());
        h.tree.Select(h.tree.Root());
        h.Click(IDC_BUTTON_DELETE);  // refused for the root
        QCOMPARE(h.tree.ItemCount(), std::size_t(7));

        // A channel copies without its children and goes with all of them.
        h.ClickItem(channel);
        h.Click(IDC_BUTTON_COPY);
        h.Click(IDC_BUTTON_PASTE);
        QCOMPARE(h.tree.Selected()->Parent(), channel);
        QCOMPARE(h.tree.Selected()->ChildCount(), std::size_t(0));
        h.ClickItem(channel);
        h.Click(IDC_BUTTON_DELETE);
        QCOMPARE(h.tree.ItemCount(), std::size_t(3));

        h.ClickItem(source);
        h.Click(IDC_BUTTON_COPY);
        source->Node().m_strTitle = "changed after copying";
        h.Click(IDC_BUTTON_DELETE);
        h.Click(IDC_BUTTON_PASTE);
        QCOMPARE(h.tree.Selected()->Node(), copied);
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=src IDC_EDIT_URL=http://example.com/src "
                              "IDC_COMBO_LEVEL=7 IDC_CHECK_PRECACHE=[ ] | src"_s);
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
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=last IDC_EDIT_URL=http://example.com/last "
                              "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[ ] | last"_s);
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
        const QString innerFields = u"IDC_EDIT_ITEMTITLE=inner IDC_EDIT_URL=http://example.com/inner "
                                     "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[ ] | inner"_s;
        QCOMPARE(h.Fields(), innerFields);
        QWidget* viewport = h.View()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, h.View()->visualRect(h.IndexOf(inner)).center());
        QCOMPARE(h.Fields(), innerFields);
        QTest::keyClick(h.View(), Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(h.Fields(), innerFields);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(viewport->width() / 2, viewport->height() - 2));
        QCOMPARE(h.Fields(), innerFields);

        // Closing the branch by its button selects the channel; Delete deletes it.
        const QRect channelRow = h.View()->visualRect(h.IndexOf(channel));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(channelRow.left() - h.View()->indentation() / 2, channelRow.center().y()));
        QVERIFY(!h.View()->isExpanded(h.IndexOf(channel)));
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=新規チャンネル IDC_EDIT_URL=http:// "
                              "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[x] | 新規チャンネル"_s);
        h.Click(IDC_BUTTON_DELETE);
        QCOMPARE(h.tree.Root()->ChildCount(), std::size_t(1));
        QCOMPARE(h.Fields(), u"IDC_EDIT_ITEMTITLE=outer IDC_EDIT_URL=http://example.com/outer "
                              "IDC_COMBO_LEVEL=0 IDC_CHECK_PRECACHE=[ ] | outer"_s);
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
};

QTEST_MAIN(SitemapDialogTest)
#include "sitemap_dialog_test.moc"
