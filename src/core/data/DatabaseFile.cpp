#include "data/DatabaseFile.h"

#include "data/Cp1252.h"
#include "platform/Folders.h"
#include "platform/MappedFile.h"

namespace zelmora {

namespace fs = std::filesystem;

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

    LoadResult result;
    const MappedFile contents(m_path);
    if (contents.state() == FileContents::State::Missing) {
        if (whenMissing == WhenMissing::LeaveMissing) {
            result.status = LoadStatus::Missing;
            return result;
        }
        std::optional<std::string> failure = ensureFolder(m_path.parent_path());
        if (!failure) {
            const FileStatus created = m_writer.replace(m_path, encodeDatabase(table, options));
            if (!created.ok) {
                failure = created.reason;
            }
        }
        if (failure) {
            result.status = LoadStatus::CannotCreate;
            result.message = std::string(LangText(lang::CannotCreateDatabase, language))
                           + cp1252::forDisplay(m_path.parent_path().string()) + "\n" + cp1252::forDisplay(*failure);
            return result;
        }
        result.status = LoadStatus::Created;
        return result;
    }

    const DecodeStatus decoded = contents.state() == FileContents::State::Read
                                   ? decodeDatabase(contents.bytes(), table, options, m_header)
                                   : DecodeStatus::Damaged;
    if (decoded == DecodeStatus::NewerVersion) {
        result.status = LoadStatus::NewerVersion;
        result.message = std::string(LangText(70, language)) + m_header.fileVersion;
    } else if (decoded == DecodeStatus::Damaged) {
        if (contents.state() != FileContents::State::Read) {
            options.Classement = options.Surveillance = options.RadioGroup1 = options.RadioGroup2 = 0;
        }
        m_damaged = true;
        result.status = LoadStatus::Damaged;
        result.message = std::string(LangText(71, language));
    }
    table.SortFriends();
    return result;
}

FileStatus DatabaseFile::keepDamagedCopy(fs::path& copy) const
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
        return FileStatus::success(); // gone meanwhile: nothing left to keep
    }
    if (damaged.state == FileContents::State::Failed) {
        return FileStatus::failure(damaged.reason);
    }
    return m_writer.replace(copy, damaged.bytes);
}

FileStatus DatabaseFile::write(const FriendTable& table, const DisplayOptions& options, fs::path* keptCopy)
{
    if (isNewerVersion()) {
        return FileStatus::failure(m_path.string() + " belongs to Zelmora " + m_header.fileVersion);
    }
    if (m_damaged) {
        fs::path copy;
        if (const FileStatus kept = keepDamagedCopy(copy); !kept.ok) {
            return kept;
        }
        m_damaged = false;
        if (keptCopy) {
            *keptCopy = copy;
        }
    }
    const FileStatus written = m_writer.replace(m_path, encodeDatabase(table, options));
    if (written.ok) {
        m_header.fileVersion = CurrentVersionTag;
        m_header.kept = options;
    }
    return written;
}

SaveOutcome DatabaseFile::SaveDatabase(FriendTable& table, const DisplayOptions& options, MessageAsker& asker,
                                       Language language)
{
    if (!(options == m_header.kept)) {
        table.DataChanged = true;
    }
    if (!table.DataChanged || isNewerVersion()) {
        return SaveOutcome::NothingToSave;
    }
    fs::path keptCopy;
    const FileStatus written = write(table, options, &keptCopy);
    if (!keptCopy.empty()) {
        asker.tell(std::string(LangText(lang::DamagedFileKept, language)) + cp1252::forDisplay(keptCopy.string()));
    }
    if (written.ok) {
        table.DataChanged = false;
        return SaveOutcome::Saved;
    }
    if (asker.askOkCancel(std::string(LangText(72, language)) + "\n\n" + cp1252::forDisplay(written.reason))) {
        table.DataChanged = false;
        return SaveOutcome::FailedQuitAnyway;
    }
    return SaveOutcome::FailedStayOpen;
}

} // namespace zelmora
