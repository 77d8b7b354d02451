// Loading, saving and sorting a full friend table.
#include "BenchData.h"

#include "core/storage/DatabaseFile.h"
#include "core/platform/FileWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace zelmora;

namespace {

void LoadDatabase(benchmark::State& state)
{
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    const auto path = bench::benchFolder("zelmora-bench") / "Zelmor.dta";
    if (const Status written = writer.replace(path, encodeDatabase(*bench::fullTable(), {})); !written.ok) {
        state.SkipWithError(written.message.c_str());
        return;
    }
    auto table = std::make_unique<FriendTable>();
    DisplayOptions options;
    for (auto _ : state) {
        DatabaseFile file(path, writer);
        const LoadResult result = file.LoadDatabase(*table, options, Language::English);
        benchmark::DoNotOptimize(result);
    }
    state.counters["friends"] = table->FriendCount;
}

void SaveDatabase(benchmark::State& state)
{
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    const auto path = bench::benchFolder("zelmora-bench") / "Zelmor-save.dta";
    auto table = bench::fullTable();
    DisplayOptions options;
    DatabaseFile file(path, writer);
    for (auto _ : state) {
        const Status status = file.write(*table, options).status;
        benchmark::DoNotOptimize(status);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void SortFriends(benchmark::State& state, bench::Order order)
{
    const auto original = bench::fullTable(order);
    auto table = std::make_unique<FriendTable>();
    for (auto _ : state) {
        state.PauseTiming();
        *table = *original;
        state.ResumeTiming();
        table->SortFriends();
    }
}

} // namespace

BENCHMARK(LoadDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortFriends, sorted, bench::Order::Sorted)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortFriends, reversed, bench::Order::Reversed)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
