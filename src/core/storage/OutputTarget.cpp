#include "core/storage/OutputTarget.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/FileCalls.h"
#include "core/platform/FolderLock.h"
#include "core/platform/Folders.h"

#include <algorithm>
#include <array>
#include <string>

namespace zelmora {

namespace fs = std::filesystem;

namespace {

// The calendar kept for calendar programs is no secret: an export may replace it.
const std::array<std::string, 7> OwnNames = {DatabaseFileName, SettingsFileName,  LockFileName,      ExtraSettingsFileName,
                                             NotifiedFileName, SyncStateFileName, SyncReportFileName};

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

// The file a write to `target` would change: absolute, links followed, ".." resolved.
fs::path resolved(const fs::path& target)
{
    std::error_code error;
    fs::path path = fs::absolute(target, error);
    for (int links = 0; links < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++links) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    const fs::path canonical = fs::weakly_canonical(path, error);
    return error ? path.lexically_normal() : canonical;
}

bool isHardLinkOfOwnFile(const fs::path& target, const fs::path& folder)
{
    std::error_code error;
    if (!fs::exists(target, error)) {
        return false;
    }
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code ignored;
        if (isOwnFileName(entry->path().filename()) && fs::equivalent(target, entry->path(), ignored)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool isOwnFileName(const fs::path& name)
{
    const std::string lower = lowerAscii(pathToUtf8(name));
    const fs::path lowerName = pathFromUtf8(lower);
    return std::any_of(OwnNames.begin(), OwnNames.end(), [&](const std::string& own) {
        const std::string ownLower = lowerAscii(own);
        return lower == ownLower || filecalls::isTemporaryName(lowerName, pathFromUtf8(ownLower))
            || (own == DatabaseFileName && lower.starts_with(ownLower + ".damaged"));
    });
}

Status checkOutputTarget(const fs::path& target, const fs::path& dataFolder, Language language)
{
    std::error_code error;
    const fs::path file = resolved(target);
    const bool inDataFolder = fs::equivalent(file.parent_path(), dataFolder, error) || file.parent_path() == resolved(dataFolder);
    if ((inDataFolder && isOwnFileName(file.filename())) || isHardLinkOfOwnFile(target, dataFolder)) {
        return Status::failure(LangTextWithReason(lang::ExportOntoData, language, cp1252::forDisplay(pathToUtf8(target))));
    }
    return Status::success();
}

Status OutputWriter::replace(const fs::path& target, std::string_view bytes) const
{
    if (Status allowed = checkOutputTarget(target, m_dataFolder, m_language); !allowed.ok) {
        return allowed;
    }
    return m_inner.replace(target, bytes);
}

} // namespace zelmora
