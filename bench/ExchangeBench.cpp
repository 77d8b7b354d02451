// Exchange with other programs: importing a file of 1000 full cards into an empty
// table (read, parse, map, sort and save the database), and both exports.
#include "BenchData.h"

#include "core/storage/DatabaseFile.h"
#include "core/exchange/CalendarWriter.h"
#include "core/exchange/ExchangeFiles.h"
#include "core/exchange/VCardImporter.h"
#include "core/exchange/VCardWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace zelmora;

namespace {

// 1000 friends with every field full and real dates, in reverse order so that the
// import's sort has work to do.
std::unique_ptr<FriendTable> datedTable()
{
    auto table = bench::fullTable(bench::Order::Reversed);
    for (std::uint16_t n = 1; n <= table->FriendCount; ++n) {
        TFriend& f = (*table)[n];
        f.Anniversaire.assign("05/01/1980");
        f.Fete.assign("14/07/    ");
        f.Date1.assign("29/02/2004");
        f.Raison1.assign(LangText(lang::WeddingAnniversary, Language::English));
        f.Date2.assign("31/12/1999");
    }
    return table;
}

void ImportVCardFile(benchmark::State& state)
{
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    const auto cards = bench::benchFolder("zelmora-bench-exchange") / "friends.vcf";
    if (!writer.replace(cards, VCardWriter::write(*datedTable())).ok) {
        state.SkipWithError("cannot write the cards");
        return;
    }
    auto table = std::make_unique<FriendTable>();
    for (auto _ : state) {
        table->FriendCount = 0;
        const VCardFile file = ReadVCardFile(cards, Language::English);
        const ImportReport report =
            VCardImporter(Language::English, VCardImporter::Duplicates::Skip).import(*table, file.cards);
        DatabaseFile database(bench::benchFolder("zelmora-bench-exchange") / "Zelmor.dta", writer);
        const Status saved = database.write(*table, {}).status;
        benchmark::DoNotOptimize(saved);
        if (report.imported.size() != FriendTable::Capacity) {
            state.SkipWithError("not every card was imported");
        }
    }
    state.counters["cards"] = table->FriendCount;
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(cards)));
}

void BuildVCardExport(benchmark::State& state)
{
    const auto table = datedTable();
    for (auto _ : state) {
        const std::string cards = VCardWriter::write(*table);
        benchmark::DoNotOptimize(cards.data());
    }
}

void BuildCalendarExport(benchmark::State& state)
{
    const auto table = datedTable();
    const CalendarWriter writer(Language::French, UtcDateTime{{2026, 12, 7}, 9, 30, 0}, ReminderPlan{});
    for (auto _ : state) {
        const CalendarText calendar = writer.write(*table);
        benchmark::DoNotOptimize(calendar.bytes.data());
    }
}

} // namespace

BENCHMARK(ImportVCardFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildVCardExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildCalendarExport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
