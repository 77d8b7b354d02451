// Both exports of a full friend table: building the bytes, and writing the file.
#include "BenchData.h"

#include "core/export/ExportFile.h"
#include "core/export/HtmlExport.h"
#include "core/export/TextExport.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace zelmora;

namespace {

// Every value full of characters that HTML must escape: the longest page there is.
std::unique_ptr<FriendTable> markupTable()
{
    auto table = bench::fullTable();
    for (std::uint16_t n = 1; n <= table->FriendCount; ++n) {
        for (std::size_t i = 0; i < FriendFieldCount; ++i) {
            ShortTextRef field = fieldRef((*table)[n], static_cast<FriendField>(i));
            field.assign(std::string(field.capacity(), i % 2 == 0 ? '&' : '"'));
        }
    }
    return table;
}

using BuildFunction = std::string (*)(const FriendTable&, Language);

void BuildExport(benchmark::State& state, BuildFunction build, std::unique_ptr<FriendTable> (*makeTable)())
{
    const auto table = makeTable();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string built = build(*table, Language::French);
        bytes = built.size();
        benchmark::DoNotOptimize(built.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

std::unique_ptr<FriendTable> fullTable() { return bench::fullTable(); }

using WriteFunction = Status (*)(const FriendTable&, Language, const std::filesystem::path&, const FileWriter&);

void WriteExport(benchmark::State& state, WriteFunction write, const char* fileName)
{
    const auto table = bench::fullTable();
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    const auto folder = std::filesystem::temp_directory_path() / "zelmora-bench";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        const Status written = write(*table, Language::English, folder / fileName, writer);
        if (!written.ok) {
            state.SkipWithError(written.message.c_str());
            break;
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(BuildExport, text, buildTextExport, fullTable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildExport, html, buildHtmlExport, fullTable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildExport, html_all_escaped, buildHtmlExport, markupTable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteExport, text, WriteTextExport, "Friends.TXT")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteExport, html, WriteHtmlExport, "Friends.HTM")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
