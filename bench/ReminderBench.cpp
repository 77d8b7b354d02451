// The reminders due today for a full table, three lead times for every kind of date:
// the running window computes them at start, at midnight and after every change.
#include "BenchData.h"

#include "core/reminder/DueReminders.h"

#include <benchmark/benchmark.h>

using namespace zelmora;

namespace {

void DueRemindersOfAFullTable(benchmark::State& state)
{
    const auto table = bench::tableWithDates(state.range(0) == 1 ? bench::Dates::InTheNextDays : bench::Dates::Spread);
    ReminderPlan plan;
    plan.birthdays = plan.saintsDays = plan.otherDates = leadTimes({0, 7, 30});
    std::size_t due = 0;
    for (auto _ : state) {
        const std::vector<DueReminder> reminders = dueReminders(*table, {2026, 12, 1}, plan);
        due = reminders.size();
        benchmark::DoNotOptimize(reminders.data());
    }
    state.counters["due"] = static_cast<double>(due);
}

} // namespace

// Must stay under a millisecond.
BENCHMARK(DueRemindersOfAFullTable)->Arg(0)->Arg(1)->ArgNames({"all_due_soon"})->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
