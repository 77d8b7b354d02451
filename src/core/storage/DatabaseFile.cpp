#include "core/storage/DatabaseFile.h"

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
    table.FriendCount = 0;
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
    if (contents.state() == FileContents::State::Read && m_watching) {
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
            resetAfterDamage(options);
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
    if (!fs::exists(m_path, error)) {
        copy.clear();
        return Status::success(); // gone meanwhile: nothing left to keep
    }
    // Copied by the system a piece at a time: a damaged file may be of any size.
    if (!fs::copy_file(m_path, copy, fs::copy_options::none, error)) {
        fs::remove(copy, error);
        return Status::failure(fileMessage("cannot keep a copy of", m_path, error.message()));
    }
    return Status::success();
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

DatabaseFile::Written DatabaseFile::write(const FriendTable& table, const DisplayOptions& options)
{
    Written written;
    if (const auto refusal = writeRefusal()) {
        written.status = Status::failure(*refusal);
        return written;
    }
    if (m_damaged) {
        if (written.status = keepDamagedCopy(written.keptCopy); !written.status.ok) {
            written.keptCopy.clear();
            return written;
        }
        m_damaged = false;
    }
    const std::string bytes = encodeDatabase(table, options);
    written.status = m_writer.replace(m_path, bytes);
    if (written.status.ok) {
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

} // namespace zelmora
