#include "core/card/DatabaseStore.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/FolderLock.h"

namespace zelmora {

namespace {

// A new card is not a friend until it is validated: its empty slot is never written.
FriendTable withoutNewCard(const FriendTable& table)
{
    FriendTable written = table;
    if (written.NewPending && written.FriendCount > 0) {
        --written.FriendCount;
    }
    return written;
}

} // namespace

Status DatabaseStore::lockFolder(FolderLock& lock) const
{
    return lock.acquire(m_file.path().parent_path(), m_language);
}

LoadResult DatabaseStore::load()
{
    // Another program saving meanwhile only delays the start; reading needs no lock, as
    // every save replaces the file in one step.
    FolderLock lock;
    if (std::filesystem::is_directory(m_file.path().parent_path())) {
        [[maybe_unused]] const Status taken = lockFolder(lock);
    }
    return m_file.LoadDatabase(m_table, m_options, m_language);
}

bool DatabaseStore::reload()
{
    FriendTable fresh;
    DisplayOptions unused = m_options; // the option groups on screen stay the live choice
    const LoadResult read = m_file.LoadDatabase(fresh, unused, m_language, DatabaseFile::WhenMissing::LeaveMissing);
    if (read.status != LoadStatus::Loaded && read.status != LoadStatus::MoreThanCounted) {
        // Removed or spoiled by someone else: the friends in memory are the ones to keep,
        // and the next save writes them (a damaged file is first kept aside).
        m_table.DataChanged = true;
        return false;
    }
    fresh.EditPending = m_table.EditPending;
    fresh.NewPending = m_table.NewPending;
    fresh.DataChanged = m_table.DataChanged;
    fresh.CurrentFriend = m_table.CurrentFriend;
    fresh.PreviousFriend = m_table.PreviousFriend;
    m_table = fresh;
    return true;
}

void DatabaseStore::readAgainIfChanged(const std::function<void()>& reloaded)
{
    if (m_file.changedOnDisk() && reload()) {
        reloaded();
    }
}

Status DatabaseStore::update(const std::function<void()>& reloaded, const std::function<void()>& change)
{
    FolderLock lock;
    if (const Status taken = lockFolder(lock); !taken.ok) {
        change();
        m_table.DataChanged = true; // in memory only, for the close to save
        return taken;
    }
    readAgainIfChanged(reloaded);
    change();
    std::filesystem::path keptCopy;
    const Status written = m_file.write(withoutNewCard(m_table), m_options, &keptCopy);
    if (!keptCopy.empty()) {
        m_asker.tell(LangTextWithReason(lang::DamagedFileKept, m_language, cp1252::forDisplay(pathToUtf8(keptCopy))));
    }
    if (written.ok) {
        m_table.DataChanged = false;
    }
    return written;
}

SaveOutcome DatabaseStore::SaveDatabase(const std::function<void()>& reloaded)
{
    if (!m_file.needsSaving(m_table, m_options)) {
        return SaveOutcome::NothingToSave;
    }
    FolderLock lock;
    if (const Status taken = lockFolder(lock); !taken.ok) {
        return DatabaseFile::askQuitAnyway(m_table, m_asker, m_language, taken.message);
    }
    readAgainIfChanged(reloaded);
    return m_file.SaveDatabase(m_table, m_options, m_asker, m_language);
}

} // namespace zelmora
