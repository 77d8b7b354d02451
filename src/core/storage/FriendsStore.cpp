#include "core/storage/FriendsStore.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/Folders.h"

namespace zelmora {

namespace fs = std::filesystem;

FriendsStore::FriendsStore(const fs::path& folder, const Language& language, const FileWriter& writer)
    : m_folder(folder), m_language(language), m_file(folder / DatabaseFileName, writer)
{
}

LoadResult FriendsStore::load(DatabaseFile::WhenMissing whenMissing, FriendTable& table)
{
    DisplayOptions read = m_options;
    LoadResult loaded = m_file.LoadDatabase(table, read, m_language, whenMissing);
    if (m_state == State::NotRead) {
        m_options = read; // afterwards the options on screen stay the live choice
    }
    if (loaded.status == LoadStatus::MoreThanCounted) {
        m_notices.push_back(loaded.message + " (" + cp1252::forDisplay(pathToUtf8(m_file.path())) + ")");
    }
    return loaded;
}

LoadResult FriendsStore::open()
{
    watchForChanges(); // the window reads the file again when another program changes it
    // Another program saving meanwhile only delays the start.
    FolderLock lock;
    if (fs::is_directory(m_folder)) {
        [[maybe_unused]] const Status taken = lock.acquire(m_folder, m_language);
    }
    LoadResult loaded = load(DatabaseFile::WhenMissing::Create, *m_table);
    m_notices.clear(); // the start says it all in its own message
    m_state = State::Read;
    return loaded;
}

Status FriendsStore::refusal(const LoadResult& loaded) const
{
    switch (loaded.status) {
    case LoadStatus::Damaged:
    case LoadStatus::NewerVersion:
        return Status::failure(loaded.message + " (" + cp1252::forDisplay(pathToUtf8(m_file.path())) + ")");
    case LoadStatus::Unreadable: return Status::failure(loaded.message);
    default: return Status::success();
    }
}

Status FriendsStore::read()
{
    Status readable = refusal(load(DatabaseFile::WhenMissing::LeaveMissing, *m_table));
    if (readable.ok) {
        m_state = State::Read;
    }
    return readable;
}

bool FriendsStore::readAgainIfChanged()
{
    if (!changedOnDisk()) {
        return false;
    }
    FriendTable fresh;
    const LoadResult loaded = load(DatabaseFile::WhenMissing::LeaveMissing, fresh);
    if (loaded.status != LoadStatus::Loaded && loaded.status != LoadStatus::MoreThanCounted) {
        m_state = State::SpoiledByOthers;
        return false;
    }
    *m_table = fresh;
    m_state = State::Read;
    return true;
}

FriendsStore::Outcome FriendsStore::change(const Change& modify, std::chrono::milliseconds patience,
                                           const Follower& written)
{
    if (m_state == State::NotRead) {
        if (Status made = ensureFolder(m_folder); !made.ok) {
            return {std::move(made)};
        }
    }
    FolderLock lock;
    if (Status taken = lock.acquire(m_folder, m_language, patience); !taken.ok) {
        return {std::move(taken), false, true};
    }
    return changeLocked(modify, written);
}

FriendsStore::Outcome FriendsStore::changeLocked(const Change& modify, const Follower& ownFollower)
{
    Outcome outcome;
    if (m_state == State::NotRead) {
        if (outcome.status = read(); !outcome.status.ok) {
            return outcome;
        }
    } else {
        outcome.reread = readAgainIfChanged();
    }
    FriendTable changed = *m_table;
    DisplayOptions options = m_options;
    if (outcome.status = modify(changed, options); !outcome.status.ok) {
        return outcome;
    }
    const DatabaseFile::Written written = m_file.write(changed, options);
    if (!written.keptCopy.empty()) {
        m_notices.push_back(
            LangTextWithReason(lang::DamagedFileKept, m_language, cp1252::forDisplay(pathToUtf8(written.keptCopy))));
    }
    if (!written.status.ok) {
        outcome.status = Status::failure(LangTextWithReason(lang::DatabaseNotSaved, m_language, written.status.message));
        return outcome;
    }
    // The friends are written: a follower that fails is told, and the change stands.
    if (const Follower& follower = ownFollower ? ownFollower : m_follower) {
        if (Status followed = follower(*m_table, changed); !followed.ok) {
            m_notices.push_back(std::move(followed.message));
        }
    }
    *m_table = changed;
    m_options = options;
    m_state = State::Read;
    return outcome;
}

bool FriendsStore::hasUnsavedChanges() const
{
    if (m_file.isNewerVersion()) {
        return false; // never written, nor asked about
    }
    return m_state == State::SpoiledByOthers || !(m_options == m_file.storedOptions());
}

FriendsStore::Outcome FriendsStore::saveUnsaved(std::chrono::milliseconds patience)
{
    return change([](FriendTable&, DisplayOptions&) { return Status::success(); }, patience);
}

} // namespace zelmora
