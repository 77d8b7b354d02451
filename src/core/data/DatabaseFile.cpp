#include "core/data/DatabaseFile.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/Folders.h"
#include "core/platform/FileReader.h"
#include "core/platform/MappedFile.h"

#include <cstdint>
#include <cstring>

namespace zelmora {

namespace fs = std::filesystem;

namespace {

// Tells whether another program changed the file (no protection against anyone trying
// to hide a change), eight bytes at a time: every command that loads pays for it.
std::size_t contentsHash(std::string_view bytes)
{
    constexpr std::uint64_t Prime = 0x100000001b3;
    std::uint64_t hash = 0xcbf29ce484222325 ^ bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = (hash ^ word) * Prime;
    }
    for (; i < bytes.size(); ++i) {
        hash = (hash ^ static_cast<unsigned char>(bytes[i])) * Prime;
    }
    return static_cast<std::size_t>(hash);
}

} // namespace

bool DatabaseFile::isNewerVersion() const { return lessBytes(CurrentVersionTag, m_header.fileVersion); }

LoadResult DatabaseFile::LoadDatabase(FriendTable& table, DisplayOptions& options, Language language,
                                      WhenMissing whenMissing)
{
    table.DataChanged = false;
    table.EditPending = false;
    table.NewPending = false;
    table.FriendCount = 0;
    table.CurrentFriend = 1;
    m_header = {};
    m_damaged = false;
    m_unreadable = false;
    m_knownContents.reset();

    LoadResult result;
    const MappedFile contents(m_path, MaxDatabaseBytes);
    if (contents.state() == FileContents::State::Missing) {
        if (whenMissing == WhenMissing::LeaveMissing) {
            result.status = LoadStatus::Missing;
            return result;
        }
        Status created = ensureFolder(m_path.parent_path());
        const std::string bytes = encodeDatabase(table, options);
        if (created.ok) {
            created = m_writer.replace(m_path, bytes);
        }
        if (!created.ok) {
            result.status = LoadStatus::CannotCreate;
            result.message = LangTextWithReason(lang::CannotCreateDatabase, language,
                                                cp1252::forDisplay(pathToUtf8(m_path.parent_path())) + "\n" + created.message);
            return result;
        }
        m_knownContents = contentsHash(bytes);
        result.status = LoadStatus::Created;
        return result;
    }

    if (contents.state() == FileContents::State::Failed) {
        m_unreadable = true;
        result.status = LoadStatus::Unreadable;
        result.message = contents.message();
        return result;
    }
    if (contents.state() == FileContents::State::Read) {
        m_knownContents = contentsHash(contents.bytes());
    }
    const DecodeStatus decoded = contents.state() == FileContents::State::Read
                                   ? decodeDatabase(contents.bytes(), table, options, m_header)
                                   : DecodeStatus::Damaged;
    if (decoded == DecodeStatus::NewerVersion) {
        result.status = LoadStatus::NewerVersion;
        result.message = std::string(LangText(lang::DatabaseForNewerVersion, language)) + m_header.fileVersion;
    } else if (decoded == DecodeStatus::MoreThanCounted) {
        m_damaged = true;
        result.status = LoadStatus::MoreThanCounted;
        result.message = std::string(LangText(lang::MoreThanCounted, language));
    } else if (decoded == DecodeStatus::Damaged) {
        if (contents.state() != FileContents::State::Read) {
            options.Classement = options.Surveillance = options.RadioGroup1 = options.RadioGroup2 = 0;
        }
        m_damaged = true;
        result.status = LoadStatus::Damaged;
        const bool tooLarge = contents.state() == FileContents::State::TooLarge;
        result.message = std::string(LangText(tooLarge ? lang::DatabaseTooLarge : lang::DatabaseDamaged, language));
    }
    table.SortFriends();
    return result;
}

Status DatabaseFile::keepDamagedCopy(fs::path& copy) const
{
    std::error_code error;
    copy = m_path;
    copy += ".damaged";
    for (int n = 1; fs::exists(copy, error); ++n) {
        copy = m_path;
        copy += ".damaged." + std::to_string(n);
    }
    const FileContents damaged = readWholeFile(m_path);
    if (damaged.state == FileContents::State::Missing) {
        copy.clear();
        return Status::success(); // gone meanwhile: nothing left to keep
    }
    if (damaged.state != FileContents::State::Read) {
        return Status::failure(damaged.message);
    }
    return m_writer.replace(copy, damaged.bytes);
}

std::optional<std::string> DatabaseFile::writeRefusal() const
{
    if (isNewerVersion()) {
        return fileMessage("cannot write", m_path, "it belongs to Zelmora " + m_header.fileVersion);
    }
    if (m_unreadable) {
        return fileMessage("cannot write", m_path, "it could not be read, so its friends would be lost");
    }
    return std::nullopt;
}

Status DatabaseFile::write(const FriendTable& table, const DisplayOptions& options, fs::path* keptCopy)
{
    if (const auto refusal = writeRefusal()) {
        return Status::failure(*refusal);
    }
    if (m_damaged) {
        fs::path copy;
        if (const Status kept = keepDamagedCopy(copy); !kept.ok) {
            return kept;
        }
        m_damaged = false;
        if (keptCopy) {
            *keptCopy = copy;
        }
    }
    const std::string bytes = encodeDatabase(table, options);
    const Status written = m_writer.replace(m_path, bytes);
    if (written.ok) {
        m_header.fileVersion = CurrentVersionTag;
        m_header.kept = options;
        m_knownContents = contentsHash(bytes);
    }
    return written;
}

bool DatabaseFile::changedOnDisk() const
{
    const MappedFile contents(m_path, MaxDatabaseBytes);
    if (contents.state() != FileContents::State::Read) {
        return m_knownContents.has_value() || contents.state() != FileContents::State::Missing;
    }
    return m_knownContents != contentsHash(contents.bytes());
}

SaveOutcome DatabaseFile::SaveDatabase(FriendTable& table, const DisplayOptions& options, MessageAsker& asker,
                                       Language language)
{
    if (!needsSaving(table, options)) {
        return SaveOutcome::NothingToSave;
    }
    fs::path keptCopy;
    const Status written = write(table, options, &keptCopy);
    if (!keptCopy.empty()) {
        asker.tell(LangTextWithReason(lang::DamagedFileKept, language, cp1252::forDisplay(pathToUtf8(keptCopy))));
    }
    if (written.ok) {
        table.DataChanged = false;
        return SaveOutcome::Saved;
    }
    return askQuitAnyway(table, asker, language, written.message);
}

bool DatabaseFile::needsSaving(FriendTable& table, const DisplayOptions& options) const
{
    if (!(options == m_header.kept)) {
        table.DataChanged = true;
    }
    return table.DataChanged && !isNewerVersion(); // a newer version is never written, nor asked about
}

SaveOutcome DatabaseFile::askQuitAnyway(FriendTable& table, MessageAsker& asker, Language language,
                                        std::string_view reason)
{
    if (asker.askOkCancel(LangTextWithReason(lang::DatabaseNotSavedQuitAnyway, language, reason))) {
        table.DataChanged = false;
        return SaveOutcome::FailedQuitAnyway;
    }
    return SaveOutcome::FailedStayOpen;
}

} // namespace zelmora
