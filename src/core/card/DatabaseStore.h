#pragma once
// The window's friend store: Zelmor.dta, read at start, written at once after each change
// and at the close, and read again when another program (zelmora-cli, a copy of the
// window on another machine sharing the folder) changed it meanwhile. Loads and saves
// hold the data folder's lock, so that no other writer slips in between.

#include "core/card/FriendStore.h"
#include "core/data/DatabaseFile.h"
#include "core/platform/MessageAsker.h"

#include <functional>

namespace zelmora {

class FolderLock;

class DatabaseStore : public FriendStore {
public:
    DatabaseStore(DatabaseFile& file, FriendTable& table, DisplayOptions& options, MessageAsker& asker,
                  const Language& language)
        : m_file(file), m_table(table), m_options(options), m_asker(asker), m_language(language)
    {
    }

    // The start's load: reads the file into the table and the options, or creates it.
    LoadResult load();
    bool changedOnDisk() const { return m_file.changedOnDisk(); }
    // Reads the file again into the table, keeping what the card is doing (its flags);
    // false, and the table as it was, when the file cannot be used any more.
    bool reload();

    Status update(const std::function<void()>& reloaded, const std::function<void()>& change) override;

    // The close's save: the database's own rule (write when anything changed, ask whether
    // to quit anyway when that fails), after reading another program's changes.
    SaveOutcome SaveDatabase(const std::function<void()>& reloaded);

private:
    Status lockFolder(FolderLock& lock) const;
    void readAgainIfChanged(const std::function<void()>& reloaded);

    DatabaseFile& m_file;
    FriendTable& m_table;
    DisplayOptions& m_options;
    MessageAsker& m_asker;
    const Language& m_language;
};

} // namespace zelmora
