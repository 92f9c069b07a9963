// Loading large channels: a writer-form file of 100,000 items, a chain of
// sub-channels 3,000 deep (about 27 MB, nearly all indentation), and a
// hostile million unindented "<CHANNEL>" tags; from memory and, for the wide
// one, from a file on disk.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_channels.h"
#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "channel/Channel.h"
#include "sitemap/SitemapTree.h"
#include "trace/TraceSink.h"

namespace {

using fw::Channel;

std::string Written(fw::Channel& channel)
{
    fw::StringSink sink;
    return fw::WriteCdf(channel, sink) ? sink.Bytes() : std::string();
}

std::string WideFile(int items)
{
    return Written(*benchdata::WideChannel(items));
}
std::string ChainFile(int depth)
{
    return Written(*benchdata::ChainChannel(depth));
}

// Each iteration loads into a fresh channel, so the time includes building
// the tree and, when the channel goes, taking it down again.
void LoadFromMemory(benchmark::State& state, const std::string& bytes, fw::TraceSink& trace)
{
    for (auto _ : state) {
        auto channel = std::make_unique<Channel>();
        const fw::ReadStatus status = fw::ReadCdfBytes(*channel, bytes, trace);
        benchmark::DoNotOptimize(status);
        if (status == fw::ReadStatus::ElementError)
            state.SkipWithError("element error");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void BM_LoadWideSitemap(benchmark::State& state)
{
    const std::string bytes = WideFile(static_cast<int>(state.range(0)));
    fw::NullTraceSink trace;
    LoadFromMemory(state, bytes, trace);
}
BENCHMARK(BM_LoadWideSitemap)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LoadDeepChain(benchmark::State& state)
{
    const std::string bytes = ChainFile(static_cast<int>(state.range(0)));
    fw::NullTraceSink trace;
    LoadFromMemory(state, bytes, trace);
}
BENCHMARK(BM_LoadDeepChain)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_LoadMillionOpenChannels(benchmark::State& state)
{
    std::string bytes;
    for (int i = 0; i < state.range(0); ++i)
        bytes += "<CHANNEL>";
    fw::NullTraceSink trace;
    LoadFromMemory(state, bytes, trace);
}
BENCHMARK(BM_LoadMillionOpenChannels)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What the running trace costs when someone listens.
class CountingTraceSink final : public fw::TraceSink {
public:
    bool Enabled() const override { return true; }
    void Write(std::string_view text) override { m_count += text.size(); }
    std::size_t m_count = 0;
};

void BM_LoadWideSitemapTraced(benchmark::State& state)
{
    const std::string bytes = WideFile(static_cast<int>(state.range(0)));
    CountingTraceSink trace;
    LoadFromMemory(state, bytes, trace);
}
BENCHMARK(BM_LoadWideSitemapTraced)->Arg(100000)->Unit(benchmark::kMillisecond);

// Through fopen and the 64 KiB block reads.
void BM_LoadWideSitemapFromFile(benchmark::State& state)
{
    const std::string bytes = WideFile(static_cast<int>(state.range(0)));
    const std::string path =
        (std::filesystem::temp_directory_path() / ("feedwright-reader-bench-" + std::to_string(getpid()) + ".cdf"))
            .string();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    fw::NullTraceSink trace;
    for (auto _ : state) {
        auto channel = std::make_unique<Channel>();
        if (fw::ReadCdfFile(*channel, path, trace) == fw::ReadStatus::CannotOpen)
            state.SkipWithError("cannot open");
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadWideSitemapFromFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
