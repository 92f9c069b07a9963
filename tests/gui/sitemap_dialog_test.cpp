// The site map dialog driven offscreen over a stand-in main form: the fields
// follow the selected item and only the user's own edits reach its record,
// the root mirrors the main form, OK and Escape, Enter, the editing buttons
// and a very large tree.

#include <QAbstractItemModelTester>
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
#include <memory>

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

std::string Sjis(const QString& text) { return fwgui::FromQString(text); }

// The main form's part: a plain window that the dialog disables and enables,
// and the channel whose head and site map it edits.
struct Harness {
    fwtest::ScriptedPlatform platform;
    fw::Channel channel;
    QWidget mainForm;
    std::unique_ptr<CSitemapDlg> dlg;

    Harness()
    {
        mainForm.show();
        dlg = std::make_unique<CSitemapDlg>(platform, channel, &mainForm);
    }

    // What the main form's site map button does.
    bool Open()
    {
        const bool active = fwtest::ShowAndActivate(dlg.get());
        mainForm.setEnabled(false);
        return active;
    }

    template <typename T> T* Get(int id) const { return fwtest::FindControl<T>(dlg.get(), id); }
    QLineEdit* Edit(int id) const { return Get<QLineEdit>(id); }
    QTreeView* View() const { return Get<QTreeView>(kTree); }
    SitemapModel* Model() const { return qobject_cast<SitemapModel*>(View()->model()); }
    void Click(int id) const { QTest::mouseClick(Get<QPushButton>(id), Qt::LeftButton); }
    fw::SitemapTree& Tree() { return channel.sitemap; }
    fw::SitemapItem* Selected() { return channel.sitemap.Selected(); }
    QString LabelOf(const fw::SitemapItem* item) const { return Model()->IndexOf(item).data().toString(); }

    // Clicks an item in the view the way a person does.
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

    // A page appended under `parent` the way a load makes it, with values.
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
};

void CompareFields(const Harness& h, const QString& title, const QString& url, int level, bool precache)
{
    QCOMPARE(h.Edit(kTitle)->text(), title);
    QCOMPARE(h.Edit(kUrl)->text(), url);
    QCOMPARE(h.Get<QComboBox>(kLevel)->currentIndex(), level);
    QCOMPARE(h.Get<QCheckBox>(kPrecache)->isChecked(), precache);
}

}  // namespace

class SitemapDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("feedwright")); }

    void startsHiddenWithAFixedLayout()
    {
        Harness h;
        QVERIFY(!h.dlg->isVisible());
        QVERIFY(h.dlg->parentWidget() == nullptr);
        QCOMPARE(h.dlg->windowTitle(), QStringLiteral("ページ指定"));
        QCOMPARE(h.Get<QComboBox>(kLevel)->count(), 13);
        QCOMPARE(h.Get<QComboBox>(kLevel)->itemText(12), QStringLiteral("12"));
        QCOMPARE(h.Get<QComboBox>(kLevel)->currentIndex(), -1);
        QCOMPARE(h.Get<QPushButton>(kPaste)->accessibleName(), QStringLiteral("ペースト"));
        QVERIFY(!h.Get<QPushButton>(kDelete)->icon().isNull());
        QVERIFY(!h.View()->dragEnabled());
        QVERIFY(h.View()->editTriggers() & QAbstractItemView::EditKeyPressed);
    }

    void newItemsAreSelectedWithTheirDefaultsShown()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(kAddPage);
        fw::SitemapItem* page = h.Selected();
        QVERIFY(page != h.Tree().Root());
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(page));
        QCOMPARE(h.LabelOf(page), QStringLiteral("新規ページ"));
        CompareFields(h, QStringLiteral("新規ページ"), QStringLiteral("http://"), 0, true);

        h.ClickItem(h.Tree().Root());
        h.Click(kAddChannel);
        QCOMPARE(h.Tree().Root()->FirstChild(), h.Selected());
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(h.Selected()));
        CompareFields(h, QStringLiteral("新規チャンネル"), QStringLiteral("http://"), 0, true);
    }

    // A refresh after a selection change must not write into the newly
    // selected record: not its level, not its label.
    void selectingShowsTheRecordAndWritesNothing()
    {
        Harness h;
        fw::SitemapItem* a = h.LoadedPage(h.Tree().Root(), "a", 5);
        fw::SitemapItem* b = h.LoadedPage(h.Tree().Root(), "b", 20);
        h.Tree().SetLabel(b, "label of b");
        QVERIFY(h.Open());

        h.ClickItem(a);
        QCOMPARE(h.Selected(), a);
        CompareFields(h, QStringLiteral("a"), QStringLiteral("http://example.com/a"), 5, false);

        h.ClickItem(b);
        QCOMPARE(h.Selected(), b);
        // A level outside 0..12 shows no choice and stays until one is made.
        CompareFields(h, QStringLiteral("b"), QStringLiteral("http://example.com/b"), -1, false);
        QCOMPARE(b->Node().m_nLevel, 20);
        QCOMPARE(b->Label(), std::string("label of b"));
        QCOMPARE(a->Node().m_nLevel, 5);
        QCOMPARE(a->Node().m_strTitle, std::string("a"));

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

    void userEditsReachTheSelectedRecord()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(kAddPage);
        fw::SitemapItem* page = h.Selected();

        // The title renames the label with every keystroke.
        h.Retype(kTitle, QString());
        QCOMPARE(h.LabelOf(page), QString());
        fwtest::TypeText(h.Edit(kTitle), QStringLiteral("新"));
        QCOMPARE(h.LabelOf(page), QStringLiteral("新"));
        QCOMPARE(page->Node().m_strTitle, Sjis(QStringLiteral("新")));
        fwtest::TypeText(h.Edit(kTitle), QStringLiteral("館"));
        QCOMPARE(h.LabelOf(page), QStringLiteral("新館"));
        QCOMPARE(page->Node().m_strTitle, Sjis(QStringLiteral("新館")));

        // The URL changes only the record.
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
        CompareFields(h, QStringLiteral("Head"), QStringLiteral("http://home"), 3, true);
    }

    void okCopiesTheRootBackEscapeAndCloseDoNot()
    {
        Harness h;
        QSignalSpy copiedBack(h.dlg.get(), &CSitemapDlg::rootCopiedBack);

        QVERIFY(h.Open());
        h.Retype(kTitle, QStringLiteral("Escaped"));
        QTest::keyClick(h.dlg.get(), Qt::Key_Escape);
        QVERIFY(!h.dlg->isVisible());
        QVERIFY(h.mainForm.isEnabled());
        QCOMPARE(h.channel.head.m_strTitle, Sjis(QStringLiteral("タイトル")));
        QCOMPARE(copiedBack.count(), 0);

        // The next showing puts the main form's title back on the root.
        QVERIFY(h.Open());
        QCOMPARE(h.LabelOf(h.Tree().Root()), QStringLiteral("タイトル"));
        h.Retype(kTitle, QStringLiteral("Closed"));
        h.dlg->close();
        QVERIFY(!h.dlg->isVisible());
        QVERIFY(h.mainForm.isEnabled());
        QCOMPARE(copiedBack.count(), 0);

        QVERIFY(h.Open());
        h.Retype(kTitle, QStringLiteral("Kept"));
        h.Retype(kUrl, QStringLiteral("http://kept"));
        h.Tree().Root()->Node().m_strAbstract = "comment";
        h.Click(kOk);
        QVERIFY(!h.dlg->isVisible());
        QVERIFY(h.mainForm.isEnabled());
        QCOMPARE(copiedBack.count(), 1);
        QCOMPARE(h.channel.head.m_strTitle, std::string("Kept"));
        QCOMPARE(h.channel.head.m_strHomeUrl, std::string("http://kept"));
        QCOMPARE(h.channel.head.m_strAbstract, std::string("comment"));
        // Hiding keeps the tree.
        QCOMPARE(h.LabelOf(h.Tree().Root()), QStringLiteral("Kept"));
    }

    void enterNeverClosesAndEndsALabelEdit()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(kAddPage);
        fw::SitemapItem* page = h.Selected();

        QTest::keyClick(h.dlg.get(), Qt::Key_Return);
        h.Get<QPushButton>(kOk)->setFocus();
        QTest::keyClick(h.Get<QPushButton>(kOk), Qt::Key_Return);
        fwtest::TypeText(h.Edit(kUrl), QStringLiteral("\n"));
        QVERIFY(h.dlg->isVisible());

        // Enter in the dialog ends an edit in progress with the typed text.
        h.View()->setFocus();
        QTest::keyClick(h.View(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(h.View()->indexWidget(h.Model()->IndexOf(page)));
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral("typed"));
        QTest::keyClick(h.dlg.get(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(h.dlg->isVisible());
        QCOMPARE(h.LabelOf(page), QStringLiteral("typed"));
        QCOMPARE(page->Node().m_strTitle, std::string("typed"));
        QCOMPARE(h.Edit(kTitle)->text(), QStringLiteral("typed"));

        // Enter in the edit box itself does the same; Escape there cancels
        // the edit and leaves the dialog open.
        QTest::keyClick(h.View(), Qt::Key_F2);
        editor = qobject_cast<QLineEdit*>(h.View()->indexWidget(h.Model()->IndexOf(page)));
        QVERIFY(editor != nullptr);
        editor->selectAll();
        fwtest::TypeText(editor, QStringLiteral("again\n"));
        QTRY_COMPARE(page->Node().m_strTitle, std::string("again"));
        QTRY_VERIFY(h.View()->indexWidget(h.Model()->IndexOf(page)) == nullptr);
        QTest::keyClick(h.View(), Qt::Key_F2);
        editor = qobject_cast<QLineEdit*>(h.View()->indexWidget(h.Model()->IndexOf(page)));
        QVERIFY(editor != nullptr);
        fwtest::TypeText(editor, QStringLiteral("zzz"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(h.dlg->isVisible());
        QCOMPARE(page->Node().m_strTitle, std::string("again"));
        QCOMPARE(h.LabelOf(page), QStringLiteral("again"));
    }

    void deleteSparesTheRootAndTakesWholeSubtrees()
    {
        Harness h;
        fw::SitemapItem* root = h.Tree().Root();
        h.Tree().Select(root);
        fw::SitemapItem* channel = h.Tree().AddSubChannel(false);
        h.LoadedPage(channel, "c1");
        fw::SitemapItem* inner = nullptr;
        {
            h.Tree().Select(channel);
            inner = h.Tree().AddSubChannel(false);
            h.LoadedPage(inner, "deep");
        }
        fw::SitemapItem* after = h.LoadedPage(root, "after", 4);
        QCOMPARE(h.Tree().ItemCount(), std::size_t(6));
        QVERIFY(h.Open());

        h.Click(kDelete);  // the root is selected
        QCOMPARE(h.Tree().ItemCount(), std::size_t(6));
        QCOMPARE(h.Tree().Root(), root);

        h.ClickItem(channel);
        h.Click(kDelete);
        QCOMPARE(h.Tree().ItemCount(), std::size_t(2));
        QCOMPARE(root->FirstChild(), after);
        // The selection moves on, and the fields and the view go with it.
        QCOMPARE(h.Selected(), after);
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(after));
        CompareFields(h, QStringLiteral("after"), QStringLiteral("http://example.com/after"), 4, false);
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

        h.ClickItem(source);
        h.Click(kCopy);
        source->Node().m_strTitle = "changed after copying";
        h.Click(kDelete);
        QCOMPARE(h.Selected(), h.Tree().Root());
        h.Click(kPaste);
        fw::SitemapItem* pasted = h.Selected();
        QVERIFY(pasted != h.Tree().Root());
        QCOMPARE(pasted->Node(), copied);
        QCOMPARE(pasted->Image(), fw::kImagePage);
        QCOMPARE(h.LabelOf(pasted), QStringLiteral("src"));
        CompareFields(h, QStringLiteral("src"), QStringLiteral("http://example.com/src"), 7, false);
    }

    void pasteBeforeAnyCopyIsANewPage()
    {
        Harness h;
        QVERIFY(h.Open());
        h.Click(kPaste);
        fw::SitemapItem* pasted = h.Selected();
        QCOMPARE(pasted->Node(), fw::SitemapNode::NewPage());
        QCOMPARE(h.LabelOf(pasted), QStringLiteral("新規ページ"));
        CompareFields(h, QStringLiteral("新規ページ"), QStringLiteral("http://"), 0, true);
    }

    void aCopiedChannelPastesWithoutItsChildren()
    {
        Harness h;
        h.Tree().Select(h.Tree().Root());
        fw::SitemapItem* channel = h.Tree().AddSubChannel(false);
        h.Tree().SetLabel(channel, "chan");
        channel->Node().m_strTitle = "chan";
        h.LoadedPage(channel, "p1");
        h.LoadedPage(channel, "p2");
        QVERIFY(h.Open());

        h.ClickItem(channel);
        h.Click(kCopy);
        h.Click(kPaste);
        fw::SitemapItem* pasted = h.Selected();
        QCOMPARE(pasted->Parent(), channel);
        QCOMPARE(channel->FirstChild(), pasted);
        QCOMPARE(pasted->ChildCount(), std::size_t(0));
        QCOMPARE(pasted->Image(), fw::kImageChannel);
        QCOMPARE(h.LabelOf(pasted), QStringLiteral("chan"));
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
        QVERIFY(h.dlg->isVisible());
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
        QCOMPARE(h.Selected(), page);
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(page));
        CompareFields(h, QStringLiteral("read"), QStringLiteral("http://example.com/read"), 2, false);
        h.Retype(kUrl, QStringLiteral("http://other"));
        QCOMPARE(page->Node().m_strTitle, std::string("read"));
        QCOMPARE(page->Node().m_nLevel, 2);
    }

    void aHundredThousandItemsOpen()
    {
        Harness h;
        {
            fw::SitemapTree::BulkUpdate bulk(h.Tree());
            fw::SitemapItem* channel = nullptr;
            for (int i = 0; i < 100000; ++i) {
                if (i % 1000 == 0) {
                    h.Tree().Select(h.Tree().Root());
                    channel = h.Tree().AddSubChannel(false);
                }
                h.Tree().Select(channel);
                h.Tree().AddPage(false);
            }
        }
        QElapsedTimer timer;
        timer.start();
        QVERIFY(h.Open());
        h.View()->expandAll();
        h.View()->scrollToBottom();
        QCoreApplication::processEvents();
        qInfo("opening and expanding %zu items took %lld ms", h.Tree().ItemCount(), timer.elapsed());

        QCOMPARE(h.Selected(), h.Tree().Root());
        const QModelIndex last = h.Model()->IndexOf(h.Tree().Root()->LastChild()->LastChild());
        QVERIFY(h.View()->visualRect(last).intersects(h.View()->viewport()->rect()));
        h.ClickItem(h.Tree().Root()->LastChild()->LastChild());
        QCOMPARE(h.Edit(kTitle)->text(), QStringLiteral("新規ページ"));
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
        h.Click(kAddPage);
        QCOMPARE(h.Selected()->Parent(), h.Tree().Root());
    }

    void theViewStaysConsistentThroughButtonWork()
    {
        Harness h;
        QAbstractItemModelTester tester(h.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(h.Open());
        for (int round = 0; round < 3; ++round) {
            h.Click(kAddChannel);
            h.Click(kAddPage);
            h.Click(kAddPage);
            h.Click(kCopy);
            h.Click(kPaste);
            h.ClickItem(h.Tree().Root()->FirstChild());
            h.Click(kCopy);
            h.Click(kPaste);
            h.Click(kDelete);
        }
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(h.Selected()));
        h.channel.Clear();
        QCOMPARE(h.Model()->rowCount(h.Model()->IndexOf(h.Tree().Root())), 0);
        QCOMPARE(h.View()->currentIndex(), h.Model()->IndexOf(h.Selected()));
    }
};

QTEST_MAIN(SitemapDialogTest)
#include "sitemap_dialog_test.moc"
