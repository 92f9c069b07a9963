// Delete of a large sub-channel in the site map dialog's history and its
// undo, with the Qt model and a tree view showing the sub-channel open, as
// a person meets them: the tree's part (detach, reattach) and the view's
// (rows out, rows in and the branches reopened). Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "bench_channels.h"
#include "sitemap/SitemapTree.h"
#include "sitemapeditor/SitemapHistory.h"
#include "sitemapeditor/SitemapModel.h"
#include "sitemapeditor/SitemapTreeView.h"

namespace {

using fw::SitemapItem;

// A sub-channel of `items` items (pages, one sub-channel in fifty), open,
// beside a page below the root.
SitemapItem* BuildOpenSubChannel(fw::SitemapTree& tree, SitemapModel& model, SitemapTreeView& view, int items)
{
    SitemapItem* top = nullptr;
    {
        fw::SitemapTree::BulkUpdate bulk(tree);
        top = benchdata::SubChannelOf(tree, items);
    }
    view.expand(model.IndexOf(tree.Root()));
    view.expand(model.IndexOf(top));
    return top;
}

void BM_HistoryDeleteAndUndo(benchmark::State& state, bool timeUndo)
{
    const int items = static_cast<int>(state.range(0));
    fw::SitemapTree tree(fw::SitemapNode{});
    QWidget dialog;
    SitemapModel model(tree);
    auto* view = new SitemapTreeView(&dialog);
    view->setModel(&model);
    view->resize(400, 300);
    SitemapHistory history(tree, model, *view, dialog);
    SitemapItem* top = BuildOpenSubChannel(tree, model, *view, items);
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (timeUndo)
            state.PauseTiming();
        tree.Select(top);
        history.DeleteSelected();
        QApplication::processEvents();  // the view lays itself out again
        if (timeUndo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        history.Stack().undo();
        QApplication::processEvents();
        if (!timeUndo)
            state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK_CAPTURE(BM_HistoryDeleteAndUndo, Delete, false)->Arg(100000)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistoryDeleteAndUndo, Undo, true)->Arg(100000)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
