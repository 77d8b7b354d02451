// Building the dates-to-celebrate list for a full table.
#include "BenchData.h"

#include "core/reminder/DatesList.h"

#include <benchmark/benchmark.h>

using namespace zelmora;

namespace {

void BuildDatesList(benchmark::State& state)
{
    const auto table = bench::tableWithDates(state.range(0) == 1 ? bench::Dates::InTheNextDays : bench::Dates::Spread);
    DatesList list;
    for (auto _ : state) {
        list.BuildDatesList(*table, DisplayOptions{}, LocalDate{2026, 12, 7}, LeapDayRule::MarchFirst);
        benchmark::DoNotOptimize(list);
    }
    state.counters["entries"] = list.DateEntryCount;
}

} // namespace

BENCHMARK(BuildDatesList)->Arg(0)->Arg(1)->ArgNames({"all_in_window"})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
