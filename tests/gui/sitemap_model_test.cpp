// The site map's item model over the core tree: its shape always matches
// the tree's under Qt's model tester, a bulk update arrives as one reset,
// and a label edited in place reaches the record.

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "framework/SjisQt.h"
#include "sitemapeditor/SitemapModel.h"

namespace {

// Appends a page or a sub-channel under `parent` the way the reader does.
fw::SitemapItem* Append(fw::SitemapTree& tree, fw::SitemapItem* parent, bool page, const char* label)
{
    tree.Select(parent);
    fw::SitemapItem* item = page ? tree.AddPage(false) : tree.AddSubChannel(false);
    tree.SetLabel(item, label);
    return item;
}

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

}  // namespace

class SitemapModelTest : public QObject {
    Q_OBJECT

private slots:
    void followsEveryEdit()
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

        // A load: no row signals at all, one reset at the end.
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        {
            fw::SitemapTree::BulkUpdate bulk(tree);
            tree.DeleteChildren(tree.Root());
            for (int i = 0; i < 50; ++i)
                Append(tree, i % 2 == 0 ? tree.Root() : tree.Root()->FirstChild(), i % 3 != 0, "x");
        }
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count() + removed.count(), 0);
        CompareShape(model, tree);
    }
};

QTEST_MAIN(SitemapModelTest)
#include "sitemap_model_test.moc"
