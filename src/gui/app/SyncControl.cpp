#include "gui/app/SyncControl.h"

#include "gui/widgets/QtText.h"

namespace zelmora::gui {

SyncControl::SyncControl(FriendsStore& store, CardSession& session, const FileWriter& writer, const Language& language,
                         const Clock& clock, Dialogs& dialogs)
    : m_sync(store, session, writer, language, clock), m_dialogs(dialogs)
{
    SyncDialog& dialog = *m_dialog;
    connect(&dialog, &SyncDialog::booksWanted, this, [this] { m_sync.findBooks(typedAccount(), m_dialog->password()); });
    connect(&dialog, &SyncDialog::syncWanted, this, &SyncControl::synchronise);
    connect(&dialog, &SyncDialog::stopWanted, &m_sync, &BackgroundSync::stopUsing);
    connect(&m_sync, &BackgroundSync::finished, &dialog, &SyncDialog::showResult);
    connect(&m_sync, &BackgroundSync::busyChanged, &dialog, [&dialog, &language](bool busy) {
        dialog.showBusy(busy);
        if (busy) {
            dialog.showResult(fromCp1252(LangText(lang::Synchronising, language)));
        }
    });
    connect(&m_sync, &BackgroundSync::booksFound, this,
            [this](const std::vector<SyncDialog::Book>& books, const QString& problem) {
                m_dialog->showBooks(books);
                m_dialog->showResult(problem);
                if (std::exchange(m_syncWhenFound, false) && !books.empty()) {
                    synchronise();
                }
            });
}

BackgroundSync::Account SyncControl::typedAccount() const
{
    return {m_dialog->server(), m_dialog->user(), m_dialog->chosenBook()};
}

void SyncControl::openDialog()
{
    if (const std::optional<BackgroundSync::Account> kept = m_sync.account()) {
        m_dialog->showAccount(kept->server, kept->user, kept->book);
    }
    m_dialog->showResult(m_sync.lastResult());
    m_dialogs.showModal(*m_dialog);
}

// The account as typed, kept when it is new or has a new password; then a sync.
void SyncControl::synchronise()
{
    const BackgroundSync::Account typed = typedAccount();
    const std::optional<BackgroundSync::Account> kept = m_sync.account();
    const bool sameAccount = kept && kept->server == typed.server && kept->user == typed.user && kept->book == typed.book;
    if (sameAccount && m_dialog->password().isEmpty()) {
        m_sync.syncNow();
    } else if (typed.book.isEmpty()) {
        m_syncWhenFound = true;
        m_sync.findBooks(typed, m_dialog->password());
    } else {
        m_sync.useAccount(typed, m_dialog->password());
    }
}

} // namespace zelmora::gui
