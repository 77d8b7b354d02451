// Building the dates-to-celebrate list for a full table.
#include "BenchData.h"

#include "core/reminder/DatesList.h"

#include <benchmark/benchmark.h>

using namespace zelmora;

namespace {

struct CountingBox : DatesListBox {
    void clear() override { lines = 0; }
    void addLine(std::string_view) override { ++lines; }
    int lines = 0;
};

void BuildDatesList(benchmark::State& state)
{
    const auto table = bench::tableWithDates(state.range(0) == 1 ? bench::Dates::InTheNextDays : bench::Dates::Spread);
    auto list = std::make_unique<DatesList>();
    CountingBox box;
    const FixedClock today(LocalDate{2026, 12, 7});
    for (auto _ : state) {
        list->BuildDatesList(*table, DisplayOptions{}, today, Language::English, box);
    }
    state.counters["entries"] = list->DateEntryCount;
}

} // namespace

BENCHMARK(BuildDatesList)->Arg(0)->Arg(1)->ArgNames({"all_in_window"})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
