// A first synchronisation of 1000 cards from a local Radicale into an empty data folder,
// and an idle one, through zelmora-cli's own command.
#include "cli/Cli.h"
#include "core/exchange/FriendCard.h"
#include "core/platform/FileWriter.h"
#include "support/Friends.h"
#include "sync/RadicaleServer.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <sstream>

using namespace zelmora;

namespace {

constexpr int Cards = 1000;

class SyncedFolder {
public:
    explicit SyncedFolder(const test::RadicaleServer& server)
    {
        std::ofstream(m_folder / "Zelmora.ini") << "sync-server = " << server.url() << "\nsync-user = "
                                                << test::RadicaleServer::User << "\nsync-address-book = "
                                                << server.url("/anne/friends/") << "\n";
    }
    int sync() const
    {
        std::istringstream in(std::string(test::RadicaleServer::Password) + "\n");
        std::ostringstream out;
        std::ostringstream err;
        const cli::CliEnvironment environment{m_folder.path(), systemEnvironment, false, m_writer, in};
        return cli::runCli({"--data-dir", m_folder.path().string(), "sync", "--password-stdin"}, out, err, environment);
    }

private:
    test::TempFolder m_folder;
    const AtomicFileWriter m_writer{AtomicFileWriter::Flush::No};
};

// A server holding 1000 cards of friends with every field filled.
const test::RadicaleServer& serverOfFullCards()
{
    static const auto server = [] {
        auto started = std::make_unique<test::RadicaleServer>();
        std::vector<std::pair<std::string, std::string>> cards;
        const FriendCard writer(VCardVersion::V3, Language::English);
        for (int n = 0; n < Cards; ++n) {
            TFriend f = test::fullFriend(n);
            f.Anniversaire.assign("05/01/1980");
            const std::string uid = "card-" + std::to_string(n);
            cards.emplace_back(uid + ".vcf", writer.card(f, uid));
        }
        started->seedAddressBook("friends", cards);
        started->start();
        return started;
    }();
    return *server;
}

void FirstSyncOf1000Cards(benchmark::State& state)
{
    const test::RadicaleServer& server = serverOfFullCards();
    for (auto _ : state) {
        state.PauseTiming();
        const SyncedFolder folder(server);
        state.ResumeTiming();
        if (folder.sync() != 0) {
            state.SkipWithError("the sync failed");
        }
    }
}

void IdleSyncOf1000Cards(benchmark::State& state)
{
    const test::RadicaleServer& server = serverOfFullCards();
    const SyncedFolder folder(server);
    folder.sync();
    const int before = server.requests();
    for (auto _ : state) {
        folder.sync();
    }
    state.counters["requests_per_sync"] = static_cast<double>(server.requests() - before) / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(FirstSyncOf1000Cards)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(IdleSyncOf1000Cards)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv)
{
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zelmora-bench-bus", 1);
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
