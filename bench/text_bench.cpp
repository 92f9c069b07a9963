// CP932 <-> UTF-8 conversion of large texts, clean and with many characters
// that CP932 cannot hold.

#include <benchmark/benchmark.h>

#include <string>

#include "text/Cp932.h"

namespace {

std::string Repeat(const std::string& piece, std::size_t bytes)
{
    std::string text;
    while (text.size() < bytes)
        text += piece;
    return text;
}

constexpr std::size_t kSize = 4 << 20;  // 4 MiB

void BM_Utf8ToCp932Clean(benchmark::State& state)
{
    const std::string utf8 = Repeat("新規ページ <ITEM HREF=\"http://example.com/\"> ｱｲｳ\n", kSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(fw::Utf8ToCp932(utf8));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(BM_Utf8ToCp932Clean)->Unit(benchmark::kMillisecond);

void BM_Utf8ToCp932EveryFourthCharacterAnEmoji(benchmark::State& state)
{
    const std::string utf8 = Repeat("ab😀c", kSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(fw::Utf8ToCp932(utf8));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(BM_Utf8ToCp932EveryFourthCharacterAnEmoji)->Unit(benchmark::kMillisecond);

void BM_Cp932ToUtf8Clean(benchmark::State& state)
{
    const std::string cp932 = fw::Utf8ToCp932(Repeat("新規ページ <ITEM HREF=\"http://example.com/\"> ｱｲｳ\n", kSize));
    for (auto _ : state)
        benchmark::DoNotOptimize(fw::Cp932ToUtf8(cp932));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * cp932.size()));
}
BENCHMARK(BM_Cp932ToUtf8Clean)->Unit(benchmark::kMillisecond);

void BM_Cp932ToUtf8ManyInvalidBytes(benchmark::State& state)
{
    const std::string cp932 = Repeat(
        "ab\xA0"
        "c",
        kSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(fw::Cp932ToUtf8(cp932));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * cp932.size()));
}
BENCHMARK(BM_Cp932ToUtf8ManyInvalidBytes)->Unit(benchmark::kMillisecond);

void BM_Cp932ToDisplayUtf8ManyReferences(benchmark::State& state)
{
    const std::string cp932 = fw::Utf8ToCp932(Repeat("ab😀c&#x41;", kSize));
    for (auto _ : state)
        benchmark::DoNotOptimize(fw::Cp932ToDisplayUtf8(cp932));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * cp932.size()));
}
BENCHMARK(BM_Cp932ToDisplayUtf8ManyReferences)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
