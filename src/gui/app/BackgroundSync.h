#pragma once
// The window's synchronisation with the address book server: at the start, a few seconds
// after the friends change (changes close together make one), every 15 minutes while the
// program runs, and when asked. The talk with the server runs on a thread of its own, so
// the window never waits for it; what came from the server is applied on the window's
// thread through the session's road, once the card is not being typed into.

#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"
#include "core/session/CardSession.h"
#include "core/storage/FriendsStore.h"
#include "gui/app/SyncDialog.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <optional>

class QThread;

namespace zelmora::gui {

class BackgroundSync : public QObject {
    Q_OBJECT

public:
    struct Account {
        QString server;
        QString user;
        QUrl book;
    };

    BackgroundSync(FriendsStore& store, CardSession& session, const FileWriter& writer, const Language& language,
                   const Clock& clock);
    ~BackgroundSync() override;

    // The account of the data folder's settings; nothing when none is set up.
    std::optional<Account> account() const;
    bool busy() const { return m_thread != nullptr; }
    const QString& lastResult() const { return m_lastResult; }

    void start();
    void friendsChanged();
    void syncNow();
    // The address books of the user on the server: booksFound follows.
    void findBooks(const Account& account, const QString& password);
    // Keeps the account (the password in the keyring, or for this run when none answers)
    // and synchronises.
    void useAccount(const Account& account, const QString& password);
    // Forgets the account and its password; the friends and the server's cards stay.
    void stopUsing();

signals:
    void booksFound(const std::vector<zelmora::gui::SyncDialog::Book>& books, const QString& problem);
    void finished(const QString& result);
    void busyChanged(bool busy);

private:
    struct Round;
    void runAside(std::function<void()> work, std::function<void()> then);
    void roundDone(Round& round);
    void finish(const QString& result);

    FriendsStore& m_store;
    CardSession& m_session;
    const FileWriter& m_writer;
    const Language& m_language;
    const Clock& m_clock;
    QThread* m_thread = nullptr;
    std::optional<QString> m_password; // as given or read, for this run only
    bool m_storePassword = false;      // given in the dialog: to the keyring with the next sync
    bool m_wanted = false;             // asked for while another was under way
    bool m_applying = false;           // the friends change because a sync applies: no new sync for it
    int m_roundsAgain = 0;             // rounds planned anew in a row
    QTimer m_afterChange;
    QTimer m_every;
    QString m_lastResult;
};

} // namespace zelmora::gui
