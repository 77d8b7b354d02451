// Exchange with other programs: importing a file of 1000 full cards or CSV rows into an
// empty table (read, parse, map, sort and save the database), reading the shape that once
// took quadratic time, and the exports.
#include "BenchData.h"

#include "core/storage/DatabaseFile.h"
#include "core/exchange/CalendarWriter.h"
#include "core/exchange/CsvWriter.h"
#include "core/exchange/ExchangeFiles.h"
#include "core/exchange/FriendImporter.h"
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

// Reads the file written from the dated table, imports it and saves the database.
void importFile(benchmark::State& state, const char* name, const std::string& bytes)
{
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    const auto file = bench::benchFolder("zelmora-bench-exchange") / name;
    if (!writer.replace(file, bytes).ok) {
        state.SkipWithError("cannot write the file to import");
        return;
    }
    auto table = std::make_unique<FriendTable>();
    for (auto _ : state) {
        table->FriendCount = 0;
        const ParsedContacts contacts = ReadContactFile(file, Language::English);
        const ImportReport report = FriendImporter(FriendImporter::Duplicates::Skip).import(*table, contacts);
        DatabaseFile database(bench::benchFolder("zelmora-bench-exchange") / "Zelmor.dta", writer);
        const Status saved = database.write(*table, {}).status;
        benchmark::DoNotOptimize(saved);
        if (report.imported.size() != FriendTable::Capacity) {
            state.SkipWithError("not every friend was imported");
        }
    }
    state.counters["friends"] = table->FriendCount;
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void ImportVCardFile(benchmark::State& state)
{
    importFile(state, "friends.vcf", VCardWriter(Language::English).write(*datedTable()));
}

void ImportCsvFile(benchmark::State& state)
{
    importFile(state, "friends.csv", CsvWriter(Language::English).write(*datedTable()));
}

// Quoted-printable soft line breaks under a header whose only colon is in quotes, the
// given number of KB of them: the time must grow with the size, not with its square.
void ReadSoftBreakShape(benchmark::State& state)
{
    std::string file = "BEGIN:VCARD\r\nFN:A\r\nNOTE;ENCODING=QUOTED-PRINTABLE;X-A=\"b:c=\r\n";
    while (file.size() < static_cast<std::size_t>(state.range(0)) * 1024) {
        file += "=41=42=43=44=45=46=47=48=49=4A=4B=4C=4D=4E=4F=50=51=52=53=54=55=56=57=58=59=5A=\r\n";
    }
    file += "END:VCARD\r\n";
    const ContactParser parser(Language::English);
    for (auto _ : state) {
        const ParsedContacts contacts = parser.parse(file);
        benchmark::DoNotOptimize(contacts.friends.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}

void BuildVCardExport(benchmark::State& state)
{
    const auto table = datedTable();
    for (auto _ : state) {
        const std::string cards = VCardWriter(Language::English).write(*table);
        benchmark::DoNotOptimize(cards.data());
    }
}

void BuildCsvExport(benchmark::State& state)
{
    const auto table = datedTable();
    for (auto _ : state) {
        const std::string rows = CsvWriter(Language::English).write(*table);
        benchmark::DoNotOptimize(rows.data());
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
BENCHMARK(ImportCsvFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSoftBreakShape)->Arg(110)->Arg(440)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildVCardExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildCsvExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildCalendarExport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
