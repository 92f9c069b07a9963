// Undo and redo in the site map dialog: every change taken back and made
// again whole (records, kept content, labels, open branches, selection),
// under Qt's model tester; where the history ends; its 1,000 steps; the
// keys inside and outside an edit, the tooltip and the accessible actions.

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>
#include <vector>

#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "common/CaseFile.h"
#include "framework/SjisQt.h"
#include "sitemapeditor/CommentDlgIds.h"
#include "sitemapeditor/SitemapDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "sitemapeditor/SitemapHistory.h"
#include "sitemapeditor/SitemapModel.h"
#include "support/ScriptedPlatform.h"
#include "support/SitemapDialogHost.h"
#include "support/Widgets.h"
#include "trace/TraceSink.h"

using namespace Qt::StringLiterals;
using namespace sitemap_dlg;

namespace {

// The whole channel as the user meets it: head, logos, schedule, and every
// item in order with its depth, kind, label, whole record and whether its
// branch is open.
struct Snapshot {
    struct Row {
        int depth;
        int image;
        std::string label;
        fw::SitemapNode record;
        bool open;
        bool operator==(const Row&) const = default;
    };
    fw::ChannelHead head;
    fw::LogoSet logos;
    fw::ScheduleRecord schedule;
    std::vector<Row> rows;
    bool operator==(const Snapshot&) const = default;
};

char* toString(const Snapshot& snapshot)  // what QCOMPARE shows on a difference
{
    QString text;
    for (const Snapshot::Row& row : snapshot.rows) {
        const fw::SitemapNode& r = row.record;
        text += QString(row.depth, u' ') + fwgui::ToQString(row.label) + (row.open ? u"+"_s : QString()) +
            u"{%1 %2 %3 %4 %5 %6 %7} "_s.arg(fwgui::ToQString(r.m_strTitle), fwgui::ToQString(r.m_strHref))
                .arg(r.m_nLevel)
                .arg(r.m_bPrecache)
                .arg(fwgui::ToQString(r.m_strAbstract), fwgui::ToQString(r.m_strIconHref))
                .arg(r.m_nUsage);
    }
    return qstrdup(text.toUtf8().constData());
}

struct Harness : fwtest::SitemapDialogHost {
    SitemapHistory& history = *dlg.findChild<SitemapHistory*>();
    QTreeView* view = fwtest::FindControl<QTreeView>(&dlg, IDC_TREE_SITEMAP);
    SitemapModel* model = qobject_cast<SitemapModel*>(view->model());
    QAbstractItemModelTester tester{model, QAbstractItemModelTester::FailureReportingMode::QtTest};

    // Root (A (A1 (A1P), AP), P1, P2), loaded: A1P and P1 keep content.
    Harness()
    {
        {
            fw::SitemapTree::BulkUpdate bulk(tree);
            fw::SitemapItem* a = Add(tree.Root(), false, "A");
            Keep(Add(Add(a, false, "A1"), true, "A1P"), "LASTMOD");
            Add(a, true, "AP");
            Keep(Add(tree.Root(), true, "P1"), "LOG");
            Add(tree.Root(), true, "P2");
        }
        Open();
        view->collapse(IndexOf(Find("A1")));
    }
    fw::SitemapItem* Add(fw::SitemapItem* parent, bool page, const char* title)
    {
        tree.Select(parent);
        fw::SitemapItem* item = page ? tree.AddPage(false) : tree.AddSubChannel(false);
        item->Node().m_strTitle = title;
        item->Node().m_strHref = std::string("http://example.com/") + title;
        tree.SetLabel(item, title);
        return item;
    }
    static void Keep(fw::SitemapItem* item, const char* name)
    {
        item->Node().m_kept.Make().children.push_back({fw::KeptPart::Self, fw::KeptToken::Kind::Empty, name, {}});
    }
    fw::SitemapItem* Find(const std::string& label) const
    {
        std::vector<fw::SitemapItem*> pending{tree.Root()};
        while (!pending.empty()) {
            fw::SitemapItem* item = pending.back();
            pending.pop_back();
            if (item->Label() == label)
                return item;
            for (fw::SitemapItem* child = item->FirstChild(); child != nullptr; child = child->NextSibling())
                pending.push_back(child);
        }
        return nullptr;
    }
    QModelIndex IndexOf(const fw::SitemapItem* item) const { return model->IndexOf(item); }
    QWidget* Control(int id) const { return fwtest::FindControl<QWidget>(&dlg, id); }
    void Click(int id) const { fwtest::Click(Control(id)); }
    void Select(const std::string& label) { tree.Select(label == "Root" ? tree.Root() : Find(label)); }

    Snapshot Snap() const
    {
        Snapshot snapshot{channel.head, channel.logos, channel.schedule, {}};
        std::vector<std::pair<const fw::SitemapItem*, int>> pending{{tree.Root(), 0}};
        while (!pending.empty()) {
            const auto [item, depth] = pending.back();
            pending.pop_back();
            snapshot.rows.push_back(
                {depth, item->Image(), item->Label(), item->Node(), view->isExpanded(IndexOf(item))});
            for (const fw::SitemapItem* child = item->LastChild(); child != nullptr; child = child->PrevSibling())
                pending.emplace_back(child, depth + 1);
        }
        return snapshot;
    }
    // The selected item's label, when the view shows it selected and the
    // fields show its record.
    QString Selection() const
    {
        const fw::SitemapItem* item = tree.Selected();
        const fw::SitemapNode& record = item->Node();
        const bool shown = view->currentIndex() == IndexOf(item) &&
            fwtest::FindControl<QLineEdit>(&dlg, IDC_EDIT_ITEMTITLE)->text() == fwgui::ToQString(record.m_strTitle) &&
            fwtest::FindControl<QLineEdit>(&dlg, IDC_EDIT_URL)->text() == fwgui::ToQString(record.m_strHref);
        if (!shown)
            return u"<not shown>"_s;
        return item == tree.Root() ? u"Root"_s : fwgui::ToQString(item->Label());
    }
    // Keys pressed on the tree, once the dialog is active again (as it is
    // after the comment dialog for a person).
    void Keys(Qt::KeyboardModifiers modifiers, Qt::Key key)
    {
        fwtest::ShowAndActivate(&dlg);
        view->setFocus();
        QTest::keyClick(view, key, modifiers);
    }

    // Selects `label`, having made the copy a paste needs.
    void Prepare(const std::string& command, const std::string& label)
    {
        if (command.starts_with("paste ")) {
            Select(command.substr(6));
            Click(IDC_BUTTON_COPY);
        }
        Select(label);
    }
    // The command of a row of tests/data/gui/undo_steps.txt.
    void Apply(const std::string& command)
    {
        if (command == "addpage" || command == "addchannel" || command == "delete")
            Click(command == "addpage"      ? IDC_BUTTON_ADDPAGE
                      : command == "delete" ? IDC_BUTTON_DELETE
                                            : IDC_BUTTON_ADDCHANNEL);
        else if (command.starts_with("paste "))
            Click(IDC_BUTTON_PASTE);
        else if (command == "rename") {
            view->setFocus();
            QTest::keyClick(view, Qt::Key_F2);
            qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()))->setText(u"renamed"_s);
            QTest::keyClick(&dlg, Qt::Key_Return);
        } else if (command == "title" || command == "url")
            fwtest::Retype(Control(command == "title" ? IDC_EDIT_ITEMTITLE : IDC_EDIT_URL), u"typed"_s);
        else if (command == "level")
            QTest::keyClick(Control(IDC_COMBO_LEVEL), Qt::Key_Down);
        else if (command == "precache")
            Click(IDC_CHECK_PRECACHE);
        else if (command == "comment") {
            fwtest::WhenModalOpens([](QWidget* comment) {
                fwtest::FindControl<QPlainTextEdit>(comment, comment_dlg::IDC_EDIT_COMMENT)->setPlainText(u"note"_s);
                fwtest::Click(fwtest::FindControl<QWidget>(comment, comment_dlg::IDC_RADIO_EMAIL));
                fwtest::Click(fwtest::FindControl<QWidget>(comment, comment_dlg::IDC_CHECK_USEICON));
                QTest::keyClick(comment, Qt::Key_Return);
            });
            Click(IDC_BUTTON_COMMENT);
        }
    }
};

}  // namespace

class SitemapUndoTest : public QObject {
    Q_OBJECT

private slots:
    // The cases of tests/data/gui/undo_steps.txt.
    void everyChangeIsOneStepUndoneAndRedoneWhole()
    {
        for (const auto& c : casefile::Rows("gui/undo_steps.txt")) {
            const QString row = QString::fromStdString(c.at(0) + " on " + c.at(1));
            Harness h;
            h.Prepare(c.at(0), c.at(1));
            const Snapshot before = h.Snap();
            const int steps = h.history.Stack().count();
            h.Apply(c.at(0));
            const Snapshot after = h.Snap();
            QVERIFY2(!(after == before), qPrintable(row));
            QVERIFY2(h.history.Stack().count() == steps + 1, qPrintable(row));

            h.Keys(Qt::ControlModifier, Qt::Key_Z);
            QCOMPARE(h.Snap(), before);
            QCOMPARE(h.Selection() + u" after undoing "_s + row,
                     QString::fromStdString(c.at(2)) + u" after undoing "_s + row);
            h.Keys(Qt::ControlModifier, Qt::Key_Y);
            QCOMPARE(h.Snap(), after);
            QCOMPARE(h.Selection() + u" after redoing "_s + row,
                     QString::fromStdString(c.at(3)) + u" after redoing "_s + row);
            h.Keys(Qt::ControlModifier, Qt::Key_Z);
            QCOMPARE(h.Snap(), before);
            h.Keys(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
            QCOMPARE(h.Snap(), after);
        }
    }

    // Load and Clear end the history, also with deleted items held in it.
    void loadAndClearEmptyTheHistory()
    {
        Harness h;
        h.Select("A");
        h.Click(IDC_BUTTON_DELETE);
        h.Select("P1");
        h.Click(IDC_BUTTON_ADDPAGE);
        h.Keys(Qt::ControlModifier, Qt::Key_Z);  // one step to redo, one to undo
        h.channel.Clear();
        h.dlg.OnChannelCleared();
        QVERIFY(!h.history.Stack().canUndo() && !h.history.Stack().canRedo());
        const Snapshot cleared = h.Snap();
        h.Keys(Qt::ControlModifier, Qt::Key_Z);
        QCOMPARE(h.Snap(), cleared);

        h.Click(IDC_BUTTON_ADDCHANNEL);
        h.Click(IDC_BUTTON_ADDPAGE);
        h.Click(IDC_BUTTON_DELETE);
        fw::NullTraceSink trace;
        QCOMPARE(fw::ReadCdfBytes(
                     h.channel,
                     "<?XML VERSION=\"1.0\"?><CHANNEL HREF=\"http://x/\"><ITEM HREF=\"http://x/a\"/></CHANNEL>", trace),
                 fw::ReadStatus::Ok);
        QCOMPARE(h.history.Stack().count(), 0);
        QCOMPARE(h.tree.ItemCount(), std::size_t(2));
    }

    // 1,001 steps keep the last 1,000: all undone, the first step's page stays.
    void theHistoryHoldsAThousandSteps()
    {
        Harness h;
        h.Select("P2");
        for (int i = 0; i < 1001; ++i)
            h.history.AddPage();
        QCOMPARE(h.history.Stack().count(), SitemapHistory::kUndoLimit);
        while (h.history.Stack().canUndo())
            h.history.Stack().undo();
        QCOMPARE(h.tree.Root()->ChildCount(), std::size_t(4));
        QCOMPARE(h.tree.ItemCount(), std::size_t(8));
    }

    // Inside an edit the keys undo its typing; the tooltip names the keys;
    // an accessibility client finds undo and redo among the dialog's actions.
    void theKeysAreFoundAndLeaveEditsTheirOwn()
    {
        Harness h;
        h.Select("P1");
        h.Click(IDC_BUTTON_ADDPAGE);
        fwtest::Retype(h.Control(IDC_EDIT_ITEMTITLE), u"ab"_s);
        QTest::keyClick(h.Control(IDC_EDIT_ITEMTITLE), Qt::Key_Z, Qt::ControlModifier);
        fw::SitemapItem* added = h.Find("P1")->NextSibling();
        QVERIFY(added != h.Find("P2") && added->Label() != "ab");  // the typing went, not the page
        h.Keys(Qt::ControlModifier, Qt::Key_Z);
        QCOMPARE(h.Find("P1")->NextSibling(), h.Find("P2"));
        h.Keys(Qt::ControlModifier, Qt::Key_Y);
        QCOMPARE(h.view->toolTip(), u"Ctrl+Z: 元に戻す / Ctrl+Y: やり直し"_s);

        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&h.dlg);
        QVERIFY(accessible != nullptr && accessible->actionInterface() != nullptr);
        QAccessibleActionInterface* actions = accessible->actionInterface();
        QVERIFY(actions->actionNames().contains(u"元に戻す"_s) && actions->actionNames().contains(u"やり直し"_s));
        QCOMPARE(actions->keyBindingsForAction(u"元に戻す"_s), QStringList{u"Ctrl+Z"_s});
        const Snapshot typed = h.Snap();
        actions->doAction(u"元に戻す"_s);
        QVERIFY(!(h.Snap() == typed));
        actions->doAction(u"やり直し"_s);
        QCOMPARE(h.Snap(), typed);

        // Keystrokes in a field are one step until the selection moves.
        const int steps = h.history.Stack().count();
        h.Select("P1");
        fwtest::TypeText(h.Control(IDC_EDIT_URL), u"xy"_s);
        h.Select("P2");
        h.Select("P1");
        fwtest::TypeText(h.Control(IDC_EDIT_URL), u"z"_s);
        QCOMPARE(h.history.Stack().count(), steps + 2);
    }
};

QTEST_MAIN(SitemapUndoTest)
#include "sitemap_undo_test.moc"
