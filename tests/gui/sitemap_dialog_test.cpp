// The site map dialog driven offscreen over a stand-in main form: the fields
// follow the selected item and only the user's own edits reach its record,
// the root mirrors the main form, OK and Escape, Enter, the editing buttons
// and very large trees.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "channel/Channel.h"
#include "framework/SjisQt.h"
#include "sitemap/SitemapDlg.h"
#include "sitemap/SitemapModel.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace {

enum Id {
    kTree = 1071, kAddPage = 1068, kAddChannel = 1067, kDelete = 1069, kCopy = 1070, kPaste = 1072,
    kOk = 1085, kTitle = 1079, kComment = 1082, kUrl = 1078, kLevel = 1086, kPrecache = 1083,
};

// The main form's part: a plain window that the dialog disables and enables,
// and the channel whose head and site map it edits.
struct Harness {
    fwtest::ScriptedPlatform platform;
    fw::Channel channel;
    QWidget mainForm;
    CSitemapDlg dlg{platform, channel, &mainForm};

    // What the main form's site map button does.
    bool Open()
    {
        mainForm.show();
        const bool active = fwtest::ShowAndActivate(&dlg);
        mainForm.setEnabled(false);
        return active;
    }

    template <typename T> T* Get(int id) const { return fwtest::FindControl<T>(&dlg, id); }
    QLineEdit* Edit(int id) const { return Get<QLineEdit>(id); }
    QTreeView* View() const { return Get<QTreeView>(kTree); }
    SitemapModel* Model() const { return qobject_cast<SitemapModel*>(View()->model()); }
    void Click(int id) const { QTest::mouseClick(Get<QPushButton>(id), Qt::LeftButton); }
    fw::SitemapTree& Tree() { return channel.sitemap; }
    fw::SitemapItem* Selected() { return channel.sitemap.Selected(); }
    QString LabelOf(const fw::SitemapItem* item) const { return Model()->IndexOf(item).data().toString(); }

    void ClickItem(const fw::SitemapItem* item) const
    {
        const QModelIndex index = Model()->IndexOf(item);
        View()->scrollTo(index);
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, View()->visualRect(index).center());
    }

    void Retype(int id, const QString& text) const
    {
        Edit(id)->setFocus(Qt::TabFocusReason);
        fwtest::ClearByKeyboard(Edit(id));
        fwtest::TypeText(Edit(id), text);
    }

    // A page appended under `parent` the way a load makes it.
    fw::SitemapItem* LoadedPage(fw::SitemapItem* parent, const char* title, int level = 0)
    {
        Tree().Select(parent);
        fw::SitemapItem* page = Tree().AddPage(false);
        page->Node().m_strTitle = title;
        page->Node().m_strHref = std::string("http://example.com/") + title;
        page->Node().m_nLevel = level;
        page->Node().m_bPrecache = 0;
        Tree().SetLabel(page, title);
        return page;
    }

    void CompareFields(const QString& title, const QString& url, int level, bool precache) const
    {
        QCOMPARE(Edit(kTitle)->text(), title);
        QCOMPARE(Edit(kUrl)->text(), url);
        QCOMPARE(Get<QComboBox>(kLevel)->currentIndex(), level);
        QCOMPARE(Get<QCheckBox>(kPrecache)->isChecked(), precache);
    }
};

}  // namespace

class SitemapDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("feedwright")); }

    void newItemShowsItsDefaultsAndTakesTheUsersEdits()
    {
        Harness h;
        QVERIFY(!h.dlg.isVisible());
        QVERIFY(h.dlg.parentWidget() == nullptr);
        QVERIFY(h.Open());
        h.Click(kAddChannel);
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(h.Selected()));
        h.CompareFields(QStringLiteral("新規チャンネル"), QStringLiteral("http://"), 0, true);
        h.Click(kAddPage);
        fw::SitemapItem* page = h.Selected();
        QCOMPARE(page->Parent(), h.Tree().Root()->FirstChild());
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(page));
        h.CompareFields(QStringLiteral("新規ページ"), QStringLiteral("http://"), 0, true);

        // The title renames the label with every keystroke; the URL does not.
        h.Retype(kTitle, QStringLiteral("新"));
        QCOMPARE(h.LabelOf(page), QStringLiteral("新"));
        fwtest::TypeText(h.Edit(kTitle), QStringLiteral("館"));
        QCOMPARE(h.LabelOf(page), QStringLiteral("新館"));
        QCOMPARE(page->Node().m_strTitle, fwgui::FromQString(QStringLiteral("新館")));
        h.Retype(kUrl, QStringLiteral("http://a/"));
        QCOMPARE(page->Node().m_strHref, std::string("http://a/"));
        QCOMPARE(h.LabelOf(page), QStringLiteral("新館"));

        QTest::mouseClick(h.Get<QCheckBox>(kPrecache), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(page->Node().m_bPrecache, 0);
        h.Get<QComboBox>(kLevel)->setFocus();
        QTest::keyClick(h.Get<QComboBox>(kLevel), Qt::Key_Down);
        QCOMPARE(page->Node().m_nLevel, 1);

        // With nothing selected the fields reach no record.
        h.Tree().Select(nullptr);
        h.Retype(kUrl, QStringLiteral("nowhere"));
        QCOMPARE(page->Node().m_strHref, std::string("http://a/"));
    }

    // The refresh after a selection change must not write into the newly
    // selected record: neither its level nor its label.
    void selectingShowsTheRecordAndWritesNothing()
    {
        Harness h;
        fw::SitemapItem* a = h.LoadedPage(h.Tree().Root(), "a", 5);
        fw::SitemapItem* b = h.LoadedPage(h.Tree().Root(), "b", 20);
        h.Tree().SetLabel(b, "label of b");
        QVERIFY(h.Open());

        h.ClickItem(a);
        QCOMPARE(h.Selected(), a);
        h.CompareFields(QStringLiteral("a"), QStringLiteral("http://example.com/a"), 5, false);
        h.ClickItem(b);
        QCOMPARE(h.Selected(), b);
        // A level outside 0..12 shows no choice and stays until one is made.
        h.CompareFields(QStringLiteral("b"), QStringLiteral("http://example.com/b"), -1, false);
        QCOMPARE(b->Node().m_nLevel, 20);
        QCOMPARE(b->Label(), std::string("label of b"));
        QCOMPARE(a->Node().m_nLevel, 5);
        h.Retype(kUrl, QStringLiteral("http://x"));
        QCOMPARE(b->Node().m_nLevel, 20);
        h.Get<QComboBox>(kLevel)->setFocus();
        QTest::keyClick(h.Get<QComboBox>(kLevel), Qt::Key_Down);
        QCOMPARE(b->Node().m_nLevel, 0);

        // Selecting from code moves the view and the fields too.
        h.Tree().Select(a);
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(a));
        QCOMPARE(h.Edit(kTitle)->text(), QStringLiteral("a"));
    }

    void showingOverwritesTheRootWithTheMainForm()
    {
        Harness h;
        fw::SitemapItem* root = h.Tree().Root();
        root->Node().m_strTitle = "old";
        root->Node().m_nLevel = 3;
        h.channel.head.m_strTitle = "Head";
        h.channel.head.m_strHomeUrl = "http://home";
        h.channel.head.m_strAbstract = "about";
        h.LoadedPage(root, "p");

        QVERIFY(h.Open());
        QCOMPARE(h.Selected(), root);
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(root));
        QCOMPARE(root->Node().m_strTitle, std::string("Head"));
        QCOMPARE(root->Node().m_strHref, std::string("http://home"));
        QCOMPARE(root->Node().m_strAbstract, std::string("about"));
        QCOMPARE(root->Label(), std::string("Head"));
        h.CompareFields(QStringLiteral("Head"), QStringLiteral("http://home"), 3, true);
    }

    void okCopiesTheRootBackEscapeAndCloseDoNot()
    {
        Harness h;
        QSignalSpy copiedBack(&h.dlg, &CSitemapDlg::rootCopiedBack);
        const std::string headTitle = h.channel.head.m_strTitle;

        QVERIFY(h.Open());
        h.Retype(kTitle, QStringLiteral("Escaped"));
        QTest::keyClick(&h.dlg, Qt::Key_Escape);
        QVERIFY(!h.dlg.isVisible());
        QVERIFY(h.mainForm.isEnabled());
        QCOMPARE(h.channel.head.m_strTitle, headTitle);

        // The next showing puts the main form's title back on the root.
        QVERIFY(h.Open());
        QCOMPARE(h.LabelOf(h.Tree().Root()), QStringLiteral("タイトル"));
        h.Retype(kTitle, QStringLiteral("Closed"));
        h.dlg.close();
        QVERIFY(!h.dlg.isVisible());
        QVERIFY(h.mainForm.isEnabled());
        QCOMPARE(h.channel.head.m_strTitle, headTitle);
        QCOMPARE(copiedBack.count(), 0);

        QVERIFY(h.Open());
        h.Retype(kTitle, QStringLiteral("Kept"));
        h.Retype(kUrl, QStringLiteral("http://kept"));
        h.Tree().Root()->Node().m_strAbstract = "comment";
        h.Click(kOk);
        QVERIFY(!h.dlg.isVisible());
        QVERIFY(h.mainForm.isEnabled());
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
        fw::SitemapItem* page = h.Selected();
        QTest::keyClick(&h.dlg, Qt::Key_Return);
        h.Get<QPushButton>(kOk)->setFocus();
        QTest::keyClick(h.Get<QPushButton>(kOk), Qt::Key_Return);
        QVERIFY(h.dlg.isVisible());

        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(h.View()->indexWidget(h.Model()->IndexOf(page)));
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral("typed"));
        QTest::keyClick(&h.dlg, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(h.dlg.isVisible());
        QVERIFY(h.View()->indexWidget(h.Model()->IndexOf(page)) == nullptr);
        QCOMPARE(h.LabelOf(page), QStringLiteral("typed"));
        QCOMPARE(page->Node().m_strTitle, std::string("typed"));
        QCOMPARE(h.Edit(kTitle)->text(), QStringLiteral("typed"));
    }

    void deleteSparesTheRootAndTakesWholeSubtrees()
    {
        Harness h;
        fw::SitemapItem* root = h.Tree().Root();
        h.Tree().Select(root);
        fw::SitemapItem* channel = h.Tree().AddSubChannel(false);
        h.LoadedPage(channel, "c1");
        h.Tree().Select(channel);
        h.LoadedPage(h.Tree().AddSubChannel(false), "deep");
        fw::SitemapItem* after = h.LoadedPage(root, "after", 4);
        QVERIFY(h.Open());

        h.Click(kDelete);  // the root is selected
        QCOMPARE(h.Tree().ItemCount(), std::size_t(6));
        h.ClickItem(channel);
        h.Click(kDelete);
        QCOMPARE(h.Tree().ItemCount(), std::size_t(2));
        QCOMPARE(root->FirstChild(), after);
        // The selection moves on, and the view and the fields go with it.
        QCOMPARE(h.Selected(), after);
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(after));
        h.CompareFields(QStringLiteral("after"), QStringLiteral("http://example.com/after"), 4, false);
    }

    void copyDeleteThenPasteKeepsEveryValue()
    {
        Harness h;
        fw::SitemapItem* source = h.LoadedPage(h.Tree().Root(), "src", 7);
        source->Node().m_strAbstract = "about";
        source->Node().m_strIconHref = "http://icon";
        source->Node().m_nUsage = 5;
        const fw::SitemapNode copied = source->Node();
        QVERIFY(h.Open());

        // Before any copy, paste makes a new page.
        h.Click(kPaste);
        QCOMPARE(h.Selected()->Node(), fw::SitemapNode::NewPage());
        QCOMPARE(h.LabelOf(h.Selected()), QStringLiteral("新規ページ"));

        h.ClickItem(source);
        h.Click(kCopy);
        source->Node().m_strTitle = "changed after copying";
        h.Click(kDelete);
        h.Click(kPaste);
        fw::SitemapItem* pasted = h.Selected();
        QCOMPARE(pasted->Node(), copied);
        QCOMPARE(pasted->Image(), fw::kImagePage);
        QCOMPARE(h.LabelOf(pasted), QStringLiteral("src"));
        h.CompareFields(QStringLiteral("src"), QStringLiteral("http://example.com/src"), 7, false);
    }

    void aCopiedChannelPastesWithoutItsChildren()
    {
        Harness h;
        h.Tree().Select(h.Tree().Root());
        fw::SitemapItem* channel = h.Tree().AddSubChannel(false);
        h.LoadedPage(channel, "p1");
        h.LoadedPage(channel, "p2");
        QVERIFY(h.Open());

        h.ClickItem(channel);
        h.Click(kCopy);
        h.Click(kPaste);
        fw::SitemapItem* pasted = h.Selected();
        QCOMPARE(channel->FirstChild(), pasted);
        QCOMPARE(pasted->ChildCount(), std::size_t(0));
        QCOMPARE(pasted->Image(), fw::kImageChannel);
        QCOMPARE(channel->ChildCount(), std::size_t(3));
    }

    void commentButtonEditsTheSelectedRecord()
    {
        Harness h;
        fw::SitemapItem* page = h.LoadedPage(h.Tree().Root(), "p");
        QVERIFY(h.Open());
        h.ClickItem(page);
        fwtest::WhenModalOpens([](QWidget* modal) {
            auto* comment = fwtest::FindControl<QPlainTextEdit>(modal, 1084);
            comment->setFocus();
            fwtest::TypeText(comment, QStringLiteral("about p"));
            QTest::mouseClick(fwtest::FindControl<QPushButton>(modal, 1), Qt::LeftButton);
        });
        h.Click(kComment);
        QCOMPARE(page->Node().m_strAbstract, std::string("about p"));
    }

    // After a load the fields describe the selected item as read, so that a
    // keystroke in one field cannot put the defaults back into the others.
    void aLoadEndsWithTheFieldsOfTheItemRead()
    {
        Harness h;
        QVERIFY(h.Open());
        fw::SitemapItem* page = nullptr;
        {
            fw::SitemapTree::BulkUpdate bulk(h.Tree());
            page = h.LoadedPage(h.Tree().Root(), "read", 2);
        }
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(page));
        h.CompareFields(QStringLiteral("read"), QStringLiteral("http://example.com/read"), 2, false);
        h.Retype(kUrl, QStringLiteral("http://other"));
        QCOMPARE(page->Node().m_strTitle, std::string("read"));
        QCOMPARE(page->Node().m_nLevel, 2);
    }

    void aHundredThousandItemsOpen()
    {
        Harness h;
        {
            fw::SitemapTree::BulkUpdate bulk(h.Tree());
            for (int i = 0; i < 100000; ++i) {
                h.Tree().Select(h.Tree().Root());
                h.Tree().AddPage(false);
            }
        }
        QElapsedTimer timer;
        timer.start();
        QVERIFY(h.Open());
        h.View()->expand(h.Model()->IndexOf(h.Tree().Root()));
        h.View()->scrollToBottom();
        QCoreApplication::processEvents();
        qInfo("showing and opening %zu items took %lld ms", h.Tree().ItemCount(), timer.elapsed());

        h.ClickItem(h.Tree().Root()->LastChild());
        QCOMPARE(h.Selected(), h.Tree().Root()->LastChild());
        h.Click(kAddPage);
        QCOMPARE(h.Tree().Root()->LastChild(), h.Selected());
        QVERIFY(h.View()->visualRect(h.View()->currentIndex()).intersects(h.View()->viewport()->rect()));
    }

    // A load may nest sub-channels without limit; the view opens one level
    // at a time, even when asked to open everything below an item.
    void aVeryDeepSiteMapOpensLevelByLevel()
    {
        Harness h;
        fw::SitemapItem* deepest = h.Tree().Root();
        {
            fw::SitemapTree::BulkUpdate bulk(h.Tree());
            for (int i = 0; i < 100000; ++i) {
                h.Tree().Select(deepest);
                deepest = h.Tree().AddSubChannel(false);
            }
        }
        QVERIFY(h.Open());
        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_Asterisk, Qt::KeypadModifier);
        QCoreApplication::processEvents();
        QVERIFY(h.View()->isExpanded(h.Model()->IndexOf(h.Tree().Root())));
        QVERIFY(!h.View()->isExpanded(h.Model()->IndexOf(h.Tree().Root()->FirstChild())));
    }
};

QTEST_MAIN(SitemapDialogTest)
#include "sitemap_dialog_test.moc"
