// The site map's item model over the core tree: its structure always
// matches the tree's, single edits arrive as single row changes, bulk
// updates as one reset, and labels edited in place reach the record.

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "sitemap/SitemapIcons.h"
#include "sitemap/SitemapModel.h"
#include "sitemap/SitemapTree.h"
#include "framework/SjisQt.h"

namespace {

fw::SitemapNode RootRecord()
{
    fw::SitemapNode root;
    root.m_strTitle = "root";
    return root;
}

// Appends a page or a sub-channel under `parent` the way the reader does.
fw::SitemapItem* Append(fw::SitemapTree& tree, fw::SitemapItem* parent, bool page, const char* label)
{
    tree.Select(parent);
    fw::SitemapItem* item = page ? tree.AddPage(false) : tree.AddSubChannel(false);
    item->Node().m_strTitle = label;
    tree.SetLabel(item, label);
    return item;
}

// Walks model and tree side by side, without recursion, and fails at the
// first difference in shape or label.
void CompareShape(const SitemapModel& model, const fw::SitemapTree& tree)
{
    QCOMPARE(model.rowCount(), 1);
    std::vector<std::pair<QModelIndex, const fw::SitemapItem*>> pending{{model.index(0, 0), tree.Root()}};
    while (!pending.empty()) {
        const auto [index, item] = pending.back();
        pending.pop_back();
        QCOMPARE(SitemapModel::ItemAt(index), item);
        QCOMPARE(index.data().toString(), fwgui::ToQString(item->Label()));
        QCOMPARE(model.rowCount(index), static_cast<int>(item->ChildCount()));
        int row = 0;
        for (const fw::SitemapItem* child = item->FirstChild(); child != nullptr; child = child->NextSibling(), ++row) {
            const QModelIndex childIndex = model.index(row, 0, index);
            QCOMPARE(model.parent(childIndex), index);
            pending.emplace_back(childIndex, child);
        }
    }
}

QImage Picture(const QVariant& decoration)
{
    return decoration.value<QIcon>().pixmap(16, 16).toImage();
}

}  // namespace

class SitemapModelTest : public QObject {
    Q_OBJECT

private slots:
    void followsEveryEditWithTheModelTesterWatching()
    {
        fw::SitemapTree tree(RootRecord());
        SitemapModel model(tree);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        fw::SitemapItem* a = Append(tree, tree.Root(), false, "A");
        Append(tree, tree.Root(), false, "B");
        fw::SitemapItem* p = Append(tree, tree.Root(), true, "P");
        Append(tree, a, true, "A1");
        fw::SitemapItem* a2 = Append(tree, a, false, "A2");
        Append(tree, a2, true, "A2a");
        CompareShape(model, tree);

        // The interactive rules put items in the middle of sibling runs.
        tree.Select(p);
        tree.AddPage(true);
        tree.AddSubChannel(true);
        tree.Select(tree.Root());
        tree.AddPage(true);
        CompareShape(model, tree);

        tree.Select(a);
        tree.CopySelected();
        tree.Select(p);
        tree.Paste();
        tree.DeleteItem(a);
        CompareShape(model, tree);

        {
            fw::SitemapTree::BulkUpdate bulk(tree);
            tree.DeleteChildren(tree.Root());
            for (int i = 0; i < 50; ++i)
                Append(tree, i % 2 == 0 ? tree.Root() : tree.Root()->FirstChild(), i % 3 != 0, "x");
        }
        CompareShape(model, tree);
    }

    void singleEditsAreSingleRowChanges()
    {
        fw::SitemapTree tree(RootRecord());
        SitemapModel model(tree);
        fw::SitemapItem* a = Append(tree, tree.Root(), false, "A");
        Append(tree, a, true, "A1");
        Append(tree, a, true, "A2");
        fw::SitemapItem* p = Append(tree, tree.Root(), true, "P");

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        // A sub-channel under the root goes in before the page P: row 1.
        tree.Select(tree.Root());
        tree.AddSubChannel(false);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted[0][0].value<QModelIndex>(), model.IndexOf(tree.Root()));
        QCOMPARE(inserted[0][1].toInt(), 1);
        QCOMPARE(inserted[0][2].toInt(), 1);

        // Deleting a channel with two pages is one removal of one row.
        tree.DeleteItem(a);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed[0][1].toInt(), 0);
        QCOMPARE(model.rowCount(model.IndexOf(tree.Root())), 2);

        tree.SetLabel(p, "renamed");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>(), model.IndexOf(p));
        QCOMPARE(model.IndexOf(p).data().toString(), QStringLiteral("renamed"));
        QCOMPARE(reset.count(), 0);
    }

    void bulkUpdateIsOneResetAndNothingElse()
    {
        fw::SitemapTree tree(RootRecord());
        SitemapModel model(tree);
        Append(tree, tree.Root(), true, "old");

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy selection(&model, &SitemapModel::treeSelectionChanged);
        QSignalSpy ended(&model, &SitemapModel::bulkEnded);
        {
            fw::SitemapTree::BulkUpdate bulk(tree);
            tree.DeleteChildren(tree.Root());
            for (int i = 0; i < 1000; ++i)
                Append(tree, tree.Root(), true, "p");
            QVERIFY(model.IsChanging());
        }
        QVERIFY(!model.IsChanging());
        QCOMPARE(reset.count(), 1);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(removed.count(), 0);
        QCOMPARE(selection.count(), 0);
        QCOMPARE(model.rowCount(model.index(0, 0)), 1000);
    }

    void selectionAndVisibilityRequestsArePassedOn()
    {
        fw::SitemapTree tree(RootRecord());
        SitemapModel model(tree);
        QSignalSpy selection(&model, &SitemapModel::treeSelectionChanged);
        QSignalSpy visible(&model, &SitemapModel::ensureVisibleRequested);

        tree.Select(tree.Root());
        fw::SitemapItem* page = tree.AddPage(true);
        QCOMPARE(visible.count(), 1);
        QCOMPARE(visible[0][0].value<QModelIndex>(), model.IndexOf(page));
        QCOMPARE(selection.count(), 2);
        QCOMPARE(selection[1][0].value<QModelIndex>(), model.IndexOf(page));

        tree.Select(nullptr);
        QVERIFY(!selection.last()[0].value<QModelIndex>().isValid());
    }

    void labelEditReachesLabelAndTitle()
    {
        fw::SitemapTree tree(RootRecord());
        SitemapModel model(tree);
        fw::SitemapItem* page = Append(tree, tree.Root(), true, "before");
        QSignalSpy committed(&model, &SitemapModel::labelCommitted);

        const QModelIndex index = model.IndexOf(page);
        QVERIFY(model.flags(index) & Qt::ItemIsEditable);
        QVERIFY(model.setData(index, QStringLiteral("新しい名前")));
        QCOMPARE(page->Label(), std::string("\x90\x56\x82\xB5\x82\xA2\x96\xBC\x91\x4F"));
        QCOMPARE(page->Node().m_strTitle, page->Label());
        QCOMPARE(committed.count(), 1);
        QCOMPARE(committed[0][0].value<fw::SitemapItem*>(), page);

        // An empty label is accepted and gives an empty title.
        QVERIFY(model.setData(index, QString()));
        QCOMPARE(page->Node().m_strTitle, std::string());
        QVERIFY(!model.setData(index, QStringLiteral("x"), Qt::DisplayRole));
    }

    void picturesFollowTheNodeKind()
    {
        fw::SitemapTree tree(RootRecord());
        SitemapModel model(tree);
        fw::SitemapItem* channel = Append(tree, tree.Root(), false, "c");
        fw::SitemapItem* page = Append(tree, tree.Root(), true, "p");

        const QImage channelPicture = Picture(model.IndexOf(channel).data(Qt::DecorationRole));
        const QImage pagePicture = Picture(model.IndexOf(page).data(Qt::DecorationRole));
        QVERIFY(!channelPicture.isNull());
        QVERIFY(!pagePicture.isNull());
        QVERIFY(channelPicture != pagePicture);
        QCOMPARE(Picture(model.IndexOf(tree.Root()).data(Qt::DecorationRole)), channelPicture);
        QCOMPARE(pagePicture, Picture(sitemap_icons::Icon(sitemap_icons::kPage)));
        // Pages tell views up front that they never get children.
        QVERIFY(model.flags(model.IndexOf(page)) & Qt::ItemNeverHasChildren);
        QVERIFY(!(model.flags(model.IndexOf(channel)) & Qt::ItemNeverHasChildren));

        for (int number = 134; number <= 138; ++number)
            QVERIFY2(!Picture(sitemap_icons::Icon(number)).isNull(), qPrintable(QString::number(number)));
    }
};

QTEST_MAIN(SitemapModelTest)
#include "sitemap_model_test.moc"
