#include "cli/SyncCommand.h"

#include "core/base/Cp1252.h"
#include "core/data/DateText.h"
#include "core/program/CommandLine.h"
#include "core/sync/SyncApply.h"
#include "core/sync/SyncReport.h"
#include "sync/AddressBookFinder.h"
#include "sync/CardDavSync.h"
#include "sync/PasswordKeyring.h"
#include "sync/ServerAddress.h"

#include <QCoreApplication>

namespace zelmora::cli {

namespace {

using namespace zelmora::sync;

// Rounds planned anew when cards change there meanwhile, before giving up for now.
constexpr int MostRounds = 3;

struct SyncOptions {
    std::optional<std::string> setup; // the server's address
    std::string user;
    std::string book;
    bool passwordFromInput = false;
    bool trial = false;
    std::chrono::seconds timeout{30};
};

// Nothing after a usage message.
std::optional<SyncOptions> readSyncOptions(const CliContext& context, Arguments arguments)
{
    SyncOptions options;
    const std::vector<std::string> words(arguments.begin(), arguments.end());
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--password-stdin" || words[i] == "--dry-run") {
            (words[i] == "--dry-run" ? options.trial : options.passwordFromInput) = true;
            continue;
        }
        const CommandOption option = readOption(words, i);
        const std::string_view name = option.name;
        if (!option.value || (name != "--setup" && name != "--user" && name != "--book" && name != "--timeout")) {
            context.usage(option.value ? "sync takes --setup URL --user NAME [--book NAME], --dry-run, --password-stdin "
                                         "and --timeout SECONDS, not " + option.name
                                       : option.name + " needs a value");
            return std::nullopt;
        }
        if (name == "--timeout") {
            const int seconds = option.value->find_first_not_of("0123456789") == std::string::npos && option.value->size() <= 3
                                  ? TextToNum(*option.value) : 0;
            if (seconds < 1) {
                context.usage("--timeout takes a number of seconds from 1 to 999, not " + *option.value);
                return std::nullopt;
            }
            options.timeout = std::chrono::seconds(seconds);
        } else {
            (name == "--setup" ? options.setup.emplace() : name == "--user" ? options.user : options.book) = *option.value;
        }
    }
    if (options.setup.has_value() == options.user.empty() || (!options.setup && !options.book.empty())) {
        context.usage("sync --setup needs --user NAME (and --book NAME only with --setup)");
        return std::nullopt;
    }
    return options;
}

// The event loop the network and the keyring need; a command line has none of its own.
class EventLoopScope {
public:
    EventLoopScope()
    {
        if (!QCoreApplication::instance()) {
            m_application = std::make_unique<QCoreApplication>(m_argc, m_argv);
        }
    }

private:
    int m_argc = 1;
    char m_name[12] = "zelmora-cli";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_application;
};

// The password from the standard input, or the keyring; nothing after saying why there is none.
std::optional<QString> password(const CliContext& context, const SyncOptions& options, const PasswordKeyring& keyring)
{
    if (options.passwordFromInput) {
        std::string line;
        std::getline(context.environment.input, line);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return QString::fromStdString(line);
    }
    const KeyringRead read = keyring.read();
    if (read.found != KeyringRead::Found::Password) {
        context.printError(LangText(read.found == KeyringRead::Found::NoPassword ? lang::SyncNoPassword : lang::SyncNoKeyring,
                                    context.language));
        return std::nullopt;
    }
    return read.password;
}

// The address, warned of when it is plain http; nothing after saying why it is refused.
std::optional<QUrl> checkedAddress(const CliContext& context, const std::string& text)
{
    const ServerAddress address = checkServerAddress(QString::fromStdString(text), context.language);
    if (!address.status.ok) {
        context.printError(address.status.message);
        return std::nullopt;
    }
    if (address.plainHttp) {
        context.printError(LangText(lang::SyncPlainHttp, context.language));
    }
    return address.url;
}

int setUp(const CliContext& context, const SyncOptions& options)
{
    const std::optional<QUrl> server = checkedAddress(context, *options.setup);
    const QString user = QString::fromStdString(options.user);
    const PasswordKeyring keyring(server ? server->toString() : QString(), user);
    const std::optional<QString> secret = server ? password(context, options, keyring) : std::nullopt;
    if (!secret) {
        return ExitNothingWritten;
    }
    DavClient client(user, *secret, options.timeout, context.language);
    const AddressBooksFound found = AddressBookFinder::choose(AddressBookFinder(client, context.language).find(*server),
                                                              QString::fromStdString(options.book), context.language);
    if (!found.status.ok) {
        context.printError(found.status.message);
        return ExitNothingWritten;
    }
    const std::string book = found.books.front().url.toString().toStdString();
    const Status saved = changeExtraSettings(context.dataFolder, context.environment.writer, context.language,
                                             [&](ExtraSettings& settings) {
                                                 settings.syncServer = server->toString().toStdString();
                                                 settings.syncUser = options.user;
                                                 settings.syncAddressBook = book;
                                             });
    if (!saved.ok) {
        context.printError(saved.message);
        return ExitNothingWritten;
    }
    if (options.passwordFromInput) {
        if (const Status stored = keyring.store(*secret, context.language); !stored.ok) {
            context.printError(stored.message);
        }
    }
    context.print(LangTextFilled(lang::SyncSetUp, context.language,
                                 {cp1252::forDisplay(found.books.front().name.toStdString()),
                                  cp1252::forDisplay(book)}));
    return ExitDone;
}

// The state of the last sync with that address book, after saying why a damaged one is passed over.
SyncState lastState(const CliContext& context, const std::string& book)
{
    LastSyncState last = lastSyncState(context.dataFolder, book, context.language);
    if (!last.warning.empty()) {
        context.printError(last.warning);
    }
    return std::move(last.state);
}

int synchronise(const CliContext& context, const SyncOptions& options)
{
    const ExtraSettings settings = context.extraSettings();
    if (settings.syncServer.empty() || settings.syncAddressBook.empty()) {
        context.printError(LangText(lang::SyncNotSetUp, context.language));
        return ExitNothingWritten;
    }
    const std::optional<QUrl> book = checkedAddress(context, settings.syncAddressBook);
    const PasswordKeyring keyring(QString::fromStdString(settings.syncServer), QString::fromStdString(settings.syncUser));
    const std::optional<QString> secret = book ? password(context, options, keyring) : std::nullopt;
    if (!secret) {
        return ExitNothingWritten;
    }
    FriendsStore data = context.data();
    data.watchForChanges(); // the server's answers take a while: another program may write meanwhile
    if (Status read = data.read(); !read.ok) {
        return context.finish(data, read);
    }
    DavClient client(QString::fromStdString(settings.syncUser), *secret, options.timeout, context.language);
    CardDavSync sync(client, *book, context.language);
    const ChangeFriends change = [&](const FriendsStore::Change& modify, const FriendsStore::Follower& written) {
        return data.change(modify, LockPatience, written);
    };
    for (int round = 0; round < MostRounds; ++round) {
        const FriendTable plannedOn = data.table();
        SyncRound done = sync.prepare(plannedOn, lastState(context, settings.syncAddressBook));
        if (done.status.ok && !options.trial) {
            sync.send(done);
        }
        if (!done.status.ok || options.trial) {
            for (const std::string& line : done.status.ok ? syncSummaryLines(done.plan.summary, true, context.language)
                                                          : std::vector<std::string>{}) {
                context.print(line);
            }
            return context.finish(data, done.status);
        }
        if (done.again) {
            continue;
        }
        const SyncApplied applied = applySyncPlan(done.plan, plannedOn, data, context.environment.writer, change,
                                                  context.language);
        if (applied.changedMeanwhile) {
            data.readAgainIfChanged();
            continue;
        }
        if (applied.status.ok) {
            const Status reported = appendSyncReport(done.plan.summary, settings.syncServer, context.clock.now(),
                                                     context.dataFolder, context.environment.writer, context.language);
            for (const std::string& line : syncSummaryLines(done.plan.summary, false, context.language)) {
                context.print(line);
            }
            if (!reported.ok) {
                context.printError(reported.message);
            }
        }
        return context.finish(data, applied.status);
    }
    return context.finish(data, Status::failure(std::string(LangText(lang::SyncKeepsChanging, context.language))));
}

} // namespace

int syncCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<SyncOptions> options = readSyncOptions(context, arguments);
    if (!options) {
        return ExitUsage;
    }
    const EventLoopScope eventLoop;
    return options->setup ? setUp(context, *options) : synchronise(context, *options);
}

} // namespace zelmora::cli
