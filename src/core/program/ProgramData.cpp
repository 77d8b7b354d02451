#include "core/program/ProgramData.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/Folders.h"

namespace zelmora {

namespace fs = std::filesystem;

ProgramData::ProgramData(const fs::path& folder, Language language, const FileWriter& writer)
    : m_folder(folder), m_language(language), m_file(folder / DatabaseFileName, writer)
{
}

Status ProgramData::load()
{
    const LoadResult loaded = m_file.LoadDatabase(*m_table, m_options, m_language, DatabaseFile::WhenMissing::LeaveMissing);
    switch (loaded.status) {
    case LoadStatus::Damaged:
    case LoadStatus::NewerVersion:
        return Status::failure(loaded.message + " (" + cp1252::forDisplay(pathToUtf8(m_file.path())) + ")");
    case LoadStatus::Unreadable:
        return Status::failure(loaded.message);
    case LoadStatus::MoreThanCounted:
        m_notices.push_back(loaded.message + " (" + cp1252::forDisplay(pathToUtf8(m_file.path())) + ")");
        return Status::success();
    default:
        return Status::success();
    }
}

Status ProgramData::loadForReading() { return load(); }

Status ProgramData::change(const Change& modify, std::chrono::milliseconds patience)
{
    if (Status made = ensureFolder(m_folder); !made.ok) {
        return made;
    }
    FolderLock lock;
    if (Status taken = lock.acquire(m_folder, m_language, patience); !taken.ok) {
        return taken;
    }
    if (Status loaded = load(); !loaded.ok) {
        return loaded;
    }
    if (Status changed = modify(*m_table, m_options); !changed.ok) {
        return changed;
    }
    fs::path keptCopy;
    const Status written = m_file.write(*m_table, m_options, &keptCopy);
    if (!keptCopy.empty()) {
        m_notices.push_back(LangTextWithReason(lang::DamagedFileKept, m_language, cp1252::forDisplay(pathToUtf8(keptCopy))));
    }
    if (!written.ok) {
        return Status::failure(LangTextWithReason(lang::DatabaseNotSaved, m_language, written.message));
    }
    return written;
}

FriendChoice findFriendByListText(const FriendTable& table, std::string_view utf8, Language language)
{
    const cp1252::Converted name = cp1252::fromUtf8(utf8);
    const std::uint16_t slot = name.ok ? table.FindFriend(name.text) : 0;
    if (slot == 0) {
        return {0, Status::failure(std::string(LangText(lang::NoSuchFriend, language)) + cp1252::forDisplay(utf8))};
    }
    return {slot, Status::success()};
}

} // namespace zelmora
