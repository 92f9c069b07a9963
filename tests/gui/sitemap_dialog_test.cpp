// The site map dialog driven offscreen over a stand-in main form: the fields
// follow the selected item and only the user's own edits reach its record,
// the root mirrors the main form, OK and Escape, Enter, the editing buttons
// and very large trees.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "channel/Channel.h"
#include "sitemap/SitemapDlg.h"
#include "sitemap/SitemapModel.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;

namespace {

enum Id {
    kTree = 1071, kAddPage = 1068, kAddChannel = 1067, kDelete = 1069, kCopy = 1070, kPaste = 1072,
    kOk = 1085, kTitle = 1079, kUrl = 1078, kLevel = 1086, kPrecache = 1083,
};

// The main form's part: a plain window that the dialog disables and enables,
// and the channel whose head and site map it edits.
struct Harness {
    fwtest::ScriptedPlatform platform;
    fw::Channel channel;
    QWidget mainForm;
    CSitemapDlg dlg{platform, channel, &mainForm};
    fw::SitemapTree& tree = channel.sitemap;

    // What the main form's site map button does.
    bool Open()
    {
        mainForm.show();
        mainForm.setEnabled(false);
        return fwtest::ShowAndActivate(&dlg);
    }

    QWidget* Control(int id) const { return fwtest::FindControl<QWidget>(&dlg, id); }
    QTreeView* View() const { return fwtest::FindControl<QTreeView>(&dlg, kTree); }
    SitemapModel* Model() const { return qobject_cast<SitemapModel*>(View()->model()); }
    void Click(int id) const { fwtest::Click(Control(id)); }
    QString Fields() const { return fwtest::Outline(&dlg, {kTitle, kUrl, kLevel, kPrecache}); }
    QString LabelOf(const fw::SitemapItem* item) const { return Model()->IndexOf(item).data().toString(); }
    // The selected item, when the view shows the same one as current.
    const fw::SitemapItem* Selected() const
    {
        return View()->currentIndex() == Model()->IndexOf(tree.Selected()) ? tree.Selected() : nullptr;
    }

    void ClickItem(const fw::SitemapItem* item) const
    {
        const QModelIndex index = Model()->IndexOf(item);
        View()->scrollTo(index);
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, View()->visualRect(index).center());
    }

    // A page appended under `parent` the way a load makes it.
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

    fw::SitemapItem* LoadedChannel(fw::SitemapItem* parent)
    {
        tree.Select(parent);
        return tree.AddSubChannel(false);
    }
};

}  // namespace

class SitemapDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"feedwright"_s); }

    void newItemsShowTheirDefaultsAndTakeTheUsersEdits()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(kAddChannel);
        QCOMPARE(h.Fields(), u"1079=新規チャンネル 1078=http:// 1086=0 1083=[x]"_s);
        h.Click(kAddPage);
        const fw::SitemapItem* page = h.Selected();
        QVERIFY(page != nullptr && page->Parent() == h.tree.Root()->FirstChild());
        QCOMPARE(h.Fields(), u"1079=新規ページ 1078=http:// 1086=0 1083=[x]"_s);

        // The title renames the label with every keystroke; the URL does not.
        fwtest::Retype(h.Control(kTitle), u"新"_s);
        QCOMPARE(h.LabelOf(page), u"新"_s);
        fwtest::TypeText(h.Control(kTitle), u"館"_s);
        QCOMPARE(h.LabelOf(page), u"新館"_s);
        fwtest::Retype(h.Control(kUrl), u"http://a/"_s);
        QCOMPARE(h.LabelOf(page), u"新館"_s);
        h.Click(kPrecache);
        QTest::keyClick(h.Control(kLevel), Qt::Key_Down);
        QCOMPARE(page->Node(), (fw::SitemapNode{.m_strHref = "http://a/", .m_strTitle = "\x90\x56\x8A\xD9",
                                                .m_nLevel = 1, .m_bPrecache = 0, .m_bIsPage = 1}));
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
        QCOMPARE(h.Fields(), u"1079=a 1078=http://example.com/a 1086=5 1083=[ ]"_s);
        h.ClickItem(b);
        QCOMPARE(h.Selected(), b);
        QCOMPARE(h.Fields(), u"1079=b 1078=http://example.com/b 1086= 1083=[ ]"_s);  // no level outside 0..12
        fwtest::Retype(h.Control(kUrl), u"http://x"_s);
        QCOMPARE(b->Node().m_nLevel, 20);
        QCOMPARE(b->Label(), std::string("label of b"));
        QCOMPARE(a->Node().m_nLevel, 5);

        // Selecting from code, as a load does, moves the view and the fields too.
        {
            fw::SitemapTree::BulkUpdate bulk(h.tree);
            h.LoadedPage(h.tree.Root(), "read", 2);
        }
        QCOMPARE(h.Fields(), u"1079=read 1078=http://example.com/read 1086=2 1083=[ ]"_s);
        QCOMPARE(h.Selected(), h.tree.Root()->LastChild());
    }

    void showingOverwritesTheRootWithTheMainForm()
    {
        Harness h;
        fw::SitemapItem* root = h.tree.Root();
        root->Node().m_strTitle = "old";
        root->Node().m_nLevel = 3;
        h.channel.head.m_strTitle = "Head";
        h.channel.head.m_strHomeUrl = "http://home";
        h.channel.head.m_strAbstract = "about";
        h.LoadedPage(root, "p");
        QVERIFY(h.Open());
        QCOMPARE(h.Selected(), root);
        QCOMPARE(h.LabelOf(root), u"Head"_s);
        QCOMPARE(h.Fields(), u"1079=Head 1078=http://home 1086=3 1083=[x]"_s);
        QCOMPARE(root->Node().m_strAbstract, std::string("about"));
    }

    void okCopiesTheRootBackEscapeDoesNot()
    {
        Harness h;
        QSignalSpy copiedBack(&h.dlg, &CSitemapDlg::rootCopiedBack);
        QVERIFY(h.Open());
        fwtest::Retype(h.Control(kTitle), u"Escaped"_s);
        QTest::keyClick(&h.dlg, Qt::Key_Escape);
        QVERIFY(!h.dlg.isVisible() && h.mainForm.isEnabled());
        QCOMPARE(h.channel.head.m_strTitle, std::string("\x83\x5E\x83\x43\x83\x67\x83\x8B"));  // タイトル

        QVERIFY(h.Open());
        QCOMPARE(h.LabelOf(h.tree.Root()), u"タイトル"_s);
        fwtest::Retype(h.Control(kTitle), u"Kept"_s);
        fwtest::Retype(h.Control(kUrl), u"http://kept"_s);
        h.tree.Root()->Node().m_strAbstract = "comment";
        h.Click(kOk);
        QVERIFY(!h.dlg.isVisible() && h.mainForm.isEnabled());
        QCOMPARE(copiedBack.count(), 1);
        QCOMPARE(h.channel.head.m_strTitle, std::string("Kept"));
        QCOMPARE(h.channel.head.m_strHomeUrl, std::string("http://kept"));
        QCOMPARE(h.channel.head.m_strAbstract, std::string("comment"));
    }

    void enterNeverClosesAndEndsALabelEdit()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(kAddPage);
        const fw::SitemapItem* page = h.Selected();
        QTest::keyClick(&h.dlg, Qt::Key_Return);
        h.Control(kOk)->setFocus();
        QTest::keyClick(h.Control(kOk), Qt::Key_Return);
        QVERIFY(h.dlg.isVisible());

        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(h.View()->indexWidget(h.Model()->IndexOf(page)));
        QVERIFY(editor != nullptr);
        editor->setText(u"typed"_s);
        QTest::keyClick(&h.dlg, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(h.dlg.isVisible());
        QVERIFY(h.View()->indexWidget(h.Model()->IndexOf(page)) == nullptr);
        QCOMPARE(h.LabelOf(page), u"typed"_s);
        QCOMPARE(page->Node().m_strTitle, std::string("typed"));
        QCOMPARE(h.Fields().section(u' ', 0, 0), u"1079=typed"_s);
    }

    void deleteSparesTheRootAndTakesWholeSubtrees()
    {
        Harness h;
        fw::SitemapItem* channel = h.LoadedChannel(h.tree.Root());
        h.LoadedPage(channel, "c1");
        h.LoadedPage(h.LoadedChannel(channel), "deep");
        fw::SitemapItem* after = h.LoadedPage(h.tree.Root(), "after", 4);
        QVERIFY(h.Open());
        h.Click(kDelete);  // the root is selected
        QCOMPARE(h.tree.ItemCount(), std::size_t(6));
        h.ClickItem(channel);
        h.Click(kDelete);
        QCOMPARE(h.tree.ItemCount(), std::size_t(2));
        QCOMPARE(h.Selected(), after);
        QCOMPARE(h.Fields(), u"1079=after 1078=http://example.com/after 1086=4 1083=[ ]"_s);
    }

    void copyDeleteThenPaste()
    {
        Harness h;
        fw::SitemapItem* source = h.LoadedPage(h.tree.Root(), "src", 7);
        source->Node().m_strAbstract = "about";
        source->Node().m_nUsage = 5;
        const fw::SitemapNode copied = source->Node();
        fw::SitemapItem* channel = h.LoadedChannel(h.tree.Root());
        h.LoadedPage(channel, "p1");
        QVERIFY(h.Open());

        h.Click(kPaste);  // before any copy: a new page
        QCOMPARE(h.Selected()->Node(), fw::SitemapNode::NewPage());
        QCOMPARE(h.LabelOf(h.Selected()), u"新規ページ"_s);

        h.ClickItem(source);
        h.Click(kCopy);
        source->Node().m_strTitle = "changed after copying";
        h.Click(kDelete);
        h.Click(kPaste);
        QCOMPARE(h.Selected()->Node(), copied);
        QCOMPARE(h.Fields(), u"1079=src 1078=http://example.com/src 1086=7 1083=[ ]"_s);

        // A channel pastes as a channel, without its children.
        h.ClickItem(channel);
        h.Click(kCopy);
        h.Click(kPaste);
        QCOMPARE(h.Selected()->Parent(), channel);
        QCOMPARE(h.Selected()->ChildCount(), std::size_t(0));
        QCOMPARE(h.Selected()->Image(), fw::kImageChannel);
        QCOMPARE(channel->ChildCount(), std::size_t(2));
    }

    void aHundredThousandItemsShow()
    {
        Harness h;
        {
            fw::SitemapTree::BulkUpdate bulk(h.tree);
            for (int i = 0; i < 100000; ++i) {
                h.tree.Select(h.tree.Root());
                h.tree.AddPage(false);
            }
        }
        QVERIFY(h.Open());
        h.View()->expand(h.Model()->IndexOf(h.tree.Root()));
        h.View()->scrollToBottom();
        h.ClickItem(h.tree.Root()->LastChild());
        QCOMPARE(h.Selected(), h.tree.Root()->LastChild());
        h.Click(kAddPage);
        QCOMPARE(h.Selected(), h.tree.Root()->LastChild());
        QVERIFY(h.View()->visualRect(h.View()->currentIndex()).intersects(h.View()->viewport()->rect()));
    }

    // A load may nest sub-channels without limit: the star key opens one level.
    void theStarKeyOpensOneLevelOfAVeryDeepTree()
    {
        Harness h;
        fw::SitemapItem* deepest = h.tree.Root();
        {
            fw::SitemapTree::BulkUpdate bulk(h.tree);
            for (int i = 0; i < 100000; ++i)
                deepest = h.LoadedChannel(deepest);
        }
        QVERIFY(h.Open());
        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_Asterisk, Qt::KeypadModifier);
        QVERIFY(h.View()->isExpanded(h.Model()->IndexOf(h.tree.Root())));
        QVERIFY(!h.View()->isExpanded(h.Model()->IndexOf(h.tree.Root()->FirstChild())));
    }
};

QTEST_MAIN(SitemapDialogTest)
#include "sitemap_dialog_test.moc"
