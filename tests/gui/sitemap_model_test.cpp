// The site map's item model over the core tree: its shape always matches
// the tree's, single edits arrive as single row changes, a bulk update as
// one reset, and labels edited in place reach the record.

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "framework/SjisQt.h"
#include "sitemap/SitemapIcons.h"
#include "sitemap/SitemapModel.h"
#include "sitemap/SitemapTree.h"

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
    QCOMPARE(model.rowCount(), 1);
    std::vector<std::pair<QModelIndex, const fw::SitemapItem*>> pending{{model.index(0, 0), tree.Root()}};
    while (!pending.empty()) {
        const auto [index, item] = pending.back();
        pending.pop_back();
        QCOMPARE(SitemapModel::ItemAt(index), item);
        QCOMPARE(index.data().toString(), fwgui::ToQString(item->Label()));
        QCOMPARE(model.rowCount(index), static_cast<int>(item->ChildCount()));
        int row = 0;
        for (const fw::SitemapItem* child = item->FirstChild(); child != nullptr; child = child->NextSibling()) {
            const QModelIndex childIndex = model.index(row++, 0, index);
            QCOMPARE(model.parent(childIndex), index);
            pending.emplace_back(childIndex, child);
        }
    }
}

QImage Picture(const QVariant& decoration) { return decoration.value<QIcon>().pixmap(16, 16).toImage(); }

}  // namespace

class SitemapModelTest : public QObject {
    Q_OBJECT

private slots:
    void followsEveryEditWithTheModelTesterWatching()
    {
        fw::SitemapTree tree(fw::SitemapNode{});
        SitemapModel model(tree);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        fw::SitemapItem* a = Append(tree, tree.Root(), false, "A");
        Append(tree, tree.Root(), false, "B");
        fw::SitemapItem* p = Append(tree, tree.Root(), true, "P");
        Append(tree, a, true, "A1");
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
        CompareShape(model, tree);

        {
            fw::SitemapTree::BulkUpdate bulk(tree);
            tree.DeleteChildren(tree.Root());
            for (int i = 0; i < 50; ++i)
                Append(tree, i % 2 == 0 ? tree.Root() : tree.Root()->FirstChild(), i % 3 != 0, "x");
        }
        CompareShape(model, tree);
    }

    void changesArriveAsSingleRowsOrOneReset()
    {
        fw::SitemapTree tree(fw::SitemapNode{});
        SitemapModel model(tree);
        fw::SitemapItem* a = Append(tree, tree.Root(), false, "A");
        Append(tree, a, true, "A1");
        fw::SitemapItem* p = Append(tree, tree.Root(), true, "P");
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        // A sub-channel under the root goes in after A, before the page P.
        tree.Select(tree.Root());
        tree.AddSubChannel(false);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted[0][0].value<QModelIndex>(), model.IndexOf(tree.Root()));
        QCOMPARE(inserted[0][1].toInt(), 1);
        // A channel goes with its pages as one row.
        tree.DeleteItem(a);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed[0][1].toInt(), 0);
        tree.SetLabel(p, "renamed");
        QCOMPARE(model.IndexOf(p).data().toString(), QStringLiteral("renamed"));
        QCOMPARE(reset.count(), 0);

        // A load: no row signals at all, one reset at the end.
        {
            fw::SitemapTree::BulkUpdate bulk(tree);
            tree.DeleteChildren(tree.Root());
            for (int i = 0; i < 1000; ++i)
                Append(tree, tree.Root(), true, "p");
        }
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.rowCount(model.IndexOf(tree.Root())), 1000);
    }

    void labelEditsAndPictures()
    {
        fw::SitemapTree tree(fw::SitemapNode{});
        SitemapModel model(tree);
        fw::SitemapItem* channel = Append(tree, tree.Root(), false, "c");
        fw::SitemapItem* page = Append(tree, tree.Root(), true, "p");

        const QModelIndex index = model.IndexOf(page);
        QVERIFY(model.setData(index, QStringLiteral("新しい名前")));
        QCOMPARE(page->Label(), std::string("\x90\x56\x82\xB5\x82\xA2\x96\xBC\x91\x4F"));
        QCOMPARE(page->Node().m_strTitle, page->Label());
        // An empty label is accepted and gives an empty title.
        QVERIFY(model.setData(index, QString()));
        QCOMPARE(page->Node().m_strTitle, std::string());

        const QImage channelPicture = Picture(model.IndexOf(channel).data(Qt::DecorationRole));
        const QImage pagePicture = Picture(index.data(Qt::DecorationRole));
        QVERIFY(!channelPicture.isNull());
        QVERIFY(channelPicture != pagePicture);
        QCOMPARE(Picture(model.IndexOf(tree.Root()).data(Qt::DecorationRole)), channelPicture);
        QCOMPARE(pagePicture, Picture(sitemap_icons::Icon(sitemap_icons::kPage)));
        for (int number = 134; number <= 138; ++number)
            QVERIFY2(!Picture(sitemap_icons::Icon(number)).isNull(), qPrintable(QString::number(number)));
    }
};

QTEST_MAIN(SitemapModelTest)
#include "sitemap_model_test.moc"
