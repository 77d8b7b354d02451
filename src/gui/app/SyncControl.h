#pragma once
// The synchronisation as the window offers it: the dialog opened from the options, whose
// buttons drive the background synchronisation, and which shows how it went.

#include "gui/app/BackgroundSync.h"
#include "gui/app/Dialogs.h"
#include "gui/app/SyncDialog.h"

#include <QObject>

#include <memory>

namespace zelmora::gui {

class SyncControl : public QObject {
    Q_OBJECT

public:
    SyncControl(FriendsStore& store, CardSession& session, const FileWriter& writer, const Language& language,
                const Clock& clock, Dialogs& dialogs);

    SyncDialog& dialog() { return *m_dialog; }
    BackgroundSync& sync() { return m_sync; }

    // The account kept, then the dialog, until it is closed.
    void openDialog();

private:
    void synchronise();
    BackgroundSync::Account typedAccount() const;

    BackgroundSync m_sync;
    Dialogs& m_dialogs;
    std::unique_ptr<SyncDialog> m_dialog = std::make_unique<SyncDialog>();
    bool m_syncWhenFound = false; // "Synchronise now" before any address book was found
};

} // namespace zelmora::gui
