#include "gui/app/BackgroundSync.h"

#include "core/settings/ExtraSettings.h"
#include "core/sync/SyncApply.h"
#include "core/sync/SyncReport.h"
#include "gui/widgets/QtText.h"
#include "sync/AddressBookFinder.h"
#include "sync/CardDavSync.h"
#include "sync/PasswordKeyring.h"
#include "sync/ServerAddress.h"

#include <QThread>

namespace zelmora::gui {

namespace {

using namespace std::chrono_literals;

constexpr auto AfterChange = 5s;
constexpr auto Every = 15min;
constexpr auto Timeout = 30s;
constexpr int MostRoundsAgain = 3;

QString lines(const std::vector<std::string>& cp1252)
{
    QStringList all;
    for (const std::string& line : cp1252) {
        all << fromCp1252(line);
    }
    return all.join(QLatin1Char('\n'));
}

} // namespace

// One round, from the window's thread to the sync's and back.
struct BackgroundSync::Round {
    Account account;
    std::optional<QString> password;
    bool storePassword = false;
    FriendTable plannedOn;
    SyncState state;
    Language language = Language::English;
    QString warning; // said before the result: plain http, a password kept for this run only
    sync::SyncRound done;

    void run()
    {
        if (!password) {
            const sync::KeyringRead read = sync::PasswordKeyring(account.server, account.user).read();
            if (read.found != sync::KeyringRead::Found::Password) {
                done.status = Status::failure(std::string(LangText(lang::SyncTypePassword, language)));
                return;
            }
            password = read.password;
        }
        if (storePassword) {
            if (!sync::PasswordKeyring(account.server, account.user).store(*password, language).ok) {
                warning += fromCp1252(LangText(lang::SyncKeptForThisRun, language)) + QLatin1Char('\n');
            }
        }
        sync::DavClient client(account.user, *password, Timeout, language);
        sync::CardDavSync sync(client, account.book, language);
        done = sync.prepare(plannedOn, state);
        if (done.status.ok) {
            sync.send(done);
        }
    }
};

BackgroundSync::BackgroundSync(FriendsStore& store, CardSession& session, const FileWriter& writer,
                               const Language& language, const Clock& clock)
    : m_store(store), m_session(session), m_writer(writer), m_language(language), m_clock(clock)
{
    m_afterChange.setSingleShot(true);
    m_afterChange.setInterval(AfterChange);
    m_every.setInterval(Every);
    connect(&m_afterChange, &QTimer::timeout, this, &BackgroundSync::syncNow);
    connect(&m_every, &QTimer::timeout, this, &BackgroundSync::syncNow);
}

BackgroundSync::~BackgroundSync()
{
    if (m_thread) {
        m_thread->wait(); // at most one request's time-out
        delete m_thread;
    }
}

std::optional<BackgroundSync::Account> BackgroundSync::account() const
{
    const ExtraSettings settings = loadExtraSettings(m_store.folder(), m_language).settings;
    if (settings.syncServer.empty() || settings.syncAddressBook.empty()) {
        return std::nullopt;
    }
    return Account{QString::fromStdString(settings.syncServer), QString::fromStdString(settings.syncUser),
                   QUrl(QString::fromStdString(settings.syncAddressBook))};
}

void BackgroundSync::start()
{
    if (account()) {
        syncNow();
        m_every.start();
    }
}

void BackgroundSync::friendsChanged()
{
    if (!m_applying && m_every.isActive()) {
        m_afterChange.start();
    }
}

void BackgroundSync::runAside(std::function<void()> work, std::function<void()> then)
{
    m_thread = QThread::create(std::move(work));
    connect(m_thread, &QThread::finished, this, [this, then = std::move(then)] {
        m_thread->deleteLater();
        m_thread = nullptr;
        then();
        emit busyChanged(busy());
        if (m_wanted && !busy()) {
            m_wanted = false;
            syncNow();
        }
    });
    m_thread->start();
    emit busyChanged(true);
}

void BackgroundSync::syncNow()
{
    const std::optional<Account> kept = account();
    if (busy() || !kept) {
        m_wanted = busy();
        return;
    }
    const sync::ServerAddress address = sync::checkServerAddress(kept->book.toString(), m_language);
    if (!address.status.ok) {
        finish(fromCp1252(address.status.message));
        return;
    }
    auto round = std::make_shared<Round>();
    *round = {*kept, m_password, m_storePassword, m_store.table(), {}, m_language, {}, {}};
    LastSyncState last = lastSyncState(m_store.folder(), kept->book.toString().toStdString(), m_language);
    round->state = std::move(last.state);
    if (!last.warning.empty()) {
        round->warning += fromCp1252(last.warning) + QLatin1Char('\n');
    }
    if (address.plainHttp) {
        round->warning += fromCp1252(LangText(lang::SyncPlainHttp, m_language)) + QLatin1Char('\n');
    }
    m_storePassword = false;
    runAside([round] { round->run(); }, [this, round] { roundDone(*round); });
}

void BackgroundSync::roundDone(Round& round)
{
    if (round.done.status.ok) {
        m_password = round.password;
    }
    const QString warning = round.warning;
    if (!round.done.status.ok) {
        finish(warning + fromCp1252(round.done.status.message));
        return;
    }
    if (round.done.again && ++m_roundsAgain <= MostRoundsAgain) {
        m_wanted = true; // a card changed there meanwhile: fetched, merged and sent again at once
        return;
    }
    if (round.done.again || m_session.hasUnsavedCard()) {
        m_roundsAgain = 0;
        m_afterChange.start(); // a few seconds later, or once the card being typed into is settled
        return;
    }
    m_applying = true;
    const SyncApplied applied = applySyncPlan(
        round.done.plan, round.plannedOn, m_store, m_writer,
        [this](const FriendsStore::Change& change, const FriendsStore::Follower& written) {
            return m_session.changeFriends(change, written);
        },
        m_language);
    m_applying = false;
    if (applied.changedMeanwhile) {
        m_afterChange.start();
        return;
    }
    m_roundsAgain = 0;
    if (!applied.status.ok) {
        finish(warning + fromCp1252(applied.status.message));
        return;
    }
    const Status reported = appendSyncReport(round.done.plan.summary, round.account.server.toStdString(), m_clock.now(),
                                             m_store.folder(), m_writer, m_language);
    std::vector<std::string> summary = syncSummaryLines(round.done.plan.summary, false, m_language);
    if (!reported.ok) {
        summary.push_back(reported.message);
    }
    finish(warning + lines(summary));
}

void BackgroundSync::finish(const QString& result)
{
    m_lastResult = result;
    emit finished(result);
}

void BackgroundSync::findBooks(const Account& account, const QString& password)
{
    const sync::ServerAddress address = sync::checkServerAddress(account.server, m_language);
    if (!address.status.ok || busy()) {
        emit booksFound({}, fromCp1252(address.status.message));
        return;
    }
    auto found = std::make_shared<sync::AddressBooksFound>();
    const Language language = m_language;
    runAside(
        [found, account, password, url = address.url, language] {
            sync::DavClient client(account.user, password, Timeout, language);
            *found = sync::AddressBookFinder(client, language).find(url);
        },
        [this, found] {
            std::vector<SyncDialog::Book> books;
            for (const sync::AddressBook& book : found->books) {
                books.push_back({book.url, book.name});
            }
            emit booksFound(books, fromCp1252(found->status.message));
        });
}

void BackgroundSync::useAccount(const Account& account, const QString& password)
{
    const Status saved = changeExtraSettings(m_store.folder(), m_writer, m_language, [&](ExtraSettings& settings) {
        settings.syncServer = account.server.toStdString();
        settings.syncUser = account.user.toStdString();
        settings.syncAddressBook = account.book.toString().toStdString();
    });
    if (!saved.ok) {
        finish(fromCp1252(saved.message));
        return;
    }
    m_password = password;
    m_storePassword = true;
    m_every.start();
    syncNow();
}

void BackgroundSync::stopUsing()
{
    if (const std::optional<Account> kept = account()) {
        sync::PasswordKeyring(kept->server, kept->user).forget();
    }
    const Status saved = changeExtraSettings(m_store.folder(), m_writer, m_language, [](ExtraSettings& settings) {
        settings.syncServer.clear();
        settings.syncUser.clear();
        settings.syncAddressBook.clear();
    });
    m_password.reset();
    m_every.stop();
    m_afterChange.stop();
    finish(fromCp1252(saved.ok ? std::string(LangText(lang::SyncStopped, m_language)) : saved.message));
}

} // namespace zelmora::gui
