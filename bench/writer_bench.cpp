// Writing large channels: a wide site map of 100,000 items and a chain of
// sub-channels 3,000 deep (about 27 MB, nearly all indentation), into memory
// and, for the wide one, safely to disk.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_channels.h"
#include "cdf/CdfWriter.h"
#include "cdf/SafeSave.h"
#include "channel/Channel.h"
#include "sitemap/SitemapTree.h"

namespace {

using fw::Channel;

using benchdata::ChainChannel;
using benchdata::WideChannel;

class DiscardSink final : public fw::ByteSink {
public:
    bool Write(std::string_view bytes) override
    {
        benchmark::DoNotOptimize(bytes.data());
        m_count += bytes.size();
        return true;
    }
    std::size_t m_count = 0;
};

void WriteToMemory(benchmark::State& state, Channel& channel)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        fw::StringSink sink;
        if (!fw::WriteCdf(channel, sink))
            state.SkipWithError("write failed");
        bytes = sink.Bytes().size();
        benchmark::DoNotOptimize(sink.Bytes().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_WriteWideSitemap(benchmark::State& state)
{
    const auto channel = WideChannel(static_cast<int>(state.range(0)));
    WriteToMemory(state, *channel);
}
BENCHMARK(BM_WriteWideSitemap)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WriteDeepChain(benchmark::State& state)
{
    const auto channel = ChainChannel(static_cast<int>(state.range(0)));
    WriteToMemory(state, *channel);
}
BENCHMARK(BM_WriteDeepChain)->Arg(3000)->Unit(benchmark::kMillisecond);

// The writer alone, without growing a 27 MB string.
void BM_WriteDeepChainDiscarded(benchmark::State& state)
{
    const auto channel = ChainChannel(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        DiscardSink sink;
        if (!fw::WriteCdf(*channel, sink))
            state.SkipWithError("the write failed");
        bytes = sink.m_count;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteDeepChainDiscarded)->Arg(3000)->Unit(benchmark::kMillisecond);

// Through the temporary file, fsync and rename.
void BM_SaveWideSitemap(benchmark::State& state)
{
    const auto channel = WideChannel(static_cast<int>(state.range(0)));
    const std::string path =
        (std::filesystem::temp_directory_path() / ("feedwright-bench-" + std::to_string(getpid()) + ".cdf")).string();
    for (auto _ : state) {
        if (fw::SaveCdfFile(*channel, path) != fw::SaveStatus::Ok)
            state.SkipWithError("save failed");
    }
    std::error_code ignored;
    const auto bytes = std::filesystem::file_size(path, ignored);
    std::filesystem::remove(path, ignored);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SaveWideSitemap)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
