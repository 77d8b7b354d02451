// Building the dates-to-celebrate list for a full table.
#include "BenchData.h"

#include "core/reminder/DatesList.h"

#include <benchmark/benchmark.h>

using namespace zelmora;

namespace {

std::string date(int day, int month) { return (day < 10 ? "0" : "") + std::to_string(day) + (month < 10 ? "/0" : "/") + std::to_string(month) + "/1980"; }

// Dates spread over the year, or all four of every friend within the next days.
std::unique_ptr<FriendTable> tableWithDates(bool allInWindow)
{
    auto table = bench::fullTable();
    for (std::uint16_t slot = 1; slot <= table->FriendCount; ++slot) {
        const FriendField fields[] = {FriendField::Anniversaire, FriendField::Fete, FriendField::Date1, FriendField::Date2};
        for (int k = 0; k < 4; ++k) {
            const int spread = (slot * 4 + k) * 7;
            fieldRef((*table)[slot], fields[k])
                .assign(allInWindow ? date(8 + (slot + k) % 20, 12) : date(1 + spread % 28, 1 + spread / 28 % 12));
        }
    }
    return table;
}

void BuildDatesList(benchmark::State& state)
{
    const auto table = tableWithDates(state.range(0) == 1);
    DatesList list;
    for (auto _ : state) {
        list.BuildDatesList(*table, DisplayOptions{}, LocalDate{2026, 12, 7});
        benchmark::DoNotOptimize(list);
    }
    state.counters["entries"] = list.DateEntryCount;
}

} // namespace

BENCHMARK(BuildDatesList)->Arg(0)->Arg(1)->ArgNames({"all_in_window"})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
