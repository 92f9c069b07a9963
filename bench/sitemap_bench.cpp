// Building and destroying large site maps the way the reader fills them:
// select the parent channel, then AddPage(false) or AddSubChannel(false).

#include <benchmark/benchmark.h>

#include <memory>

#include "bench_channels.h"
#include "sitemap/SitemapTree.h"

namespace {

using fw::SitemapItem;
using fw::SitemapNode;
using fw::SitemapTree;

// A wide, shallow site map: channels of `fanOut` sub-channels, each holding
// pages, until `items` items exist; sub-channels are added after pages of
// the same channel, so every insertion lands behind the sub-channel run.
void BuildWide(SitemapTree& tree, int items, int fanOut)
{
    SitemapItem* channel = tree.Root();
    int made = 0;
    while (made < items) {
        for (int i = 0; i < fanOut && made < items; ++i, ++made) {
            tree.Select(channel);
            tree.AddPage(false);
        }
        for (int i = 0; i < 2 && made < items; ++i, ++made) {
            tree.Select(channel);
            SitemapItem* sub = tree.AddSubChannel(false);
            if (i == 1)
                channel = sub;
        }
    }
}

void BuildChain(SitemapTree& tree, int depth)
{
    tree.Select(tree.Root());
    for (int i = 0; i < depth; ++i)
        tree.AddSubChannel(false);
}

void BM_BuildWideTree(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto tree = std::make_unique<SitemapTree>(SitemapNode{});
        BuildWide(*tree, items, 50);
        benchmark::DoNotOptimize(tree->ItemCount());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_BuildWideTree)->Arg(100000)->Unit(benchmark::kMillisecond);

// Every item in one channel: half sub-channels, half pages.
void BM_BuildOneChannel(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto tree = std::make_unique<SitemapTree>(SitemapNode{});
        for (int i = 0; i < items; i += 2) {
            tree->Select(tree->Root());
            tree->AddSubChannel(false);
            tree->Select(tree->Root());
            tree->AddPage(false);
        }
        benchmark::DoNotOptimize(tree->ItemCount());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_BuildOneChannel)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BuildDeepChain(benchmark::State& state)
{
    const int depth = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto tree = std::make_unique<SitemapTree>(SitemapNode{});
        BuildChain(*tree, depth);
        benchmark::DoNotOptimize(tree->ItemCount());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * depth);
}
BENCHMARK(BM_BuildDeepChain)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DestroyWideTree(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<SitemapTree>(SitemapNode{});
        BuildWide(*tree, items, 50);
        state.ResumeTiming();
        tree.reset();
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_DestroyWideTree)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DestroyDeepChain(benchmark::State& state)
{
    const int depth = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<SitemapTree>(SitemapNode{});
        BuildChain(*tree, depth);
        state.ResumeTiming();
        tree.reset();
    }
    state.SetItemsProcessed(state.iterations() * depth);
}
BENCHMARK(BM_DestroyDeepChain)->Arg(100000)->Unit(benchmark::kMillisecond);

// Emptying the deep chain the way Clear does, with the selection at its bottom.
void BM_DeleteChildrenOfDeepChain(benchmark::State& state)
{
    const int depth = static_cast<int>(state.range(0));
    SitemapTree tree(SitemapNode{});
    for (auto _ : state) {
        state.PauseTiming();
        BuildChain(tree, depth);
        state.ResumeTiming();
        tree.DeleteChildren(tree.Root());
    }
    state.SetItemsProcessed(state.iterations() * depth);
}
BENCHMARK(BM_DeleteChildrenOfDeepChain)->Arg(100000)->Unit(benchmark::kMillisecond);

// Delete of a large sub-channel without undo: every item freed.
void BM_DeleteSubChannel(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    SitemapTree tree(SitemapNode{});
    for (auto _ : state) {
        state.PauseTiming();
        SitemapItem* top = benchdata::SubChannelOf(tree, items);
        tree.Select(top);
        state.ResumeTiming();
        tree.DeleteItem(top);
        state.PauseTiming();
        tree.DeleteChildren(tree.Root());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_DeleteSubChannel)->Arg(100000)->Iterations(50)->Unit(benchmark::kMillisecond);

// Delete as the site map's history does it (the subtree detached and kept),
// then its undo (put back), each timed alone.
void BM_DeleteSubChannelKept(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    SitemapTree tree(SitemapNode{});
    SitemapItem* top = benchdata::SubChannelOf(tree, items);
    for (auto _ : state) {
        tree.Select(top);
        std::unique_ptr<fw::DetachedSubtree> kept = tree.DetachItem(top);
        state.PauseTiming();
        tree.ReattachItem(*kept);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_DeleteSubChannelKept)->Arg(100000)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_UndoDeleteSubChannel(benchmark::State& state)
{
    const int items = static_cast<int>(state.range(0));
    SitemapTree tree(SitemapNode{});
    SitemapItem* top = benchdata::SubChannelOf(tree, items);
    for (auto _ : state) {
        state.PauseTiming();
        tree.Select(top);
        std::unique_ptr<fw::DetachedSubtree> kept = tree.DetachItem(top);
        state.ResumeTiming();
        benchmark::DoNotOptimize(tree.ReattachItem(*kept));
    }
    state.SetItemsProcessed(state.iterations() * items);
}
BENCHMARK(BM_UndoDeleteSubChannel)->Arg(100000)->Iterations(200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
